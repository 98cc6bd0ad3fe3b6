# The web part's readers under random input: the closing screen's configuration, the handshake reply
# and the shortcut files. A replay of seeds, cuts and mutations with any compiler, and a libFuzzer
# target each with clang.
morvel_fuzz_replay(web SOURCES ${CMAKE_CURRENT_LIST_DIR}/WebFuzzChecks.cpp ${CMAKE_CURRENT_LIST_DIR}/WebFuzzReplay.cpp
                   LIBRARIES web)
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  set(web_readers ${PROJECT_SOURCE_DIR}/web/ShareConfig.cpp ${PROJECT_SOURCE_DIR}/web/ScoreRecord.cpp
                  ${PROJECT_SOURCE_DIR}/web/GoToLink.cpp ${PROJECT_SOURCE_DIR}/web/DetachedLaunch.cpp
                  ${PROJECT_SOURCE_DIR}/web/TextEncoding.cpp)
  foreach(pair share:CheckShareConfig handshake:CheckHandshakeReply shortcut:CheckShortcut)
    string(REPLACE ":" ";" parts ${pair})
    list(GET parts 0 reader)
    list(GET parts 1 check)
    morvel_fuzzer(${reader} web_fuzz_replay SEED_ARGS ${reader} DEFINITIONS WEB_FUZZ_READER=${check}
                  SOURCES ${CMAKE_CURRENT_LIST_DIR}/WebFuzzTargets.cpp ${CMAKE_CURRENT_LIST_DIR}/WebFuzzChecks.cpp
                          ${web_readers})
  endforeach()
endif()
