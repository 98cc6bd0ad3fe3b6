#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A request target split into its path and its query parameters, percent escapes decoded. A
// parameter may stand without "=" (the score script's "version" and "hs").
class TTarget {
 public:
  // Nothing when a percent escape is broken.
  static std::optional<TTarget> Parse(std::string_view target);

  const std::string& Path() const { return PathText; }
  bool Has(std::string_view name) const;
  // The value of the parameter; nothing when it is missing or stands without "=".
  std::optional<std::string> Value(std::string_view name) const;
  // Whether any parameter name comes twice (a second inf must not slip past the first).
  bool HasRepeatedNames() const;

 private:
  std::string PathText;
  std::vector<std::pair<std::string, std::optional<std::string>>> Parameters;
};
