#include "tools/sound/Composer.h"

#include <algorithm>
#include <array>

#include "tools/sound/Instruments.h"
#include "tools/sound/Synth.h"

namespace {

enum TChannel { kBass, kPadLow, kPadMid, kPadHigh, kLead, kBell, kKick, kSnare, kHiHat, kChannelCount };
enum TInstrumentNumber : uint8_t {
  kBassInstrument = 1,
  kLeadInstrument,
  kPadInstrument,
  kBellInstrument,
  kKickInstrument,
  kSnareInstrument,
  kHiHatInstrument
};

constexpr int kMajor[7] = {0, 2, 4, 5, 7, 9, 11};
constexpr int kMinor[7] = {0, 2, 3, 5, 7, 8, 10};

// Places scale degrees of the tune's key (any integer, 7 to the octave) on notes.
class TKey {
 public:
  explicit TKey(const TTuneStyle& style)
      : Root(XmNote(style.KeyRoot + "0")), Scale(style.Minor ? kMinor : kMajor) {}
  uint8_t Note(int degree, int octave) const {
    const int wrapped = ((degree % 7) + 7) % 7;
    const int octaves = (degree - wrapped) / 7;
    return uint8_t(Root + 12 * (octave + octaves) + Scale[wrapped]);
  }

 private:
  int Root;
  const int* Scale;
};

char RhythmAt(const std::vector<std::string>& rhythms, int bar, int row) {
  const std::string& rhythm = rhythms[size_t(bar) % rhythms.size()];
  return rhythm[size_t(row) % rhythm.size()];
}

bool IsChordTone(int degree, int chord) {
  const int step = ((degree - chord) % 7 + 7) % 7;
  return step == 0 || step == 2 || step == 4;
}

int NearestChordTone(int degree, int chord) {
  for (int distance = 0;; ++distance) {
    if (IsChordTone(degree - distance, chord)) return degree - distance;
    if (IsChordTone(degree + distance, chord)) return degree + distance;
  }
}

class TArranger {
 public:
  TArranger(const TTuneStyle& style, TXmPattern& pattern) : Style(style), Key(style), Pattern(pattern) {}

  void Section(const TSection& section) {
    for (int bar = 0; bar < kBarsPerSection; ++bar) {
      Bass(bar, section.Chords[size_t(bar)]);
      Pad(bar, section.Chords[size_t(bar)]);
      if (section.Bell) Bell(bar, section.Chords[size_t(bar)]);
      Drums(bar, section.Drums, section.Fill && bar == kBarsPerSection - 1);
    }
    if (section.Lead) Melody(section);
  }

 private:
  TXmCell& Cell(int bar, int row, TChannel channel) { return Pattern.At(bar * kRowsPerBar + row, channel); }

  void Bass(int bar, int chord) {
    for (int row = 0; row < kRowsPerBar; ++row) {
      const char step = RhythmAt(Style.BassRhythms, bar, row);
      TXmCell& cell = Cell(bar, row, kBass);
      if (step == '^') cell.Note = kXmKeyOff;
      if (step != 'R' && step != 'O' && step != 'F') continue;
      const int degree = chord + (step == 'F' ? 4 : 0) - (chord > 3 ? 7 : 0);
      cell = {Key.Note(degree, step == 'O' ? 3 : 2), kBassInstrument, XmVolume(Style.BassVolume)};
    }
  }

  // Three voices held through the bar. Every chord tone is placed within one octave of the scale
  // (from its second degree up), so neighbouring chords share notes and move by small steps.
  void Pad(int bar, int chord) {
    const TChannel voices[3] = {kPadLow, kPadMid, kPadHigh};
    std::array<int, 3> degrees{};
    for (int voice = 0; voice < 3; ++voice) degrees[size_t(voice)] = (chord + 2 * voice + 6) % 7 + 1;
    std::sort(degrees.begin(), degrees.end());
    for (int voice = 0; voice < 3; ++voice) {
      const uint8_t note = Key.Note(degrees[size_t(voice)], 4);
      if (note == PadNotes[voice]) continue;  // a held note carries on into the next bar
      PadNotes[voice] = note;
      Cell(bar, 0, voices[voice]) = {note, kPadInstrument, XmVolume(Style.PadVolume)};
    }
  }

  void Bell(int bar, int chord) {
    int step = 0;
    for (int row = 0; row < kRowsPerBar; ++row) {
      const char hit = Style.BellRhythm[size_t(row) % Style.BellRhythm.size()];
      if (hit == '.') continue;
      const int degree = chord + 2 * (step % 4 == 3 ? 1 : step % 4);  // root, third, fifth, third
      ++step;
      const int volume = hit == 'x' ? Style.BellVolume : Style.BellVolume * 2 / 3;
      Cell(bar, row, kBell) = {Key.Note(degree, 5), kBellInstrument, XmVolume(volume)};
    }
  }

  void Drums(int bar, int level, bool fill) {
    if (level == 0) return;
    struct TPart {
      const std::string& Rhythm;
      TChannel Channel;
      uint8_t Instrument;
      int MinLevel;
    };
    const TPart parts[] = {{Style.Kick, kKick, kKickInstrument, 1},
                           {Style.Snare, kSnare, kSnareInstrument, 2},
                           {Style.HiHat, kHiHat, kHiHatInstrument, 1}};
    for (const TPart& part : parts) {
      if (level < part.MinLevel) continue;
      for (int row = 0; row < kRowsPerBar; ++row) {
        char hit = part.Rhythm[size_t(row) % part.Rhythm.size()];
        if (fill && part.Channel == kSnare && row >= 12) hit = row % 2 == 0 ? 'x' : 'o';
        if (hit == '.') continue;
        const int volume = hit == 'x' ? Style.DrumVolume : Style.DrumVolume / 2;
        Cell(bar, row, part.Channel) = {XmNote("C-4"), part.Instrument, XmVolume(volume)};
      }
    }
  }

  // Two one-bar motifs of scale steps (A for bars 1 and 3, B for bar 2, a cadence for bar 4); the
  // notes on the beats land on tones of the bar's chord, and the phrase ends on the chord's root.
  void Melody(const TSection& section) {
    TNoise random(section.Seed);
    std::vector<int> motifs[2];
    constexpr int kSteps[] = {-2, -1, -1, 0, 1, 1, 2};  // mostly stepwise, now and then a skip
    for (std::vector<int>& motif : motifs) {
      for (int row = 0; row < kRowsPerBar; ++row) motif.push_back(kSteps[int((random.Next() + 1.0) * 3.5)]);
    }
    int degree = 4 + section.Chords[0];
    bool sounding = false;
    for (int bar = 0; bar < kBarsPerSection; ++bar) {
      const int chord = section.Chords[size_t(bar)];
      const std::vector<int>& motif = motifs[bar == 1 ? 1 : 0];
      for (int row = 0; row < kRowsPerBar; ++row) {
        const char step = RhythmAt(Style.LeadRhythms, bar, row);
        TXmCell& cell = Cell(bar, row, kLead);
        if (step == '.' && sounding) {
          cell.Note = kXmKeyOff;
          sounding = false;
        }
        if (step != 'x') continue;
        degree += motif[size_t(row)];
        if (degree > 11 || degree < 0) degree -= 2 * motif[size_t(row)];  // turn back at the range's edges
        if (row % 4 == 0) degree = NearestChordTone(degree, chord);
        if (bar == kBarsPerSection - 1 && row >= 8)
          degree = NearestChordTone(chord + (degree > 6 ? 7 : 0), chord);
        cell = {Key.Note(degree, Style.LeadOctave - 1), kLeadInstrument, XmVolume(Style.LeadVolume)};
        sounding = true;
      }
    }
  }

  const TTuneStyle& Style;
  TKey Key;
  TXmPattern& Pattern;
  uint8_t PadNotes[3] = {0, 0, 0};
};

}  // namespace

TXmModule ComposeTune(const TTuneStyle& style) {
  TXmModule module;
  module.Name = style.Name;
  module.Channels = kChannelCount;
  module.Tempo = style.Tempo;
  module.Speed = style.Speed;
  module.Instruments = {MakeBass(), MakeLead(), MakePad(), MakeBell(), MakeKick(), MakeSnare(), MakeHiHat()};
  for (const TSection& section : style.Sections) {
    TXmPattern pattern(kRowsPerBar * kBarsPerSection, kChannelCount);
    TArranger(style, pattern).Section(section);
    // Spread the band a little across the stereo field.
    pattern.At(0, kPadLow).Effect = kXmEffectPanning, pattern.At(0, kPadLow).Param = 80;
    pattern.At(0, kPadHigh).Effect = kXmEffectPanning, pattern.At(0, kPadHigh).Param = 176;
    pattern.At(0, kBell).Effect = kXmEffectPanning, pattern.At(0, kBell).Param = 170;
    pattern.At(0, kHiHat).Effect = kXmEffectPanning, pattern.At(0, kHiHat).Param = 96;
    module.Patterns.push_back(std::move(pattern));
  }
  module.Orders = style.Form;
  module.RestartPosition = style.RestartPosition;
  return module;
}
