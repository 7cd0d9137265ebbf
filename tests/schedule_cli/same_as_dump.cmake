# The typical loan with one-month steps: rebanto-schedule's lender-style monthly table is
# byte for byte what rebanto-script's "dump TForCur.StGr1" prints for the same inputs.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/home)
file(WRITE ${WORK}/typical.script
     "set TForm1.Ed0_moto 30000000\nset TForm1.Ed0_kin 2.325\nset TForm1.Ed0_nen 35\n"
     "set TForm1.Ed0_wari 20\nset TForm1.Ed1_mm5 1\nclick TForm1.Button18\ndump TForCur.StGr1\n")
execute_process(COMMAND ${SCRIPT_EXE} --start-folder ${WORK}/home ${WORK}/typical.script
                OUTPUT_FILE ${WORK}/dump.tsv RESULT_VARIABLE script_result)
execute_process(COMMAND ${SCHEDULE} --principal 30000000 --rate 2.325 --years 35
                        --bonus-share 20 --format table --part monthly
                OUTPUT_FILE ${WORK}/schedule.tsv RESULT_VARIABLE schedule_result)
if(NOT script_result EQUAL 0 OR NOT schedule_result EQUAL 0)
  message(FATAL_ERROR "exit codes: runner ${script_result}, schedule ${schedule_result}")
endif()
file(READ ${WORK}/dump.tsv dump)
file(READ ${WORK}/schedule.tsv schedule)
if(NOT dump STREQUAL schedule)
  message(FATAL_ERROR "the schedule differs from the runner's dump (see ${WORK})")
endif()

# The JSON summary of the same loan is the runner's totals row: interest and principal, and
# both equal the figures worked out apart (11,096,677 and 24,000,203).
execute_process(COMMAND ${SCHEDULE} --principal 30000000 --rate 2.325 --years 35
                        --bonus-share 20 --format=json
                OUTPUT_VARIABLE json RESULT_VARIABLE json_result)
if(NOT json_result EQUAL 0)
  message(FATAL_ERROR "the JSON schedule failed: ${json_result}")
endif()
string(REGEX MATCH "[^\n]*\tK\n$" totals "${dump}")
string(REPLACE "\t" ";" totals "${totals}")
list(GET totals 10 runner_interest)
list(GET totals 11 runner_principal)
string(JSON interest GET "${json}" summary monthly interest)
string(JSON principal GET "${json}" summary monthly principal)
if(NOT interest EQUAL runner_interest OR NOT principal EQUAL runner_principal)
  message(FATAL_ERROR "summary ${interest}/${principal}, runner's totals row "
                      "${runner_interest}/${runner_principal}")
endif()
if(NOT interest EQUAL 11096677 OR NOT principal EQUAL 24000203)
  message(FATAL_ERROR "the totals are not the loan's: ${interest}/${principal}")
endif()
