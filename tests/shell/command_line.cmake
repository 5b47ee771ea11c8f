# The desktop program's options, answered before it looks for a display: run
# with none, any attempt at a window would end in the no-screen error instead.
#   cmake -DPROGRAM=<krepogor> -DVERSION=<project version> [-DEMULATOR=<wine>] -P command_line.cmake
# EMULATOR runs a Windows program under Wine; the files named are relative
# to the folder the test runs in, so both systems find them.
set(no_display --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=SDL_VIDEODRIVER)

function(run expect_status)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env ${no_display} ${EMULATOR} ${PROGRAM} ${ARGN}
                  WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE got TIMEOUT 30)
  if(NOT got EQUAL expect_status)
    message(FATAL_ERROR "krepogor ${ARGN}: exit status ${got}, expected ${expect_status}\n${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

run(0 --version)
if(NOT out STREQUAL "krepogor ${VERSION}\n" OR NOT err STREQUAL "")
  message(FATAL_ERROR "krepogor --version printed \"${out}\" and \"${err}\"")
endif()

foreach(help --help -h)
  run(0 ${help})
  if(NOT out MATCHES "^Использование: krepogor" OR NOT err STREQUAL "")
    message(FATAL_ERROR "krepogor ${help} printed \"${out}\" and \"${err}\"")
  endif()
endforeach()

foreach(wrong --bogus stray --play-speed)
  run(2 ${wrong} 2)
  if(NOT out STREQUAL "" OR NOT err MATCHES "«${wrong}»" OR NOT err MATCHES "Использование")
    message(FATAL_ERROR "krepogor ${wrong} printed \"${out}\" and \"${err}\"")
  endif()
endforeach()
# A recording that cannot be written or read stops the game before any window.
run(1 --record /nonexistent-folder/run.krs)
if(NOT err MATCHES "не удаётся записать игру в «/nonexistent-folder/run.krs»")
  message(FATAL_ERROR "krepogor --record to nowhere printed \"${err}\"")
endif()
# A file that is no recording of the game's is left as it is.
string(RANDOM LENGTH 8 scratch)
set(mine "mine-${scratch}.txt")
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${mine} "my thesis\n")
run(2 --record ${mine})
file(READ ${CMAKE_CURRENT_BINARY_DIR}/${mine} kept)
file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${mine})
if(NOT err MATCHES "«${mine}» — это не запись этой игры" OR NOT kept STREQUAL "my thesis\n"
   OR EXISTS ${CMAKE_CURRENT_BINARY_DIR}/${mine}.png)
  message(FATAL_ERROR "krepogor --record over a file of the player's printed \"${err}\"")
endif()
run(1 --play /nonexistent-folder/run.krs)
if(NOT err MATCHES "не удаётся прочитать файл")
  message(FATAL_ERROR "krepogor --play of no file printed \"${err}\"")
endif()
set(bad "bad-${scratch}.krs")
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${bad} "seed 1\nstart\nfly away\n")
run(1 --play ${bad})
file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${bad})
if(NOT err MATCHES "строка 3 не из записи: «fly away»")
  message(FATAL_ERROR "krepogor --play of a wrong file printed \"${err}\"")
endif()
run(2 --play run.krs --record again.krs)
message("krepogor answers --version, --help, -h, refuses --bogus, a stray argument and "
        "--play-speed without --play, a file of the player's to record into, and a recording it "
        "cannot write or read")
