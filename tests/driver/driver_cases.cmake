# One case of the script driver as a process. Each run must end with the status given and say
# exactly the text given on standard error (nothing, or one line); `out` keeps what it printed.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(expect_run input status said)
  execute_process(COMMAND ${DRIVER} ${ARGN} INPUT_FILE ${input} OUTPUT_VARIABLE out
    ERROR_VARIABLE err RESULT_VARIABLE result)
  if(NOT result STREQUAL status OR NOT err STREQUAL said)
    message(FATAL_ERROR "${DRIVER} ${ARGN}: status ${result}, said \"${err}\"; expected status "
      "${status}, \"${said}\"")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

set(board_shown "t=0 show Form1\nt=1500 show Form2\nt=1500 unload Form1\n")
if(CASE STREQUAL "ReadsAFileOrStandardInput")
  file(WRITE ${WORK}/board.script "wait 1600\nexpect Form2.Loaded true\n")
  foreach(way "/dev/null;${WORK}/board.script" "${WORK}/board.script" "${WORK}/board.script;-")
    list(POP_FRONT way input)
    expect_run(${input} 0 "" ${way})
    if(NOT out STREQUAL board_shown)
      message(FATAL_ERROR "printed \"${out}\"")
    endif()
  endforeach()
elseif(CASE STREQUAL "RefusesATenMegabyteLineQuickly")
  string(REPEAT "x" 10000000 line)
  file(WRITE ${WORK}/big.script "${line}")
  expect_run(${WORK}/big.script 2 "line 1: the line is longer than 4096 bytes\n")
elseif(CASE STREQUAL "FindsAMistakeAfterAMillionLinesByItsNumber")
  string(REPEAT "# ok\n" 1000000 comments)
  file(WRITE ${WORK}/long.script "${comments}wait x\n")
  expect_run(${WORK}/long.script 2 "line 1000001: the wait must be a whole number, not \"x\"\n")
elseif(CASE STREQUAL "SaysInOneLineWhatItCannotRead")
  expect_run(/dev/null 2 "totechita-script: cannot read ${WORK}/missing.script\n"
    ${WORK}/missing.script)
  expect_run(/dev/null 2 "totechita-script: cannot read ${WORK}\n" ${WORK})
  expect_run(/dev/null 2 "usage: totechita-script [FILE]   (no FILE or - reads standard input)\n"
    a b)
else()
  message(FATAL_ERROR "no case ${CASE}")
endif()
