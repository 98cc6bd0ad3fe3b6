#include "TestDatabases.h"

#include <libpq-fe.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sqlite3.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>

namespace {

// A port nobody listens on now.
int FreePort() {
  const int probe = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address);
  getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
  close(probe);
  return ntohs(address.sin_port);
}

std::string PostgresBinaries() {
  for (const char* version : {"17", "16", "15", "14", "13"}) {
    const std::filesystem::path folder = std::filesystem::path("/usr/lib/postgresql") / version / "bin";
    if (std::filesystem::exists(folder / "initdb") && std::filesystem::exists(folder / "pg_ctl"))
      return folder;
  }
  return {};
}

// One PostgreSQL server for the whole test program, started at first use.
class TPostgresCluster {
 public:
  static TPostgresCluster& Shared() {
    static TPostgresCluster cluster;
    return cluster;
  }
  ~TPostgresCluster() {
    if (Started) Run(Binaries + "/pg_ctl -D " + (Folder / "data").string() + " -m fast -w stop");
    std::error_code ignored;
    if (!Folder.empty()) std::filesystem::remove_all(Folder, ignored);
  }

  const std::string& WhyNot() const { return Reason; }

  std::string NewDatabase() {
    const std::string name = "scores" + std::to_string(++Databases);
    ExecuteOn(Url("postgres"), "CREATE DATABASE " + name);
    return Url(name);
  }

 private:
  TPostgresCluster() {
    Binaries = PostgresBinaries();
    if (Binaries.empty()) {
      Reason =
          "PostgreSQL is not installed (no initdb under /usr/lib/postgresql); tools/bootstrap installs it";
      return;
    }
    Folder = MakeTempFolder("morvel-pg");
    // PostgreSQL refuses to run as root: the folder then belongs to the postgres user, who runs it.
    if (geteuid() == 0) {
      const passwd* postgres = getpwnam("postgres");
      if (postgres == nullptr || chown(Folder.c_str(), postgres->pw_uid, postgres->pw_gid) != 0) {
        Reason = "running as root and there is no postgres user to run PostgreSQL";
        return;
      }
      AsUser = "runuser -u postgres -- ";
    }
    Port = FreePort();
    const std::string data = (Folder / "data").string();
    if (Run(Binaries + "/initdb -D " + data + " -U postgres -A trust -E UTF8 --no-sync") != 0) {
      Reason = "initdb failed";
      return;
    }
    Started = Run(Binaries + "/pg_ctl -D " + data + " -l " + (Folder / "log").string() + " -w -o \"-p " +
                  std::to_string(Port) + " -k " + Folder.string() +
                  " -c listen_addresses=127.0.0.1 -c fsync=off -c max_connections=200\" start") == 0;
    if (!Started) Reason = "pg_ctl could not start PostgreSQL";
  }

  int Run(const std::string& command) const {
    return std::system((AsUser + command + " >/dev/null 2>&1").c_str());
  }

  std::string Url(const std::string& database) const {
    return "postgresql://postgres@127.0.0.1:" + std::to_string(Port) + "/" + database;
  }

  std::string Binaries;
  std::filesystem::path Folder;
  std::string AsUser;
  std::string Reason;
  int Port = 0;
  bool Started = false;
  int Databases = 0;
};

}  // namespace

std::string BackendName(TBackend backend) {
  return backend == TBackend::Sqlite ? "Sqlite" : "Postgres";
}

std::filesystem::path MakeTempFolder(const std::string& prefix) {
  std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
  return pattern;
}

TTestDatabase::TTestDatabase(TBackend backend) {
  if (backend == TBackend::Sqlite) {
    Folder = MakeTempFolder("morvel-scores");
    DatabaseUrl = (Folder / "scores.sqlite").string();
    return;
  }
  TPostgresCluster& cluster = TPostgresCluster::Shared();
  Reason = cluster.WhyNot();
  if (Reason.empty()) DatabaseUrl = cluster.NewDatabase();
}

TTestDatabase::~TTestDatabase() {
  std::error_code ignored;
  if (!Folder.empty()) std::filesystem::remove_all(Folder, ignored);
}

void ExecuteOn(const std::string& url, const std::string& sql) {
  if (!url.starts_with("postgresql://")) {
    sqlite3* database = nullptr;
    const bool done = sqlite3_open(url.c_str(), &database) == SQLITE_OK &&
                      sqlite3_exec(database, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
    const std::string error = sqlite3_errmsg(database);
    sqlite3_close(database);
    if (!done) throw std::runtime_error(error);
    return;
  }
  PGconn* connection = PQconnectdb(url.c_str());
  PGresult* result = PQexec(connection, sql.c_str());
  const bool done = PQresultStatus(result) == PGRES_COMMAND_OK || PQresultStatus(result) == PGRES_TUPLES_OK;
  const std::string error = PQerrorMessage(connection);
  PQclear(result);
  PQfinish(connection);
  if (!done) throw std::runtime_error(error);
}
