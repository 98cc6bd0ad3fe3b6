#include "web/ScoreServer.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace {

bool IsHostNameCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-';
}

bool IsBracketedAddressCharacter(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F') || c == ':' || c == '.';
}

bool ValidHost(std::string_view host) {
  if (host.size() > 2 && host.front() == '[' && host.back() == ']')
    return std::ranges::all_of(host.substr(1, host.size() - 2), IsBracketedAddressCharacter);
  return !host.empty() && host.size() <= 253 && host.front() != '-' &&
         std::ranges::all_of(host, IsHostNameCharacter);
}

std::optional<int> ParsePort(std::string_view text) {
  int port = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), port);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || port < 1 || port > 65535)
    return std::nullopt;
  return port;
}

}  // namespace

std::string TScoreServer::Url(std::string_view pathAndQuery) const {
  return "http://" + Host + ":" + std::to_string(Port) + std::string(pathAndQuery);
}

std::optional<TScoreServer> ParseScoreServer(std::string_view text) {
  TScoreServer server;
  const size_t colon = text.rfind(':');
  const bool hasPort = colon != std::string_view::npos &&
                       text.substr(colon).find(']') == std::string_view::npos &&
                       (text.front() == '[' || text.find(':') == colon);
  if (hasPort) {
    const std::optional<int> port = ParsePort(text.substr(colon + 1));
    if (!port) return std::nullopt;
    server.Port = *port;
    text = text.substr(0, colon);
  }
  if (!ValidHost(text)) return std::nullopt;
  server.Host = std::string(text);
  return server;
}

std::string_view BuiltInScoreServer() {
  return MORVEL_SCORE_SERVER;
}

TScoreServer ScoreServerSetting(const char* environmentValue, std::string_view builtIn) {
  const TScoreServer fallback = ParseScoreServer(builtIn).value_or(TScoreServer{});
  if (environmentValue == nullptr || *environmentValue == '\0') return fallback;
  if (std::optional<TScoreServer> server = ParseScoreServer(environmentValue)) return *server;
  std::fprintf(stderr, "Morvel Racing: MORVEL_SCORE_SERVER \"%s\" is not a host or host:port; %s\n",
               environmentValue, fallback.IsSet() ? ("using " + fallback.Host).c_str() : "no score server");
  return fallback;
}

TScoreServer ScoreServerFromEnvironment() {
  return ScoreServerSetting(std::getenv("MORVEL_SCORE_SERVER"), BuiltInScoreServer());
}
