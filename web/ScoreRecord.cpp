#include "web/ScoreRecord.h"

#include <array>
#include <vector>

namespace {

// The record's field names, in order.
constexpr std::array<std::string_view, 7> kRecordFields = {"type", "name", "score", "key", "p", "add", "z"};

std::vector<std::string_view> SplitFields(std::string_view record) {
  std::vector<std::string_view> fields;
  for (;;) {
    const size_t bar = record.find(kRecordSeparator);
    fields.push_back(record.substr(0, bar));
    if (bar == std::string_view::npos) return fields;
    record.remove_prefix(bar + 1);
  }
}

// The value of "name=value", nothing when the field has another name.
std::optional<std::string> FieldValue(std::string_view field, std::string_view name) {
  if (!field.starts_with(name) || field.substr(name.size(), 1) != "=") return std::nullopt;
  return std::string(field.substr(name.size() + 1));
}

}  // namespace

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

std::optional<TScoreRecordFields> ParseScoreRecord(std::string_view record) {
  const std::vector<std::string_view> fields = SplitFields(record);
  if (record.size() % 5 != 0 || fields.size() != kRecordFields.size()) return std::nullopt;
  std::array<std::string, kRecordFields.size()> values;
  for (size_t i = 0; i < fields.size(); ++i) {
    std::optional<std::string> value = FieldValue(fields[i], kRecordFields[i]);
    if (!value) return std::nullopt;
    values[i] = std::move(*value);
  }
  const std::string& filling = values[6];
  if (values[0] != "0" || filling.size() > 4 || filling.find_first_not_of('0') != std::string::npos)
    return std::nullopt;
  return TScoreRecordFields{values[1], values[2], values[3], values[4], values[5]};
}
