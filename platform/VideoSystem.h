#pragma once

#include "platform/RenderDevice.h"

// Why a render device could not be opened.
enum class TVideoFailure {
  None,
  NoVideo,   // the window system or the window itself is not available
  NoDevice,  // the window exists, but no renderer can draw into it
};

struct TOpenedDevice {
  TRenderDevice* Device = nullptr;  // owned by the video system
  TVideoFailure Failure = TVideoFailure::None;
};

// The window the display draws into, seen from the display.
class TVideoSystem {
 public:
  virtual ~TVideoSystem() = default;
  virtual TOpenedDevice OpenDevice(int width, int height, bool fullScreen) = 0;
  virtual void SetFullScreen(bool fullScreen) = 0;
  virtual void ShowCursor(bool show) = 0;
  virtual void Beep() = 0;
};

// A video system without a window, around a device the caller owns (tests, benchmarks, null runs).
class TDeviceOnlyVideo final : public TVideoSystem {
 public:
  explicit TDeviceOnlyVideo(TRenderDevice* device) : Device(device) {}
  TOpenedDevice OpenDevice(int, int, bool) override {
    return {Device, Device ? TVideoFailure::None : TVideoFailure::NoDevice};
  }
  void SetFullScreen(bool fullScreen) override { FullScreen = fullScreen; }
  void ShowCursor(bool show) override { CursorShown = show; }
  void Beep() override { ++Beeps; }

  bool FullScreen = false;
  bool CursorShown = true;
  int Beeps = 0;

 private:
  TRenderDevice* Device;
};
