#include "shell/CommandLine.h"

#include <charconv>

const char* const kUsage =
    "Usage: morvel-racing [options]\n"
    "\n"
    "Without options the game starts in its window.\n"
    "\n"
    "  --headless                  no window: render off screen, no sound unless SDL_AUDIODRIVER says so,\n"
    "                              message boxes go to stderr\n"
    "  --render gl|software|null   headless drawing: OpenGL (default), software, or nothing at all\n"
    "  --virtual-clock             every frame advances exactly 1/90 s: runs are repeatable\n"
    "  --seed N                    fixed seed for the random generator\n"
    "  --frames N                  end after N frames with exit code 0\n"
    "  --script FILE               timed input, one event a line:\n"
    "                                FRAME down VK | FRAME up VK | FRAME text TEXT |\n"
    "                                FRAME move X Y | FRAME click X Y |\n"
    "                                FRAME wait SCREEN (later frames count from the screen's coming);\n"
    "                                lines between \"repeat N\" and \"end\" count N times\n"
    "  --screenshot FRAME:PATH     save the back buffer as PNG after that frame (repeatable)\n"
    "  --race TRACK:CAR            skip the menus: race catalogue track TRACK with car CAR (from 0)\n"
    "  --time-trial                with --race: a time trial (no opponents, no points)\n"
    "  --autopilot                 the computer drives the player's car, through its keys\n"
    "  --trace FILE                write one line per race frame to FILE (CSV)\n"
    "  --difficulty LEVEL          easy, normal or hard: how the opponents drive, in place of the\n"
    "                              options' level\n"
    "  --data-dir DIR              the game folder (default: the program's folder)\n"
    "  --help                      this text\n"
    "  --version                   the game's version\n";

namespace {

template <typename T>
bool ParseNumber(const std::string& text, T& value) {
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size();
}

}  // namespace

bool ParseCommandLine(const std::vector<std::string>& args, TCommandLine& options, std::string& error) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= args.size()) {
        error = arg + " needs a value";
        return false;
      }
      out = args[++i];
      return true;
    };
    std::string text;
    if (arg == "--help" || arg == "-h") {
      options.Help = true;
    } else if (arg == "--version") {
      options.Version = true;
    } else if (arg == "--headless") {
      options.Headless = true;
    } else if (arg == "--virtual-clock") {
      options.VirtualClock = true;
    } else if (arg == "--render") {
      if (!value(text)) return false;
      if (text == "gl")
        options.Render = THeadlessRender::Gl;
      else if (text == "software")
        options.Render = THeadlessRender::Software;
      else if (text == "null")
        options.Render = THeadlessRender::Null;
      else
        return error = "--render takes gl, software or null, not '" + text + "'", false;
    } else if (arg == "--seed") {
      uint32_t seed = 0;
      if (!value(text)) return false;
      if (!ParseNumber(text, seed)) return error = "--seed needs a number, not '" + text + "'", false;
      options.Seed = seed;
    } else if (arg == "--frames") {
      int frames = 0;
      if (!value(text)) return false;
      if (!ParseNumber(text, frames) || frames < 0)
        return error = "--frames needs a count, not '" + text + "'", false;
      options.Frames = frames;
    } else if (arg == "--script") {
      if (!value(options.ScriptPath)) return false;
    } else if (arg == "--data-dir") {
      if (!value(options.DataDir)) return false;
    } else if (arg == "--race") {
      if (!value(text)) return false;
      TRaceRequest race;
      size_t colon = text.find(':');
      if (colon == std::string::npos || !ParseNumber(text.substr(0, colon), race.Track) ||
          !ParseNumber(text.substr(colon + 1), race.Car) || race.Track < 0 || race.Car < 0)
        return error = "--race takes TRACK:CAR, not '" + text + "'", false;
      options.RaceRun.Race = race;
    } else if (arg == "--time-trial") {
      options.RaceRun.TimeTrial = true;
    } else if (arg == "--autopilot") {
      options.RaceRun.Autopilot = true;
    } else if (arg == "--trace") {
      if (!value(options.RaceRun.TracePath)) return false;
    } else if (arg == "--difficulty") {
      if (!value(text)) return false;
      options.RaceRun.Difficulty = DifficultyFromName(text);
      if (!options.RaceRun.Difficulty)
        return error = "--difficulty takes easy, normal or hard, not '" + text + "'", false;
    } else if (arg == "--screenshot") {
      if (!value(text)) return false;
      TScreenshotRequest request;
      size_t colon = text.find(':');
      if (colon == std::string::npos || !ParseNumber(text.substr(0, colon), request.Frame) ||
          request.Frame < 0 || colon + 1 == text.size())
        return error = "--screenshot takes FRAME:PATH, not '" + text + "'", false;
      request.Path = text.substr(colon + 1);
      options.Screenshots.push_back(request);
    } else {
      error = "unknown argument '" + arg + "'";
      return false;
    }
  }
  return true;
}
