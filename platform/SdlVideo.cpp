#include "platform/SdlVideo.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/Cp1251.h"
#include "platform/GlRenderDevice.h"
#include "platform/KeyMap.h"
#include "platform/Letterbox.h"
#include "platform/SdlRenderDevice.h"

namespace {

constexpr const char* kTitle = "Morvel Racing";

std::string RendererName(SDL_Renderer* renderer) {
  SDL_RendererInfo info{};
  SDL_GetRendererInfo(renderer, &info);
  return info.name ? info.name : "";
}

// Headless runs want OpenGL (every blend pair, filtered rotation); the software renderer is the
// fallback everywhere, and the window takes whatever accelerated renderer SDL offers.
SDL_Renderer* CreateRenderer(SDL_Window* window, const TVideoOptions& options) {
  const Uint32 flags = SDL_RENDERER_TARGETTEXTURE;
  if (options.Headless && options.Render == TRenderKind::Software)
    return SDL_CreateRenderer(window, -1, flags | SDL_RENDERER_SOFTWARE);
  SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, flags | SDL_RENDERER_ACCELERATED);
  if (renderer && (!options.Headless || RendererName(renderer) == "opengl")) return renderer;
  if (renderer) {
    std::fprintf(stderr, "Morvel Racing: the renderer is '%s', not OpenGL; using the software renderer\n",
                 RendererName(renderer).c_str());
    SDL_DestroyRenderer(renderer);
  } else {
    std::fprintf(stderr, "Morvel Racing: no accelerated renderer (%s); using the software renderer\n",
                 SDL_GetError());
  }
  return SDL_CreateRenderer(window, -1, flags | SDL_RENDERER_SOFTWARE);
}

TMouseButton ToButton(Uint8 button) {
  if (button == SDL_BUTTON_RIGHT) return TMouseButton::Right;
  if (button == SDL_BUTTON_MIDDLE) return TMouseButton::Middle;
  return TMouseButton::Left;
}

}  // namespace

TSdlVideo::TSdlVideo(const TVideoOptions& options) : Options(options) {
  SDL_SetHint(SDL_HINT_RENDER_BATCHING, "1");
  SDL_SetHint(SDL_HINT_RENDER_VSYNC, "0");  // game time counts frames; a retrace wait would slow it
  if (options.Headless) {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "offscreen");
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, options.Render == TRenderKind::Gl ? "opengl" : "software");
  }
  // Mesa's software rasteriser spends more processor time handing a frame this light to its worker
  // threads than they save: it draws in the game's thread unless the player says otherwise.
  setenv("LP_NUM_THREADS", "0", 0);
  VideoReady = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
  if (!VideoReady) std::fprintf(stderr, "Morvel Racing: no video: %s\n", SDL_GetError());
  if (VideoReady && !options.Headless) Controllers = std::make_unique<TGameControllers>();
}

TSdlVideo::~TSdlVideo() {
  Controllers.reset();
  SdlDevice = nullptr;
  Device.reset();
  if (Window) SDL_DestroyWindow(Window);
  if (VideoReady) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

TOpenedDevice TSdlVideo::OpenDevice(int width, int height, bool fullScreen) {
  if (!VideoReady) return {nullptr, TVideoFailure::NoVideo};
  SdlDevice = nullptr;
  Device.reset();
  if (Window) SDL_DestroyWindow(Window);
  // The picture keeps its shape in any window size (letterboxed), so the player may resize.
  Uint32 flags = fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : SDL_WINDOW_RESIZABLE;
  const bool gl = Options.Render == TRenderKind::Gl;
  if (gl) flags |= SDL_WINDOW_OPENGL;
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);  // the game draws in order, with no depth test
  Window = SDL_CreateWindow(kTitle, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height, flags);
  if (!Window) {
    std::fprintf(stderr, "Morvel Racing: no window: %s\n", SDL_GetError());
    return {nullptr, TVideoFailure::NoVideo};
  }
  if (gl) {
    auto device = std::make_unique<TGlRenderDevice>(Window, width, height, Options.Headless);
    if (device->Failure().empty()) {
      Device = std::move(device);
      return {Device.get(), TVideoFailure::None};
    }
    std::fprintf(stderr, "Morvel Racing: cannot draw with OpenGL (%s); using SDL's renderer\n",
                 device->Failure().c_str());
  }
  SDL_Renderer* renderer = CreateRenderer(Window, Options);
  if (!renderer) {
    std::fprintf(stderr, "Morvel Racing: no renderer: %s\n", SDL_GetError());
    return {nullptr, TVideoFailure::NoDevice};
  }
  auto device = std::make_unique<TSdlRenderDevice>(renderer, width, height, Options.Headless);
  if (!device->Valid()) {
    std::fprintf(stderr, "Morvel Racing: no back buffer: %s\n", SDL_GetError());
    return {nullptr, TVideoFailure::NoDevice};
  }
  SdlDevice = device.get();
  Device = std::move(device);
  return {Device.get(), TVideoFailure::None};
}

void TSdlVideo::SetFullScreen(bool fullScreen) {
  if (Window) SDL_SetWindowFullscreen(Window, fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
}

void TSdlVideo::ShowCursor(bool show) {
  if (VideoReady) SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

void TSdlVideo::Beep() {
  std::fputc('\a', stderr);
  std::fflush(stderr);
}

void TSdlVideo::PollEvents(std::vector<TInputEvent>& events) {
  if (!VideoReady) return;
  SDL_Event event;
  while (SDL_PollEvent(&event)) Translate(event, events);
}

void TSdlVideo::ToBuffer(int windowX, int windowY, TInputEvent& event) const {
  int windowWidth = 0, windowHeight = 0;
  if (Window) SDL_GetWindowSize(Window, &windowWidth, &windowHeight);
  int bufferWidth = Device ? Device->Width() : windowWidth,
      bufferHeight = Device ? Device->Height() : windowHeight;
  OutputToBuffer(ComputeLetterbox(windowWidth, windowHeight, bufferWidth, bufferHeight), windowX, windowY,
                 event.X, event.Y);
}

void TSdlVideo::Translate(const SDL_Event& event, std::vector<TInputEvent>& events) {
  TInputEvent out;
  switch (event.type) {
    case SDL_QUIT:
      out.Kind = TInputKind::Quit;
      break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      out.Kind = event.type == SDL_KEYDOWN ? TInputKind::KeyDown : TInputKind::KeyUp;
      out.Key = VirtualKeyFromKeySym(event.key.keysym.sym);
      if (out.Key == 0) return;
      break;
    case SDL_TEXTINPUT:
      out.Kind = TInputKind::Text;
      out.Text = Utf8ToCp1251(event.text.text);
      if (out.Text.empty()) return;
      break;
    case SDL_MOUSEMOTION:
      out.Kind = TInputKind::MouseMove;
      ToBuffer(event.motion.x, event.motion.y, out);
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      out.Kind = event.type == SDL_MOUSEBUTTONDOWN ? TInputKind::MouseDown : TInputKind::MouseUp;
      out.Button = ToButton(event.button.button);
      out.Clicks = event.button.clicks;
      ToBuffer(event.button.x, event.button.y, out);
      break;
    case SDL_MOUSEWHEEL: {
      out.Kind = TInputKind::MouseWheel;
      out.WheelDelta = event.wheel.y;
      int x = 0, y = 0;
      SDL_GetMouseState(&x, &y);
      ToBuffer(x, y, out);
      break;
    }
    case SDL_RENDER_DEVICE_RESET:
      if (SdlDevice) SdlDevice->MarkLost();
      return;
    default:
      if (Controllers) Controllers->Translate(event, events);
      return;
  }
  events.push_back(std::move(out));
}
