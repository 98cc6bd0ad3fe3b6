#pragma once

#include <functional>
#include <string_view>

// The database's schema as numbered steps, the same for SQLite and PostgreSQL. A database records the
// steps it has had in schema_version; a server brings it up to date as it starts.

// What the migration needs of a connection: run one or more statements, and read one number.
struct TSchemaConnection {
  std::function<void(std::string_view sql)> Execute;
  std::function<int(std::string_view sql)> QueryNumber;
  // Opens a transaction that no other server can run at the same time.
  std::string_view BeginExclusive;
};

// Applies the missing steps in one transaction. Throws TStoreError when the database is newer than
// this server.
void ApplySchemaMigrations(const TSchemaConnection& connection);
