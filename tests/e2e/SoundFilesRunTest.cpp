// Music and sound files that are no files to read: a folder, a pipe nobody writes to, an
// endless device, a file beyond any tune's size. The game names the file and plays on without
// it, as for a missing file; it never aborts and never waits for ever.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>

#include "e2e/GameRun.h"

namespace fs = std::filesystem;

namespace {

struct TOddFile {
  const char* What;
  std::function<void(const fs::path&)> Make;
};

const TOddFile kOddFiles[] = {
    {"a folder", [](const fs::path& file) { fs::create_directory(file); }},
    {"a pipe", [](const fs::path& file) { ::mkfifo(file.c_str(), 0644); }},
    {"a link to /dev/zero", [](const fs::path& file) { fs::create_symlink("/dev/zero", file); }},
    {"a 100 MB file", [](const fs::path& file) {
       std::ofstream(file).close();
       fs::resize_file(file, uintmax_t(100) << 20);
     }}};

size_t Count(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

}  // namespace

// The menu music is played at the start and the start lights' sounds in the race: a race run
// meets both. The run goes its full length and says once which file it could not read, and why.
TEST(SoundFilesRun, AnOddSoundOrMusicFileIsNamedAndTheGamePlaysOn) {
  for (const char* name : {"1.xm", "svet1.wav"}) {
    for (const TOddFile& odd : kOddFiles) {
      SCOPED_TRACE(std::string(name) + ": " + odd.What);
      TGameRun game;
      const fs::path file = game.Folder() / "Sounds" / name;
      fs::remove(file);
      odd.Make(file);
      const pid_t pid = game.Start({"--headless", "--render", "null", "--virtual-clock", "--seed", "5",
                                    "--race", "0:0", "--autopilot", "--frames", "600"});
      ASSERT_GT(pid, 0);
      EXPECT_EQ(game.Wait(pid, std::chrono::seconds(60)), 0) << game.Stderr();
      EXPECT_EQ(Count(game.Stderr(), std::string("Error loading sound: Sounds/") + name), 1u)
          << game.Stderr();
      EXPECT_EQ(Count(game.Stderr(), std::string("cannot read \"Sounds/") + name + "\""), 1u)
          << game.Stderr();
    }
  }
}
