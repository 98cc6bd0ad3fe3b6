#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Reads one of the game's data files whole, as a data file may be read: only a regular file is
// read (a folder, a device or a pipe in its place is refused at once, never waited on), and
// only up to maxBytes (a larger one is refused). Without the bytes, error says why, in words
// for a message that names the file.
std::optional<std::vector<uint8_t>> ReadRegularFile(const std::string& path, size_t maxBytes,
                                                    std::string& error);
