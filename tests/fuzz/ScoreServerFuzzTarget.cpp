// The libFuzzer target of the score server's request handling.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "ScoreServerFuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CheckScoreRequest(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
