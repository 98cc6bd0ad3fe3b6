#pragma once

#include <cstdlib>
#include <optional>
#include <string>

// Sets (or, given none, removes) one environment variable for a test and restores it afterwards.
class TEnvironmentVariable {
 public:
  TEnvironmentVariable(const char* name, const std::optional<std::string>& value) : Name(name) {
    if (const char* old = std::getenv(name)) Previous = old;
    Assign(value);
  }
  ~TEnvironmentVariable() { Assign(Previous); }
  TEnvironmentVariable(const TEnvironmentVariable&) = delete;
  TEnvironmentVariable& operator=(const TEnvironmentVariable&) = delete;

 private:
  void Assign(const std::optional<std::string>& value) {
    if (value)
      ::setenv(Name, value->c_str(), 1);
    else
      ::unsetenv(Name);
  }

  const char* Name;
  std::optional<std::string> Previous;
};
