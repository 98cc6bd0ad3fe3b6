#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

const char* const kSoundFiles[] = {"Lighter 03.wav", "Switch 04.wav", "Car Start 01.wav",
                                   "finish.wav",     "svet1.wav",     "svet2.wav",
                                   "1.xm",           "2.xm",          "3.xm"};

std::vector<char> ReadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(SoundGenerator, GameFolderHoldsEverySound) {
  for (const char* name : kSoundFiles) {
    EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::path(MORVEL_GAME_DIR) / "Sounds" / name))
        << name;
  }
}

TEST(SoundGenerator, TwoRunsWriteTheSameBytes) {
  const std::filesystem::path base =
      std::filesystem::temp_directory_path() / ("morvel-sound-test-" + std::to_string(::getpid()));
  const std::filesystem::path first = base / "first";
  const std::filesystem::path second = base / "second";
  for (const std::filesystem::path& folder : {first, second}) {
    const std::string command = std::string("\"") + MORVEL_SOUND_BINARY + "\" \"" + folder.string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
  }
  for (const char* name : kSoundFiles) {
    const std::vector<char> one = ReadFile(first / name);
    EXPECT_FALSE(one.empty()) << name;
    EXPECT_EQ(one, ReadFile(second / name)) << name;
  }
  std::filesystem::remove_all(base);
}

}  // namespace
