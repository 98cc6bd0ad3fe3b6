#pragma once

#include <chrono>
#include <string>

class TScoreService;
class TRequestLog;

struct THttpSettings {
  std::string Address = "127.0.0.1";
  unsigned short Port = 8080;  // 0: any free port (the log says which)
  int Threads = 4;
  // The longest a client may take to send a request (or to take the reply): a client that sends a
  // byte a second is cut off after it, whatever it sends.
  std::chrono::milliseconds RequestTimeout{10000};
};

// Serves the score service over HTTP/1.1 until SIGTERM or SIGINT; then takes no more connections,
// closes those waiting for a request, finishes the requests under way and returns. Throws
// std::runtime_error when it cannot listen.
void ServeHttp(const THttpSettings& settings, TScoreService& service, TRequestLog& log);
