# Runs the calendar commands of lyrasta-cli and compares what they print with the golden file.
#   cmake -DCLI=path/to/lyrasta-cli -DGOLDEN=tests/golden/calendar.txt -DOUT=out.txt -P calendar_cli.cmake
# With -DRECORD=ON the golden file is written instead (review the difference before committing).

set(runs
  "calendar hebrew --from 2024-10-01 --to 2024-10-26"
  "calendar hebrew --from 2024-10-17 --to 2024-10-26 --israel"
  "calendar hebrew --from 2024-03-21 --to 2024-03-25"
  "calendar sabbaths --from-year 5785 --to-year 5785"
  "calendar sabbaths --from-year 5783 --to-year 5783 --israel"
  "calendar sabbath-of --portion Ki_Savo --year 5785"
  "calendar sabbath-of --portion Vayakhel --year 5783"
  "calendar sabbath-of --portion Tzav --year 5784"
  "calendar keys --reading Mikeitz --year 5786"
  "calendar keys --reading Pekudei --year 5785"
  "calendar keys --reading Purim --year 5785"
  "calendar triennial --portion Vayakhel --cycle 2 --year 5785"
  "calendar triennial --portion Vayakhel+Pekudei --cycle 2 --year 5785"
  "calendar hebrew --from 2024-02-30 --to 2024-03-01"
  "calendar hebrew --from 2024-03-02 --to 2024-03-01"
  "calendar sabbaths --from-year 5785"
  "calendar keys --reading Noach --year five"
  "calendar keys --reading Mattos+Masei --year 5781"
  "calendar sabbaths --from-year 5599 --to-year 5600"
  "calendar keys --reading Noach --year 6001"
  "calendar hebrew --from 1839-09-01 --to 1839-09-02"
  "calendar sabbath-of --portion Bereshit --year 5785"
  "calendar triennial --portion Vayakhel_Pekudei --cycle 2 --year 5785"
)

set(result "")
foreach(run IN LISTS runs)
  separate_arguments(argv UNIX_COMMAND "${run}")
  list(TRANSFORM argv REPLACE "_" " ")  # Ki_Savo stands for "Ki Savo"
  execute_process(COMMAND "${CLI}" ${argv} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  string(APPEND result "$ lyrasta-cli ${run}\n${out}")
  if(NOT rc EQUAL 0)
    string(APPEND result "exit ${rc}: ${err}")
  endif()
endforeach()

if(RECORD)
  file(WRITE "${GOLDEN}" "${result}")
  return()
endif()
file(WRITE "${OUT}" "${result}")
file(READ "${GOLDEN}" expected)
if(NOT result STREQUAL expected)
  message(FATAL_ERROR "calendar commands differ from ${GOLDEN}; see ${OUT} (diff -u ${GOLDEN} ${OUT})")
endif()
