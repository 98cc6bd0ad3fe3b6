#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/RecordingRenderDevice.h"
#include "shell/Form1.h"
#include "state/TempFolder.h"

// The form reads and writes its files in the working directory: each test runs it in a folder of
// its own that holds the menu pictures, without which the game ends.
struct FormInFolder : testing::Test {
  TTempFolder Folder;
  std::filesystem::path Previous = std::filesystem::current_path();
  TRecordingRenderDevice Device;
  TDeviceOnlyVideo Video{&Device};
  TVirtualClock Clock;
  TMessageBoxes Messages{true};
  TForm1 Form{{Video, Clock, Messages, true, 7u, {}}};

  FormInFolder() {
    Folder.CopyMenuPictures();
    std::filesystem::current_path(Folder.Folder());
  }
  ~FormInFolder() override { std::filesystem::current_path(Previous); }

  // One frame as the main loop runs it.
  void RunFrame() {
    Clock.Advance(TVirtualClock::kFrequency / 90);
    Form.RaceTimer.Poll();
    Form.OmegaTimer1.Tick();
  }
};
