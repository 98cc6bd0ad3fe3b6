#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

// The two databases the server runs on; every store test runs on both.
enum class TBackend { Sqlite, Postgres };

std::string BackendName(TBackend backend);

// A fresh, empty database of one kind for one test: an SQLite file in a private folder, or a new
// database in a real PostgreSQL server that this test program starts (initdb and pg_ctl in a private
// folder, on a port of its own) and stops at its end.
class TTestDatabase {
 public:
  explicit TTestDatabase(TBackend backend);
  ~TTestDatabase();
  TTestDatabase(const TTestDatabase&) = delete;
  TTestDatabase& operator=(const TTestDatabase&) = delete;

  // What --db takes; empty when the database cannot be had here (then WhyNot says why).
  const std::string& Url() const { return DatabaseUrl; }
  const std::string& WhyNot() const { return Reason; }

 private:
  std::filesystem::path Folder;
  std::string DatabaseUrl;
  std::string Reason;
};

// Runs a statement on a database the test made (to age values or damage the schema); throws on error.
void ExecuteOn(const std::string& url, const std::string& sql);

// A private folder removed afterwards.
std::filesystem::path MakeTempFolder(const std::string& prefix);
