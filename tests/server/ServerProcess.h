#pragma once

#include <string>
#include <string_view>
#include <vector>

// The morvel-scores program, started by a test on a free port of 127.0.0.1 and killed at the end if
// the test has not stopped it.
class TServerProcess {
 public:
  // The arguments after --listen; waits until the server says where it listens.
  explicit TServerProcess(const std::vector<std::string>& arguments);
  ~TServerProcess();
  TServerProcess(const TServerProcess&) = delete;
  TServerProcess& operator=(const TServerProcess&) = delete;

  int Port() const { return ListenPort; }
  // Sends the signal and waits for the program to end; its exit status, or 128 + the signal that
  // ended it.
  int Stop(int signal);
  // What the program has written so far, line by line.
  std::vector<std::string> LogLines();

 private:
  std::string ReadLine(int timeoutMilliseconds);

  int Pid = -1;
  int Output = -1;
  int ListenPort = 0;
  std::string Pending;
  std::vector<std::string> Lines;
};

// A plain HTTP exchange with a server on 127.0.0.1, for what the game's client does not do.
struct TRawReply {
  int Status = 0;  // 0: no reply
  std::string Body;
};
int ConnectTo(int port);  // a socket, or -1
bool SendAll(int socket, std::string_view bytes);
// Everything until the server closes or the time runs out.
std::string ReadUntilClosed(int socket, int timeoutMilliseconds);
TRawReply ParseReply(const std::string& reply);
TRawReply RawGet(int port, const std::string& target);
