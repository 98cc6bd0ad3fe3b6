#pragma once

#include <string>
#include <string_view>
#include <vector>

// The score server's request handling under arbitrary bytes, on an SQLite database in memory. The
// first byte picks what the rest is: a whole request target (an even byte, "T"), or a score record ("S") ("@" standing for a
// one-time value just issued) that is encoded and submitted. A broken rule aborts: a score is stored
// only with a 200 and only when the record keeps every rule; nothing else ever stores one.
void CheckScoreRequest(std::string_view bytes);

// Inputs that reach every branch of the handling.
std::vector<std::string> ScoreRequestSeeds();
