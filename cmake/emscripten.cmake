# Building for the browser (WebAssembly) with Debian's emscripten.
# KREPOGOR_WEB_PREFIX (a cache variable or the environment) names the folder
# scripts/web-deps.sh built the libraries into (it prints it); their
# pkg-config files are found there only.

# The emulator the tests and CMake's own checks run programs with: node 20
# refuses the option emcmake would add, and fetches the .wasm file as a URL
# unless told not to.
set(CMAKE_CROSSCOMPILING_EMULATOR node;--no-experimental-fetch)
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

# Without one named, the last one built in the default cache.
if(DEFINED ENV{KREPOGOR_WEB_PREFIX} AND NOT "$ENV{KREPOGOR_WEB_PREFIX}" STREQUAL "")
  set(KREPOGOR_WEB_PREFIX $ENV{KREPOGOR_WEB_PREFIX} CACHE PATH "" FORCE)
elseif(NOT KREPOGOR_WEB_PREFIX)
  if(DEFINED ENV{XDG_CACHE_HOME} AND NOT "$ENV{XDG_CACHE_HOME}" STREQUAL "")
    set(cache $ENV{XDG_CACHE_HOME})
  else()
    set(cache $ENV{HOME}/.cache)
  endif()
  file(REAL_PATH ${cache}/krepogor/web/current KREPOGOR_WEB_PREFIX)
endif()
set(KREPOGOR_WEB_PREFIX "${KREPOGOR_WEB_PREFIX}" CACHE PATH
    "The browser's libraries built by scripts/web-deps.sh")
if(NOT EXISTS "${KREPOGOR_WEB_PREFIX}/lib/pkgconfig/sdl2.pc")
  message(FATAL_ERROR "No libraries for the browser in '${KREPOGOR_WEB_PREFIX}': build them with "
                      "scripts/web-deps.sh, or name their folder in KREPOGOR_WEB_PREFIX.")
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KREPOGOR_WEB_PREFIX)
list(APPEND CMAKE_FIND_ROOT_PATH ${KREPOGOR_WEB_PREFIX})

# pkg-config sees the browser's libraries only, never the machine's own.
set(ENV{PKG_CONFIG_LIBDIR} "${KREPOGOR_WEB_PREFIX}/lib/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")
set(ENV{PKG_CONFIG_SYSROOT_DIR} "")

# emcc's JavaScript optimiser, run when a program links, reads acorn from
# Debian's node modules.
set(ENV{NODE_PATH} /usr/share/nodejs)
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
set(CMAKE_C_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)

# The game relies on exceptions; emscripten leaves them out unless asked.
set(CMAKE_CXX_FLAGS_INIT "-fexceptions")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fexceptions")

# The test programs run under node: list their cases when the tests run
# rather than at every build.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
