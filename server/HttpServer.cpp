#include "server/HttpServer.h"

#include <boost/asio/dispatch.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/signal_set.hpp>
#include <boost/asio/strand.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>

#include <array>
#include <atomic>
#include <csignal>
#include <memory>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <thread>
#include <unordered_map>
#include <vector>

#include "server/RequestLog.h"
#include "server/ScoreService.h"

namespace {

namespace beast = boost::beast;
namespace http = beast::http;
namespace net = boost::asio;
using tcp = net::ip::tcp;
using Clock = std::chrono::steady_clock;

// A request of this service is one line and a few headers; anything longer is refused.
constexpr size_t kHeaderLimit = 8192;
constexpr size_t kBodyLimit = 1024;
// How long a closing connection is read (and dropped) so that the client gets the last reply.
constexpr std::chrono::seconds kLingerTime{2};

class TSession;

// What the connections share.
struct TServerState {
  TServerState(TScoreService& service, TRequestLog& log, std::chrono::milliseconds requestTimeout)
      : Service(service), Log(log), RequestTimeout(requestTimeout) {}

  TScoreService& Service;
  TRequestLog& Log;
  std::chrono::milliseconds RequestTimeout;
  std::atomic<bool> Stopping{false};
  std::mutex Lock;
  std::unordered_map<TSession*, std::weak_ptr<TSession>> Sessions;
};

// One connection: requests read under a deadline and answered in turn.
class TSession : public std::enable_shared_from_this<TSession> {
 public:
  TSession(tcp::socket&& socket, TServerState& server) : Stream(std::move(socket)), Server(server) {
    beast::error_code error;
    const tcp::endpoint peer = Stream.socket().remote_endpoint(error);
    Address = error ? "-" : peer.address().to_string();
  }
  ~TSession() {
    std::lock_guard guard(Server.Lock);
    Server.Sessions.erase(this);
  }

  void Start() {
    {
      std::lock_guard guard(Server.Lock);
      Server.Sessions.emplace(this, weak_from_this());
    }
    net::dispatch(Stream.get_executor(), beast::bind_front_handler(&TSession::Read, shared_from_this()));
  }

  // From any thread as the server stops: a connection that waits for its next request closes now.
  void Stop() {
    net::post(Stream.get_executor(), beast::bind_front_handler(&TSession::CloseIfIdle, shared_from_this()));
  }

 private:
  void Read() {
    if (Server.Stopping) return Close();
    Parser.emplace();
    Parser->header_limit(kHeaderLimit);
    Parser->body_limit(kBodyLimit);
    Stream.expires_after(Server.RequestTimeout);
    Waiting = true;
    http::async_read(Stream, Buffer, *Parser,
                     beast::bind_front_handler(&TSession::OnRead, shared_from_this()));
  }

  void CloseIfIdle() {
    if (Waiting && Buffer.size() == 0 && !Parser->got_some()) Close();
  }

  void OnRead(beast::error_code error, size_t) {
    Waiting = false;
    Started = Clock::now();
    if (!error) return Answer(Server.Service.Handle(RequestOf(Parser->get())), Parser->get().keep_alive());
    Method = "-";
    Target = "-";
    if (error == http::error::header_limit || error == http::error::body_limit)
      return Answer({414, "text/plain; charset=utf-8", "request too long\n"}, false);
    if (!Parser->got_some() && Buffer.size() == 0) return Close();  // closed or idle between requests
    // Too slow, or gone half-way: the connection is closed already; the log keeps a line of it.
    if (error == beast::error::timeout || error == net::error::operation_aborted ||
        error == http::error::end_of_stream || error == http::error::partial_message) {
      LogRequest(error == beast::error::timeout ? 408 : 400);
      return Close();
    }
    Answer({400, "text/plain; charset=utf-8", "bad request\n"}, false);
  }

  THttpRequest RequestOf(const http::request<http::string_body>& request) {
    Method = std::string(request.method_string());
    Target = std::string(request.target());
    return {Method, Target, Address};
  }

  void Answer(THttpReply reply, bool keepAlive) {
    Response = {};
    Response.version(11);
    Response.result(unsigned(reply.Status));
    Response.set(http::field::server, "morvel-scores");
    Response.set(http::field::content_type, reply.ContentType);
    Response.set(http::field::cache_control, "no-store");
    Response.body() = std::move(reply.Body);
    Response.keep_alive(keepAlive && !Server.Stopping);
    Response.prepare_payload();
    Stream.expires_after(Server.RequestTimeout);
    http::async_write(Stream, Response, beast::bind_front_handler(&TSession::OnWrite, shared_from_this()));
  }

  void OnWrite(beast::error_code error, size_t) {
    LogRequest(int(Response.result_int()));
    if (error) return Close();
    if (Response.keep_alive()) return Read();
    Linger();
  }

  void LogRequest(int status) {
    Server.Log.Request(Address, Method, Target, status,
                       std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - Started));
  }

  // The reply is sent: no more is written, and what the client still sends is read and dropped for
  // a moment, so that closing does not throw the reply away before the client has read it.
  void Linger() {
    beast::error_code ignored;
    Stream.socket().shutdown(tcp::socket::shutdown_send, ignored);
    Stream.expires_after(kLingerTime);
    Stream.async_read_some(net::buffer(Dropped),
                           beast::bind_front_handler(&TSession::OnLinger, shared_from_this()));
  }

  void OnLinger(beast::error_code error, size_t) {
    if (error) return Close();
    Stream.async_read_some(net::buffer(Dropped),
                           beast::bind_front_handler(&TSession::OnLinger, shared_from_this()));
  }

  void Close() {
    beast::error_code ignored;
    Stream.socket().shutdown(tcp::socket::shutdown_both, ignored);
    Stream.close();
  }

  beast::tcp_stream Stream;
  TServerState& Server;
  std::string Address;
  beast::flat_buffer Buffer;
  std::optional<http::request_parser<http::string_body>> Parser;
  http::response<http::string_body> Response;
  std::array<char, 4096> Dropped{};
  bool Waiting = false;
  Clock::time_point Started;
  std::string Method;
  std::string Target;
};

// Takes the connections, each on a strand of its own.
class TListener : public std::enable_shared_from_this<TListener> {
 public:
  TListener(net::io_context& context, const tcp::endpoint& endpoint, TServerState& server)
      : Context(context), Acceptor(net::make_strand(context)), Server(server) {
    beast::error_code error;
    Acceptor.open(endpoint.protocol(), error);
    if (!error) Acceptor.set_option(net::socket_base::reuse_address(true), error);
    if (!error) Acceptor.bind(endpoint, error);
    if (!error) Acceptor.listen(net::socket_base::max_listen_connections, error);
    if (error)
      throw std::runtime_error("cannot listen on " + endpoint.address().to_string() + ":" +
                               std::to_string(endpoint.port()) + ": " + error.message());
  }

  tcp::endpoint Endpoint() const { return Acceptor.local_endpoint(); }

  void Accept() {
    Acceptor.async_accept(net::make_strand(Context),
                          beast::bind_front_handler(&TListener::OnAccept, shared_from_this()));
  }

  void Stop() {
    net::post(Acceptor.get_executor(), [self = shared_from_this()] {
      beast::error_code ignored;
      self->Acceptor.close(ignored);
    });
  }

 private:
  void OnAccept(beast::error_code error, tcp::socket socket) {
    if (!Acceptor.is_open()) return;
    if (!error) std::make_shared<TSession>(std::move(socket), Server)->Start();
    Accept();
  }

  net::io_context& Context;
  tcp::acceptor Acceptor;
  TServerState& Server;
};

void StopServing(TServerState& server, TListener& listener) {
  server.Log.Note("stopping: finishing the requests under way");
  server.Stopping = true;
  listener.Stop();
  std::vector<std::shared_ptr<TSession>> sessions;
  {
    std::lock_guard guard(server.Lock);
    for (const auto& [key, session] : server.Sessions)
      if (std::shared_ptr<TSession> alive = session.lock()) sessions.push_back(std::move(alive));
  }
  for (const std::shared_ptr<TSession>& session : sessions) session->Stop();
}

}  // namespace

void ServeHttp(const THttpSettings& settings, TScoreService& service, TRequestLog& log) {
  beast::error_code error;
  const net::ip::address address = net::ip::make_address(settings.Address, error);
  if (error) throw std::runtime_error("not an address: " + settings.Address);
  const int threads = std::max(1, settings.Threads);
  net::io_context context(threads);
  TServerState server(service, log, settings.RequestTimeout);
  const auto listener = std::make_shared<TListener>(context, tcp::endpoint(address, settings.Port), server);
  const tcp::endpoint endpoint = listener->Endpoint();
  const std::string shown = endpoint.address().is_v6() ? "[" + endpoint.address().to_string() + "]"
                                                       : endpoint.address().to_string();
  log.Note("listening on " + shown + ":" + std::to_string(endpoint.port()));
  listener->Accept();

  net::signal_set signals(context, SIGINT, SIGTERM);
  signals.async_wait([&](beast::error_code waitError, int) {
    if (!waitError) StopServing(server, *listener);
  });
  std::vector<std::thread> workers;
  for (int i = 1; i < threads; ++i) workers.emplace_back([&context] { context.run(); });
  context.run();
  for (std::thread& worker : workers) worker.join();
  log.Note("stopped");
}
