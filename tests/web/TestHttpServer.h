#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

// A reply with its status line, the given extra header lines ("Name: value\r\n" each) and the body.
// The connection closes after it, so each request comes on a connection of its own.
std::string HttpReply(std::string_view body, std::string_view extraHeaders = "", int status = 200);

// An HTTP server on 127.0.0.1 on a port of its own, in a thread: it records each request's head (the
// request line and headers) and answers the connections in turn with the given replies (a 404 when they
// have run out), or, when silent, accepts them and never answers.
class TTestHttpServer {
 public:
  explicit TTestHttpServer(std::vector<std::string> replies, bool silent = false);
  ~TTestHttpServer();
  TTestHttpServer(const TTestHttpServer&) = delete;
  TTestHttpServer& operator=(const TTestHttpServer&) = delete;

  int Port() const { return ListenPort; }
  std::vector<std::string> Requests() const;

 private:
  void Serve();
  void Answer(int connection);

  std::vector<std::string> Replies;
  bool Silent;
  int Listener = -1;
  int ListenPort = 0;
  size_t NextReply = 0;
  std::vector<int> HeldConnections;
  mutable std::mutex Lock;
  std::vector<std::string> Received;
  std::atomic<bool> Stopping{false};
  std::thread Worker;
};
