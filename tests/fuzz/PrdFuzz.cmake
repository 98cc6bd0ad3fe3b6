# The track file reader under random input, as for the packages: a replay of seeds, cuts and
# field mutations with any compiler, and a libFuzzer target with clang.
morvel_fuzz_replay(prd SOURCES ${CMAKE_CURRENT_LIST_DIR}/PrdFuzzTarget.cpp ${CMAKE_CURRENT_LIST_DIR}/PrdFuzzReplay.cpp
                   LIBRARIES race)
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  morvel_fuzzer(prd prd_fuzz_replay LIBRARIES race
                SOURCES ${CMAKE_CURRENT_LIST_DIR}/PrdFuzzTarget.cpp ${PROJECT_SOURCE_DIR}/race/TrackFile.cpp
                        ${PROJECT_SOURCE_DIR}/race/TrackTables.cpp ${PROJECT_SOURCE_DIR}/race/Geometry.cpp)
endif()
