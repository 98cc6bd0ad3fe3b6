#pragma once

#include <optional>
#include <string>
#include <vector>

#include "server/HttpServer.h"
#include "server/ScoreService.h"

// The command line of morvel-scores.
struct TServerOptions {
  THttpSettings Http;
  TServiceSettings Service;
  std::string Database = "scores.sqlite";
  bool Count = false;  // print how many scores are stored and end
  bool Help = false;
};

inline constexpr const char* kServerUsage =
    "Usage: morvel-scores [OPTION]...\n"
    "The score server and hall of fame of Morvel Racing.\n"
    "\n"
    "  --listen ADDR:PORT     where to listen (default 127.0.0.1:8080; [::1]:8080 for IPv6)\n"
    "  --db FILE|URL          an SQLite file (default scores.sqlite) or postgresql://...\n"
    "  --threads N            worker threads, and PostgreSQL connections (default: twice the processors)\n"
    "  --rate-limit N         score-script requests per address and minute (default 120, 0: none)\n"
    "  --request-timeout S    seconds a client has to send a request (default 10)\n"
    "  --count                print how many scores the database holds, and end\n"
    "  --help                 this text\n";

// The options, or a message saying what is wrong with them.
struct TServerOptionsResult {
  std::optional<TServerOptions> Options;
  std::string Error;
};
TServerOptionsResult ParseServerOptions(const std::vector<std::string>& arguments);
