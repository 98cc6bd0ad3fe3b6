#include <cstdio>
#include <fstream>

#include "OilCommands.h"
#include "assets/OilManifest.h"

int RunOilBuild(const std::vector<std::string>& args) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    std::fputs(kOilManifestHelp, stdout);
    return 0;
  }
  if (args.size() != 2) {
    std::fputs(kOilManifestHelp, stderr);
    return 2;
  }
  std::ifstream manifest(args[0]);
  if (!manifest) {
    std::fprintf(stderr, "morvel-tool oil-build: cannot read %s\n", args[0].c_str());
    return 1;
  }
  std::vector<TOilEntry> entries;
  std::string error;
  if (!ReadOilManifest(manifest, std::filesystem::path(args[0]).parent_path(), entries, error)) {
    std::fprintf(stderr, "morvel-tool oil-build: %s: %s\n", args[0].c_str(), error.c_str());
    return 1;
  }
  std::vector<uint8_t> package = WriteImagePackage(entries);
  std::ofstream out(args[1], std::ios::binary);
  out.write(reinterpret_cast<const char*>(package.data()), std::streamsize(package.size()));
  if (!out.flush()) {
    std::fprintf(stderr, "morvel-tool oil-build: cannot write %s\n", args[1].c_str());
    return 1;
  }
  std::printf("%s: %zu pictures, %zu bytes\n", args[1].c_str(), entries.size(), package.size());
  return 0;
}
