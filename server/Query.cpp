#include "server/Query.h"

#include <algorithm>
#include <set>

namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<std::string> PercentDecoded(std::string_view text) {
  std::string decoded;
  decoded.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      decoded += text[i];
      continue;
    }
    if (i + 2 >= text.size()) return std::nullopt;
    const int high = HexValue(text[i + 1]);
    const int low = HexValue(text[i + 2]);
    if (high < 0 || low < 0) return std::nullopt;
    decoded += char(high * 16 + low);
    i += 2;
  }
  return decoded;
}

}  // namespace

std::optional<TTarget> TTarget::Parse(std::string_view target) {
  TTarget parsed;
  const size_t question = target.find('?');
  std::optional<std::string> path = PercentDecoded(target.substr(0, question));
  if (!path) return std::nullopt;
  parsed.PathText = std::move(*path);
  if (question == std::string_view::npos) return parsed;
  std::string_view query = target.substr(question + 1);
  while (!query.empty()) {
    const size_t amp = query.find('&');
    const std::string_view item = query.substr(0, amp);
    query = amp == std::string_view::npos ? std::string_view() : query.substr(amp + 1);
    if (item.empty()) continue;
    const size_t equals = item.find('=');
    std::optional<std::string> name = PercentDecoded(item.substr(0, equals));
    if (!name) return std::nullopt;
    std::optional<std::string> value;
    if (equals != std::string_view::npos) {
      value = PercentDecoded(item.substr(equals + 1));
      if (!value) return std::nullopt;
    }
    parsed.Parameters.emplace_back(std::move(*name), std::move(value));
  }
  return parsed;
}

bool TTarget::Has(std::string_view name) const {
  return std::ranges::any_of(Parameters, [&](const auto& parameter) { return parameter.first == name; });
}

std::optional<std::string> TTarget::Value(std::string_view name) const {
  for (const auto& [parameterName, value] : Parameters)
    if (parameterName == name) return value;
  return std::nullopt;
}

bool TTarget::HasRepeatedNames() const {
  std::set<std::string_view> seen;
  for (const auto& parameter : Parameters)
    if (!seen.insert(parameter.first).second) return true;
  return false;
}
