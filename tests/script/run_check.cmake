# Runs rebanto-script once and checks its exit code, standard output and standard error.
#   EXE           the executable
#   ARGS          its arguments, separated by "|"
#   INPUT         a file fed to standard input (default: none)
#   EXIT          the expected exit code; when missing, the "# exit: N" line of SCRIPT
#                 (default 0)
#   SCRIPT        the scenario script
#   START_FOLDER  made empty before the run
#   OUT_FILE      standard output must equal this file
#   OUT_REGEX     standard output must match
#   ERR_FILE      standard error must equal this file; without ERR_FILE and ERR_REGEX,
#                 a run expected to succeed must write nothing there
#   ERR_REGEX     standard error must match
string(REPLACE "|" ";" args "${ARGS}")

if(NOT DEFINED EXIT)
  set(EXIT 0)
  if(DEFINED SCRIPT)
    file(STRINGS ${SCRIPT} exit_line REGEX "^# exit: [0-9]+$" LIMIT_COUNT 1)
    if(exit_line)
      string(REGEX REPLACE "^# exit: " "" EXIT "${exit_line}")
    endif()
  endif()
endif()

if(DEFINED START_FOLDER)
  file(REMOVE_RECURSE ${START_FOLDER})
  file(MAKE_DIRECTORY ${START_FOLDER})
endif()

set(input_option)
if(DEFINED INPUT)
  set(input_option INPUT_FILE ${INPUT})
endif()
execute_process(COMMAND ${EXE} ${args} ${input_option}
  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)

set(problems)
if(NOT "${code}" STREQUAL "${EXIT}")
  string(APPEND problems "exit code ${code}, expected ${EXIT}\n")
endif()
if(DEFINED OUT_FILE)
  file(READ ${OUT_FILE} expected_out)
  if(NOT "${out}" STREQUAL "${expected_out}")
    string(APPEND problems "standard output differs from ${OUT_FILE}\n")
  endif()
endif()
if(DEFINED OUT_REGEX AND NOT "${out}" MATCHES "${OUT_REGEX}")
  string(APPEND problems "standard output does not match ${OUT_REGEX}\n")
endif()
if(DEFINED ERR_FILE)
  file(READ ${ERR_FILE} expected_err)
  if(NOT "${err}" STREQUAL "${expected_err}")
    string(APPEND problems "standard error differs from ${ERR_FILE}\n")
  endif()
elseif(NOT DEFINED ERR_REGEX AND "${EXIT}" STREQUAL "0" AND NOT "${err}" STREQUAL "")
  string(APPEND problems "unexpected standard error\n")
endif()
if(DEFINED ERR_REGEX AND NOT "${err}" MATCHES "${ERR_REGEX}")
  string(APPEND problems "standard error does not match ${ERR_REGEX}\n")
endif()

if(problems)
  message(FATAL_ERROR "${problems}--- standard output ---\n${out}--- standard error ---\n${err}")
endif()
