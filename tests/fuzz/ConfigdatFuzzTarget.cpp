// The reader of "Configdat.cfg" under arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "SettingsFuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CheckProgressFile(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
