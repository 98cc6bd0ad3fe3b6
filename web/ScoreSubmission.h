#pragma once

#include <optional>
#include <string>

#include "web/ScoreRecord.h"
#include "web/WebClient.h"

// What the player is told when the server gives no one-time value (an information box).
inline constexpr const char* kCannotConnect = "Can't connect to server!";

// The score script and the product name every request carries.
namespace ScoreRequest {
inline constexpr const char* Script = "/cgi/version.pl";
inline constexpr const char* Handshake = "version&prg=MorvelRacing";
inline constexpr const char* Submission = "hs&prg=MorvelRacing&inf=";  // followed by the encoded record
}  // namespace ScoreRequest

// One submission from start to end on the calling thread: the handshake, then the encoded record. The
// text to show the player when the handshake fails; nothing otherwise (what the submission brings back
// is not the player's business).
std::optional<std::string> SubmitScore(TWebClient& client, const TScoreEntry& entry);
