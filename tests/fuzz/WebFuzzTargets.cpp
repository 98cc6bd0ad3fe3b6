// One libFuzzer target per reader of the web part; the build picks the reader with WEB_FUZZ_READER.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "WebFuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  WEB_FUZZ_READER(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
