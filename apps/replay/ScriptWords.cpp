#include "replay/ScriptWords.h"

namespace scenario {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

bool EndsBareWord(char c) {
  return IsBlank(c) || c == '#';
}

[[noreturn]] void Fail(const std::string& problem, std::size_t offset) {
  throw WordSyntaxError(problem + " (colonne " + std::to_string(offset + 1) + ")");
}

char Unescaped(char c, std::size_t offset) {
  switch (c) {
    case '"':
    case '\\':
      return c;
    case 'n':
      return '\n';
    case 'r':
      return '\r';
    default:
      Fail(std::string("échappement inconnu \\") + c, offset);
  }
}

// Reads the quoted word whose opening quote is at offset; returns the offset past its
// closing quote.
std::size_t ReadQuoted(std::string_view line, std::size_t offset, std::string& text) {
  const std::size_t opening = offset;
  for (std::size_t i = offset + 1; i < line.size(); ++i) {
    if (line[i] == '"') {
      if (i + 1 < line.size() && !EndsBareWord(line[i + 1]))
        Fail("texte collé après un guillemet fermant", i + 1);
      return i + 1;
    }
    if (line[i] == '\\') {
      if (i + 1 == line.size())
        break;
      ++i;
      text += Unescaped(line[i], i - 1);
    } else {
      text += line[i];
    }
  }
  Fail("guillemet non fermé", opening);
}

std::size_t ReadBare(std::string_view line, std::size_t offset, std::string& text) {
  std::size_t i = offset;
  for (; i < line.size() && !EndsBareWord(line[i]); ++i) {
    if (line[i] == '"')
      Fail("guillemet au milieu d'un mot", i);
  }
  text.assign(line.substr(offset, i - offset));
  return i;
}

bool NeedsQuotes(std::string_view word) {
  if (word.empty())
    return true;
  for (char c : word) {
    if (IsBlank(c) || c == '"' || c == '#' || c == '\n' || c == '\r')
      return true;
  }
  return false;
}

}  // namespace

bool NextWord(std::string_view line, std::size_t offset, ScriptWord& word) {
  while (offset < line.size() && IsBlank(line[offset]))
    ++offset;
  if (offset == line.size() || line[offset] == '#')
    return false;
  word.text.clear();
  word.quoted = line[offset] == '"';
  word.end = word.quoted ? ReadQuoted(line, offset, word.text) : ReadBare(line, offset, word.text);
  return true;
}

std::vector<ScriptWord> ScanWords(std::string_view line) {
  std::vector<ScriptWord> words;
  ScriptWord word;
  std::size_t offset = 0;
  while (NextWord(line, offset, word)) {
    offset = word.end;
    words.push_back(word);
  }
  return words;
}

std::vector<std::string> SplitWords(std::string_view line) {
  std::vector<std::string> words;
  for (ScriptWord& word : ScanWords(line))
    words.push_back(std::move(word.text));
  return words;
}

std::string QuoteText(std::string_view text) {
  std::string quoted = "\"";
  for (char c : text) {
    switch (c) {
      case '"':
        quoted += "\\\"";
        break;
      case '\\':
        quoted += "\\\\";
        break;
      case '\n':
        quoted += "\\n";
        break;
      case '\r':
        quoted += "\\r";
        break;
      default:
        quoted += c;
    }
  }
  return quoted + '"';
}

std::string QuoteWord(std::string_view word) {
  return NeedsQuotes(word) ? QuoteText(word) : std::string(word);
}

}  // namespace scenario
