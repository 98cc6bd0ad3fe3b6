#include "server/ScoreStore.h"

#include "server/SqliteStore.h"

std::unique_ptr<TScoreStore> OpenScoreStore(const std::string& database, int) {
  return OpenSqliteStore(database);
}
