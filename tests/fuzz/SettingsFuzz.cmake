# The readers of "Config.cfg" and "Configdat.cfg" under random input, as for the packages: a
# replay of seeds, cuts and mutations with any compiler, and a libFuzzer target each with clang.
morvel_fuzz_replay(settings
                   SOURCES ${CMAKE_CURRENT_LIST_DIR}/SettingsFuzzChecks.cpp ${CMAKE_CURRENT_LIST_DIR}/SettingsFuzzReplay.cpp
                   LIBRARIES shell)
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  set(settings_reader ${PROJECT_SOURCE_DIR}/shell/SettingsFiles.cpp ${PROJECT_SOURCE_DIR}/shell/SettingsLines.cpp
                      ${PROJECT_SOURCE_DIR}/shell/SettingsLocation.cpp
                      ${PROJECT_SOURCE_DIR}/web/TextEncoding.cpp ${PROJECT_SOURCE_DIR}/web/ScoreRecord.cpp
                      ${PROJECT_SOURCE_DIR}/race/GameProcedures.cpp)
  morvel_fuzzer(config settings_fuzz_replay SEED_ARGS config
                SOURCES ${CMAKE_CURRENT_LIST_DIR}/ConfigFuzzTarget.cpp
                        ${CMAKE_CURRENT_LIST_DIR}/SettingsFuzzChecks.cpp ${settings_reader})
  morvel_fuzzer(configdat settings_fuzz_replay SEED_ARGS configdat
                SOURCES ${CMAKE_CURRENT_LIST_DIR}/ConfigdatFuzzTarget.cpp
                        ${CMAKE_CURRENT_LIST_DIR}/SettingsFuzzChecks.cpp ${settings_reader})
endif()
