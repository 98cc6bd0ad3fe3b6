#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes mono 16-bit PCM samples as a RIFF wave file; throws std::runtime_error on failure.
void WriteWaveFile(const std::string& path, const std::vector<int16_t>& samples, int sampleRate);
