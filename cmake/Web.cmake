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

# The game: krepogor.html, .js, .wasm and .data, the data holding at / what
# lies beside the desktop program (gamedata, resources, the label fonts). The
# programs node runs find the fonts beside themselves in the build folder.
include(${PROJECT_SOURCE_DIR}/cmake/LabelFonts.cmake)
file(COPY ${KREPOGOR_LABEL_FONTS} DESTINATION ${CMAKE_BINARY_DIR}/fonts)
# (SHELL: keeps CMake from merging the repeated option.)
set(data "SHELL:--preload-file ${PROJECT_SOURCE_DIR}/gamedata@/gamedata"
    "SHELL:--preload-file ${PROJECT_SOURCE_DIR}/resources@/resources")
foreach(font ${KREPOGOR_LABEL_FONTS})
  get_filename_component(name ${font} NAME)
  list(APPEND data "SHELL:--preload-file ${font}@/fonts/${name}")
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
krepogor_web_program(krepogor)
set_target_properties(krepogor PROPERTIES SUFFIX .html)
target_link_options(krepogor PRIVATE -sENVIRONMENT=web
                    -sMINIFY_HTML=0 -sASYNCIFY
                    -sASYNCIFY_ONLY=@${PROJECT_SOURCE_DIR}/cmake/web-asyncify.txt ${data})
set_target_properties(krepogor PROPERTIES LINK_DEPENDS ${PROJECT_SOURCE_DIR}/cmake/web-asyncify.txt)
