#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "audio/AudioFixtures.h"

namespace {

int RunTool(const std::string& arguments) {
  const int status =
      std::system((std::string(MORVEL_TOOL_BINARY) + " xm-render " + arguments + " 2>/dev/null").c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<uint8_t> LittleEndian(const std::vector<int16_t>& samples) {
  std::vector<uint8_t> bytes;
  for (int16_t sample : samples) {
    bytes.push_back(uint8_t(uint16_t(sample)));
    bytes.push_back(uint8_t(uint16_t(sample) >> 8));
  }
  return bytes;
}

// A tune with two voices, a slide, vibrato and a loop back to its second pattern.
TXmModule Tune() {
  TXmModule module = ToneModule(16);
  TXmPattern second(16, module.Channels);
  second.At(0, 0) = {XmNote("G-3"), 1, XmVolume(40), kXmEffectVibrato, 0x46};
  second.At(0, 1) = {XmNote("C-5"), 1, XmVolume(30), kXmEffectVolumeSlide, 0x01};
  second.At(8, 0) = {XmNote("D-4"), 1, 0, kXmEffectPortaUp, 0x08};
  second.At(12, 1) = {kXmKeyOff};
  module.Patterns.push_back(second);
  module.Orders = {0, 1, 1};
  module.RestartPosition = 1;
  return module;
}

}  // namespace

TEST(XmRenderToolTest, TheStreamingPathMatchesTheLibraryByteForByte) {
  const std::filesystem::path folder = FreshFolder("render");
  WriteXmFile(Tune(), (folder / "tune.xm").string());
  // 6.5 s: more than the tune's 5.76 s, so the loop back to its restart position is included.
  ASSERT_EQ(RunTool((folder / "tune.xm").string() + " " + (folder / "tune.raw").string() + " 6.5"), 0);
  const std::vector<uint8_t> rendered = ReadBytes(folder / "tune.raw");
  const std::vector<uint8_t> reference =
      LittleEndian(ReferenceRender(WriteXm(Tune()), true, 6 * 22050 + 11025));
  ASSERT_EQ(rendered.size(), reference.size());
  EXPECT_TRUE(rendered == reference);
}

TEST(XmRenderToolTest, BadArgumentsAndUnreadableModulesFail) {
  const std::filesystem::path folder = FreshFolder("bad");
  WriteXmFile(Tune(), (folder / "tune.xm").string());
  const std::string tune = (folder / "tune.xm").string();
  const std::string out = (folder / "out.raw").string();
  EXPECT_EQ(RunTool(tune + " " + out), 2);
  EXPECT_EQ(RunTool(tune + " " + out + " 0"), 2);
  EXPECT_EQ(RunTool(tune + " " + out + " 2x"), 2);
  EXPECT_EQ(RunTool((folder / "missing.xm").string() + " " + out + " 1"), 1);
  EXPECT_EQ(RunTool(tune + " " + (folder / "no" / "out.raw").string() + " 1"), 1);
}
