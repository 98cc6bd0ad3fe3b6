#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/MessageBox.h"
#include "platform/RenderDevice.h"
#include "platform/VideoSystem.h"

class TOmegaScreen;

// A component that keeps textures or other resources on the display's device: created after
// every device creation or reset, released before every reset and at the end.
class TDeviceClient {
 public:
  virtual ~TDeviceClient() = default;
  virtual void DeviceCreated(TOmegaScreen& screen) = 0;
  virtual void DeviceReleasing(TOmegaScreen& screen) = 0;
};

// Image lists build their textures before the other components come up.
enum class TClientPass { Textures, Others };

enum class TPoolType { plManaged, plDefault };
enum class TRenderMode { rmHardware, rmReference, rmSoftware };

// Failure codes of the display and their texts.
namespace DisplayError {
constexpr int64_t NoDisplay = 0x82000001;
constexpr int64_t NoCompatibleDevice = 0x08200003;
constexpr int64_t OutOfMemory = int32_t(0x8007000E);
constexpr int64_t OutOfVideoMemory = int32_t(0x8876017C);
std::string Text(int64_t code);
}  // namespace DisplayError

struct TBackBufferSize {
  int Width, Height;
  bool Beep;  // full screen asked for a size the display does not offer
};
TBackBufferSize ChooseBackBuffer(bool fullScreen, int width, int height);

// The display: owns the drawing device for the game's window, clears, opens and closes the
// scene, presents, switches full screen, and submits every quad of the game with the
// screen-wide transform and colour.
class TOmegaScreen {
 public:
  TOmegaScreen(TVideoSystem& video, TMessageBoxes& messages);
  ~TOmegaScreen();
  TOmegaScreen(const TOmegaScreen&) = delete;
  TOmegaScreen& operator=(const TOmegaScreen&) = delete;

  // Published settings.
  TPoolType Pool = TPoolType::plManaged;
  float ScaleX = 1, ScaleY = 1;
  int CenterX = 0, CenterY = 0;
  int OffsetX = 0, OffsetY = 0;
  float Rotation = 0;
  TRenderMode RenderMode = TRenderMode::rmHardware;
  int Width = 800, Height = 600;
  bool ZBuffer = true;
  bool VSYNC = false;
  bool BackBufferAccess = false;
  int BBCount = 0;

  uint8_t Red() const { return ColorRed; }
  uint8_t Green() const { return ColorGreen; }
  uint8_t Blue() const { return ColorBlue; }
  uint8_t Alpha() const { return ColorAlpha; }
  void SetRed(uint8_t value);
  void SetGreen(uint8_t value);
  void SetBlue(uint8_t value);
  void SetAlpha(uint8_t value);
  uint32_t ScreenColor() const { return Color; }

  int Bpp() const { return BitsPerPixel; }
  void SetBpp(int value);  // 32, anything else is 16
  unsigned Frequency() const { return RefreshRate; }
  void SetFrequency(unsigned value);  // a rate the display offers, anything else 0
  bool FullScreen() const { return IsFullScreen; }
  void SetFullScreenSetting(bool value) { IsFullScreen = value; }  // before Initialize
  bool ShowMouseCursor() const { return CursorShown; }
  void SetShowMouseCursor(bool show);

  void AddClient(TDeviceClient& client, TClientPass pass);
  void RemoveClient(TDeviceClient& client);

  // Opens the device; a failure shows the fatal error boxes and throws TFatalError.
  void Initialize();
  bool Ready() const { return Created && Active; }
  TRenderDevice& Device() const { return *RenderDevice; }

  void SetTextureFilter(bool linear);
  void ToggleFullScreen();
  void Clear(int r, int g, int b, int a);
  void BeginScene();
  void EndScene();  // also presents
  bool InScene() const { return SceneOpen; }

  // Blend modes 0..13; -1 keeps the current one; others behave as 0 but are remembered.
  void SetBlendMode(int mode);
  int BlendMode() const { return CurrentBlendMode; }
  // Sets the destination factor on the device directly, keeping the current mode's source
  // factor; the remembered mode stays, so the next SetBlendMode of that mode changes nothing.
  void SetDestinationBlend(TBlendFactor destination);
  void SetTexture(TTextureHandle texture);

  // Applies the screen colour and transform to the vertices (in place) and draws the quad.
  void SubmitQuad(TQuad& vertices);
  // Draws quads exactly as given, past the screen-wide transform and colour, with normal alpha
  // blending whatever the current mode (which stays remembered): text in system fonts.
  void SubmitUntransformedQuads(std::span<const TQuad> quads);

  // Saves the next presented frame as a PNG of that name.
  void RequestScreenshot(const std::string& path) { PendingScreenshot = path; }

  // Shows the fatal error boxes for a failure code and ends the game.
  [[noreturn]] void FatalError(int64_t code);

 private:
  struct TClient {
    TDeviceClient* Client;
    TClientPass Pass;
  };
  void RebuildColor();
  void CreateResources();
  void ReleaseResources();
  void Reset();
  void SaveScreenshot();

  TVideoSystem& Video;
  TMessageBoxes& Messages;
  TRenderDevice* RenderDevice = nullptr;
  std::vector<TClient> Clients;
  uint8_t ColorRed = 255, ColorGreen = 255, ColorBlue = 255, ColorAlpha = 255;
  uint32_t Color = 0xFFFFFFFF;
  int BitsPerPixel = 16;
  unsigned RefreshRate = 0;
  bool IsFullScreen = false;
  bool CursorShown = true;
  bool Created = false, Active = false, SceneOpen = false;
  int CurrentBlendMode = 0;
  std::string PendingScreenshot;
  float CachedRotation = 0, CachedCos = 1, CachedSin = 0;
};
