// morvel-sound: writes the game's sound effects and music into its "Sounds" folder.
// Usage: morvel-sound <folder>

#include <exception>
#include <filesystem>
#include <iostream>

#include "tools/sound/Effects.h"
#include "tools/sound/RaceEffects.h"
#include "tools/sound/Synth.h"
#include "tools/sound/Tunes.h"
#include "tools/sound/Wav.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: morvel-sound <folder>\n";
    return 2;
  }
  try {
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    for (const auto& effects : {MakeSoundEffects(), MakeRaceEffects()}) {
      for (const TSoundEffect& effect : effects)
        WriteWaveFile((folder / effect.FileName).string(), ToPcm16(effect.Samples), effect.Rate);
    }
    WriteXmFile(ComposeTune(MenuTune()), (folder / "1.xm").string());
    WriteXmFile(ComposeTune(RaceTune()), (folder / "2.xm").string());
    WriteXmFile(ComposeTune(ResultsTune()), (folder / "3.xm").string());
  } catch (const std::exception& error) {
    std::cerr << "morvel-sound: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
