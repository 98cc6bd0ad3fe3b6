#pragma once

#include <memory>
#include <string>

#include "server/ScoreStore.h"

// An SQLite file in write-ahead-log mode: one connection, one statement at a time. Other processes
// may open the same file; they wait for each other's writes.
std::unique_ptr<TScoreStore> OpenSqliteStore(const std::string& path);
