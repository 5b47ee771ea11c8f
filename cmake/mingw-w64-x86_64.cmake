# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (POSIX threads).
# KREPOGOR_WINDOWS_PREFIX (a cache variable or the environment) names the
# folder scripts/windows-deps.sh built the libraries into (it prints it);
# their pkg-config files are found there only.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)

# Without one named, the last one built in the default cache.
if(DEFINED ENV{KREPOGOR_WINDOWS_PREFIX} AND NOT "$ENV{KREPOGOR_WINDOWS_PREFIX}" STREQUAL "")
  set(KREPOGOR_WINDOWS_PREFIX $ENV{KREPOGOR_WINDOWS_PREFIX} CACHE PATH "" FORCE)
elseif(NOT KREPOGOR_WINDOWS_PREFIX)
  if(DEFINED ENV{XDG_CACHE_HOME} AND NOT "$ENV{XDG_CACHE_HOME}" STREQUAL "")
    set(cache $ENV{XDG_CACHE_HOME})
  else()
    set(cache $ENV{HOME}/.cache)
  endif()
  file(REAL_PATH ${cache}/krepogor/windows/current KREPOGOR_WINDOWS_PREFIX)
endif()
set(KREPOGOR_WINDOWS_PREFIX "${KREPOGOR_WINDOWS_PREFIX}" CACHE PATH
    "The Windows libraries built by scripts/windows-deps.sh")
if(NOT EXISTS "${KREPOGOR_WINDOWS_PREFIX}/lib/pkgconfig/sdl2.pc")
  message(FATAL_ERROR "No Windows libraries in '${KREPOGOR_WINDOWS_PREFIX}': build them with "
                      "scripts/windows-deps.sh (or run scripts/windows.sh), or name their folder "
                      "in KREPOGOR_WINDOWS_PREFIX.")
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KREPOGOR_WINDOWS_PREFIX)

set(CMAKE_FIND_ROOT_PATH /usr/${triple} ${KREPOGOR_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(ENV{PKG_CONFIG_LIBDIR} "${KREPOGOR_WINDOWS_PREFIX}/lib/pkgconfig:/usr/${triple}/lib/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")
set(ENV{PKG_CONFIG_SYSROOT_DIR} "")

# Every program carries its own C++ and GCC runtime: no DLL of another
# compiler's found first on a player's PATH can break it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")

# Programs built here run under Wine: the tests, and the listing of a test
# program's cases, done when the tests run rather than at every build. They
# start through wine-run.sh, which starts a program once more when Wine
# failed to start it, and lists such restarts in wine-restarts.log.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
find_program(KREPOGOR_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(KREPOGOR_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh --log
                                    ${CMAKE_BINARY_DIR}/wine-restarts.log ${KREPOGOR_WINE})
endif()
