# Runs the scenario runner on FILES, every case of which is written to fail:
# the runner must exit non-zero, report each case as FAIL with file and line,
# and pass none.
execute_process(COMMAND ${RUNNER} ${FILES} RESULT_VARIABLE result OUTPUT_VARIABLE output
                ERROR_VARIABLE errors)
message("${output}")
if(result EQUAL 0)
  message(FATAL_ERROR "the runner exited 0 on scenarios that must fail")
endif()
if(NOT output MATCHES "\n0 passed, [1-9][0-9]* failed\n?$")
  message(FATAL_ERROR "the runner's summary is not '0 passed, N failed'")
endif()
string(REGEX MATCHALL "\nFAIL [^\n]+ \\([^\n]+\\.scn:[0-9]+\\): [^\n]+" failures "\n${output}")
string(REGEX MATCHALL "\n[0-9]+ passed, ([0-9]+) failed" summary "\n${output}")
string(REGEX REPLACE ".* passed, ([0-9]+) failed" "\\1" failed "${summary}")
list(LENGTH failures reported)
if(NOT reported EQUAL failed)
  message(FATAL_ERROR "${failed} failed but ${reported} FAIL lines name a file and line")
endif()
if(errors MATCHES "ERROR: (Address|Leak)Sanitizer|runtime error:")
  message(FATAL_ERROR "sanitizer report:\n${errors}")
endif()
