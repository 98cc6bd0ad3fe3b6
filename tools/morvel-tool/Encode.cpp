#include "Encode.h"

#include <cstdio>
#include <string>

#include "web/TextEncoding.h"

namespace {

int Convert(const std::vector<std::string>& args, const char* command,
            std::string (*convert)(std::string_view)) {
  if (args.size() != 1) {
    std::fprintf(stderr, "morvel-tool %s: expects exactly one argument\n", command);
    return 2;
  }
  const std::string result = convert(args[0]);
  // Written byte for byte: a decoded text may hold a zero byte or any other.
  std::fwrite(result.data(), 1, result.size(), stdout);
  std::fputc('\n', stdout);
  return 0;
}

}  // namespace

int RunEncode(const std::vector<std::string>& args) {
  return Convert(args, "encode", EncodeText);
}

int RunDecode(const std::vector<std::string>& args) {
  return Convert(args, "decode", DecodeText);
}
