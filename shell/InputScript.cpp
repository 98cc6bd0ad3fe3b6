#include "shell/InputScript.h"

#include <algorithm>
#include <sstream>

#include "platform/Cp1251.h"

namespace {

bool ParseLine(const std::string& line, std::vector<TScriptEvent>& events) {
  std::istringstream words(line);
  int frame = 0;
  std::string verb;
  if (!(words >> frame >> verb) || frame < 0) return false;
  TInputEvent event;
  if (verb == "down" || verb == "up") {
    event.Kind = verb == "down" ? TInputKind::KeyDown : TInputKind::KeyUp;
    if (!(words >> event.Key) || event.Key < 0 || event.Key > 255) return false;
  } else if (verb == "text") {
    std::string rest;
    std::getline(words >> std::ws, rest);
    event.Kind = TInputKind::Text;
    event.Text = Utf8ToCp1251(rest);
    if (event.Text.empty()) return false;
    events.push_back({frame, event});
    return true;
  } else if (verb == "move" || verb == "click") {
    event.Kind = TInputKind::MouseMove;
    if (!(words >> event.X >> event.Y)) return false;
  } else {
    return false;
  }
  std::string extra;
  if (words >> extra) return false;
  events.push_back({frame, event});
  if (verb == "click") {
    event.Kind = TInputKind::MouseDown;
    events.push_back({frame + 1, event});
    event.Kind = TInputKind::MouseUp;
    events.push_back({frame + 2, event});
  }
  return true;
}

}  // namespace

std::optional<std::vector<TScriptEvent>> ParseInputScript(std::istream& in, std::string& error) {
  std::vector<TScriptEvent> events;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos || line[first] == '#') continue;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!ParseLine(line, events)) {
      error = "line " + std::to_string(number) + ": cannot read '" + line + "'";
      return std::nullopt;
    }
  }
  std::stable_sort(events.begin(), events.end(),
                   [](const TScriptEvent& a, const TScriptEvent& b) { return a.Frame < b.Frame; });
  return events;
}

std::vector<TInputEvent> TInputScript::Take(int frame) {
  std::vector<TInputEvent> due;
  while (Next < Events.size() && Events[Next].Frame <= frame) due.push_back(Events[Next++].Event);
  return due;
}
