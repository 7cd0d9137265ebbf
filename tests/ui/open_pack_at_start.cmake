# "rebanto FILE.mpc" (a pack opened from the desktop): a pack saved by the runner comes back
# into the current tables at start; a missing pack is named in a message and the program
# starts as usual.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/start ${WORK}/shots)
file(WRITE ${WORK}/save.script
     "set TForm1.Ed0_moto 30000000\nset TForm1.Ed0_kin 2.325\nset TForm1.Ed0_nen 35\n"
     "set TForm1.Ed0_wari 20\nclick TForm1.Button18\nfile ${WORK}/typical.mpc\n"
     "click TForm1.Button88\n")
execute_process(COMMAND ${SCRIPT_EXE} --start-folder ${WORK}/start ${WORK}/save.script
                RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT EXISTS ${WORK}/typical.mpc)
  message(FATAL_ERROR "the runner did not save the pack (${result}): ${err}")
endif()
file(WRITE ${WORK}/look.script "expect TForm1.Ed555 typical\nlog\ndump TForCur.StGr1\n")
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                        ${GUI} --start-folder ${WORK}/start --screenshot ${WORK}/shots
                        --script ${WORK}/look.script ${WORK}/typical.mpc
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the pack did not load at start (${result}): ${out} ${err}")
endif()
if(out MATCHES "error")
  message(FATAL_ERROR "loading the pack reported: ${out}")
endif()
# The first monthly row of the typical loan in six-month steps: 83,564 yen a month from
# 24,000,000 yen.
if(NOT out MATCHES "\n6\t0\t6\t24000000\t2[.]325\t420\t83564\t")
  message(FATAL_ERROR "the current tables are not the pack's: ${out}")
endif()

file(WRITE ${WORK}/log.script "log\n")
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                        ${GUI} --start-folder ${WORK}/start --screenshot ${WORK}/shots
                        --script ${WORK}/log.script ${WORK}/missing.mpc
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 0 OR NOT out MATCHES "error [^\n]*missing\\.mpc")
  message(FATAL_ERROR "a missing pack was not named: ${out} ${err}")
endif()
if(NOT EXISTS ${WORK}/shots/TForm1.png)
  message(FATAL_ERROR "the program did not start after the missing pack")
endif()
