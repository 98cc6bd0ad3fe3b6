#include "server/SchemaMigrations.h"

#include <ctime>
#include <string>
#include <vector>

#include "server/ScoreStore.h"

namespace {

struct TMigration {
  int Version;
  std::vector<std::string_view> Statements;
};

const std::vector<TMigration>& Migrations() {
  static const std::vector<TMigration> migrations = {
      {1,
       {
           "CREATE TABLE one_time_values (value TEXT PRIMARY KEY, issued_at BIGINT NOT NULL)",
           "CREATE INDEX one_time_values_by_age ON one_time_values (issued_at)",
           "CREATE TABLE scores (name TEXT NOT NULL, score BIGINT NOT NULL, add_text TEXT NOT NULL, "
           "address TEXT NOT NULL, submitted_at BIGINT NOT NULL)",
           "CREATE TABLE best_scores (name TEXT PRIMARY KEY, score BIGINT NOT NULL, submitted_at BIGINT NOT "
           "NULL)",
           "CREATE INDEX best_scores_by_rank ON best_scores (score DESC, submitted_at)",
       }},
  };
  return migrations;
}

}  // namespace

void ApplySchemaMigrations(const TSchemaConnection& connection) {
  connection.Execute(
      "CREATE TABLE IF NOT EXISTS schema_version (version INTEGER PRIMARY KEY, applied_at BIGINT NOT NULL)");
  connection.Execute(connection.BeginExclusive);
  try {
    const int current = connection.QueryNumber("SELECT COALESCE(MAX(version), 0) FROM schema_version");
    const int newest = Migrations().back().Version;
    if (current > newest)
      throw TStoreError("the database has schema version " + std::to_string(current) +
                        ", this server knows " + std::to_string(newest));
    for (const TMigration& migration : Migrations()) {
      if (migration.Version <= current) continue;
      for (const std::string_view statement : migration.Statements) connection.Execute(statement);
      connection.Execute("INSERT INTO schema_version (version, applied_at) VALUES (" +
                         std::to_string(migration.Version) + ", " + std::to_string(std::time(nullptr)) + ")");
    }
    connection.Execute("COMMIT");
  } catch (...) {
    connection.Execute("ROLLBACK");
    throw;
  }
}
