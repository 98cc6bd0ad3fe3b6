#pragma once

// Writes extended modules (.xm), the tracker format of the game's music: patterns of notes on
// channels, sample-based instruments, an order list with its restart position. The game's music
// generator builds a TXmModule in code and writes it with WriteXm; the audio tests write small
// modules the same way.
//
// Conventions of the format, kept as they are:
// - Notes count from 1 (C-0) to 96 (B-7); 97 releases the key (kXmKeyOff); 0 is "no note".
// - A sample played at C-4 with relative note 0 and fine-tune 0 sounds at 8363 samples a second;
//   XmTuneFor gives the relative note and fine-tune that make C-4 play a sample at its own rate.
// - Instruments count from 1 in the pattern cells; 0 is "no instrument".
// - The volume column holds 0x10 + volume (0..64) to set a volume (XmVolume), 0 for nothing.
// - Effects are the tracker's effect numbers with one parameter byte (the kXmEffect... names).

#include <array>
#include <cstdint>
#include <string>
#include <vector>

inline constexpr uint8_t kXmKeyOff = 97;
inline constexpr int kXmMaxChannels = 32;
inline constexpr int kXmMaxRows = 256;
inline constexpr int kXmMaxOrders = 256;
inline constexpr int kXmMaxInstruments = 128;
inline constexpr int kXmMaxSamplesPerInstrument = 16;
inline constexpr int kXmMaxEnvelopePoints = 12;

// The effects a simple tune needs (effect column numbers; parameters as the tracker reads them).
inline constexpr uint8_t kXmEffectArpeggio = 0x0;       // xy: +x and +y semitones
inline constexpr uint8_t kXmEffectPortaUp = 0x1;        // speed
inline constexpr uint8_t kXmEffectPortaDown = 0x2;      // speed
inline constexpr uint8_t kXmEffectTonePorta = 0x3;      // speed, slides to the cell's note
inline constexpr uint8_t kXmEffectVibrato = 0x4;        // xy: speed x, depth y
inline constexpr uint8_t kXmEffectPanning = 0x8;        // 0 left .. 255 right
inline constexpr uint8_t kXmEffectSampleOffset = 0x9;   // start 256 x param samples in
inline constexpr uint8_t kXmEffectVolumeSlide = 0xA;    // x0 up by x, 0y down by y per tick
inline constexpr uint8_t kXmEffectPositionJump = 0xB;   // order index
inline constexpr uint8_t kXmEffectSetVolume = 0xC;      // 0..64
inline constexpr uint8_t kXmEffectPatternBreak = 0xD;   // row of the next pattern, in decimal digits
inline constexpr uint8_t kXmEffectExtended = 0xE;       // xy: sub-effect x with value y
inline constexpr uint8_t kXmEffectSpeed = 0xF;          // 1..31 ticks a row, 32..255 beats a minute
inline constexpr uint8_t kXmEffectGlobalVolume = 0x10;  // written as G: 0..64
inline constexpr uint8_t kXmEffectKeyOff = 0x14;        // written as K: release after param ticks

// Note number of a note name such as "C-4", "C#4", "A-3" (letter, '-' or '#', octave 0..7).
// Throws std::invalid_argument on anything else.
uint8_t XmNote(const std::string& name);

// Volume column byte that sets the volume (0..64, clamped).
constexpr uint8_t XmVolume(int volume) {
  return uint8_t(0x10 + (volume < 0 ? 0 : volume > 64 ? 64 : volume));
}

// Relative note and fine-tune (1/128 semitone) that make C-4 play a sample at sampleRate.
struct TXmTuning {
  int8_t RelativeNote = 0;
  int8_t FineTune = 0;
};
TXmTuning XmTuneFor(double sampleRate);

struct TXmCell {
  uint8_t Note = 0;        // 0 none, 1..96, kXmKeyOff
  uint8_t Instrument = 0;  // 0 none, 1-based index into TXmModule::Instruments
  uint8_t Volume = 0;      // volume column: 0 none, XmVolume(v) sets it
  uint8_t Effect = 0;      // kXmEffect...; with Param 0 and Effect 0 there is no effect
  uint8_t Param = 0;
};

enum class TXmLoop : uint8_t { None = 0, Forward = 1, PingPong = 2 };

struct TXmSample {
  std::string Name;           // up to 22 characters are kept
  std::vector<int16_t> Data;  // mono sample values, full 16-bit scale
  bool SixteenBit = true;     // false stores the top 8 bits of each value
  TXmLoop Loop = TXmLoop::None;
  uint32_t LoopStart = 0;   // in samples
  uint32_t LoopLength = 0;  // in samples
  uint8_t Volume = 64;      // 0..64
  int8_t FineTune = 0;      // 1/128 semitone
  uint8_t Panning = 128;    // 0 left .. 255 right
  int8_t RelativeNote = 0;  // semitones added to every note played
};

struct TXmEnvelopePoint {
  uint16_t Tick = 0;   // ticks from the note's start, rising from point to point
  uint16_t Value = 0;  // 0..64
};

struct TXmEnvelope {
  std::vector<TXmEnvelopePoint> Points;  // up to kXmMaxEnvelopePoints; empty leaves it off
  int Sustain = -1;                      // point index held while the key is down, -1 none
  int LoopStart = -1;                    // point indices of a loop, -1 none
  int LoopEnd = -1;
};

struct TXmInstrument {
  std::string Name;                         // up to 22 characters are kept
  std::vector<TXmSample> Samples;           // up to kXmMaxSamplesPerInstrument; may be empty (silent)
  std::array<uint8_t, 96> SampleForNote{};  // index into Samples for each note 1..96
  TXmEnvelope VolumeEnvelope;
  TXmEnvelope PanningEnvelope;
  uint16_t FadeOut = 0;  // volume lost per tick after key off (of 65536)
  uint8_t VibratoType = 0;
  uint8_t VibratoSweep = 0;
  uint8_t VibratoDepth = 0;
  uint8_t VibratoRate = 0;
};

// Rows x channels cells; row-major.
struct TXmPattern {
  TXmPattern(int rows, int channels);
  TXmCell& At(int row, int channel);
  const TXmCell& At(int row, int channel) const;

  int Rows;
  int Channels;
  std::vector<TXmCell> Cells;
};

struct TXmModule {
  std::string Name;  // up to 20 characters are kept
  std::string Tracker = "Morvel XM writer";
  int Channels = 4;               // 1..kXmMaxChannels; every pattern has this many
  bool LinearFrequencies = true;  // the usual table; false uses Amiga periods
  uint16_t Speed = 6;             // ticks a row
  uint16_t Tempo = 125;           // beats a minute (a tick lasts 2.5 / Tempo seconds)
  std::vector<uint8_t> Orders;    // pattern indices in playing order, 1..kXmMaxOrders
  uint16_t RestartPosition = 0;   // order index a looping module continues at
  std::vector<TXmPattern> Patterns;
  std::vector<TXmInstrument> Instruments;  // up to kXmMaxInstruments
};

// The module as file bytes. Throws std::invalid_argument when the module breaks a limit of the
// format (no orders, an order naming a missing pattern, a pattern of another channel count, a
// cell naming a missing instrument, a loop beyond its sample, too many of something).
std::vector<uint8_t> WriteXm(const TXmModule& module);

// WriteXm to a file; throws std::runtime_error when the file cannot be written.
void WriteXmFile(const TXmModule& module, const std::string& path);
