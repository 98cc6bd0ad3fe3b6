#pragma once

#include <string>
#include <vector>

// morvel-tool prd-info FILE: what a track file places (records per kind), its way points and key
// way points, check lines, start slots and the track length.
int RunPrdInfo(const std::vector<std::string>& args);
