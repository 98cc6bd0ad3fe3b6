#include "engine/OmegaScreen.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <utility>

#include "engine/Colors.h"
#include "engine/FatalError.h"
#include "platform/Png.h"

namespace {

struct TBlendPair {
  TBlendFactor Source, Destination;
};

// Blend mode numbers as the game uses them; 0 is normal blending, 2 additive with alpha.
constexpr std::array<TBlendPair, 14> kBlendModes{{
    {TBlendFactor::SrcAlpha, TBlendFactor::InvSrcAlpha},
    {TBlendFactor::One, TBlendFactor::One},
    {TBlendFactor::SrcAlpha, TBlendFactor::One},
    {TBlendFactor::SrcColor, TBlendFactor::InvSrcColor},
    {TBlendFactor::SrcColor, TBlendFactor::One},
    {TBlendFactor::Zero, TBlendFactor::SrcColor},
    {TBlendFactor::Zero, TBlendFactor::SrcAlpha},
    {TBlendFactor::Zero, TBlendFactor::InvSrcColor},
    {TBlendFactor::Zero, TBlendFactor::InvSrcAlpha},
    {TBlendFactor::InvDestColor, TBlendFactor::Zero},
    {TBlendFactor::SrcColor, TBlendFactor::SrcColor},
    {TBlendFactor::DestColor, TBlendFactor::DestColor},
    {TBlendFactor::InvSrcColor, TBlendFactor::InvSrcColor},
    {TBlendFactor::InvDestColor, TBlendFactor::InvDestColor},
}};

constexpr std::array<std::pair<int, int>, 7> kFullScreenSizes{
    {{800, 600}, {640, 400}, {640, 480}, {1024, 768}, {320, 200}, {320, 240}, {1280, 1024}}};

constexpr std::array<unsigned, 16> kRefreshRates{56,  60,  70,  72,  75,  85,  90,  100,
                                                 120, 140, 144, 150, 160, 170, 200, 240};

uint32_t ScaleChannels(uint32_t argb, uint32_t screen) {
  uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8)
    out |= ((((argb >> shift) & 0xFF) * ((screen >> shift) & 0xFF)) / 256) << shift;
  return out;
}

}  // namespace

std::string DisplayError::Text(int64_t code) {
  static const std::array<std::pair<int64_t, const char*>, 13> kTexts{{
      {0x82000001,
       "Could not initialize Direct3D. You may\nwant to check that the latest version of\nDirectX is "
       "correctly "
       "installed on your\nsystem.  Also make sure that this program\nwas compiled with header files that "
       "match\nthe installed DirectX DLLs."},
      {0x08200003, "Could not find any compatible Direct3D\ndevices."},
      {0x08200004,
       "This application cannot run in a desktop\nwindow with the current display settings.\nPlease change "
       "your "
       "desktop settings to a\n16- or 32-bit display mode and re-run this\napplication."},
      {0x82000005, "No hardware-accelerated Direct3D devices\nwere found."},
      {0x82000006,
       "This application requires functionality that is\nnot available on your Direct3D "
       "hardware\naccelerator."},
      {0x82000007, "Your Direct3D hardware accelerator cannot\nrender into a window."},
      {0x82000008,
       "Your Direct3D hardware accelerator cannot\nrender into a window with the current\ndesktop display "
       "settings."},
      {0x82000009,
       "This application requires functionality that is\nnot available on your Direct3D "
       "hardware\naccelerator "
       "with the current desktop display\nsettings."},
      {0x0820000C, "Could not reset the Direct3D device."},
      {0x0820000A,
       "A D3D object has a non-zero reference\ncount (meaning things were not properly\ncleaned up)."},
      {OutOfMemory, "Not enough memory."},
      {OutOfVideoMemory, "Not enough video memory."},
      {0, "Generic application error."},
  }};
  for (const auto& [known, text] : kTexts)
    if (known == code) return text;
  return "Generic application error.";
}

TBackBufferSize ChooseBackBuffer(bool fullScreen, int width, int height) {
  if (!fullScreen) return {width, height, false};
  for (const auto& [w, h] : kFullScreenSizes)
    if (w == width && h == height) return {width, height, false};
  return {800, 600, true};
}

TOmegaScreen::TOmegaScreen(TVideoSystem& video, TMessageBoxes& messages) : Video(video), Messages(messages) {}

TOmegaScreen::~TOmegaScreen() {
  Video.ShowCursor(true);
  if (Created) ReleaseResources();
}

void TOmegaScreen::RebuildColor() {
  Color = ColorARGB(ColorRed, ColorGreen, ColorBlue, ColorAlpha);
}
void TOmegaScreen::SetRed(uint8_t value) {
  ColorRed = value, RebuildColor();
}
void TOmegaScreen::SetGreen(uint8_t value) {
  ColorGreen = value, RebuildColor();
}
void TOmegaScreen::SetBlue(uint8_t value) {
  ColorBlue = value, RebuildColor();
}
void TOmegaScreen::SetAlpha(uint8_t value) {
  ColorAlpha = value, RebuildColor();
}

void TOmegaScreen::SetBpp(int value) {
  BitsPerPixel = value == 32 ? 32 : 16;
}

void TOmegaScreen::SetFrequency(unsigned value) {
  RefreshRate =
      std::find(kRefreshRates.begin(), kRefreshRates.end(), value) != kRefreshRates.end() ? value : 0;
}

void TOmegaScreen::SetShowMouseCursor(bool show) {
  CursorShown = show;
  if (Created) Video.ShowCursor(show);
}

void TOmegaScreen::AddClient(TDeviceClient& client, TClientPass pass) {
  Clients.push_back({&client, pass});
  if (Created) client.DeviceCreated(*this);
}

void TOmegaScreen::RemoveClient(TDeviceClient& client) {
  std::erase_if(Clients, [&](const TClient& c) { return c.Client == &client; });
}

void TOmegaScreen::Initialize() {
  TBackBufferSize size = ChooseBackBuffer(IsFullScreen, Width, Height);
  if (size.Beep) Video.Beep();
  if (BBCount <= 0) BBCount = 1;
  TOpenedDevice opened = Video.OpenDevice(size.Width, size.Height, IsFullScreen);
  if (opened.Failure == TVideoFailure::NoVideo) FatalError(DisplayError::NoDisplay);
  if (!opened.Device) FatalError(DisplayError::NoCompatibleDevice);
  RenderDevice = opened.Device;
  Created = Active = true;
  CurrentBlendMode = 0;
  RenderDevice->SetBlendFactors(kBlendModes[0].Source, kBlendModes[0].Destination);
  RenderDevice->SetTextureFilter(false);
  CreateResources();
  Video.ShowCursor(CursorShown);
}

void TOmegaScreen::FatalError(int64_t code) {
  Video.ShowCursor(true);
  Messages.Show("Error", DisplayError::Text(code), true);
  Messages.Show("Error", "This application will now exit.", true);
  throw TFatalError(DisplayError::Text(code));
}

void TOmegaScreen::CreateResources() {
  RenderDevice->SetTexture(kNoTexture);
  for (TClientPass pass : {TClientPass::Textures, TClientPass::Others})
    for (const TClient& c : Clients)
      if (c.Pass == pass) c.Client->DeviceCreated(*this);
}

void TOmegaScreen::ReleaseResources() {
  for (const TClient& c : Clients) c.Client->DeviceReleasing(*this);
}

void TOmegaScreen::Reset() {
  if (!RenderDevice) return;
  ReleaseResources();
  RenderDevice->SetTexture(kNoTexture);
  if (!RenderDevice->Reset()) return;  // tried again at the next frame
  Video.ShowCursor(CursorShown);
  TBlendPair blend = kBlendModes[CurrentBlendMode >= 0 && CurrentBlendMode <= 13 ? CurrentBlendMode : 0];
  RenderDevice->SetBlendFactors(blend.Source, blend.Destination);
  CreateResources();
}

void TOmegaScreen::SetTextureFilter(bool linear) {
  if (RenderDevice) RenderDevice->SetTextureFilter(linear);
}

void TOmegaScreen::ToggleFullScreen() {
  Active = false;
  IsFullScreen = !IsFullScreen;
  // The window keeps its renderer and textures across the switch; only the size rule remains.
  if (ChooseBackBuffer(IsFullScreen, Width, Height).Beep) Video.Beep();
  Video.SetFullScreen(IsFullScreen);
  Created = Active = RenderDevice != nullptr;
}

void TOmegaScreen::Clear(int r, int g, int b, int a) {
  if (Created) RenderDevice->Clear(ColorARGB(r, g, b, a));
}

void TOmegaScreen::BeginScene() {
  if (!RenderDevice) return;
  switch (RenderDevice->Status()) {
    case TDeviceStatus::Lost:
      return;
    case TDeviceStatus::NeedsReset:
      Reset();
      return;
    case TDeviceStatus::Ready:
      if (Created && Active) SceneOpen = true;
      return;
  }
}

void TOmegaScreen::EndScene() {
  if (!SceneOpen) return;
  SceneOpen = false;
  if (!PendingScreenshot.empty()) SaveScreenshot();
  RenderDevice->Present();
}

void TOmegaScreen::SaveScreenshot() {
  std::string path = std::exchange(PendingScreenshot, {});
  TPixmap picture{RenderDevice->Width(), RenderDevice->Height(), RenderDevice->ReadPixels()};
  std::string error;
  if (picture.Pixels.empty())
    std::fprintf(stderr, "Morvel Racing: the '%s' device keeps no pixels; no screenshot\n",
                 RenderDevice->Name().c_str());
  else if (!WritePngFile(path, picture, error))
    std::fprintf(stderr, "Morvel Racing: cannot save %s: %s\n", path.c_str(), error.c_str());
}

void TOmegaScreen::SetBlendMode(int mode) {
  if (mode == CurrentBlendMode || mode == -1) return;
  TBlendPair blend = kBlendModes[mode >= 0 && mode <= 13 ? mode : 0];
  if (RenderDevice) RenderDevice->SetBlendFactors(blend.Source, blend.Destination);
  CurrentBlendMode = mode;
}

void TOmegaScreen::SetDestinationBlend(TBlendFactor destination) {
  TBlendPair blend = kBlendModes[CurrentBlendMode >= 0 && CurrentBlendMode <= 13 ? CurrentBlendMode : 0];
  if (RenderDevice) RenderDevice->SetBlendFactors(blend.Source, destination);
}

void TOmegaScreen::SetTexture(TTextureHandle texture) {
  if (RenderDevice) RenderDevice->SetTexture(texture);
}

void TOmegaScreen::SubmitQuad(TQuad& vertices) {
  if (Rotation != CachedRotation) {
    double radians = double(Rotation) * std::numbers::pi / 180.0;
    CachedRotation = Rotation;
    CachedCos = float(std::cos(radians));
    CachedSin = float(std::sin(radians));
  }
  for (TVertex& v : vertices) {
    v.Color = ScaleChannels(v.Color, Color);
    float dx = v.X - float(CenterX), dy = v.Y - float(CenterY);
    v.X = float(OffsetX + CenterX) + ScaleX * CachedCos * dx - ScaleY * CachedSin * dy;
    v.Y = float(OffsetY + CenterY) + ScaleX * CachedSin * dx + ScaleY * CachedCos * dy;
  }
  if (SceneOpen) RenderDevice->DrawQuad(vertices);
}

void TOmegaScreen::SubmitUntransformedQuads(std::span<const TQuad> quads) {
  if (!SceneOpen || quads.empty()) return;
  // The device's factors may have been set past the remembered mode (an image's additive draw),
  // so both are set outright; afterwards the device is back at the remembered mode.
  TBlendPair current = kBlendModes[CurrentBlendMode >= 0 && CurrentBlendMode <= 13 ? CurrentBlendMode : 0];
  RenderDevice->SetBlendFactors(kBlendModes[0].Source, kBlendModes[0].Destination);
  for (const TQuad& quad : quads) RenderDevice->DrawQuad(quad);
  RenderDevice->SetBlendFactors(current.Source, current.Destination);
}
