# A term that is not a whole number: one line naming the option on standard error, nothing
# on standard output, exit code 1.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${SCHEDULE} --principal 30000000 --rate 2.325 --years 3.5x
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE result)
if(NOT result EQUAL 1)
  message(FATAL_ERROR "exit code ${result}, expected 1")
endif()
if(NOT out STREQUAL "")
  message(FATAL_ERROR "standard output was written: ${out}")
endif()
if(NOT err MATCHES "^rebanto-schedule: --years: ")
  message(FATAL_ERROR "the message does not name the option: ${err}")
endif()
