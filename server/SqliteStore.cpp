#include "server/SqliteStore.h"

#include <sqlite3.h>

#include <mutex>

#include "server/SchemaMigrations.h"

namespace {

struct TCloseDatabase {
  void operator()(sqlite3* database) const { sqlite3_close_v2(database); }
};
struct TFinalize {
  void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using TStatement = std::unique_ptr<sqlite3_stmt, TFinalize>;

// Binds the values in order and resets the statement when it goes out of scope.
class TRun {
 public:
  explicit TRun(sqlite3_stmt* statement) : Statement(statement) {}
  ~TRun() {
    sqlite3_reset(Statement);
    sqlite3_clear_bindings(Statement);
  }
  TRun(const TRun&) = delete;
  TRun& operator=(const TRun&) = delete;

  TRun& Bind(const std::string& text) {
    sqlite3_bind_text(Statement, ++Index, text.data(), int(text.size()), SQLITE_TRANSIENT);
    return *this;
  }
  TRun& Bind(int64_t number) {
    sqlite3_bind_int64(Statement, ++Index, number);
    return *this;
  }
  // Whether a row came; throws on an error.
  bool Step() {
    const int result = sqlite3_step(Statement);
    if (result == SQLITE_ROW) return true;
    if (result == SQLITE_DONE) return false;
    throw TStoreError(sqlite3_errmsg(sqlite3_db_handle(Statement)));
  }
  int64_t Number(int column) { return sqlite3_column_int64(Statement, column); }
  std::string Text(int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(Statement, column));
    return text ? std::string(text, size_t(sqlite3_column_bytes(Statement, column))) : std::string();
  }

 private:
  sqlite3_stmt* Statement;
  int Index = 0;
};

class TSqliteStore final : public TScoreStore {
 public:
  explicit TSqliteStore(const std::string& path);

  void IssueOneTimeValue(const std::string& value, int64_t now) override;
  TOneTimeUse Submit(const TStoredScore& score, const std::string& oneTimeValue,
                     int64_t oldestIssue) override;
  void ForgetOneTimeValues(int64_t issuedBefore) override;
  std::vector<TRankedScore> Best(int limit) override;
  int64_t ScoreCount() override;

 private:
  void Execute(std::string_view sql);
  TStatement Prepare(std::string_view sql);
  void Commit() { TRun(CommitStatement.get()).Step(); }

  std::mutex Lock;
  std::unique_ptr<sqlite3, TCloseDatabase> Database;
  TStatement Issue, Spend, InsertScore, KeepBest, BestScores, Count, Forget, BeginStatement, CommitStatement,
      RollbackStatement;
};

TSqliteStore::TSqliteStore(const std::string& path) {
  sqlite3* database = nullptr;
  const int result = sqlite3_open_v2(
      path.c_str(), &database, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
  Database.reset(database);
  if (result != SQLITE_OK)
    throw TStoreError("cannot open " + path + ": " + (database ? sqlite3_errmsg(database) : "out of memory"));
  sqlite3_busy_timeout(database, 5000);
  Execute("PRAGMA journal_mode = WAL");
  Execute("PRAGMA synchronous = NORMAL");
  ApplySchemaMigrations({[this](std::string_view sql) { Execute(sql); },
                         [this](std::string_view sql) {
                           TStatement statement = Prepare(sql);
                           TRun run(statement.get());
                           return run.Step() ? int(run.Number(0)) : 0;
                         },
                         "BEGIN IMMEDIATE"});
  Issue = Prepare("INSERT INTO one_time_values (value, issued_at) VALUES (?, ?)");
  Spend = Prepare("DELETE FROM one_time_values WHERE value = ? RETURNING issued_at");
  InsertScore =
      Prepare("INSERT INTO scores (name, score, add_text, address, submitted_at) VALUES (?, ?, ?, ?, ?)");
  KeepBest = Prepare(
      "INSERT INTO best_scores (name, score, submitted_at) VALUES (?, ?, ?) ON CONFLICT (name) DO UPDATE SET "
      "score = excluded.score, submitted_at = excluded.submitted_at WHERE excluded.score > "
      "best_scores.score");
  BestScores =
      Prepare("SELECT name, score, submitted_at FROM best_scores ORDER BY score DESC, submitted_at LIMIT ?");
  Count = Prepare("SELECT COUNT(*) FROM scores");
  Forget = Prepare("DELETE FROM one_time_values WHERE issued_at < ?");
  BeginStatement = Prepare("BEGIN IMMEDIATE");
  CommitStatement = Prepare("COMMIT");
  RollbackStatement = Prepare("ROLLBACK");
}

void TSqliteStore::Execute(std::string_view sql) {
  char* error = nullptr;
  if (sqlite3_exec(Database.get(), std::string(sql).c_str(), nullptr, nullptr, &error) == SQLITE_OK) return;
  const std::string message = error ? error : sqlite3_errmsg(Database.get());
  sqlite3_free(error);
  throw TStoreError(message);
}

TStatement TSqliteStore::Prepare(std::string_view sql) {
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v3(Database.get(), sql.data(), int(sql.size()), SQLITE_PREPARE_PERSISTENT, &statement,
                         nullptr) != SQLITE_OK)
    throw TStoreError(sqlite3_errmsg(Database.get()));
  return TStatement(statement);
}

void TSqliteStore::IssueOneTimeValue(const std::string& value, int64_t now) {
  std::lock_guard guard(Lock);
  TRun(Issue.get()).Bind(value).Bind(now).Step();
}

TOneTimeUse TSqliteStore::Submit(const TStoredScore& score, const std::string& oneTimeValue,
                                 int64_t oldestIssue) {
  std::lock_guard guard(Lock);
  TRun(BeginStatement.get()).Step();
  try {
    TOneTimeUse use = TOneTimeUse::Unknown;
    {
      TRun spend(Spend.get());
      spend.Bind(oneTimeValue);
      if (spend.Step()) use = spend.Number(0) >= oldestIssue ? TOneTimeUse::Stored : TOneTimeUse::Expired;
    }
    if (use == TOneTimeUse::Stored) {
      TRun(InsertScore.get())
          .Bind(score.Name)
          .Bind(score.Score)
          .Bind(score.AddText)
          .Bind(score.Address)
          .Bind(score.Time)
          .Step();
      TRun(KeepBest.get()).Bind(score.Name).Bind(score.Score).Bind(score.Time).Step();
    }
    Commit();
    return use;
  } catch (const TStoreError&) {
    TRun(RollbackStatement.get()).Step();
    throw;
  }
}

void TSqliteStore::ForgetOneTimeValues(int64_t issuedBefore) {
  std::lock_guard guard(Lock);
  TRun(Forget.get()).Bind(issuedBefore).Step();
}

std::vector<TRankedScore> TSqliteStore::Best(int limit) {
  std::lock_guard guard(Lock);
  std::vector<TRankedScore> best;
  TRun run(BestScores.get());
  run.Bind(int64_t(limit));
  while (run.Step()) best.push_back({run.Text(0), run.Number(1), run.Number(2)});
  return best;
}

int64_t TSqliteStore::ScoreCount() {
  std::lock_guard guard(Lock);
  TRun run(Count.get());
  return run.Step() ? run.Number(0) : 0;
}

}  // namespace

std::unique_ptr<TScoreStore> OpenSqliteStore(const std::string& path) {
  return std::make_unique<TSqliteStore>(path);
}
