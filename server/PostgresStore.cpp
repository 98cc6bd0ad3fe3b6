#include "server/PostgresStore.h"

#include <libpq-fe.h>

#include <array>
#include <condition_variable>
#include <mutex>
#include <utility>
#include <vector>

#include "server/SchemaMigrations.h"

namespace {

struct TFinish {
  void operator()(PGconn* connection) const { PQfinish(connection); }
};
using TConnection = std::unique_ptr<PGconn, TFinish>;

struct TClear {
  void operator()(PGresult* result) const { PQclear(result); }
};
using TResult = std::unique_ptr<PGresult, TClear>;

struct TPrepared {
  const char* Name;
  const char* Sql;
};

// Every statement of the store, prepared on each connection.
constexpr std::array<TPrepared, 5> kStatements = {{
    {"issue", "INSERT INTO one_time_values (value, issued_at) VALUES ($1, $2::bigint)"},
    // Spends the value; stores the score and keeps the best of the name only when the value was fresh.
    {"submit",
     "WITH spent AS (DELETE FROM one_time_values WHERE value = $1 RETURNING issued_at), "
     "fresh AS (SELECT 1 FROM spent WHERE issued_at >= $2::bigint), "
     "stored AS (INSERT INTO scores (name, score, add_text, address, submitted_at) "
     "SELECT $3, $4::bigint, $5, $6, $7::bigint FROM fresh), "
     "best AS (INSERT INTO best_scores (name, score, submitted_at) SELECT $3, $4::bigint, $7::bigint FROM "
     "fresh "
     "ON CONFLICT (name) DO UPDATE SET score = EXCLUDED.score, submitted_at = EXCLUDED.submitted_at "
     "WHERE EXCLUDED.score > best_scores.score) "
     "SELECT CASE WHEN issued_at >= $2::bigint THEN 1 ELSE 0 END FROM spent"},
    {"forget", "DELETE FROM one_time_values WHERE issued_at < $1::bigint"},
    {"best",
     "SELECT name, score, submitted_at FROM best_scores ORDER BY score DESC, submitted_at LIMIT $1::int"},
    {"count", "SELECT COUNT(*) FROM scores"},
}};

std::string ErrorOf(PGconn* connection) {
  std::string message = PQerrorMessage(connection);
  while (!message.empty() && (message.back() == '\n' || message.back() == ' ')) message.pop_back();
  return message;
}

TResult Checked(PGconn* connection, PGresult* result) {
  TResult owned(result);
  const ExecStatusType status = PQresultStatus(result);
  if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) throw TStoreError(ErrorOf(connection));
  return owned;
}

TResult Execute(PGconn* connection, std::string_view sql) {
  return Checked(connection, PQexec(connection, std::string(sql).c_str()));
}

TResult RunPrepared(PGconn* connection, const char* name, const std::vector<std::string>& values) {
  std::vector<const char*> pointers;
  for (const std::string& value : values) pointers.push_back(value.c_str());
  return Checked(connection, PQexecPrepared(connection, name, int(pointers.size()), pointers.data(), nullptr,
                                            nullptr, 0));
}

int64_t NumberAt(PGresult* result, int row, int column) {
  return std::stoll(PQgetvalue(result, row, column));
}

TConnection Connect(const std::string& url) {
  TConnection connection(PQconnectdb(url.c_str()));
  if (!connection) throw TStoreError("out of memory");
  if (PQstatus(connection.get()) != CONNECTION_OK) throw TStoreError(ErrorOf(connection.get()));
  Execute(connection.get(), "SET client_min_messages = warning");
  return connection;
}

void PrepareStatements(PGconn* connection) {
  for (const TPrepared& statement : kStatements)
    Checked(connection, PQprepare(connection, statement.Name, statement.Sql, 0, nullptr));
}

class TPostgresStore final : public TScoreStore {
 public:
  TPostgresStore(const std::string& url, int connections);

  void IssueOneTimeValue(const std::string& value, int64_t now) override {
    Run("issue", {value, std::to_string(now)});
  }
  TOneTimeUse Submit(const TStoredScore& score, const std::string& oneTimeValue,
                     int64_t oldestIssue) override;
  void ForgetOneTimeValues(int64_t issuedBefore) override { Run("forget", {std::to_string(issuedBefore)}); }
  std::vector<TRankedScore> Best(int limit) override;
  int64_t ScoreCount() override { return NumberAt(Run("count", {}).get(), 0, 0); }

 private:
  // Runs a prepared statement on a free connection; a connection that broke is opened anew for the
  // next use (this request fails).
  TResult Run(const char* name, const std::vector<std::string>& values);
  TConnection Take();
  void Give(TConnection connection);

  std::mutex Lock;
  std::condition_variable Returned;
  std::vector<TConnection> Free;
};

TPostgresStore::TPostgresStore(const std::string& url, int connections) {
  TConnection first = Connect(url);
  PGconn* raw = first.get();
  ApplySchemaMigrations({[raw](std::string_view sql) { Execute(raw, sql); },
                         [raw](std::string_view sql) { return int(NumberAt(Execute(raw, sql).get(), 0, 0)); },
                         // Servers starting together take turns.
                         "BEGIN; SELECT pg_advisory_xact_lock(7271828)"});
  PrepareStatements(raw);
  Free.push_back(std::move(first));
  for (int i = 1; i < connections; ++i) {
    Free.push_back(Connect(url));
    PrepareStatements(Free.back().get());
  }
}

TConnection TPostgresStore::Take() {
  std::unique_lock guard(Lock);
  Returned.wait(guard, [this] { return !Free.empty(); });
  TConnection connection = std::move(Free.back());
  Free.pop_back();
  return connection;
}

void TPostgresStore::Give(TConnection connection) {
  {
    std::lock_guard guard(Lock);
    Free.push_back(std::move(connection));
  }
  Returned.notify_one();
}

TResult TPostgresStore::Run(const char* name, const std::vector<std::string>& values) {
  TConnection connection = Take();
  try {
    TResult result = RunPrepared(connection.get(), name, values);
    Give(std::move(connection));
    return result;
  } catch (const TStoreError&) {
    if (PQstatus(connection.get()) == CONNECTION_BAD) {
      PQreset(connection.get());
      if (PQstatus(connection.get()) == CONNECTION_OK) PrepareStatements(connection.get());
    }
    Give(std::move(connection));
    throw;
  }
}

TOneTimeUse TPostgresStore::Submit(const TStoredScore& score, const std::string& oneTimeValue,
                                   int64_t oldestIssue) {
  const TResult result =
      Run("submit", {oneTimeValue, std::to_string(oldestIssue), score.Name, std::to_string(score.Score),
                     score.AddText, score.Address, std::to_string(score.Time)});
  if (PQntuples(result.get()) == 0) return TOneTimeUse::Unknown;
  return NumberAt(result.get(), 0, 0) == 1 ? TOneTimeUse::Stored : TOneTimeUse::Expired;
}

std::vector<TRankedScore> TPostgresStore::Best(int limit) {
  const TResult result = Run("best", {std::to_string(limit)});
  std::vector<TRankedScore> best;
  for (int row = 0; row < PQntuples(result.get()); ++row)
    best.push_back(
        {PQgetvalue(result.get(), row, 0), NumberAt(result.get(), row, 1), NumberAt(result.get(), row, 2)});
  return best;
}

}  // namespace

std::unique_ptr<TScoreStore> OpenPostgresStore(const std::string& url, int connections) {
  return std::make_unique<TPostgresStore>(url, connections);
}
