#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "server/ScoreStore.h"

// The hall of fame as a page for people and as JSON for programs (the game among them). Ranks count
// from 1 in the order given.

// A page readable on a phone: rank, name, score and date of each line; every name escaped.
std::string HallOfFamePage(const std::vector<TRankedScore>& best);

// [{"rank":1,"name":"...","score":123,"date":"2026-12-11"}, ...]
std::string HallOfFameJson(const std::vector<TRankedScore>& best);

// "&", "<", ">", quotes and apostrophes as character references.
std::string HtmlEscaped(std::string_view text);

// YYYY-MM-DD of a time in seconds since 1970, in UTC.
std::string UtcDate(int64_t time);
