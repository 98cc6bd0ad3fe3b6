#include "tools/sound/Wav.h"

#include <fstream>
#include <stdexcept>

namespace {

void PutLe(std::vector<uint8_t>& bytes, uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes.push_back(uint8_t(value >> (8 * i)));
}

void PutTag(std::vector<uint8_t>& bytes, const char* tag) {
  bytes.insert(bytes.end(), tag, tag + 4);
}

}  // namespace

void WriteWaveFile(const std::string& path, const std::vector<int16_t>& samples, int sampleRate) {
  const uint32_t dataSize = uint32_t(samples.size() * 2);
  std::vector<uint8_t> bytes;
  PutTag(bytes, "RIFF");
  PutLe(bytes, 36 + dataSize, 4);
  PutTag(bytes, "WAVE");
  PutTag(bytes, "fmt ");
  PutLe(bytes, 16, 4);  // size of the format block
  PutLe(bytes, 1, 2);   // PCM
  PutLe(bytes, 1, 2);   // mono
  PutLe(bytes, sampleRate, 4);
  PutLe(bytes, sampleRate * 2, 4);  // bytes a second
  PutLe(bytes, 2, 2);               // bytes a frame
  PutLe(bytes, 16, 2);              // bits a sample
  PutTag(bytes, "data");
  PutLe(bytes, dataSize, 4);
  for (int16_t sample : samples) PutLe(bytes, uint16_t(sample), 2);
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path);
}
