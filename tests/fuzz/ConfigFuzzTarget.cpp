// The reader of "Config.cfg" under arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "SettingsFuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CheckSettingsFile(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
