#include "ServerProcess.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <stdexcept>

TServerProcess::TServerProcess(const std::vector<std::string>& arguments) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) throw std::runtime_error("no pipe");
  std::vector<std::string> all = {MORVEL_SCORES_BINARY, "--listen", "127.0.0.1:0"};
  all.insert(all.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& argument : all) argv.push_back(argument.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
  const int spawned = posix_spawn(&Pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipeEnds[1]);
  Output = pipeEnds[0];
  if (spawned != 0) throw std::runtime_error("cannot start morvel-scores");
  const std::string first = ReadLine(30000);
  const size_t colon = first.rfind(':');
  if (first.find("listening on") == std::string::npos || colon == std::string::npos)
    throw std::runtime_error("morvel-scores did not start: " + first);
  ListenPort = std::stoi(first.substr(colon + 1));
}

TServerProcess::~TServerProcess() {
  if (Pid > 0) Stop(SIGKILL);
  close(Output);
}

int TServerProcess::Stop(int signal) {
  kill(Pid, signal);
  int status = 0;
  waitpid(Pid, &status, 0);
  Pid = -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::string TServerProcess::ReadLine(int timeoutMilliseconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMilliseconds);
  for (;;) {
    const size_t end = Pending.find('\n');
    if (end != std::string::npos) {
      std::string line = Pending.substr(0, end);
      Pending.erase(0, end + 1);
      Lines.push_back(line);
      return line;
    }
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    pollfd wanted{Output, POLLIN, 0};
    if (poll(&wanted, 1, int(std::max<int64_t>(0, left.count()))) <= 0) return {};
    char buffer[4096];
    const ssize_t got = read(Output, buffer, sizeof buffer);
    if (got <= 0) return {};
    Pending.append(buffer, size_t(got));
  }
}

std::vector<std::string> TServerProcess::LogLines() {
  while (!ReadLine(Pid > 0 ? 200 : 0).empty()) {
  }
  return Lines;
}

int ConnectTo(int port) {
  const int connection = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(uint16_t(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (connect(connection, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) return connection;
  close(connection);
  return -1;
}

bool SendAll(int socket, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t sent = send(socket, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent <= 0) return false;
    bytes.remove_prefix(size_t(sent));
  }
  return true;
}

std::string ReadUntilClosed(int socket, int timeoutMilliseconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMilliseconds);
  std::string received;
  for (;;) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    pollfd wanted{socket, POLLIN, 0};
    if (left.count() <= 0 || poll(&wanted, 1, int(left.count())) <= 0) return received;
    char buffer[4096];
    const ssize_t got = recv(socket, buffer, sizeof buffer, 0);
    if (got <= 0) return received;
    received.append(buffer, size_t(got));
  }
}

TRawReply ParseReply(const std::string& reply) {
  TRawReply parsed;
  if (!reply.starts_with("HTTP/1.1 ") || reply.size() < 12) return parsed;
  parsed.Status = std::stoi(reply.substr(9, 3));
  const size_t bodyStart = reply.find("\r\n\r\n");
  if (bodyStart != std::string::npos) parsed.Body = reply.substr(bodyStart + 4);
  return parsed;
}

TRawReply RawGet(int port, const std::string& target) {
  const int connection = ConnectTo(port);
  if (connection < 0) return {};
  SendAll(connection, "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n");
  const std::string reply = ReadUntilClosed(connection, 10000);
  close(connection);
  return ParseReply(reply);
}
