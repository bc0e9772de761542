# Helpers shared by the subsystem folders.

# lyrasta_test(NAME SOURCES... LIBS libs...): a GoogleTest executable registered with CTest.
# Tests run from the build tree and find their fixtures through LYRASTA_TEST_DATA
# (the tests/data folder beside the test sources) and the program's data through LYRASTA_DATA_DIR.
function(lyrasta_test name)
  if(NOT LYRASTA_TESTS)
    return()
  endif()
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)  # support/: helpers shared by tests
  target_compile_definitions(${name} PRIVATE
    LYRASTA_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/tests/data"
    LYRASTA_DATA_DIR="${LYRASTA_DATA_DIR}")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "LYRASTA_DATA=${LYRASTA_DATA_DIR}")
endfunction()

# lyrasta_bench(NAME SOURCES... LIBS libs...): a Google Benchmark executable (not run by CTest).
function(lyrasta_bench name)
  if(NOT LYRASTA_BENCH)
    return()
  endif()
  cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${B_SOURCES})
  target_link_libraries(${name} PRIVATE ${B_LIBS} benchmark::benchmark benchmark::benchmark_main)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)  # support/: helpers shared with tests
  target_compile_definitions(${name} PRIVATE LYRASTA_DATA_DIR="${LYRASTA_DATA_DIR}")
endfunction()

# lyrasta_fuzz(NAME SOURCES... LIBS libs...): a libFuzzer target, built only with LYRASTA_FUZZ.
function(lyrasta_fuzz name)
  if(NOT LYRASTA_FUZZ)
    return()
  endif()
  cmake_parse_arguments(F "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${F_SOURCES})
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
endfunction()
