# The browser build (Emscripten): the game as a page, the driver and the
# tests as programs node runs on this machine's files. Included from
# src/CMakeLists.txt.

# Every program: memory grows as it needs. A self-built SDL needs two of
# emscripten's JavaScript functions named, the program's own path a third
# (CMake would spoil the "$" of their names on a command line: they come
# from a file).
function(krepogor_web_program target)
  target_link_options(${target} PRIVATE -sALLOW_MEMORY_GROWTH=1
    -sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@${PROJECT_SOURCE_DIR}/cmake/web-library-functions.json)
endfunction()

# A program node runs (the driver, the tests): on the real files
# (NODERAWFS), in the environment it was started in, with its exit status.
function(krepogor_node_program target)
  set(environment ${PROJECT_SOURCE_DIR}/cmake/node-environment.js)
  krepogor_web_program(${target})
  target_link_options(${target} PRIVATE -sENVIRONMENT=node -sNODERAWFS=1 -sEXIT_RUNTIME=1
                      --pre-js ${environment})
  set_target_properties(${target} PROPERTIES SUFFIX .js LINK_DEPENDS ${environment})
endfunction()
krepogor_node_program(krepogor-script)

# The game: krepogor.html (packaging/web/krepogor.html, the page around the
# canvas; packaging/web/page*.js, what it does), .js and .wasm, and the data
# in three packages (cmake/WebPackage.cmake) that the page fetches itself:
# krepogor.data holds what the main menu needs (the pictures, the book, the
# label fonts); krepogor-sounds.data and krepogor-music.data (most of the
# data, and hardly compressible) are fetched once the main menu shows, and
# the game plays each sound and track once it is there. krepogor.json tells
# the page their sizes. The page's file system is an installed game's
# (the web preset installs to /usr): the program at /krepogor with the label
# fonts beside it in /fonts, its data in KREPOGOR_FULL_DATADIR, which the
# game never writes, and the player's files (book, settings, kept runs) in
# the player's home, kept in the browser's IndexedDB. The programs node runs
# find the fonts beside themselves in the build folder.
include(${PROJECT_SOURCE_DIR}/cmake/LabelFonts.cmake)
file(COPY ${KREPOGOR_LABEL_FONTS} DESTINATION ${CMAKE_BINARY_DIR}/fonts)
set(packer ${PROJECT_SOURCE_DIR}/cmake/WebPackage.cmake)
function(krepogor_web_package name)
  set(pairs "")
  set(depends ${packer})
  foreach(pair ${ARGN})
    list(APPEND pairs ${pair})
    string(REGEX REPLACE "=.*" "" source ${pair})
    if(IS_DIRECTORY ${source})
      file(GLOB_RECURSE found CONFIGURE_DEPENDS ${source}/*)
      list(APPEND depends ${found})
    else()
      list(APPEND depends ${source})
    endif()
  endforeach()
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${name} ${CMAKE_BINARY_DIR}/${name}.json
                     COMMAND ${CMAKE_COMMAND} -DOUT=${CMAKE_BINARY_DIR}/${name} "-DFILES=${pairs}"
                             -P ${packer}
                     DEPENDS ${depends} VERBATIM)
endfunction()
set(data ${KREPOGOR_FULL_DATADIR})
set(start ${PROJECT_SOURCE_DIR}/resources=${data}/resources)
foreach(sub pics tables)
  list(APPEND start ${PROJECT_SOURCE_DIR}/gamedata/${sub}=${data}/gamedata/${sub})
endforeach()
foreach(font ${KREPOGOR_LABEL_FONTS})
  get_filename_component(name ${font} NAME)
  list(APPEND start ${font}=/fonts/${name})
endforeach()
krepogor_web_package(krepogor.data ${start})
foreach(late sounds music)
  krepogor_web_package(krepogor-${late}.data
                       ${PROJECT_SOURCE_DIR}/gamedata/${late}=${data}/gamedata/${late})
endforeach()
# The game's icon, as the desktop's.
foreach(size 32 256)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/icons/hicolor/${size}x${size}/apps/ru.krepogor.Krepogor.png
                 ${CMAKE_BINARY_DIR}/krepogor-${size}.png COPYONLY)
endforeach()

# The shell's loop and the nested loops of the boxes, the name box, the
# failure box and playback wait in SDL (SDL_WaitEvent*, SDL_Delay), and SDL
# yields to the browser after every picture it hands over: ASYNCIFY lets
# them give the browser its turn without a second way of running the game.
# Only the functions that can be on the stack then are made able to pause
# (cmake/web-asyncify.txt): the game's own (all of it, whatever it calls
# through), std::function's calls, emscripten's call glue, and SDL from its
# waits and presents down to emscripten_sleep. The libraries' own code
# (decoders, fonts, the mixer) is left as it is: the program grows by a
# quarter of what making everything able to pause adds (0.33 MB, not 1.29).
# The program ends as a desktop one does (EXIT_RUNTIME), and the page then
# shows its end; the page calls two of the game's functions (the book's
# export and import).
function(krepogor_page_program target)
  set(page ${PROJECT_SOURCE_DIR}/packaging/web)
  set(scripts ${page}/page.js ${page}/page-files.js ${page}/page-load.js)
  set(shell ${page}/krepogor.html)
  krepogor_web_program(${target})
  set_target_properties(${target} PROPERTIES SUFFIX .html LINK_DEPENDS
                        "${PROJECT_SOURCE_DIR}/cmake/web-asyncify.txt;${shell};${scripts}")
  list(TRANSFORM scripts PREPEND "SHELL:--pre-js ")
  target_link_options(${target} PRIVATE -sENVIRONMENT=web -sEXIT_RUNTIME=1 -lidbfs.js
                      -sEXPORTED_FUNCTIONS=_main,_malloc,_free,_krepogor_book_path,_krepogor_book_refusal
                      --shell-file ${shell} ${scripts} -sMINIFY_HTML=0 -sASYNCIFY
                      -sASYNCIFY_ONLY=@${PROJECT_SOURCE_DIR}/cmake/web-asyncify.txt)
endfunction()
krepogor_page_program(krepogor)

# krepogor.json, once the game and its packages are made.
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/krepogor.json
                   COMMAND ${CMAKE_COMMAND} -DDIR=${CMAKE_BINARY_DIR}
                           "-DPACKAGES=krepogor.data;krepogor-sounds.data;krepogor-music.data"
                           -P ${PROJECT_SOURCE_DIR}/cmake/WebManifest.cmake
                   DEPENDS krepogor ${CMAKE_BINARY_DIR}/krepogor.data.json
                           ${CMAKE_BINARY_DIR}/krepogor-sounds.data.json
                           ${CMAKE_BINARY_DIR}/krepogor-music.data.json
                           ${PROJECT_SOURCE_DIR}/cmake/WebManifest.cmake VERBATIM)
add_custom_target(krepogor_web_page ALL DEPENDS ${CMAKE_BINARY_DIR}/krepogor.json)
