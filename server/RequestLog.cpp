#include "server/RequestLog.h"

#include <ctime>

namespace {

std::string UtcNow() {
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
  return text;
}

}  // namespace

std::string Printable(std::string_view text, size_t limit) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string printable;
  for (const char c : text.substr(0, limit)) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x21 && byte < 0x7F && byte != '\\') {
      printable += c;
      continue;
    }
    printable += "\\x";
    printable += kHex[byte >> 4];
    printable += kHex[byte & 15];
  }
  if (text.size() > limit) printable += "...";
  return printable;
}

void TRequestLog::Request(std::string_view address, std::string_view method, std::string_view target,
                          int status, std::chrono::microseconds took) {
  WriteLine(UtcNow() + " " + std::string(address) + " " + Printable(method, 16) + " " +
            Printable(target, 160) + " " + std::to_string(status) + " " + std::to_string(took.count()) +
            "us");
}

void TRequestLog::Note(std::string_view text) {
  WriteLine(UtcNow() + " " + std::string(text));
}

void TRequestLog::WriteLine(const std::string& line) {
  std::lock_guard guard(Lock);
  std::fputs(line.c_str(), Stream);
  std::fputc('\n', Stream);
  std::fflush(Stream);
}
