# The driver's arguments and its clock, run as a user runs the program:
#   cmake -DDRIVER=<krepogor-script> -DAPPDIR=<source tree> -DWORK=<scratch dir> -P driver_arguments.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/empty)
file(WRITE ${WORK}/start.krs "start\n")
file(WRITE ${WORK}/late.krs "start\nwait 10\nwait 9223372036854775000\n")
file(WRITE ${WORK}/longbox.krs "start\nboxtime 9223372036854775000\n")

function(expect status text)
  execute_process(COMMAND ${DRIVER} ${ARGN} WORKING_DIRECTORY ${APPDIR}
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE got)
  if(NOT got EQUAL status)
    message(FATAL_ERROR "${ARGN}: exit status ${got}, expected ${status}\n${err}")
  endif()
  string(FIND "${err}" "${text}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${ARGN}: standard error lacks \"${text}\":\n${err}")
  endif()
endfunction()

# --resources names the program's pictures: a folder without them cannot start.
expect(0 "" --appdir ${APPDIR} --resources ${APPDIR}/resources ${WORK}/start.krs)
expect(4 "the game cannot start" --appdir ${APPDIR} --resources ${WORK}/empty ${WORK}/start.krs)
expect(1 "usage" --resources)
# A script that is a folder, or is not there, runs nothing.
expect(1 "cannot read ${WORK}/empty" --appdir ${APPDIR} ${WORK}/empty)
expect(1 "cannot read ${WORK}/none.krs" --appdir ${APPDIR} ${WORK}/none.krs)
# A time past the clock's end is a malformed line.
expect(2 "line 3: time beyond the clock's end" --appdir ${APPDIR} ${WORK}/late.krs)
expect(2 "line 2: time beyond the clock's end" --appdir ${APPDIR} ${WORK}/longbox.krs)
file(REMOVE_RECURSE ${WORK})
