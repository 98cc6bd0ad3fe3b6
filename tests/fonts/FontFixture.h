#pragma once

#include <gtest/gtest.h>

#include "engine/FontLibrary.h"
#include "engine/OmegaScreen.h"
#include "platform/RecordingRenderDevice.h"

// A display on the recording device, opened, with the system fonts.
struct FontFixture : testing::Test {
  TRecordingRenderDevice Device;
  TDeviceOnlyVideo Video{&Device};
  TMessageBoxes Messages{true};
  TOmegaScreen Screen{Video, Messages};
  TFontLibrary Fonts;

  void Open() {
    Screen.Initialize();
    Screen.BeginScene();
  }
  // Whether any texel of the rectangle (in texels) is not fully transparent.
  static bool AnyCovered(const TRecordingRenderDevice::TTexture& texture, int left, int top, int right,
                         int bottom) {
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x)
        if (texture.Pixels[size_t(y) * size_t(texture.Width) + size_t(x)] >> 24) return true;
    return false;
  }
};
