#include "tools/xm/XmWriter.h"

#include <cmath>
#include <cstdio>
#include <memory>
#include <stdexcept>

namespace {

constexpr uint16_t kFormatVersion = 0x0104;
constexpr uint32_t kHeaderSize = 276;            // from the header-size field to the order table's end
constexpr uint32_t kInstrumentHeaderSize = 263;  // with samples: the size trackers write
constexpr uint32_t kEmptyInstrumentHeaderSize = 29;
constexpr uint32_t kSampleHeaderSize = 40;
constexpr uint32_t kPatternHeaderSize = 9;

class TByteWriter {
 public:
  void Byte(uint8_t value) { Bytes.push_back(value); }
  void Word(uint16_t value) {
    Byte(uint8_t(value));
    Byte(uint8_t(value >> 8));
  }
  void Dword(uint32_t value) {
    Word(uint16_t(value));
    Word(uint16_t(value >> 16));
  }
  // The text cut or padded with zeros to exactly length bytes.
  void Text(const std::string& text, size_t length) {
    for (size_t i = 0; i < length; ++i) Byte(i < text.size() ? uint8_t(text[i]) : 0);
  }
  void Zeros(size_t count) { Bytes.insert(Bytes.end(), count, 0); }
  void PatchWord(size_t at, uint16_t value) {
    Bytes[at] = uint8_t(value);
    Bytes[at + 1] = uint8_t(value >> 8);
  }
  size_t Size() const { return Bytes.size(); }

  std::vector<uint8_t> Bytes;
};

void Require(bool condition, const char* what) {
  if (!condition) throw std::invalid_argument(std::string("XM module: ") + what);
}

void CheckSample(const TXmSample& sample) {
  Require(sample.Volume <= 64, "sample volume above 64");
  if (sample.Loop == TXmLoop::None) return;
  Require(sample.LoopLength > 0, "looping sample with an empty loop");
  Require(uint64_t(sample.LoopStart) + sample.LoopLength <= sample.Data.size(), "loop beyond its sample");
}

void CheckEnvelope(const TXmEnvelope& envelope) {
  const int count = int(envelope.Points.size());
  Require(count <= kXmMaxEnvelopePoints, "too many envelope points");
  for (int i = 1; i < count; ++i)
    Require(envelope.Points[i].Tick > envelope.Points[i - 1].Tick, "envelope ticks must rise");
  for (int index : {envelope.Sustain, envelope.LoopStart, envelope.LoopEnd})
    Require(index < count, "envelope point index beyond its points");
  Require((envelope.LoopStart < 0) == (envelope.LoopEnd < 0), "envelope loop needs start and end");
  Require(envelope.LoopStart <= envelope.LoopEnd, "envelope loop ends before it starts");
}

void CheckInstrument(const TXmInstrument& instrument) {
  Require(instrument.Samples.size() <= kXmMaxSamplesPerInstrument, "too many samples in an instrument");
  for (uint8_t index : instrument.SampleForNote)
    Require(instrument.Samples.empty() || index < instrument.Samples.size(),
            "note mapped to a missing sample");
  for (const TXmSample& sample : instrument.Samples) CheckSample(sample);
  CheckEnvelope(instrument.VolumeEnvelope);
  CheckEnvelope(instrument.PanningEnvelope);
}

void CheckPattern(const TXmPattern& pattern, const TXmModule& module) {
  Require(pattern.Channels == module.Channels, "pattern with another channel count");
  Require(pattern.Rows >= 1 && pattern.Rows <= kXmMaxRows, "pattern rows outside 1..256");
  for (const TXmCell& cell : pattern.Cells) {
    Require(cell.Note <= kXmKeyOff, "note beyond key off");
    Require(cell.Instrument <= module.Instruments.size(), "cell names a missing instrument");
  }
}

void CheckModule(const TXmModule& module) {
  Require(module.Channels >= 1 && module.Channels <= kXmMaxChannels, "channels outside 1..32");
  Require(!module.Orders.empty() && module.Orders.size() <= kXmMaxOrders, "orders outside 1..256");
  Require(!module.Patterns.empty() && module.Patterns.size() <= 256, "patterns outside 1..256");
  Require(module.Instruments.size() <= kXmMaxInstruments, "too many instruments");
  Require(module.RestartPosition < module.Orders.size(), "restart position beyond the orders");
  Require(module.Speed >= 1 && module.Speed <= 31, "speed outside 1..31");
  Require(module.Tempo >= 32 && module.Tempo <= 255, "tempo outside 32..255");
  for (uint8_t order : module.Orders)
    Require(order < module.Patterns.size(), "order names a missing pattern");
  for (const TXmPattern& pattern : module.Patterns) CheckPattern(pattern, module);
  for (const TXmInstrument& instrument : module.Instruments) CheckInstrument(instrument);
}

void WriteHeader(TByteWriter& out, const TXmModule& module) {
  out.Text("Extended Module: ", 17);
  out.Text(module.Name, 20);
  out.Byte(0x1A);
  out.Text(module.Tracker, 20);
  out.Word(kFormatVersion);
  out.Dword(kHeaderSize);
  out.Word(uint16_t(module.Orders.size()));
  out.Word(module.RestartPosition);
  out.Word(uint16_t(module.Channels));
  out.Word(uint16_t(module.Patterns.size()));
  out.Word(uint16_t(module.Instruments.size()));
  out.Word(module.LinearFrequencies ? 1 : 0);
  out.Word(module.Speed);
  out.Word(module.Tempo);
  for (int i = 0; i < kXmMaxOrders; ++i) out.Byte(i < int(module.Orders.size()) ? module.Orders[i] : 0);
}

// A cell packed as the format allows: a flag byte says which of the five fields follow.
void WriteCell(TByteWriter& out, const TXmCell& cell) {
  const uint8_t fields[5] = {cell.Note, cell.Instrument, cell.Volume, cell.Effect, cell.Param};
  uint8_t flags = 0x80;
  for (int i = 0; i < 5; ++i)
    if (fields[i] != 0) flags |= uint8_t(1 << i);
  out.Byte(flags);
  for (int i = 0; i < 5; ++i)
    if (fields[i] != 0) out.Byte(fields[i]);
}

void WritePattern(TByteWriter& out, const TXmPattern& pattern) {
  out.Dword(kPatternHeaderSize);
  out.Byte(0);  // packing type
  out.Word(uint16_t(pattern.Rows));
  const size_t sizeAt = out.Size();
  out.Word(0);
  const size_t dataStart = out.Size();
  for (const TXmCell& cell : pattern.Cells) WriteCell(out, cell);
  const size_t dataSize = out.Size() - dataStart;
  Require(dataSize <= 0xFFFF, "pattern data too large");
  out.PatchWord(sizeAt, uint16_t(dataSize));
}

void WriteEnvelopeFlags(TByteWriter& out, const TXmEnvelope& envelope) {
  uint8_t type = envelope.Points.empty() ? 0 : 1;
  if (envelope.Sustain >= 0) type |= 2;
  if (envelope.LoopStart >= 0) type |= 4;
  out.Byte(type);
}

void WriteEnvelopePoints(TByteWriter& out, const TXmEnvelope& envelope) {
  for (int i = 0; i < kXmMaxEnvelopePoints; ++i) {
    const bool used = i < int(envelope.Points.size());
    out.Word(used ? envelope.Points[i].Tick : 0);
    out.Word(used ? envelope.Points[i].Value : 0);
  }
}

uint8_t PointIndex(int index) {
  return uint8_t(index < 0 ? 0 : index);
}

size_t BytesPerSample(const TXmSample& sample) {
  return sample.SixteenBit ? 2 : 1;
}

void WriteSampleHeader(TByteWriter& out, const TXmSample& sample) {
  const uint32_t width = uint32_t(BytesPerSample(sample));
  out.Dword(uint32_t(sample.Data.size()) * width);
  out.Dword(sample.LoopStart * width);
  out.Dword(sample.LoopLength * width);
  out.Byte(sample.Volume);
  out.Byte(uint8_t(sample.FineTune));
  out.Byte(uint8_t(uint8_t(sample.Loop) | (sample.SixteenBit ? 0x10 : 0)));
  out.Byte(sample.Panning);
  out.Byte(uint8_t(sample.RelativeNote));
  out.Byte(0);  // reserved
  out.Text(sample.Name, 22);
}

// Sample values are stored as differences from the previous value.
void WriteSampleData(TByteWriter& out, const TXmSample& sample) {
  int previous = 0;
  for (int16_t value : sample.Data) {
    const int stored = sample.SixteenBit ? value : value >> 8;
    const int delta = stored - previous;
    previous = stored;
    if (sample.SixteenBit)
      out.Word(uint16_t(delta));
    else
      out.Byte(uint8_t(delta));
  }
}

void WriteInstrument(TByteWriter& out, const TXmInstrument& instrument) {
  const size_t start = out.Size();
  const bool hasSamples = !instrument.Samples.empty();
  out.Dword(hasSamples ? kInstrumentHeaderSize : kEmptyInstrumentHeaderSize);
  out.Text(instrument.Name, 22);
  out.Byte(0);  // type
  out.Word(uint16_t(instrument.Samples.size()));
  if (!hasSamples) return;
  out.Dword(kSampleHeaderSize);
  for (uint8_t index : instrument.SampleForNote) out.Byte(index);
  WriteEnvelopePoints(out, instrument.VolumeEnvelope);
  WriteEnvelopePoints(out, instrument.PanningEnvelope);
  out.Byte(uint8_t(instrument.VolumeEnvelope.Points.size()));
  out.Byte(uint8_t(instrument.PanningEnvelope.Points.size()));
  for (const TXmEnvelope* envelope : {&instrument.VolumeEnvelope, &instrument.PanningEnvelope}) {
    out.Byte(PointIndex(envelope->Sustain));
    out.Byte(PointIndex(envelope->LoopStart));
    out.Byte(PointIndex(envelope->LoopEnd));
  }
  WriteEnvelopeFlags(out, instrument.VolumeEnvelope);
  WriteEnvelopeFlags(out, instrument.PanningEnvelope);
  out.Byte(instrument.VibratoType);
  out.Byte(instrument.VibratoSweep);
  out.Byte(instrument.VibratoDepth);
  out.Byte(instrument.VibratoRate);
  out.Word(instrument.FadeOut);
  out.Zeros(start + kInstrumentHeaderSize - out.Size());  // reserved to the header's end
  for (const TXmSample& sample : instrument.Samples) WriteSampleHeader(out, sample);
  for (const TXmSample& sample : instrument.Samples) WriteSampleData(out, sample);
}

int NoteLetterSemitone(char letter) {
  switch (letter) {
    case 'C':
      return 0;
    case 'D':
      return 2;
    case 'E':
      return 4;
    case 'F':
      return 5;
    case 'G':
      return 7;
    case 'A':
      return 9;
    case 'B':
      return 11;
    default:
      return -1;
  }
}

}  // namespace

uint8_t XmNote(const std::string& name) {
  const int semitone = name.size() == 3 ? NoteLetterSemitone(name[0]) : -1;
  const bool sharp = semitone >= 0 && name[1] == '#';
  const bool valid = semitone >= 0 && (name[1] == '-' || sharp) && name[2] >= '0' && name[2] <= '7' &&
                     !(sharp && (name[0] == 'E' || name[0] == 'B'));
  if (!valid) throw std::invalid_argument("XM note name: " + name);
  return uint8_t(1 + (name[2] - '0') * 12 + semitone + (sharp ? 1 : 0));
}

TXmTuning XmTuneFor(double sampleRate) {
  const long steps = std::lround(12.0 * 128.0 * std::log2(sampleRate / 8363.0));
  long relative = steps / 128;
  long fine = steps % 128;
  if (fine >= 64) {  // keep the fine-tune within -64..63 like trackers do
    fine -= 128;
    ++relative;
  } else if (fine < -64) {
    fine += 128;
    --relative;
  }
  return {int8_t(relative), int8_t(fine)};
}

TXmPattern::TXmPattern(int rows, int channels)
    : Rows(rows),
      Channels(channels),
      Cells(size_t(rows > 0 ? rows : 0) * size_t(channels > 0 ? channels : 0)) {}

TXmCell& TXmPattern::At(int row, int channel) {
  return Cells.at(size_t(row) * size_t(Channels) + size_t(channel));
}

const TXmCell& TXmPattern::At(int row, int channel) const {
  return Cells.at(size_t(row) * size_t(Channels) + size_t(channel));
}

std::vector<uint8_t> WriteXm(const TXmModule& module) {
  CheckModule(module);
  TByteWriter out;
  WriteHeader(out, module);
  for (const TXmPattern& pattern : module.Patterns) WritePattern(out, pattern);
  for (const TXmInstrument& instrument : module.Instruments) WriteInstrument(out, instrument);
  return std::move(out.Bytes);
}

void WriteXmFile(const TXmModule& module, const std::string& path) {
  const std::vector<uint8_t> bytes = WriteXm(module);
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
  if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
    throw std::runtime_error("Cannot write " + path);
  if (std::fclose(file.release()) != 0) throw std::runtime_error("Cannot write " + path);
}
