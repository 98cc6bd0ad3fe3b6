#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/xm/XmWriter.h"

// A fresh folder of its own for one test.
std::filesystem::path FreshFolder(const std::string& name);

// A PCM wave file with the given format; samples are interleaved, full 16-bit scale (8-bit files
// keep the top byte).
void WriteWaveFile(const std::filesystem::path& path, int rate, int channels, int bits,
                   const std::vector<int16_t>& samples);

// One channel of a looping 16-bit square wave (period in samples) played at its own rate: a tune
// of rows rows with a note every four rows, at speed 6 and tempo 125 (0.12 s a row).
TXmModule ToneModule(int rows);

// libopenmpt playing the module straight from its bytes, undithered: 22050 Hz interleaved stereo, at most
// frames frames (fewer when a non-looping module ends first).
std::vector<int16_t> ReferenceRender(const std::vector<uint8_t>& module, bool loop, int frames);

// Mean square of interleaved samples [from, to) in frames.
double Energy(const std::vector<int16_t>& samples, int from, int to);
