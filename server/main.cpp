// morvel-scores: the score server of Morvel Racing. See `morvel-scores --help` and man morvel-scores.
#include <cstdio>
#include <ctime>
#include <exception>
#include <string>
#include <vector>

#include "server/HttpServer.h"
#include "server/RequestLog.h"
#include "server/ScoreService.h"
#include "server/ServerOptions.h"

namespace {

int Run(const TServerOptions& options) {
  const std::unique_ptr<TScoreStore> store = OpenScoreStore(options.Database, options.Http.Threads);
  if (options.Count) {
    std::printf("%lld\n", static_cast<long long>(store->ScoreCount()));
    return 0;
  }
  TScoreService service(*store, options.Service, [] { return int64_t(std::time(nullptr)); });
  TRequestLog log(stdout);
  ServeHttp(options.Http, service, log);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const TServerOptionsResult parsed = ParseServerOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.Options) {
    std::fprintf(stderr, "morvel-scores: %s\n%s", parsed.Error.c_str(), kServerUsage);
    return 2;
  }
  if (parsed.Options->Help) {
    std::fputs(kServerUsage, stdout);
    return 0;
  }
  try {
    return Run(*parsed.Options);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "morvel-scores: %s\n", error.what());
    return 1;
  }
}
