# The readers of the ghost files and of "Options.ini" under random input, as for the settings: a
# replay of seeds, cuts and mutations with any compiler, and a libFuzzer target each with clang.
morvel_fuzz_replay(ghost SOURCES ${CMAKE_CURRENT_LIST_DIR}/GhostFuzzChecks.cpp ${CMAKE_CURRENT_LIST_DIR}/GhostFuzzReplay.cpp
                   LIBRARIES shell)
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  set(ghost_readers ${PROJECT_SOURCE_DIR}/race/GhostFile.cpp ${PROJECT_SOURCE_DIR}/shell/GameOptions.cpp)
  morvel_fuzzer(ghost ghost_fuzz_replay SEED_ARGS ghost LIBRARIES shell
                SOURCES ${CMAKE_CURRENT_LIST_DIR}/GhostFuzzTargets.cpp ${CMAKE_CURRENT_LIST_DIR}/GhostFuzzChecks.cpp
                        ${ghost_readers})
  morvel_fuzzer(options ghost_fuzz_replay SEED_ARGS options LIBRARIES shell DEFINITIONS GHOST_FUZZ_OPTIONS=1
                SOURCES ${CMAKE_CURRENT_LIST_DIR}/GhostFuzzTargets.cpp ${CMAKE_CURRENT_LIST_DIR}/GhostFuzzChecks.cpp
                        ${ghost_readers})
endif()
