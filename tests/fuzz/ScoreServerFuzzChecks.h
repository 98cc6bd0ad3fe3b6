#pragma once

#include <string>
#include <string_view>
#include <vector>

// The score server's request handling under arbitrary bytes, on an SQLite database in memory. The
// first byte picks what the rest is: an even byte (as "T") a whole request target, an odd one (as "S")
// a score record, "@" standing for a one-time value just issued, that is encoded and submitted. A broken
// rule aborts: a score is stored only with a 200 and only for a record that keeps every rule.
void CheckScoreRequest(std::string_view bytes);

// Inputs that reach every branch of the handling.
std::vector<std::string> ScoreRequestSeeds();
