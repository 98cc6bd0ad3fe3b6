# The web part's readers under random input: the closing screen's configuration, the handshake reply
# and the shortcut files. A replay of seeds, cuts and mutations with any compiler, and a libFuzzer
# target each with clang.
add_executable(web_fuzz_replay ${CMAKE_CURRENT_LIST_DIR}/WebFuzzChecks.cpp ${CMAKE_CURRENT_LIST_DIR}/WebFuzzReplay.cpp)
target_include_directories(web_fuzz_replay PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(web_fuzz_replay PRIVATE web)
add_test(NAME web_fuzz_replay COMMAND web_fuzz_replay)
set_tests_properties(web_fuzz_replay PROPERTIES TIMEOUT 120)

if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  # The readers' own sources are compiled in, so that libFuzzer sees their coverage.
  set(web_readers ${PROJECT_SOURCE_DIR}/web/ShareConfig.cpp ${PROJECT_SOURCE_DIR}/web/ScoreRecord.cpp
                  ${PROJECT_SOURCE_DIR}/web/GoToLink.cpp ${PROJECT_SOURCE_DIR}/web/DetachedLaunch.cpp
                  ${PROJECT_SOURCE_DIR}/web/TextEncoding.cpp)
  foreach(pair share:CheckShareConfig handshake:CheckHandshakeReply shortcut:CheckShortcut)
    string(REPLACE ":" ";" parts ${pair})
    list(GET parts 0 reader)
    list(GET parts 1 check)
    add_executable(${reader}_fuzzer ${CMAKE_CURRENT_LIST_DIR}/WebFuzzTargets.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/WebFuzzChecks.cpp ${web_readers})
    target_include_directories(${reader}_fuzzer PRIVATE ${PROJECT_SOURCE_DIR})
    target_compile_definitions(${reader}_fuzzer PRIVATE WEB_FUZZ_READER=${check})
    target_compile_options(${reader}_fuzzer PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${reader}_fuzzer PRIVATE -fsanitize=fuzzer,address,undefined)
    set(corpus ${CMAKE_CURRENT_BINARY_DIR}/${reader}-corpus)
    add_test(NAME ${reader}_fuzz_seeds COMMAND web_fuzz_replay --write-seeds ${reader} ${corpus})
    set_tests_properties(${reader}_fuzz_seeds PROPERTIES FIXTURES_SETUP ${reader}_corpus)
    add_test(NAME ${reader}_fuzz COMMAND ${reader}_fuzzer -max_total_time=10 -rss_limit_mb=2560 ${corpus})
    set_tests_properties(${reader}_fuzz PROPERTIES FIXTURES_REQUIRED ${reader}_corpus TIMEOUT 120)
  endforeach()
endif()
