# Plays SCRIPT with DRIVER; fails unless it exits 0 and, when SCRIPT's .expected file exists,
# prints exactly that. Regenerate a golden file with: DRIVER SCRIPT > NAME.expected
execute_process(COMMAND ${DRIVER} ${SCRIPT} OUTPUT_VARIABLE out ERROR_VARIABLE err
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${SCRIPT} exited ${status}: ${err}")
endif()
string(REGEX REPLACE "\\.script$" ".expected" expected_file ${SCRIPT})
if(EXISTS ${expected_file})
  file(READ ${expected_file} expected)
  if(NOT out STREQUAL expected)
    message(FATAL_ERROR "${SCRIPT} printed\n${out}\nbut ${expected_file} holds\n${expected}")
  endif()
endif()
