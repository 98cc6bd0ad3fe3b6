#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "TestDatabases.h"
#include "server/ScoreService.h"
#include "server/ScoreStore.h"
#include "web/ScoreRecord.h"

// The server's request handling on a fresh database of the test's kind, with a clock the test sets.
class ServiceTest : public testing::TestWithParam<TBackend> {
 protected:
  void SetUp() override;

  THttpReply Get(const std::string& target, const std::string& address = "192.0.2.7");
  // A handshake; its one-time value as the game reads it.
  std::string Handshake();
  // A submission of the record as the game builds and encodes it.
  THttpReply Submit(const TScoreEntry& entry, const std::string& oneTimeValue);
  // A submission of any encoded record.
  THttpReply SubmitCode(const std::string& code);
  std::string BestJson(int limit = 100);

  std::unique_ptr<TTestDatabase> Database;
  std::unique_ptr<TScoreStore> Store;
  std::unique_ptr<TScoreService> Service;
  int64_t Now = 1'800'000'000;
};

// "type=0|name=...|score=...|key=...|p=...|add=...|z=" filled to a multiple of five, with any field
// values: what a client other than the game might send.
std::string HandMadeRecord(const std::string& name, const std::string& score, const std::string& key,
                           const std::string& value, const std::string& text);

std::string SubmissionTarget(const std::string& code);
