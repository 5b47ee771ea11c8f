# The desktop program's options, answered before it looks for a display: run
# with none, any attempt at a window would end in the no-screen error instead.
#   cmake -DPROGRAM=<krepogor> -DVERSION=<project version> -P command_line.cmake
set(no_display --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=SDL_VIDEODRIVER)

function(run expect_status)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env ${no_display} ${PROGRAM} ${ARGN}
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

foreach(wrong --bogus stray)
  run(2 ${wrong})
  if(NOT out STREQUAL "" OR NOT err MATCHES "«${wrong}»" OR NOT err MATCHES "Использование")
    message(FATAL_ERROR "krepogor ${wrong} printed \"${out}\" and \"${err}\"")
  endif()
endforeach()
message("krepogor answers --version, --help, -h and refuses --bogus and a stray argument")
