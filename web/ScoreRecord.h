#pragma once

#include <optional>
#include <string>
#include <string_view>

// What the player sends: the name as entered, the accumulated score and the free text of the options.
struct TScoreEntry {
  std::string PlayerName;
  int TotalScore = 0;
  std::string AddText;
};

// The one-character key the score script shares with the game.
inline constexpr std::string_view kScoreKey = "M";

// Separates the fields of the score record and of the handshake reply.
inline constexpr char kRecordSeparator = '|';

// The text without any kRecordSeparator: a name or text that kept one would add fields to the record.
std::string WithoutRecordSeparators(std::string_view text);

// The one-time value of a handshake reply: its fifth "|"-separated field, the leading "OK" counting as
// the first; empty when the reply has fewer than five "|". Nothing unless the reply begins with "OK".
std::optional<std::string> HandshakeValue(std::string_view reply);

// The fields of a score record as the score script reads them back, their values as sent.
struct TScoreRecordFields {
  std::string Name;
  std::string Score;
  std::string Key;
  std::string OneTimeValue;
  std::string AddText;
};

// A record as ScoreRecord builds it: exactly the fields type=0, name, score, key, p, add and z in that
// order, the z field empty but for the "0" filling. Nothing for any other text (a "|" smuggled into a
// field adds one and spoils it).
std::optional<TScoreRecordFields> ParseScoreRecord(std::string_view record);

// "type=0|name=...|score=...|key=...|p=...|add=...|z=", filled with "0" to a multiple of five characters
// so that the game's text encoding carries it exactly. Names and texts go in as they stand, less any
// kRecordSeparator.
std::string ScoreRecord(const TScoreEntry& entry, std::string_view oneTimeValue);
