#pragma once

#include <filesystem>

// The Internet shortcut files beside the program: the menu buttons and the closing screen open
// "moregames.url" and "website.url", and the game opens "play.url" as it ends. Each holds
// "[InternetShortcut]" and a "URL=" line, LF line ends.
void WriteShortcuts(const std::filesystem::path& gameFolder);
