#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

// The publisher's addresses the tests give the closing screen's generator, as a packager gives them to
// the build (a build without them has no shortcut files and no closing screen).
inline constexpr const char* kTestMoreGamesAddress = "https://games.test/more";
inline constexpr const char* kTestWebsiteAddress = "https://games.test/";
inline constexpr const char* kTestPlayAddress = "https://games.test/thanks";

// Runs the generator on folder with these arguments after it; true when it succeeded.
inline bool RunPromoGenerator(const std::filesystem::path& folder, const std::string& arguments) {
  const std::string command =
      std::string("'") + MORVEL_PROMO_BINARY + "' '" + folder.string() + "' " + arguments;
  return std::system(command.c_str()) == 0;
}

// Writes the three shortcut files and the closing screen into folder, as a build given all three
// addresses does.
inline bool WriteClosingScreen(const std::filesystem::path& folder) {
  return RunPromoGenerator(folder, std::string("--moregames ") + kTestMoreGamesAddress + " --website " +
                                       kTestWebsiteAddress + " --play " + kTestPlayAddress);
}
