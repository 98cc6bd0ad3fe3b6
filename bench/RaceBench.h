#pragma once

// A catalogue track's full race moved and drawn on the recording device, which keeps nothing, so
// that a benchmark measures only the game's own share of a race frame. Reads the built game
// folder's pictures and tracks.
#include <memory>
#include <optional>
#include <string>

#include "engine/OmegaImageList.h"
#include "engine/OmegaScreen.h"
#include "platform/RecordingRenderDevice.h"
#include "race/GameConstants.h"
#include "race/RaceSimulation.h"

struct TRaceBench {
  TRecordingRenderDevice Device;
  TDeviceOnlyVideo Video{&Device};
  TMessageBoxes Messages{true};
  TOmegaScreen Screen{Video, Messages};
  TOmegaImageList GameImages{Messages};
  TOmegaImageList MenuImages{Messages};
  const int TrackIndex;
  const TTrack& Track = kTrackCatalogue[size_t(TrackIndex)];
  const uint32_t Seed;
  std::string TrackFile;

  TRaceBench(int track, uint32_t seed) : TrackIndex(track), Seed(seed) {
    Device.RecordDraws = false;
    Screen.Initialize();
    const std::string folder = MORVEL_GAME_DIR;
    GameImages.LoadFromFile(folder + "/Data/data2.oil");
    MenuImages.LoadFromFile(folder + "/Data/data1.oil");
    for (TOmegaImageList* images : {&GameImages, &MenuImages}) {
      images->SetOmegaScreen(&Screen);
      images->BuildTextures();
    }
    const std::string dataFile(Track.DataFile);
    TrackFile = folder + "/Data/" + dataFile.substr(dataFile.rfind('\\') + 1);
  }

  // A race with the first car, the player's driven by the autopilot.
  std::unique_ptr<TRaceSimulation> Race() {
    return std::make_unique<TRaceSimulation>(Track, TrackFile, 0, Seed, Messages, GameImages, MenuImages);
  }

  // One race frame as the race screen runs it: the draw pass, then the moves.
  void Frame(TRaceSimulation& race) {
    Screen.Clear(0, 0, 0, 0);
    Screen.BeginScene();
    race.Draw();
    race.Frame();
    Screen.EndScene();
  }
};
