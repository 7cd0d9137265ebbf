# A loan whose amounts leave the range: one message of the command's own in the locale's
# language on standard error, nothing on standard output, exit code 2. And --version.
set(loan --principal 9999999999 --rate 999 --years 999 --step 6)
foreach(lang ja_JP.UTF-8 C.UTF-8)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=LC_ALL --unset=LC_MESSAGES
                          LANG=${lang} ${SCHEDULE} ${loan}
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE result)
  if(NOT result EQUAL 2)
    message(FATAL_ERROR "${lang}: exit code ${result}, expected 2: ${err}")
  endif()
  if(NOT out STREQUAL "")
    message(FATAL_ERROR "${lang}: standard output was written")
  endif()
  if(lang MATCHES "^ja")
    set(expected "rebanto-schedule: 金額が計算できる範囲を超えました\n")
  else()
    set(expected "rebanto-schedule: the amounts exceed the range the calculation can hold\n")
  endif()
  if(NOT err STREQUAL expected)
    message(FATAL_ERROR "${lang}: the message was: ${err}")
  endif()
endforeach()

execute_process(COMMAND ${SCHEDULE} --version OUTPUT_VARIABLE out RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT out STREQUAL "rebanto-schedule ${VERSION}\n")
  message(FATAL_ERROR "--version printed: ${out} (exit ${result})")
endif()
