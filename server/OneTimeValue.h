#pragma once

#include <string>
#include <string_view>

// A fresh one-time value for a handshake: 128 random bits from the kernel as 32 lower-case hex
// digits, so that it can neither be guessed nor hold a "|".
std::string NewOneTimeValue();

// Whether a text could be a value NewOneTimeValue made.
bool IsOneTimeValueShape(std::string_view text);
