#pragma once

#include <string>
#include <string_view>

// The game's texts are bytes of the Latin-1 set; pages and JSON carry UTF-8.

// Each byte as the Unicode character of the same number, in UTF-8.
std::string Latin1ToUtf8(std::string_view text);

// UTF-8 back to Latin-1 bytes; a character beyond Latin-1 or a broken sequence becomes "?".
std::string Utf8ToLatin1(std::string_view text);
