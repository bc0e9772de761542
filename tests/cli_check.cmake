# Runs the headless tool and compares what it prints with a golden file (or, with
# RECORD=ON, writes the golden file).
#   One run: -DTOOL=path -DARGS="a|b|c" -DEXPECT_RC=n [-DGOLDEN=file] [-DRECORD=ON] [-DEXPECT_ERR=regex]
#     checks the exit code and standard error; standard output is compared with GOLDEN.
#   A transcript: -DTOOL=path -DRUNS="a b c|d e" -DGOLDEN=file [-DRECORD=ON]
#     runs each blank-separated command line ("_" stands for a blank inside an argument,
#     Ki_Savo for "Ki Savo") and compares the whole transcript: each command line after
#     "$ lyrasta-cli ", what it printed and, for a failing run, its exit code and message.
if(DEFINED RUNS)
  string(REPLACE "|" ";" runs "${RUNS}")
  set(out "")
  foreach(run IN LISTS runs)
    separate_arguments(argv UNIX_COMMAND "${run}")
    list(TRANSFORM argv REPLACE "_" " ")
    execute_process(COMMAND "${TOOL}" ${argv} RESULT_VARIABLE rc OUTPUT_VARIABLE printed ERROR_VARIABLE err)
    string(APPEND out "$ lyrasta-cli ${run}\n${printed}")
    if(NOT rc EQUAL 0)
      string(APPEND out "exit ${rc}: ${err}")
    endif()
  endforeach()
else()
  string(REPLACE "|" ";" args "${ARGS}")
  execute_process(COMMAND "${TOOL}" ${args} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc STREQUAL EXPECT_RC)
    message(FATAL_ERROR "exit code ${rc}, expected ${EXPECT_RC}; standard error:\n${err}")
  endif()
  if(DEFINED EXPECT_ERR AND NOT err MATCHES "${EXPECT_ERR}")
    message(FATAL_ERROR "standard error does not mention \"${EXPECT_ERR}\":\n${err}")
  endif()
endif()
if(DEFINED GOLDEN)
  if(RECORD)
    file(WRITE "${GOLDEN}" "${out}")
  else()
    file(READ "${GOLDEN}" expected)
    if(NOT out STREQUAL expected)
      file(WRITE "${GOLDEN}.actual" "${out}")
      message(FATAL_ERROR "output differs from ${GOLDEN}; see ${GOLDEN}.actual (diff -u; scripts/record-golden records it)")
    endif()
  endif()
endif()
