# The Windows game as players get it: one folder holding the program, its
# libraries, gamedata, resources, the label fonts, the licences and a
# read-me, packed by CPack as krepogor-<version>-win64.zip (plays wherever
# it is unpacked) and as an installer made with Debian's makensis.
install(TARGETS krepogor RUNTIME DESTINATION .)
install(FILES ${KREPOGOR_WINDOWS_DLLS} DESTINATION .)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/gamedata ${PROJECT_SOURCE_DIR}/resources DESTINATION .)
install(FILES ${KREPOGOR_WINDOWS_FONTS} DESTINATION fonts)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/windows/README.txt DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/windows/copyright DESTINATION . RENAME COPYRIGHT.txt)
# The terms of everything else that travels with the game, as Debian states them.
file(GLOB library_terms ${KREPOGOR_WINDOWS_PREFIX}/share/licenses/*.txt)
list(FILTER library_terms EXCLUDE REGEX "googletest")  # the tests' alone
install(FILES ${library_terms} DESTINATION licenses)
foreach(package libz-mingw-w64 mingw-w64-common gcc-mingw-w64-base fonts-liberation2
                fonts-urw-base35)
  install(FILES /usr/share/doc/${package}/copyright DESTINATION licenses RENAME ${package}.txt)
endforeach()

set(CPACK_PACKAGE_NAME krepogor)
set(CPACK_PACKAGE_VENDOR "Команда Крепогора")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME krepogor-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Крепогор: артиллерийская оборона")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Krepogor)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Krepogor)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
# The Start menu entry with the game's icon; the uninstaller removes what
# was installed and nothing the player made: a book in %APPDATA% is never
# touched, and one kept beside the program (written after the install, so
# newer than the uninstaller) is set aside from the deletions and put back.
set(CPACK_PACKAGE_EXECUTABLES krepogor "Крепогор")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)  # the program lies at the top, not in bin
set(CPACK_NSIS_DISPLAY_NAME "Крепогор")
set(CPACK_NSIS_PACKAGE_NAME "Крепогор")
set(CPACK_NSIS_MUI_ICON ${CMAKE_CURRENT_SOURCE_DIR}/windows/krepogor.ico)
set(CPACK_NSIS_MUI_UNIICON ${CMAKE_CURRENT_SOURCE_DIR}/windows/krepogor.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME krepogor.exe)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
# A 64-bit installer for the 64-bit game (Debian's makensis has the stubs).
set(CPACK_NSIS_EXECUTABLE ${CMAKE_CURRENT_SOURCE_DIR}/windows/makensis-amd64)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# (NSIS strings in single quotes: CPack passes double ones on mangled. It
# writes these values into its own CMake file as they are, so a backslash is
# doubled once more to stay one when CPack reads them back.)
set(book "'$INSTDIR\\\\gamedata\\\\tables\\\\table.dat")
string(JOIN "\n" CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS
       "  IfFileExists ${book}' 0 krepogor_book_done"
       "  GetFileTime ${book}' $R0 $R1"
       "  GetFileTime '$INSTDIR\\\\Uninstall.exe' $R2 $R3"
       "  IntCmpU $R0 $R2 0 krepogor_book_done krepogor_book_keep"
       "  IntCmpU $R1 $R3 krepogor_book_done krepogor_book_done krepogor_book_keep"
       "  krepogor_book_keep:"
       "  Rename ${book}' ${book}.kept'"
       "  krepogor_book_done:")
string(JOIN "\n" CPACK_NSIS_DEFINES
       "Function un.onUninstSuccess"
       "  IfFileExists ${book}.kept' 0 +2"
       "  Rename ${book}.kept' ${book}'"
       "FunctionEnd")
set(CPACK_GENERATOR ZIP NSIS)
include(CPack)
