#include "server/ScoreStore.h"

#include "server/PostgresStore.h"
#include "server/SqliteStore.h"

std::unique_ptr<TScoreStore> OpenScoreStore(const std::string& database, int connections) {
  if (database.starts_with("postgresql://") || database.starts_with("postgres://"))
    return OpenPostgresStore(database, connections);
  return OpenSqliteStore(database);
}
