#include "tools/sound/Tunes.h"

// Chords are scale degrees: 0 the key's own chord, 3 the fourth, 4 the fifth, 5 the sixth.

TTuneStyle MenuTune() {
  // Bright and bouncy in C major: octave-jumping bass, a bell arpeggio and a skipping lead.
  TTuneStyle style;
  style.Name = "Morvel menus";
  style.Tempo = 125;
  style.KeyRoot = "C-";
  style.BassRhythms = {"R.O.R.O.R.O.R.O."};
  style.LeadRhythms = {"x.x-x...x-x.x---", "x-x.x.x-x---..x.", "x.x-x...x-x.x-x.", "x-x.x-x.x-------"};
  style.BellRhythm = "x.o.x.o.";
  style.Kick = "x.......x.......";
  style.Snare = "....x.......x...";
  style.HiHat = "..x...x...x...x.";
  style.Sections = {
      {{0, 4, 5, 3}, false, true, 1, false, 11},  // intro: no lead yet
      {{0, 4, 5, 3}, true, true, 2, false, 21},
      {{3, 0, 3, 4}, true, false, 2, true, 37},
      {{5, 3, 0, 4}, true, true, 2, false, 53},
      {{5, 4, 3, 4}, true, true, 2, false, 61},
      {{0, 3, 0, 4}, true, false, 1, false, 73},  // lighter: kick and hi-hat only
      {{1, 4, 0, 5}, true, true, 2, true, 89},
      {{3, 4, 5, 0}, false, true, 2, false, 97},  // the bells take the tune
  };
  style.Form = {0, 1, 2, 1, 3, 4, 5, 2, 6, 7, 3, 1};
  style.RestartPosition = 1;
  return style;
}

TTuneStyle RaceTune() {
  // Driving A minor at a quicker pace: a pumping sixteenth-note bass, four-on-the-floor kick.
  TTuneStyle style;
  style.Name = "Morvel race";
  style.Tempo = 140;
  style.Speed = 5;
  style.KeyRoot = "A-";
  style.Minor = true;
  style.BassRhythms = {"RRORRROFRRORRROF"};
  style.LeadRhythms = {"x-x-x.x-x-x.x-x-", "x---x-x-x---x.x.", "x-x-x.x-x-x.x-x-", "x-x-x-x-x-------"};
  style.BellRhythm = "xoxo";
  style.Kick = "x...x...x...x...";
  style.Snare = "....x.......x...";
  style.HiHat = "xoxoxoxoxoxoxoxo";
  style.LeadOctave = 5;
  style.BassVolume = 64;
  style.PadVolume = 22;
  style.BellVolume = 20;
  style.Sections = {
      {{0, 0, 5, 6}, false, false, 1, true, 101},  // engines warming up
      {{0, 5, 2, 6}, true, false, 2, false, 211},
      {{0, 5, 2, 6}, true, true, 2, true, 307},
      {{3, 4, 0, 0}, true, false, 2, false, 401},
      {{5, 6, 0, 4}, false, true, 2, true, 503},  // breakdown with the arpeggio
      {{5, 3, 0, 4}, true, false, 2, false, 601},
      {{3, 5, 6, 4}, true, true, 2, true, 701},
      {{0, 6, 5, 6}, false, false, 1, false, 809},  // the band drops to bass, kick and hats
      {{2, 5, 3, 4}, true, true, 2, true, 907},
      {{0, 3, 6, 2}, true, false, 2, false, 1009},
  };
  // Over two minutes before the tune comes round again, so a race rarely hears it twice.
  style.Form = {0, 1, 2, 3, 1, 4, 5, 6, 2, 3, 7, 8, 9, 1, 6, 5, 4, 8, 2, 9, 7, 6, 3, 1};
  style.RestartPosition = 1;
  return style;
}

TTuneStyle ResultsTune() {
  // Calm and proud in F major: long pad chords, a slow singing lead, gentle drums.
  TTuneStyle style;
  style.Name = "Morvel results";
  style.Tempo = 100;
  style.KeyRoot = "F-";
  style.BassRhythms = {"R.......F...R...", "R.......R...O..."};
  style.LeadRhythms = {"x-----x-x-------", "x---x---x-------", "x-----x-x---x---", "x---------------"};
  style.BellRhythm = "x...o...";
  style.Kick = "x.......x.......";
  style.Snare = "....x.......x...";
  style.HiHat = "..o...o...o...o.";
  style.PadVolume = 32;
  style.LeadVolume = 48;
  style.DrumVolume = 46;
  style.Sections = {
      {{0, 3, 4, 0}, false, true, 0, false, 7},  {{0, 3, 5, 4}, true, false, 1, false, 17},
      {{3, 4, 2, 5}, true, true, 2, false, 29},  {{3, 4, 0, 0}, true, true, 2, false, 41},
      {{5, 4, 3, 0}, true, false, 1, false, 53}, {{1, 4, 0, 3}, true, true, 2, false, 67},
      {{3, 0, 4, 5}, false, true, 1, false, 79}, {{0, 5, 3, 4}, true, true, 2, true, 83},
  };
  style.Form = {0, 1, 2, 1, 4, 5, 3, 6, 7, 2, 3};
  style.RestartPosition = 1;
  return style;
}
