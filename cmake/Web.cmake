# The browser build (Emscripten): the game as a page, the driver and the
# tests as programs node runs on this machine's files. Included from
# src/CMakeLists.txt.

# Memory grows as the game needs it. A self-built SDL needs two of
# emscripten's JavaScript functions named (CMake would spoil the "$" of their
# names on a command line: they come from a file).
set(KREPOGOR_WEB_LINK_OPTIONS -sALLOW_MEMORY_GROWTH=1
    -sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@${PROJECT_SOURCE_DIR}/cmake/web-library-functions.json)
# What node runs: the real files (NODERAWFS), its exit status.
set(KREPOGOR_NODE_LINK_OPTIONS ${KREPOGOR_WEB_LINK_OPTIONS} -sENVIRONMENT=node -sNODERAWFS=1
    -sEXIT_RUNTIME=1)
set(KREPOGOR_NODE_LINK_OPTIONS ${KREPOGOR_NODE_LINK_OPTIONS} PARENT_SCOPE)
set_target_properties(krepogor-script PROPERTIES SUFFIX .js)
target_link_options(krepogor-script PRIVATE ${KREPOGOR_NODE_LINK_OPTIONS})

# The game: krepogor.html, .js, .wasm and .data, the data holding at / what
# lies beside the desktop program (gamedata, resources, the label fonts).
include(${PROJECT_SOURCE_DIR}/cmake/LabelFonts.cmake)
set(data --preload-file ${PROJECT_SOURCE_DIR}/gamedata@/gamedata
    --preload-file ${PROJECT_SOURCE_DIR}/resources@/resources)
foreach(font ${KREPOGOR_LABEL_FONTS})
  get_filename_component(name ${font} NAME)
  list(APPEND data --preload-file ${font}@/fonts/${name})
endforeach()
set_target_properties(krepogor PROPERTIES SUFFIX .html)
target_link_options(krepogor PRIVATE ${KREPOGOR_WEB_LINK_OPTIONS} -sENVIRONMENT=web
                    -sMINIFY_HTML=0 ${data})
