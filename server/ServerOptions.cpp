#include "server/ServerOptions.h"

#include <algorithm>
#include <charconv>
#include <thread>

namespace {

std::optional<int> Number(const std::string& text, int least, int most) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < least ||
      value > most)
    return std::nullopt;
  return value;
}

// "ADDR:PORT", with an IPv6 address in brackets.
bool ReadListen(const std::string& text, THttpSettings& http) {
  const size_t colon = text.rfind(':');
  if (colon == std::string::npos || colon == 0) return false;
  std::string address = text.substr(0, colon);
  if (address.front() == '[' && address.back() == ']') address = address.substr(1, address.size() - 2);
  const std::optional<int> port = Number(text.substr(colon + 1), 0, 65535);
  if (!port || address.empty()) return false;
  http.Address = address;
  http.Port = static_cast<unsigned short>(*port);
  return true;
}

// Sets the option that takes a value; false when the value is bad.
bool ReadValue(const std::string& option, const std::string& value, TServerOptions& options) {
  if (option == "--listen") return ReadListen(value, options.Http);
  if (option == "--db") {
    options.Database = value;
    return !value.empty();
  }
  std::optional<int> number;
  if (option == "--threads" && (number = Number(value, 1, 256))) options.Http.Threads = *number;
  if (option == "--rate-limit" && (number = Number(value, 0, 1'000'000)))
    options.Service.RequestsPerMinute = *number;
  if (option == "--request-timeout" && (number = Number(value, 1, 3600)))
    options.Http.RequestTimeout = std::chrono::seconds(*number);
  return number.has_value();
}

}  // namespace

TServerOptionsResult ParseServerOptions(const std::vector<std::string>& arguments) {
  TServerOptions options;
  // Twice the processors: enough workers to keep them busy while others wait for the database, few
  // enough that requests do not queue behind each other (the tail latency in bench/RESULTS.md).
  options.Http.Threads = int(std::max(1u, std::thread::hardware_concurrency()) * 2);
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& option = arguments[i];
    if (option == "--help") {
      options.Help = true;
    } else if (option == "--count") {
      options.Count = true;
    } else if (option == "--listen" || option == "--db" || option == "--threads" ||
               option == "--rate-limit" || option == "--request-timeout") {
      if (i + 1 == arguments.size()) return {std::nullopt, option + " needs a value"};
      const std::string& value = arguments[++i];
      if (!ReadValue(option, value, options)) return {std::nullopt, "bad value for " + option + ": " + value};
    } else {
      return {std::nullopt, "unknown option: " + option};
    }
  }
  return {options, ""};
}
