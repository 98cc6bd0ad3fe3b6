#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

// What a submission may hold: the game's own limits and a ceiling on the score.
namespace ScoreLimits {
inline constexpr size_t NameBytes = 12;         // the name box takes 12 characters
inline constexpr size_t TextBytes = 12;         // and so does the options' free text
inline constexpr int64_t Ceiling = 10'000'000;  // a score must stay below it
inline constexpr size_t CodeCharacters = 400;   // an encoded record of the game's is far shorter
}  // namespace ScoreLimits

// A submission that passed every check but that of its one-time value, its texts in UTF-8.
struct TSubmittedScore {
  std::string Name;
  int64_t Score = 0;
  std::string AddText;
  std::string OneTimeValue;
};

// Why a request is refused: the HTTP status and one short reason for whoever reads it.
struct TRefusal {
  int Status = 400;
  std::string Reason;
};

// The inf parameter: an encoded score record, decoded with the game's text encoding and checked
// field by field.
std::variant<TSubmittedScore, TRefusal> ReadSubmission(std::string_view code);
