#include "shell/InputScript.h"

#include <algorithm>
#include <sstream>

#include "platform/Cp1251.h"

namespace {

struct TScriptLine {
  int Number = 0;
  std::string Text;
};

std::string BadLine(int number, const std::string& text) {
  return "line " + std::to_string(number) + ": cannot read '" + text + "'";
}

bool ParseEvent(const std::string& line, TScriptPart& part) {
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
    part.Events.push_back({frame, event});
    return true;
  } else if (verb == "move" || verb == "click") {
    event.Kind = TInputKind::MouseMove;
    if (!(words >> event.X >> event.Y)) return false;
  } else if (verb == "wait") {
    TScriptPart::TWait wait{frame, 0};
    std::string extra;
    if (!(words >> wait.Screen) || wait.Screen < 0 || wait.Screen > 255 || (words >> extra)) return false;
    part.Wait = wait;
    return true;
  } else {
    return false;
  }
  std::string extra;
  if (words >> extra) return false;
  part.Events.push_back({frame, event});
  if (verb == "click") {
    event.Kind = TInputKind::MouseDown;
    part.Events.push_back({frame + 1, event});
    event.Kind = TInputKind::MouseUp;
    part.Events.push_back({frame + 2, event});
  }
  return true;
}

std::vector<std::string> Words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

// The count of a "repeat N" line, 1 to 10000; 0 when the line is not one.
int RepeatCount(const std::vector<std::string>& words) {
  constexpr int kMostRepeats = 10000;
  if (words.size() != 2 || words[0] != "repeat") return 0;
  try {
    size_t used = 0;
    const int count = std::stoi(words[1], &used);
    return used == words[1].size() && count <= kMostRepeats ? std::max(count, 0) : 0;
  } catch (const std::exception&) {
    return 0;
  }
}

// The script's lines with comments and blanks left out and each repeated block written out.
std::optional<std::vector<TScriptLine>> ExpandLines(std::istream& in, std::string& error) {
  std::vector<TScriptLine> lines, block;
  int count = 0;  // inside a repeated block when above 0
  auto fail = [&](int number, const std::string& text) {
    error = BadLine(number, text);
    return std::nullopt;
  };
  std::string text;
  int number = 0;
  while (std::getline(in, text)) {
    ++number;
    if (!text.empty() && text.back() == '\r') text.pop_back();
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos || text[first] == '#') continue;
    const std::vector<std::string> words = Words(text);
    if (words[0] == "repeat") {
      const int repeats = RepeatCount(words);
      if (count > 0 || repeats == 0) return fail(number, text);
      count = repeats;
      continue;
    }
    if (words[0] == "end") {
      if (count == 0 || words.size() != 1) return fail(number, text);
      for (; count > 0; --count) lines.insert(lines.end(), block.begin(), block.end());
      block.clear();
      continue;
    }
    (count > 0 ? block : lines).push_back({number, text});
  }
  if (count > 0) return fail(number, "repeat without end");
  return lines;
}

}  // namespace

std::optional<std::vector<TScriptPart>> ParseInputScript(std::istream& in, std::string& error) {
  const auto lines = ExpandLines(in, error);
  if (!lines) return std::nullopt;
  std::vector<TScriptPart> parts(1);
  for (const TScriptLine& line : *lines) {
    if (!ParseEvent(line.Text, parts.back())) {
      error = BadLine(line.Number, line.Text);
      return std::nullopt;
    }
    if (parts.back().Wait) parts.emplace_back();
  }
  for (TScriptPart& part : parts)
    std::stable_sort(part.Events.begin(), part.Events.end(),
                     [](const TScriptEvent& a, const TScriptEvent& b) { return a.Frame < b.Frame; });
  return parts;
}

std::vector<TInputEvent> TInputScript::Take(int frame, int screen) {
  std::vector<TInputEvent> due;
  while (Part < Parts.size()) {
    const TScriptPart& part = Parts[Part];
    while (Next < part.Events.size() && Start + part.Events[Next].Frame <= frame)
      due.push_back(part.Events[Next++].Event);
    const bool waitOver = part.Wait && frame >= Start + part.Wait->Frame && screen == part.Wait->Screen;
    if (Next < part.Events.size() || !waitOver) break;
    ++Part;
    Next = 0;
    Start = frame;
  }
  return due;
}

bool TInputScript::Waiting() const {
  return Part < Parts.size() && Next == Parts[Part].Events.size() && Parts[Part].Wait;
}

std::string TInputScript::Unfinished() const {
  if (Part >= Parts.size()) return "";
  const TScriptPart& part = Parts[Part];
  size_t left = part.Events.size() - Next;
  for (size_t i = Part + 1; i < Parts.size(); ++i) left += Parts[i].Events.size();
  const std::string events = std::to_string(left) + (left == 1 ? " event" : " events");
  if (Waiting())
    return "still waiting for screen " + std::to_string(part.Wait->Screen) + " with " + events + " to come";
  return left == 0 ? "" : events + " still to come";
}
