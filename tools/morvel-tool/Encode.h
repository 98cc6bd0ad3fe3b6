#pragma once

#include <string>
#include <vector>

// morvel-tool encode TEXT: the text in the game's encoding, as a settings line holds it.
int RunEncode(const std::vector<std::string>& args);

// morvel-tool decode CODE: the bytes the code stands for, as they are.
int RunDecode(const std::vector<std::string>& args);
