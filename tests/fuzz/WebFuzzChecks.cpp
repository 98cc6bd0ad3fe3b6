#include "WebFuzzChecks.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "web/GoToLink.h"
#include "web/ScoreRecord.h"
#include "web/ShareConfig.h"
#include "web/TextEncoding.h"

namespace {

void Require(bool rule, const char* what) {
  if (rule) return;
  std::fprintf(stderr, "web fuzz: %s\n", what);
  std::abort();
}

std::string Lower(std::string text) {
  std::ranges::transform(text, text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return text;
}

}  // namespace

void CheckShareConfig(std::string_view bytes) {
  // Every named file "exists" except those whose name begins with "x", so both outcomes are reached.
  const auto exists = [](const std::string& name) { return !name.starts_with('x'); };
  const std::optional<TShareConfig> config = ReadShareConfig(bytes, exists);
  if (!config) return;
  Require(config->Countdown >= 0 && config->Countdown <= (kMaxCountdownLength - 1) * 100,
          "countdown in range");
  Require(config->Countdown % 100 == 0, "countdown in whole hundreds of frames");
  Require(!config->BackgroundFile.empty(), "a background");
  for (size_t i = 0; i < config->Buttons.size(); ++i) {
    const TButton& button = config->Buttons[i];
    const bool last = i + 1 == config->Buttons.size();
    Require(!button.ImageFile.empty() && !button.HoverImageFile.empty() && !button.DisabledImageFile.empty(),
            "every button has its three pictures");
    Require(!last || (button.IsExit() && !button.Enabled), "the last button is the disabled exit button");
    Require(last || button.DisabledImageFile == button.ImageFile, "a link button's disabled look is its own");
  }
}

void CheckHandshakeReply(std::string_view bytes) {
  const std::optional<std::string> value = HandshakeValue(bytes);
  Require(value.has_value() == bytes.starts_with("OK"), "a value exactly for replies beginning with OK");
  if (!value) return;
  Require(value->find('|') == std::string::npos, "the value is one field");
  Require(bytes.find(*value) != std::string_view::npos, "the value comes from the reply");
  const std::string record = ScoreRecord({"name", -5, "add"}, *value);
  Require(record.size() % 5 == 0, "the record fills to five");
  Require(DecodeText(EncodeText(record)) == record, "the record survives its encoding");
}

void CheckShortcut(std::string_view bytes) {
  const std::optional<std::string> address = ShortcutAddress(bytes);
  if (!address) return;
  const std::string lower = Lower(*address);
  Require(lower.starts_with("http://") || lower.starts_with("https://") || lower.starts_with("mailto:"),
          "only web and mail addresses");
  Require(std::ranges::none_of(*address, [](unsigned char c) { return c <= ' ' || c == 0x7F; }),
          "no blanks or control characters");
  Require(bytes.find(*address) != std::string_view::npos, "the address comes from the file");
}

std::vector<std::string> ShareConfigSeeds() {
  const std::string counter = "660 440\n5\n255 210 63\n";
  const std::string link = "150 460 200 56\n140 470 200 56\nwdata\\a.png\nwdata\\a_hover.png\na.url\n";
  const std::string exit =
      "575 465 160 56\n580 470 160 56\n585 475 160 "
      "56\nwdata\\exit.png\nwdata\\exit_hover.png\nwdata\\exit_off.png\n";
  return {
      "",
      "3\nwdata\\back.png\n" + link + link + exit + counter + "TRUE\n28\n",
      "1\r\nwdata\\back.png\r\n" + exit + counter + "True\r\n",
      "0\n  wdata\\back.png\n" + counter + "FALSE\n",
      "2\nwdata\\back.png\n" + link + exit + "1 2\n-4\n1 2 3 4\nTRUE\n-9\n",
      "2\nwdata\\back.png\n" + link + exit + "1  2\n99999999999\nx\n",
      "1\nxmissing.png\n",
  };
}

std::vector<std::string> HandshakeSeeds() {
  return {"",
          "OK",
          "OK|a|b|c|d|e",
          "OK|a|b|c|d",
          "ok|a|b|c|d|e",
          "OK||||||||",
          std::string("OK\0|\xFF|", 6),
          "<html>error</html>"};
}

std::vector<std::string> ShortcutSeeds() {
  return {"",
          "[InternetShortcut]\nURL=https://www.example.com/\n",
          "\xEF\xBB\xBF[InternetShortcut]\r\nURL=mailto:a@b\r\n",
          "[DEFAULT]\nBASEURL=x\n[internetshortcut]\n url = HTTP://a/b \n[Other]\nURL=http://c/\n",
          "[InternetShortcut]\nURL=javascript:alert(1)\nURL=file:///etc\n",
          "[InternetShortcut]\nURL=http://x; rm -rf ~\n"};
}
