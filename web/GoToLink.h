#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "web/DetachedLaunch.h"

// The address of an Internet shortcut file's text: the "URL=" line of its "[InternetShortcut]" section,
// when that is an "http", "https" or "mailto" address. Nothing for any other file, section or address.
std::optional<std::string> ShortcutAddress(std::string_view text);

// What opening file would hand to the desktop: a shortcut file's address (see ShortcutAddress), or the
// full name of any other existing file that is a plain document (not executable, not a desktop entry,
// not a script). Nothing for everything else, a missing file included.
std::optional<std::string> LinkTarget(const std::string& file);

// Opens file for the player: its link target through "xdg-open", without waiting for the browser.
// Nothing happens when there is no target; failures are silent.
void OpenLink(const std::string& file, const TLauncher& launch = LaunchDetached);
