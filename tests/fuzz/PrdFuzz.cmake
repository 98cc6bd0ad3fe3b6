# The track file reader under random input, as for the packages: a replay of seeds, cuts and
# field mutations with any compiler, and a libFuzzer target with clang.
add_executable(prd_fuzz_replay ${CMAKE_CURRENT_LIST_DIR}/PrdFuzzTarget.cpp ${CMAKE_CURRENT_LIST_DIR}/PrdFuzzReplay.cpp)
target_include_directories(prd_fuzz_replay PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(prd_fuzz_replay PRIVATE race)
add_test(NAME prd_fuzz_replay COMMAND prd_fuzz_replay)
set_tests_properties(prd_fuzz_replay PROPERTIES TIMEOUT 120)

if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  # The reader's own sources are compiled in, so that libFuzzer sees their coverage.
  set(prd_reader ${PROJECT_SOURCE_DIR}/race/TrackFile.cpp ${PROJECT_SOURCE_DIR}/race/TrackTables.cpp
                 ${PROJECT_SOURCE_DIR}/race/Geometry.cpp)
  add_executable(prd_fuzzer ${CMAKE_CURRENT_LIST_DIR}/PrdFuzzTarget.cpp ${prd_reader})
  target_include_directories(prd_fuzzer PRIVATE ${PROJECT_SOURCE_DIR})
  target_compile_options(prd_fuzzer PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_options(prd_fuzzer PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_libraries(prd_fuzzer PRIVATE race)
  set(prd_corpus ${CMAKE_CURRENT_BINARY_DIR}/prd-corpus)
  add_test(NAME prd_fuzz_seeds COMMAND prd_fuzz_replay --write-seeds ${prd_corpus})
  set_tests_properties(prd_fuzz_seeds PROPERTIES FIXTURES_SETUP prd_corpus)
  add_test(NAME prd_fuzz COMMAND prd_fuzzer -max_total_time=10 -rss_limit_mb=2560 ${prd_corpus})
  set_tests_properties(prd_fuzz PROPERTIES FIXTURES_REQUIRED prd_corpus TIMEOUT 120)
endif()
