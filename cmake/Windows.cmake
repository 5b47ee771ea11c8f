# The Windows build (MinGW-w64): how the programs start, what they link and
# what travels beside them. Included from src/CMakeLists.txt.

target_link_libraries(krepogor_platform PUBLIC shell32 ole32)

# SDL's pkg-config data would rename every main to SDL_main, link SDL2main
# and make every program a GUI one: the programs start through our own
# UTF-16 entry below instead, and only the game is a GUI program.
foreach(sdl PkgConfig::SDL2 PkgConfig::SDL2_IMAGE)
  if(NOT TARGET ${sdl})
    continue()
  endif()
  foreach(property INTERFACE_COMPILE_OPTIONS INTERFACE_COMPILE_DEFINITIONS
                   INTERFACE_LINK_LIBRARIES INTERFACE_LINK_OPTIONS)
    get_target_property(values ${sdl} ${property})
    if(values)
      list(FILTER values EXCLUDE REGEX "^(-D)?main=SDL_main$|SDL2main|^-mwindows$|^-lmingw32$")
      set_target_properties(${sdl} PROPERTIES ${property} "${values}")
    endif()
  endforeach()
endforeach()

# Both programs take their arguments as UTF-16 and hand them on as UTF-8.
foreach(program krepogor krepogor-script)
  get_target_property(sources ${program} SOURCES)
  set_source_files_properties(${sources} TARGET_DIRECTORY ${program} PROPERTIES
                              COMPILE_DEFINITIONS main=Utf8Main)
  target_sources(${program} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/platform/windows/entry/WideMain.cpp)
  target_link_options(${program} PRIVATE -municode)
endforeach()

# No console window for the game; its icon, version and manifest.
set_target_properties(krepogor PROPERTIES WIN32_EXECUTABLE ON)
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/krepogor.rc.in
               ${CMAKE_BINARY_DIR}/krepogor.rc @ONLY)
target_sources(krepogor PRIVATE ${CMAKE_BINARY_DIR}/krepogor.rc)

# The thread library and the libraries built by scripts/windows-deps.sh lie
# beside the programs (each carries its own C++ runtime: see the toolchain).
file(GLOB KREPOGOR_WINDOWS_DLLS ${KREPOGOR_WINDOWS_PREFIX}/bin/*.dll)
# Debian's MinGW packages: the thread library and zlib (libpng's).
foreach(dll libwinpthread-1.dll zlib1.dll)
  find_file(dll_${dll} ${dll} PATHS /usr/x86_64-w64-mingw32/lib /usr/x86_64-w64-mingw32/bin
            NO_CMAKE_FIND_ROOT_PATH NO_DEFAULT_PATH REQUIRED)
  list(APPEND KREPOGOR_WINDOWS_DLLS ${dll_${dll}})
endforeach()
# mpg123's output and synthesis libraries come with its build, unused.
list(FILTER KREPOGOR_WINDOWS_DLLS EXCLUDE REGEX "libout123|libsyn123")
set(KREPOGOR_WINDOWS_DLLS ${KREPOGOR_WINDOWS_DLLS} PARENT_SCOPE)
file(COPY ${KREPOGOR_WINDOWS_DLLS} DESTINATION ${CMAKE_BINARY_DIR})

# The label fonts.
include(${CMAKE_CURRENT_LIST_DIR}/LabelFonts.cmake)
set(KREPOGOR_WINDOWS_FONTS ${KREPOGOR_LABEL_FONTS})
set(KREPOGOR_WINDOWS_FONTS ${KREPOGOR_WINDOWS_FONTS} PARENT_SCOPE)
file(COPY ${KREPOGOR_WINDOWS_FONTS} DESTINATION ${CMAKE_BINARY_DIR}/fonts)
