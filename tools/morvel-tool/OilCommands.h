#pragma once

#include <string>
#include <vector>

// morvel-tool oil-build MANIFEST OUT.oil: writes an image package (oil-build --help for the manifest).
int RunOilBuild(const std::vector<std::string>& args);

// morvel-tool oil-list PKG: one line per picture of a package.
int RunOilList(const std::vector<std::string>& args);

// morvel-tool oil-extract PKG NAME OUT.png: a picture as its texture gets it, colour key applied.
int RunOilExtract(const std::vector<std::string>& args);
