#include "web/ScoreSubmission.h"

#include "web/TextEncoding.h"

std::optional<std::string> SubmitScore(TWebClient& client, const TScoreEntry& entry) {
  const std::optional<std::string> reply = client.Get(ScoreRequest::Script, ScoreRequest::Handshake);
  const std::optional<std::string> oneTimeValue = HandshakeValue(reply.value_or(""));
  if (!oneTimeValue) return kCannotConnect;
  const std::string code = EncodeText(ScoreRecord(entry, *oneTimeValue));
  client.Get(ScoreRequest::Script, ScoreRequest::Submission + code);
  return std::nullopt;
}
