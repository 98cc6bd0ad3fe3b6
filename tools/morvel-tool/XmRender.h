#pragma once

#include <string>
#include <vector>

// morvel-tool xm-render IN.xm OUT.raw SECONDS: the module as the game streams it, raw PCM.
int RunXmRender(const std::vector<std::string>& args);
