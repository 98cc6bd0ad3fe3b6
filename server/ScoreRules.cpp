#include "server/ScoreRules.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "server/OneTimeValue.h"
#include "web/Latin1.h"
#include "web/ScoreRecord.h"
#include "web/TextEncoding.h"

namespace {

// C0 and C1 control characters and DEL.
bool IsControl(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || (byte >= 0x7F && byte < 0xA0);
}

// The game encodes a record whose length is a multiple of five: 8 characters per 5 bytes, and
// nothing outside the alphabet.
std::optional<TRefusal> CheckCode(std::string_view code) {
  if (code.empty()) return TRefusal{400, "empty record"};
  if (code.size() > ScoreLimits::CodeCharacters) return TRefusal{400, "record too long"};
  const bool alphabetOnly =
      std::ranges::all_of(code, [](char c) { return kBase32Alphabet.find(c) != std::string_view::npos; });
  if (!alphabetOnly || code.size() % 8 != 0) return TRefusal{400, "bad encoding"};
  return std::nullopt;
}

std::optional<TRefusal> CheckText(std::string_view text, size_t limit, std::string_view what) {
  if (text.size() > limit) return TRefusal{400, std::string(what) + " too long"};
  if (std::ranges::any_of(text, IsControl)) return TRefusal{400, "control character in " + std::string(what)};
  return std::nullopt;
}

std::variant<int64_t, TRefusal> ReadScore(std::string_view text) {
  if (text.starts_with('-') && text.size() > 1) return TRefusal{400, "negative score"};
  int64_t score = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), score);
  if (error == std::errc::result_out_of_range) return TRefusal{400, "score too high"};
  if (text.empty() || error != std::errc() || end != text.data() + text.size())
    return TRefusal{400, "bad score"};
  if (score >= ScoreLimits::Ceiling) return TRefusal{400, "score too high"};
  return score;
}

}  // namespace

std::variant<TSubmittedScore, TRefusal> ReadSubmission(std::string_view code) {
  if (std::optional<TRefusal> refusal = CheckCode(code)) return *refusal;
  const std::optional<TScoreRecordFields> fields = ParseScoreRecord(DecodeText(code));
  if (!fields) return TRefusal{400, "malformed record"};
  if (fields->Key != kScoreKey) return TRefusal{403, "wrong key"};
  if (std::optional<TRefusal> refusal = CheckText(fields->Name, ScoreLimits::NameBytes, "name"))
    return *refusal;
  if (std::optional<TRefusal> refusal = CheckText(fields->AddText, ScoreLimits::TextBytes, "text"))
    return *refusal;
  const std::variant<int64_t, TRefusal> score = ReadScore(fields->Score);
  if (const TRefusal* refusal = std::get_if<TRefusal>(&score)) return *refusal;
  if (!IsOneTimeValueShape(fields->OneTimeValue)) return TRefusal{403, "unknown one-time value"};
  return TSubmittedScore{Latin1ToUtf8(fields->Name), std::get<int64_t>(score), Latin1ToUtf8(fields->AddText),
                         fields->OneTimeValue};
}
