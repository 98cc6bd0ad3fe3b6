#pragma once

#include <optional>
#include <string>
#include <string_view>

// Where the score script is reached, over plain HTTP. An empty host: the game has no score server.
struct TScoreServer {
  std::string Host;
  int Port = 80;

  bool IsSet() const { return !Host.empty(); }

  // "http://host:port" followed by the path and query.
  std::string Url(std::string_view pathAndQuery) const;
};

// "host" or "host:port" (a numeric IPv6 host in brackets); nothing unless it is a plain host name or
// address, so that a setting can never slip a path or a second request into the address.
std::optional<TScoreServer> ParseScoreServer(std::string_view text);

// The server the build names (the CMake option MORVEL_SCORE_SERVER, "host" or "host:port"); empty
// when it names none.
std::string_view BuiltInScoreServer();

// The server of this run: the environment's value when it is set and well formed, otherwise the
// built-in one; none when neither names one.
TScoreServer ScoreServerSetting(const char* environmentValue, std::string_view builtIn);
// The same from the environment variable MORVEL_SCORE_SERVER and the build.
TScoreServer ScoreServerFromEnvironment();
