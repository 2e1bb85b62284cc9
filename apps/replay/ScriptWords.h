#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The words of a scenario line. Blanks (spaces, tabs) separate words and `#` starts a
// comment outside quotes. A word holding blanks, quotes, `#` or nothing is written in
// double quotes, where \" is a quote, \\ a backslash, \n and \r line breaks. The
// recorder of the Qt host writes lines with QuoteWord; the replayer reads them back
// with SplitWords, so the two must stay each other's inverse.
namespace scenario {

// A line that cannot be split: an unterminated quote, an unknown escape, a quote in
// the middle of a word. what() names the problem and its column (from 1).
class WordSyntaxError : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

struct ScriptWord {
  std::string text;
  bool quoted = false;  // written in double quotes (so "3" is a text, not a number)
  std::size_t end = 0;  // offset just past the word in the line
};

// The words of the line, comments left out.
std::vector<std::string> SplitWords(std::string_view line);
// The same, telling quoted words apart and where each ends.
std::vector<ScriptWord> ScanWords(std::string_view line);
// The first word at or after offset, if any; nothing but blanks or a comment gives false.
bool NextWord(std::string_view line, std::size_t offset, ScriptWord& word);

// The word as it must be written so that SplitWords gives it back: as it is when it
// can stand alone, in double quotes otherwise.
std::string QuoteWord(std::string_view word);
// The word always in double quotes, for showing values in reports.
std::string QuoteText(std::string_view text);

}  // namespace scenario
