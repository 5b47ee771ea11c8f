# The browser game as a host serves it: the page, its script, its
# WebAssembly, its icons, its three packages of data and the list of their
# sizes in one folder, with the licences, packed by CPack as
# krepogor-<version>-web.zip for any static web host.
foreach(file krepogor.html krepogor.js krepogor.wasm krepogor.data krepogor-sounds.data
             krepogor-music.data krepogor.json krepogor-32.png krepogor-256.png)
  install(FILES ${CMAKE_BINARY_DIR}/${file} DESTINATION .)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
# The terms of everything else that travels with the game, as Debian states them.
file(GLOB library_terms ${KREPOGOR_WEB_PREFIX}/share/licenses/*.txt)
list(FILTER library_terms EXCLUDE REGEX "googletest")  # the tests' alone
install(FILES ${library_terms} DESTINATION licenses)
foreach(package emscripten fonts-liberation2 fonts-urw-base35)
  install(FILES /usr/share/doc/${package}/copyright DESTINATION licenses RENAME ${package}.txt)
endforeach()

set(CPACK_PACKAGE_NAME krepogor)
set(CPACK_PACKAGE_VENDOR "Команда Крепогора")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME krepogor-${PROJECT_VERSION}-web)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)
