# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the scenario runner on the failing scenarios in SCENARIO_DIR, from
# TESTS_DIR so that the file names it prints are the same everywhere, and
# compares its report line for line with EXPECTED: every case must fail, at
# its own line, for its own reason. The runner must exit non-zero and no
# sanitizer may report anything.
file(GLOB scenarios RELATIVE ${TESTS_DIR} ${TESTS_DIR}/scenarios-failing/*.scn)
list(SORT scenarios)
execute_process(COMMAND ${RUNNER} ${scenarios} WORKING_DIRECTORY ${TESTS_DIR}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
message("${output}")
if(result EQUAL 0)
  message(FATAL_ERROR "the runner exited 0 on scenarios that must fail")
endif()
file(READ ${EXPECTED} expected)
if(NOT output STREQUAL expected)
  message(FATAL_ERROR "the runner's report differs from ${EXPECTED}")
endif()
if(errors MATCHES "ERROR: (Address|Leak)Sanitizer|runtime error:")
  message(FATAL_ERROR "sanitizer report:\n${errors}")
endif()
