#pragma once

#include <string>
#include <string_view>

// The game keeps its strings as Windows-1251 bytes, as the system it was made for did.

// The Unicode character of one byte.
char32_t Cp1251ToUnicode(unsigned char byte);

// UTF-8 to Windows-1251; characters with no byte in that code page are dropped, as are
// malformed sequences.
std::string Utf8ToCp1251(std::string_view utf8);

std::string Cp1251ToUtf8(std::string_view bytes);
