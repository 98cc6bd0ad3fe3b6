#include "web/ScoreRecord.h"

std::optional<std::string> HandshakeValue(std::string_view reply) {
  if (!reply.starts_with("OK")) return std::nullopt;
  // Five cuts at the first "|": each takes the text before it as the field and keeps the rest. A cut
  // that finds no "|" gives an empty field and leaves the rest as it was.
  std::string_view field;
  for (int cut = 0; cut < 5; ++cut) {
    const size_t bar = reply.find(kRecordSeparator);
    if (bar == std::string_view::npos) {
      field = {};
      continue;
    }
    field = reply.substr(0, bar);
    reply.remove_prefix(bar + 1);
  }
  return std::string(field);
}

std::string WithoutRecordSeparators(std::string_view text) {
  std::string kept(text);
  std::erase(kept, kRecordSeparator);
  return kept;
}

std::string ScoreRecord(const TScoreEntry& entry, std::string_view oneTimeValue) {
  std::string record = "type=0|name=" + WithoutRecordSeparators(entry.PlayerName) +
                       "|score=" + std::to_string(entry.TotalScore) + "|key=" + std::string(kScoreKey) +
                       "|p=" + std::string(oneTimeValue) + "|add=" + WithoutRecordSeparators(entry.AddText) +
                       "|z=";
  record.append((5 - record.size() % 5) % 5, '0');
  return record;
}
