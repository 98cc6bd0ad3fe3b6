#include "TestHttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace {

bool WaitReadable(int socket, int milliseconds) {
  pollfd wanted{socket, POLLIN, 0};
  return poll(&wanted, 1, milliseconds) > 0;
}

}  // namespace

std::string HttpReply(std::string_view body, std::string_view extraHeaders, int status) {
  return "HTTP/1.1 " + std::to_string(status) + (status == 200 ? " OK" : " Error") +
         "\r\nContent-Type: text/html\r\nContent-Length: " + std::to_string(body.size()) +
         "\r\nConnection: close\r\n" + std::string(extraHeaders) + "\r\n" + std::string(body);
}

TTestHttpServer::TTestHttpServer(std::vector<std::string> replies, bool silent)
    : Replies(std::move(replies)), Silent(silent) {
  Listener = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (Listener < 0 || bind(Listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      listen(Listener, 8) != 0 || getsockname(Listener, reinterpret_cast<sockaddr*>(&address), &length) != 0)
    throw std::runtime_error("the test server cannot listen on 127.0.0.1");
  ListenPort = ntohs(address.sin_port);
  Worker = std::thread([this] { Serve(); });
}

TTestHttpServer::~TTestHttpServer() {
  Stopping = true;
  Worker.join();
  for (const int connection : HeldConnections) close(connection);
  close(Listener);
}

std::vector<std::string> TTestHttpServer::Requests() const {
  std::lock_guard guard(Lock);
  return Received;
}

void TTestHttpServer::Serve() {
  while (!Stopping) {
    if (!WaitReadable(Listener, 20)) continue;
    const int connection = accept(Listener, nullptr, nullptr);
    if (connection >= 0) Answer(connection);
  }
}

void TTestHttpServer::Answer(int connection) {
  std::string head;
  char buffer[1024];
  while (!Stopping && head.find("\r\n\r\n") == std::string::npos) {
    if (!WaitReadable(connection, 20)) continue;
    const ssize_t got = recv(connection, buffer, sizeof buffer, 0);
    if (got <= 0) break;
    head.append(buffer, size_t(got));
  }
  {
    std::lock_guard guard(Lock);
    Received.push_back(head.substr(0, head.find("\r\n\r\n")));
  }
  if (Silent) {
    HeldConnections.push_back(connection);
    return;
  }
  const std::string reply = NextReply < Replies.size() ? Replies[NextReply++] : HttpReply("", "", 404);
  for (size_t sent = 0; sent < reply.size();) {
    const ssize_t wrote = send(connection, reply.data() + sent, reply.size() - sent, MSG_NOSIGNAL);
    if (wrote <= 0) break;
    sent += size_t(wrote);
  }
  close(connection);
}
