#pragma once

#include <string>
#include <string_view>

// The game's own text form for its settings files and score records: the bytes of a text as
// a bit string, cut into groups of five bits, each written as one character of a 32-character
// alphabet of capital letters and digits. Every function accepts any input and never fails.

// The 32 characters: A to Y without I and O, then 1 to 9; position = the 5-bit value.
inline constexpr std::string_view kBase32Alphabet = "ABCDEFGHJKLMNPQRSTUVWXY123456789";

// Each byte becomes its eight bits as "0"/"1" characters, most significant first.
std::string TextToBits(std::string_view text);

// Zero bits are put in front up to a multiple of 5; each group of five (any character other
// than "0" is a 1 bit) becomes one alphabet character.
std::string BitsToBase32(std::string_view bits);

// Each alphabet character becomes its five bits; any other character is skipped.
std::string Base32ToBits(std::string_view code);

// Zero bits are put in front up to a multiple of 8; each group of eight (only "1" is a 1 bit)
// becomes one byte.
std::string BitsToText(std::string_view bits);

// TextToBits, then BitsToBase32. Only a text whose length is a multiple of 5 decodes back
// exactly; any other comes back behind one zero byte.
std::string EncodeText(std::string_view text);

// Base32ToBits, then BitsToText.
std::string DecodeText(std::string_view code);
