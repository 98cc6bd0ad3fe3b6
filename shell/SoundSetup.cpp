#include "shell/SoundSetup.h"

#include "assets/OmegaSound3D.h"

namespace {

struct TEffect {
  const char* Name;
  const char* File;
  int Volume;
};

constexpr TEffect kEffects[] = {
    {"check", "Sounds\\Lighter 03.wav", 100},
    {"check2", "Sounds\\Switch 04.wav", 100},
    {"begin", "Sounds\\Car Start 01.wav", 95},
    {"finish", "Sounds\\finish.wav", 90},
    {"svet1", "Sounds\\svet1.wav", 100},
    {"svet2", "Sounds\\svet2.wav", 100},
    // The race's own sounds, played by the race's voices rather than on the path.
    {"engine1", "Sounds\\engine1.wav", 100},
    {"engine2", "Sounds\\engine2.wav", 100},
    {"engine3", "Sounds\\engine3.wav", 100},
    {"engine4", "Sounds\\engine4.wav", 100},
    {"engine5", "Sounds\\engine5.wav", 100},
    {"skid", "Sounds\\skid.wav", 100},
    {"crash", "Sounds\\crash.wav", 100},
    {"lap", "Sounds\\lap.wav", 100},
};

struct TModule {
  const char* Name;
  const char* File;
};

constexpr TModule kModules[] = {
    {"menumusic", "Sounds\\1.xm"},
    {"gamemusic", "Sounds\\2.xm"},
    {"losemusic", "Sounds\\3.xm"},
};

}  // namespace

void ConfigureSound3D(TOmegaSound3D& sound) {
  TAudioPathListItem& path = sound.AudioPathList.Add();
  path.Name = "path";
  path.AudioPathType = TAudioPathType::aptStereo;
  path.Pool = false;
  path.Channels = 32;
  path.Frequency = 22050;
  for (const TEffect& effect : kEffects) {
    TSoundListItem& item = sound.SoundList.Add();
    item.Name = effect.Name;
    item.FileName = effect.File;
    item.Volume = effect.Volume;
  }
  for (const TModule& module : kModules) {
    TModListItem& item = sound.ModList.Add();
    item.Name = module.Name;
    item.FileName = module.File;
    item.Loop = true;
  }
}
