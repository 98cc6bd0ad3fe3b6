// The readers of the ghost files and of "Options.ini" under arbitrary bytes; the target built
// is the ghost file's unless built with GHOST_FUZZ_OPTIONS.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "GhostFuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
#if GHOST_FUZZ_OPTIONS
  CheckOptionsFile(bytes);
#else
  CheckGhostFile(bytes);
#endif
  return 0;
}
