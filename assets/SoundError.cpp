#include "assets/SoundError.h"

#include <cstdio>

ESoundError SoundFileError(const std::string& path, const std::string& reason) {
  if (!reason.empty())
    std::fprintf(stderr, "Morvel Racing: cannot read \"%s\": %s\n", path.c_str(), reason.c_str());
  return ESoundError(SoundMessage::LoadingSound + path);
}
