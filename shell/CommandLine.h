#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "shell/RaceRun.h"

enum class THeadlessRender { Gl, Software, Null };

struct TScreenshotRequest {
  int Frame = 0;
  std::string Path;
};

// How the game was asked to run. Without arguments it is the game as a player knows it; the
// rest serves tests, benchmarks and checks.
struct TCommandLine {
  bool Help = false;
  bool Version = false;
  bool Headless = false;
  THeadlessRender Render = THeadlessRender::Gl;
  bool VirtualClock = false;
  std::optional<uint32_t> Seed;
  std::optional<int> Frames;
  std::string ScriptPath;
  std::vector<TScreenshotRequest> Screenshots;
  std::string DataDir;
  TRaceRunOptions RaceRun;  // --race, --autopilot, --trace
};

// Fills options from the arguments after the program name; on a bad argument returns false
// with a message in error.
bool ParseCommandLine(const std::vector<std::string>& args, TCommandLine& options, std::string& error);

extern const char* const kUsage;
