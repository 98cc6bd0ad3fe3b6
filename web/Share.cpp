#include "web/Share.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <utility>

#include "assets/PictureData.h"
#include "platform/GamePath.h"
#include "web/GoToLink.h"

namespace {

// A configuration is a few dozen lines; a larger file is not one.
constexpr std::uintmax_t kMaxConfigBytes = 64 * 1024;

std::optional<std::string> ReadConfigText(const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error) ||
      std::filesystem::file_size(file, error) > kMaxConfigBytes)
    return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// A PNG or a BMP, whatever the file's name says.
std::optional<TPixmap> ReadPicture(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
  TPixmap picture;
  std::string error;
  for (const TPictureFormat format : {TPictureFormat::Png, TPictureFormat::Bmp})
    if (DecodePicture(format, bytes, picture, error)) return picture;
  return std::nullopt;
}

uint32_t OpaqueColor(int red, int green, int blue) {
  const auto channel = [](int value) { return uint32_t(std::clamp(value, 0, 255)); };
  return 0xFF000000u | channel(red) << 16 | channel(green) << 8 | channel(blue);
}

}  // namespace

TShareScreen::TShareScreen(TOmegaImageList& pictures, TOmegaFont& counterFont,
                           std::function<void()> closeForm, TLauncher launch,
                           std::filesystem::path gameFolder)
    : Pictures(pictures),
      CounterFont(counterFont),
      CloseForm(std::move(closeForm)),
      Launch(std::move(launch)),
      GameFolder(std::move(gameFolder)) {}

std::filesystem::path TShareScreen::GameFile(const std::string& name) const {
  return GameFolder / NativePath(name);
}

void TShareScreen::LoadConfig() {
  const std::optional<std::string> text = ReadConfigText(GameFile(kShareConfigFile));
  const auto exists = [this](const std::string& name) {
    std::error_code error;
    return std::filesystem::is_regular_file(GameFile(name), error);
  };
  const std::optional<TShareConfig> config = text ? ReadShareConfig(*text, exists) : std::nullopt;
  Available = config.has_value();
  if (!Available) return;
  Buttons = config->Buttons;
  ButtonCount = int(Buttons.size());
  BackgroundFile = config->BackgroundFile;
  Countdown = config->Countdown;
  CounterX = config->CounterX, CounterY = config->CounterY;
  Color1 = config->Color1, Color2 = config->Color2, Color3 = config->Color3;
  FixedFontSize = config->FixedFontSize;
  FontSize = config->FontSize;
  AddPictures(*config);
  if (Available) SetCounterFont();
}

// Each picture becomes an item of its own, named after its file, one pattern of the whole picture.
int TShareScreen::AddPicture(const std::string& name) {
  const std::optional<TPixmap> picture = ReadPicture(GameFile(name));
  if (!picture) {
    Available = false;  // a picture that cannot be read is as bad as a missing one
    return -1;
  }
  TImageListItem& item = Pictures.ImageList.Add();
  item.Name = name;
  item.Transparent = false;
  item.SetPicture(*picture);
  return Pictures.Count() - 1;
}

void TShareScreen::AddPictures(const TShareConfig& config) {
  for (TButton& button : Buttons) {
    button.HoverImage = AddPicture(button.HoverImageFile);
    button.Image = AddPicture(button.ImageFile);
    button.DisabledImage = AddPicture(button.DisabledImageFile);
  }
  BackgroundIndex = AddPicture(config.BackgroundFile);
  Pictures.BuildTextures();
}

void TShareScreen::SetCounterFont() {
  // The colour line is red, green, blue with a size from the file, but red, blue, green without one.
  if (FixedFontSize) {
    CounterFont.SetFont("Verdana", std::clamp(FontSize, kMinCounterFontSize, kMaxCounterFontSize));
    CounterFont.SetColor(OpaqueColor(Color1, Color2, Color3));
    return;
  }
  const int size =
      Buttons.empty() ? kDefaultCounterFontSize : int(std::nearbyint(Buttons.back().Height * 0.6));
  CounterFont.SetFont("Verdana", std::clamp(size, kMinCounterFontSize, kMaxCounterFontSize));
  CounterFont.SetColor(OpaqueColor(Color1, Color3, Color2));
}

void TShareScreen::CountDown() {
  if (Countdown > 0) --Countdown;
  if (Countdown > 0) return;
  for (TButton& button : Buttons)
    if (button.IsExit()) button.Enabled = true;
}

// The platform gives the mouse in back-buffer pixels wherever the window is and however it is scaled.
void TShareScreen::UpdateHover(int mouseX, int mouseY) {
  for (TButton& button : Buttons) button.Hovered = button.Covers(mouseX, mouseY);
}

void TShareScreen::Draw() {
  if (!Available) return;
  Pictures.Items(BackgroundIndex).Draw(0, 0, 0);
  for (const TButton& button : Buttons) DrawButton(button);
  DrawCounter();
}

void TShareScreen::DrawButton(const TButton& button) {
  if (!button.Enabled) {
    if (button.IsExit())
      Pictures.Items(button.DisabledImage).Draw(button.DisabledX, button.DisabledY, 0);
    else
      Pictures.Items(button.Image).Draw(button.X, button.Y, 0);
  } else if (button.Hovered) {
    Pictures.Items(button.HoverImage).Draw(button.HoverX, button.HoverY, 0);
  } else {
    Pictures.Items(button.Image).Draw(button.X, button.Y, 0);
  }
}

// The number sits centred on the counter's place.
void TShareScreen::DrawCounter() {
  const int number = CounterNumber(Countdown);
  if (number == 0) return;
  const std::string text = std::to_string(number);
  const int left = int(std::nearbyint(CounterX - CounterFont.TextWidth(text) / 2.0));
  const int top = int(std::nearbyint(CounterY - CounterFont.TextHeight(text) / 2.0));
  CounterFont.TextOut(left, top, text);
}

void TShareScreen::Click(const TButton& button) {
  if (button.IsExit()) {
    if (CloseForm) CloseForm();
    return;
  }
  OpenLink(GameFile(button.Link).string(), Launch);
}

void TShareScreen::ClickHovered() {
  for (const TButton& button : Buttons)
    if (button.Hovered) Click(button);
}
