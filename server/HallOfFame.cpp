#include "server/HallOfFame.h"

#include <nlohmann/json.hpp>

#include <ctime>

namespace {

constexpr std::string_view kPageHead = R"(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Morvel Racing: Hall of Fame</title>
<style>
body { margin: 0; padding: 1em; font-family: sans-serif; background: #10203a; color: #f4f4f4; }
h1 { font-size: 1.6em; text-align: center; color: #ffd23f; }
table { width: 100%; max-width: 40em; margin: 0 auto; border-collapse: collapse; }
th, td { padding: 0.4em; text-align: left; border-bottom: 1px solid #2c4470; overflow-wrap: anywhere; }
th.rank, td.rank, th.score, td.score { text-align: right; }
p.empty { text-align: center; }
</style>
</head>
<body>
<h1>Hall of Fame</h1>
)";

std::string TableRow(size_t rank, const TRankedScore& score) {
  return "<tr><td class=\"rank\">" + std::to_string(rank) + "</td><td class=\"name\">" +
         HtmlEscaped(score.Name) + "</td><td class=\"score\">" + std::to_string(score.Score) +
         "</td><td class=\"date\">" + UtcDate(score.Time) + "</td></tr>\n";
}

}  // namespace

std::string HallOfFamePage(const std::vector<TRankedScore>& best) {
  std::string page(kPageHead);
  if (best.empty()) {
    page += "<p class=\"empty\">No scores yet.</p>\n";
  } else {
    page +=
        "<table>\n<tr><th class=\"rank\">#</th><th>Name</th><th "
        "class=\"score\">Score</th><th>Date</th></tr>\n";
    for (size_t i = 0; i < best.size(); ++i) page += TableRow(i + 1, best[i]);
    page += "</table>\n";
  }
  page += "</body>\n</html>\n";
  return page;
}

std::string HallOfFameJson(const std::vector<TRankedScore>& best) {
  nlohmann::json lines = nlohmann::json::array();
  for (size_t i = 0; i < best.size(); ++i)
    lines.push_back(
        {{"rank", i + 1}, {"name", best[i].Name}, {"score", best[i].Score}, {"date", UtcDate(best[i].Time)}});
  return lines.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string HtmlEscaped(std::string_view text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      case '\'':
        escaped += "&#39;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::string UtcDate(int64_t time) {
  const std::time_t seconds = std::time_t(time);
  std::tm utc{};
  gmtime_r(&seconds, &utc);
  char date[16];
  std::strftime(date, sizeof date, "%Y-%m-%d", &utc);
  return date;
}
