#pragma once

#include <optional>
#include <string>
#include <string_view>

// Where the publisher's score script is reached, over plain HTTP.
struct TScoreServer {
  std::string Host = "www.example.com";
  int Port = 80;

  // "http://host:port" followed by the path and query.
  std::string Url(std::string_view pathAndQuery) const;
};

// "host" or "host:port" (a numeric IPv6 host in brackets); nothing unless it is a plain host name or
// address, so that a setting can never slip a path or a second request into the address.
std::optional<TScoreServer> ParseScoreServer(std::string_view text);

// The server of this run: MORVEL_SCORE_SERVER when it is set and well formed, otherwise the built-in one.
TScoreServer ScoreServerSetting(const char* environmentValue);
TScoreServer ScoreServerFromEnvironment();
