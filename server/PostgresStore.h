#pragma once

#include <memory>
#include <string>

#include "server/ScoreStore.h"

// A PostgreSQL database through a pool of connections, each with its statements prepared. A
// submission is one statement, so one round trip and one transaction.
std::unique_ptr<TScoreStore> OpenPostgresStore(const std::string& url, int connections);
