# The score server's request handling under random input: a replay of seeds, cuts and mutations with any
# compiler, and a libFuzzer target with clang (the server's handling compiled in for its coverage).
morvel_fuzz_replay(scores SOURCES ${CMAKE_CURRENT_LIST_DIR}/ScoreServerFuzzChecks.cpp
                   ${CMAKE_CURRENT_LIST_DIR}/ScoreServerFuzzReplay.cpp LIBRARIES scoreserver)
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  find_package(SQLite3 REQUIRED)
  find_package(PostgreSQL REQUIRED)
  find_package(nlohmann_json 3 REQUIRED)
  file(GLOB server_sources ${PROJECT_SOURCE_DIR}/server/*.cpp)
  list(REMOVE_ITEM server_sources ${PROJECT_SOURCE_DIR}/server/main.cpp ${PROJECT_SOURCE_DIR}/server/HttpServer.cpp)
  morvel_fuzzer(scores scores_fuzz_replay
                LIBRARIES SQLite::SQLite3 PostgreSQL::PostgreSQL nlohmann_json::nlohmann_json Threads::Threads
                SOURCES ${CMAKE_CURRENT_LIST_DIR}/ScoreServerFuzzTarget.cpp ${CMAKE_CURRENT_LIST_DIR}/ScoreServerFuzzChecks.cpp
                        ${server_sources} ${PROJECT_SOURCE_DIR}/web/TextEncoding.cpp
                        ${PROJECT_SOURCE_DIR}/web/ScoreRecord.cpp ${PROJECT_SOURCE_DIR}/web/Latin1.cpp)
endif()
