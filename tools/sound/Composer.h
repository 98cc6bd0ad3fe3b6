#pragma once

// Turns a tune's description (key, chords, rhythms, form) into a module: bass, a three-voice pad,
// a lead melody, a bell arpeggio and drums. Melodies are drawn from the chords with a seeded
// generator, so each tune comes out the same every time.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/xm/XmWriter.h"

inline constexpr int kRowsPerBar = 16;
inline constexpr int kBarsPerSection = 4;

// Rhythm strings hold one character per row of a bar (16 rows, four to a beat):
//   bass:  'R' root, 'O' root an octave up, 'F' fifth, '.' nothing, '^' release
//   lead:  'x' a new note, '-' hold, '.' release (once) and rest
//   bell and drums: 'x' strike, 'o' soft strike, '.' nothing
struct TSection {
  std::array<int, kBarsPerSection> Chords{};  // scale degrees of the bars' chords, 0 = the key's own
  bool Lead = true;
  bool Bell = false;
  int Drums = 2;      // 0 none, 1 kick and hi-hat, 2 the full kit
  bool Fill = false;  // a snare run leading into the next section
  uint32_t Seed = 1;  // the melody's seed
};

struct TTuneStyle {
  std::string Name;
  uint16_t Tempo = 125;
  uint16_t Speed = 6;
  std::string KeyRoot = "C-";  // note letter and '-' or '#'
  bool Minor = false;
  std::vector<std::string> BassRhythms;  // bar by bar, repeating
  std::vector<std::string> LeadRhythms;  // bar by bar, repeating
  std::string BellRhythm;
  std::string Kick, Snare, HiHat;
  int LeadOctave = 5;
  int BassVolume = 60, PadVolume = 28, LeadVolume = 52, BellVolume = 28, DrumVolume = 60;
  std::vector<TSection> Sections;
  std::vector<uint8_t> Form;  // section indices in playing order
  uint16_t RestartPosition = 0;
};

TXmModule ComposeTune(const TTuneStyle& style);
