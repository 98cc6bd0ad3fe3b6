#pragma once

#include <optional>
#include <string>
#include <string_view>

// The line format the settings files share: every line one value in the game's text encoding.

// A yes/no value: "true" or "false", encoded as it is.
std::string FlagLine(bool value);

// A text: "%" appended until its length is a multiple of 5, so that it decodes exactly.
std::string TextLine(std::string_view text);

// A number: its decimal text ("-" in front when negative), as a text line.
std::string NumberLine(int value);

// A text line read back: decoded, every "%" at the end removed.
std::string TextOfLine(std::string_view line);

// A number line read back; none when its text is no decimal integer that fits.
std::optional<int> NumberOfLine(std::string_view line);

// A file's text without the UTF-8 byte-order mark an editor may have put before it.
std::string_view WithoutByteOrderMark(std::string_view text);

// The lines of a file's contents in order, after any byte-order mark; a line ends with CR LF, LF
// or CR alone (as editors of every system leave them). Past the end every line reads as empty.
// A file cut short by the reader's size limit has no readable lines from the cut on (none), so
// their values stay as they were.
class TLineReader {
 public:
  TLineReader(std::string_view text, bool cutShort) : Rest(WithoutByteOrderMark(text)), CutShort(cutShort) {}
  std::optional<std::string_view> Next();
  // Whether every line has been read.
  bool AtEnd() const { return Rest.empty(); }

 private:
  std::string_view Rest;
  bool CutShort;
};
