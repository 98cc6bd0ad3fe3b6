# The readers of the ghost files and of "Options.ini" under random input, as for the settings: a
# replay of seeds, cuts and mutations with any compiler, and a libFuzzer target each with clang.
add_executable(ghost_fuzz_replay ${CMAKE_CURRENT_LIST_DIR}/GhostFuzzChecks.cpp
                                 ${CMAKE_CURRENT_LIST_DIR}/GhostFuzzReplay.cpp)
target_include_directories(ghost_fuzz_replay PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(ghost_fuzz_replay PRIVATE shell)
add_test(NAME ghost_fuzz_replay COMMAND ghost_fuzz_replay)
set_tests_properties(ghost_fuzz_replay PROPERTIES TIMEOUT 120)

if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  # The readers' own sources are compiled in, so that libFuzzer sees their coverage.
  set(ghost_readers ${PROJECT_SOURCE_DIR}/race/GhostFile.cpp ${PROJECT_SOURCE_DIR}/shell/GameOptions.cpp)
  foreach(reader ghost options)
    add_executable(${reader}_fuzzer ${CMAKE_CURRENT_LIST_DIR}/GhostFuzzTargets.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/GhostFuzzChecks.cpp ${ghost_readers})
    target_include_directories(${reader}_fuzzer PRIVATE ${PROJECT_SOURCE_DIR})
    if(reader STREQUAL "options")
      target_compile_definitions(${reader}_fuzzer PRIVATE GHOST_FUZZ_OPTIONS=1)
    endif()
    target_compile_options(${reader}_fuzzer PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${reader}_fuzzer PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(${reader}_fuzzer PRIVATE shell)
    set(corpus ${CMAKE_CURRENT_BINARY_DIR}/${reader}-corpus)
    add_test(NAME ${reader}_fuzz_seeds COMMAND ghost_fuzz_replay --write-seeds ${reader} ${corpus})
    set_tests_properties(${reader}_fuzz_seeds PROPERTIES FIXTURES_SETUP ${reader}_corpus)
    add_test(NAME ${reader}_fuzz COMMAND ${reader}_fuzzer -max_total_time=10 -rss_limit_mb=2560 ${corpus})
    set_tests_properties(${reader}_fuzz PROPERTIES FIXTURES_REQUIRED ${reader}_corpus TIMEOUT 120)
  endforeach()
endif()
