#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

// A score as it is kept: texts in UTF-8, times in seconds since 1970 (UTC).
struct TStoredScore {
  std::string Name;
  int64_t Score = 0;
  std::string AddText;
  std::string Address;  // where it came from
  int64_t Time = 0;
};

// One line of the hall of fame: the best score of a name.
struct TRankedScore {
  std::string Name;
  int64_t Score = 0;
  int64_t Time = 0;
};

// What became of a submission's one-time value.
enum class TOneTimeUse {
  Stored,   // it was issued and unused: it is spent and the score stored
  Unknown,  // never issued, or spent already: nothing stored
  Expired,  // issued too long ago: it is spent, nothing stored
};

// The database could not be reached or refused a statement.
class TStoreError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Where the one-time values and the scores live. Everything that matters is here, not in the server's
// memory, so that several servers can share one database. Safe to use from several threads; every
// operation throws TStoreError when the database fails.
class TScoreStore {
 public:
  virtual ~TScoreStore() = default;

  virtual void IssueOneTimeValue(const std::string& value, int64_t now) = 0;
  // Spends the value and, when it was issued at oldestIssue or later, stores the score: both or neither.
  virtual TOneTimeUse Submit(const TStoredScore& score, const std::string& oneTimeValue,
                             int64_t oldestIssue) = 0;
  // Removes the values issued before the given time (they can no longer be used).
  virtual void ForgetOneTimeValues(int64_t issuedBefore) = 0;
  // The best score of each name, best first; of equal scores the earlier first.
  virtual std::vector<TRankedScore> Best(int limit) = 0;
  // Every score ever stored, not only the best of each name.
  virtual int64_t ScoreCount() = 0;
};

// "postgresql://..." or "postgres://..." opens PostgreSQL with that many connections, anything else
// is the path of an SQLite file. The schema is created or brought up to date first.
std::unique_ptr<TScoreStore> OpenScoreStore(const std::string& database, int connections);
