# The readers of "Config.cfg" and "Configdat.cfg" under random input, as for the packages: a
# replay of seeds, cuts and mutations with any compiler, and a libFuzzer target each with clang.
add_executable(settings_fuzz_replay ${CMAKE_CURRENT_LIST_DIR}/SettingsFuzzChecks.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/SettingsFuzzReplay.cpp)
target_include_directories(settings_fuzz_replay PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(settings_fuzz_replay PRIVATE shell)
add_test(NAME settings_fuzz_replay COMMAND settings_fuzz_replay)
set_tests_properties(settings_fuzz_replay PROPERTIES TIMEOUT 120)

if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  # The readers' own sources are compiled in, so that libFuzzer sees their coverage.
  set(settings_reader ${PROJECT_SOURCE_DIR}/shell/SettingsFiles.cpp ${PROJECT_SOURCE_DIR}/shell/SettingsLines.cpp
                      ${PROJECT_SOURCE_DIR}/shell/SettingsLocation.cpp
                      ${PROJECT_SOURCE_DIR}/web/TextEncoding.cpp ${PROJECT_SOURCE_DIR}/web/ScoreRecord.cpp
                      ${PROJECT_SOURCE_DIR}/race/GameProcedures.cpp)
  foreach(reader config configdat)
    if(reader STREQUAL "config")
      set(target_source ${CMAKE_CURRENT_LIST_DIR}/ConfigFuzzTarget.cpp)
    else()
      set(target_source ${CMAKE_CURRENT_LIST_DIR}/ConfigdatFuzzTarget.cpp)
    endif()
    add_executable(${reader}_fuzzer ${target_source} ${CMAKE_CURRENT_LIST_DIR}/SettingsFuzzChecks.cpp
                                    ${settings_reader})
    target_include_directories(${reader}_fuzzer PRIVATE ${PROJECT_SOURCE_DIR})
    target_compile_options(${reader}_fuzzer PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${reader}_fuzzer PRIVATE -fsanitize=fuzzer,address,undefined)
    set(corpus ${CMAKE_CURRENT_BINARY_DIR}/${reader}-corpus)
    add_test(NAME ${reader}_fuzz_seeds COMMAND settings_fuzz_replay --write-seeds ${reader} ${corpus})
    set_tests_properties(${reader}_fuzz_seeds PROPERTIES FIXTURES_SETUP ${reader}_corpus)
    add_test(NAME ${reader}_fuzz COMMAND ${reader}_fuzzer -max_total_time=10 -rss_limit_mb=2560 ${corpus})
    set_tests_properties(${reader}_fuzz PROPERTIES FIXTURES_REQUIRED ${reader}_corpus TIMEOUT 120)
  endforeach()
endif()
