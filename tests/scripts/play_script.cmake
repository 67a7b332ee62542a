# Plays SCRIPT with DRIVER; fails unless it exits 0 and, when SCRIPT's .expected file exists,
# prints what it holds. A dump is one line of JSON: both are compared with each control on a line
# of its own, which is how the golden files are written, and a difference shows as `diff -u`
# shows it. Regenerate a golden file by writing the file that a failing run names in its place.
execute_process(COMMAND ${DRIVER} ${SCRIPT} OUTPUT_VARIABLE out ERROR_VARIABLE err
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${SCRIPT} exited ${status}: ${err}")
endif()
string(REGEX REPLACE "\\.script$" ".expected" expected_file ${SCRIPT})
if(NOT EXISTS ${expected_file})
  return()
endif()
string(REGEX REPLACE "(\"controls\":{|},)(\"[A-Za-z0-9]+\":{)" "\\1\n  \\2" out "${out}")
file(READ ${expected_file} expected)
if(NOT out STREQUAL expected)
  get_filename_component(name ${SCRIPT} NAME_WE)
  set(actual_file ${WORK}/${name}.actual)
  file(WRITE ${actual_file} "${out}")
  execute_process(COMMAND diff -u ${expected_file} ${actual_file} OUTPUT_VARIABLE difference)
  message(NOTICE "${difference}")
  message(FATAL_ERROR "${SCRIPT} printed what ${actual_file} holds, not what ${expected_file} "
    "holds (the difference above)")
endif()
