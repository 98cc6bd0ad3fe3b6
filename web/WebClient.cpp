#include "web/WebClient.h"

#include <curl/curl.h>

#include <utility>

namespace {

// A reply to the score script is a line or two; anything far larger is not its reply.
constexpr size_t kMaxReplyBytes = 1 << 20;

bool KeptInQuery(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
         c == '_' || c == '~' || c == '&' || c == '=';
}

size_t AppendBody(char* data, size_t size, size_t count, void* target) {
  std::string& body = *static_cast<std::string*>(target);
  const size_t bytes = size * count;
  if (body.size() + bytes > kMaxReplyBytes) return 0;  // libcurl ends the transfer with an error
  body.append(data, bytes);
  return bytes;
}

int CheckAbandoned(void* abandoned, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  return static_cast<std::atomic<bool>*>(abandoned)->load() ? 1 : 0;
}

}  // namespace

std::string PercentEncodeQuery(std::string_view query) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  for (const char c : query) {
    const auto byte = static_cast<unsigned char>(c);
    if (KeptInQuery(byte)) {
      encoded += c;
      continue;
    }
    encoded += '%';
    encoded += kHex[byte >> 4];
    encoded += kHex[byte & 15];
  }
  return encoded;
}

struct TWebClient::TCurl {
  CURL* Handle = nullptr;
  curl_slist* Headers = nullptr;

  TCurl() {
    curl_global_init(CURL_GLOBAL_DEFAULT);
    Handle = curl_easy_init();
    Headers = curl_slist_append(Headers, WebRequest::Accept);
    Headers = curl_slist_append(Headers, WebRequest::ContentType);
  }
  ~TCurl() {
    curl_slist_free_all(Headers);
    curl_easy_cleanup(Handle);
    curl_global_cleanup();
  }
};

TWebClient::TWebClient(TScoreServer server, TWebTimeouts timeouts)
    : Curl(std::make_unique<TCurl>()), Server(std::move(server)), Timeouts(timeouts) {
  CURL* handle = Curl->Handle;
  if (handle == nullptr) return;
  // An empty cookie file switches on the cookie engine without reading any file: the cookies live in
  // this handle, as long as the client does.
  curl_easy_setopt(handle, CURLOPT_COOKIEFILE, "");
  curl_easy_setopt(handle, CURLOPT_HTTPHEADER, Curl->Headers);
  curl_easy_setopt(handle, CURLOPT_USERAGENT, WebRequest::UserAgent);
  curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http");
  curl_easy_setopt(handle, CURLOPT_PROXY, "");
  curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 0L);
  curl_easy_setopt(handle, CURLOPT_FAILONERROR, 1L);
  curl_easy_setopt(handle, CURLOPT_NOSIGNAL,
                   1L);  // time-outs without signals: the requests run off the main thread
  curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, long(Timeouts.Connect.count()));
  curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, long(Timeouts.Whole.count()));
  curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, AppendBody);
  curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, CheckAbandoned);
  curl_easy_setopt(handle, CURLOPT_XFERINFODATA, &Abandoned);
}

TWebClient::~TWebClient() = default;

std::optional<std::string> TWebClient::Get(std::string_view path, std::string_view query) {
  if (Curl->Handle == nullptr || Abandoned) return std::nullopt;
  std::string body;
  const std::string url = Server.Url(std::string(path) + "?" + PercentEncodeQuery(query));
  curl_easy_setopt(Curl->Handle, CURLOPT_URL, url.c_str());
  curl_easy_setopt(Curl->Handle, CURLOPT_WRITEDATA, &body);
  const CURLcode result = curl_easy_perform(Curl->Handle);
  if (result != CURLE_OK) return std::nullopt;
  return body;
}
