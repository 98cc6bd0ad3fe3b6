#pragma once

#include <memory>
#include <vector>

#include "platform/GameControllers.h"
#include "platform/InputEvent.h"
#include "platform/VideoSystem.h"

struct SDL_Window;
class TSdlRenderDevice;

enum class TRenderKind { Gl, Software };

struct TVideoOptions {
  bool Headless = false;  // the offscreen driver: no window on any screen
  TRenderKind Render = TRenderKind::Gl;
};

// The game's window on SDL, with its render device and its input. OpenGL draws by the game's own
// device; SDL's renderer stands in where that cannot run, and for the software kind.
class TSdlVideo final : public TVideoSystem {
 public:
  explicit TSdlVideo(const TVideoOptions& options);
  ~TSdlVideo() override;
  TSdlVideo(const TSdlVideo&) = delete;
  TSdlVideo& operator=(const TSdlVideo&) = delete;

  TOpenedDevice OpenDevice(int width, int height, bool fullScreen) override;
  void SetFullScreen(bool fullScreen) override;
  void ShowCursor(bool show) override;
  void Beep() override;

  // Moves the pending window events into events, translated for the game.
  void PollEvents(std::vector<TInputEvent>& events);

 private:
  void Translate(const union SDL_Event& event, std::vector<TInputEvent>& events);
  void ToBuffer(int windowX, int windowY, TInputEvent& event) const;

  TVideoOptions Options;
  bool VideoReady = false;
  SDL_Window* Window = nullptr;
  std::unique_ptr<TRenderDevice> Device;
  TSdlRenderDevice* SdlDevice = nullptr;          // the device when it stands on an SDL renderer
  std::unique_ptr<TGameControllers> Controllers;  // only with a window
};
