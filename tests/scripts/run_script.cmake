# Runs one driver script and compares its output with the .out file beside it.
# A first line "# exit: N" in the script names the exit status it must end with.
# With -DUPDATE=ON it writes the .out file instead (review the change!).
# The script runs in an application directory of its own that shares the
# game's pictures and sounds but has its own copy of the champions' book, so
# a won battle never writes into the source tree.
get_filename_component(dir ${SCRIPT} DIRECTORY)
get_filename_component(name ${SCRIPT} NAME_WE)
set(expected_status 0)
file(STRINGS ${SCRIPT} first LIMIT_COUNT 1)
if(first MATCHES "^# exit: ([0-9]+)")
  set(expected_status ${CMAKE_MATCH_1})
endif()

set(appdir ${CMAKE_CURRENT_BINARY_DIR}/appdir-${name})
file(REMOVE_RECURSE ${appdir})
file(MAKE_DIRECTORY ${appdir}/gamedata/tables)
foreach(sub pics sounds music)
  if(EXISTS ${APPDIR}/gamedata/${sub})
    file(CREATE_LINK ${APPDIR}/gamedata/${sub} ${appdir}/gamedata/${sub} SYMBOLIC)
  endif()
endforeach()
if(EXISTS ${APPDIR}/gamedata/tables/table.dat)
  file(COPY ${APPDIR}/gamedata/tables/table.dat DESTINATION ${appdir}/gamedata/tables)
endif()

# "# book: folder" puts a folder where the book should be; "# book: nowhere"
# makes the book a link into a folder that does not exist.
file(STRINGS ${SCRIPT} book_line REGEX "^# book: ")
if(book_line MATCHES "^# book: folder")
  file(REMOVE ${appdir}/gamedata/tables/table.dat)
  file(MAKE_DIRECTORY ${appdir}/gamedata/tables/table.dat)
elseif(book_line MATCHES "^# book: nowhere")
  file(REMOVE ${appdir}/gamedata/tables/table.dat)
  file(CREATE_LINK missing/table.dat ${appdir}/gamedata/tables/table.dat SYMBOLIC)
endif()

# -DEMULATOR runs the driver: a Windows one under Wine (-DWINE=ON), which
# reaches this machine's files through drive Z: and writes the paths it makes
# with backslashes (doubled in the output's JSON strings); the browser's
# under node, on the files as they are.
set(drive "")
if(WINE)
  set(drive Z:)
endif()
execute_process(COMMAND ${EMULATOR} ${DRIVER} --appdir ${drive}${appdir} ${drive}${SCRIPT}
                WORKING_DIRECTORY ${appdir}
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
if(WINE)
  string(REPLACE "\\\\" "/" out "${out}")
endif()
# The application directory lies in the build tree: name it the same everywhere.
string(REPLACE "${drive}${appdir}" "APPDIR" out "${out}")
if(UPDATE)
  file(WRITE ${dir}/${name}.out "${out}")
endif()
file(READ ${dir}/${name}.out expected)
if(NOT status EQUAL expected_status)
  message(FATAL_ERROR "exit status ${status}, expected ${expected_status}\n${err}\n${out}")
endif()
if(NOT out STREQUAL expected)
  file(WRITE ${appdir}/${name}.actual "${out}")
  message(FATAL_ERROR "output differs from ${name}.out (see ${appdir}/${name}.actual):\n${out}")
endif()
message("${name}: output as expected")
