#pragma once

#include <string>
#include <string_view>
#include <vector>

// The readers of the web part under arbitrary bytes: the closing screen's configuration, the score
// script's handshake reply and the Internet shortcut files. A broken rule aborts.
void CheckShareConfig(std::string_view bytes);
void CheckHandshakeReply(std::string_view bytes);
void CheckShortcut(std::string_view bytes);

// Inputs that reach every branch of each reader.
std::vector<std::string> ShareConfigSeeds();
std::vector<std::string> HandshakeSeeds();
std::vector<std::string> ShortcutSeeds();
