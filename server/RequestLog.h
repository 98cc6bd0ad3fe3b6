#pragma once

#include <chrono>
#include <cstdio>
#include <mutex>
#include <string>
#include <string_view>

// One line per request on a stream: the time (UTC), the client's address, the method, the target (cut
// short and with anything unprintable escaped), the status and how long the answer took.
class TRequestLog {
 public:
  explicit TRequestLog(std::FILE* stream) : Stream(stream) {}

  void Request(std::string_view address, std::string_view method, std::string_view target, int status,
               std::chrono::microseconds took);
  // A line of the server's own ("listening on ...", "stopping").
  void Note(std::string_view text);

 private:
  void WriteLine(const std::string& line);

  std::FILE* Stream;
  std::mutex Lock;
};

// The text with bytes outside printable ASCII as \xHH, at most `limit` bytes of it followed by "...".
std::string Printable(std::string_view text, size_t limit);
