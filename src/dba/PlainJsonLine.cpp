#include "dba/PlainJsonLine.h"

#include "dba/Marks.h"

namespace dba {
namespace {

class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {}

  bool AtEnd() {
    SkipBlanks();
    return !broken_ && position_ == text_.size();
  }

  // Skips blanks, then takes c if it comes next.
  bool Take(char c) {
    SkipBlanks();
    if (!broken_ && position_ < text_.size() && text_[position_] == c) {
      ++position_;
      return true;
    }
    return false;
  }

  // A text without escapes or control characters, in well-formed UTF-8, appended to out.
  // Nothing else is taken, unless the text starts and is not of that kind: then nothing
  // more is read.
  bool String(std::string& out) {
    if (!Take('"'))
      return false;
    broken_ = true;
    const std::size_t start = position_;
    while (position_ < text_.size()) {
      const auto byte = static_cast<unsigned char>(text_[position_]);
      if (byte == '"') {
        out.append(text_.substr(start, position_ - start));
        ++position_;
        broken_ = false;
        return true;
      }
      if (byte < 0x20 || byte == '\\')
        return false;
      if (byte < 0x80)
        ++position_;
      else if (!Utf8Sequence())
        return false;
    }
    return false;
  }

 private:
  void SkipBlanks() {
    while (position_ < text_.size() && (text_[position_] == ' ' || text_[position_] == '\t' ||
                                        text_[position_] == '\n' || text_[position_] == '\r'))
      ++position_;
  }

  // The multibyte sequence at the position, within the ranges UTF-8 allows: no overlong
  // forms, no surrogates, nothing above U+10FFFF.
  bool Utf8Sequence() {
    const auto lead = static_cast<unsigned char>(text_[position_]);
    unsigned char low = 0x80, high = 0xBF;
    std::size_t length;
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      low = lead == 0xE0 ? 0xA0 : 0x80;
      high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      low = lead == 0xF0 ? 0x90 : 0x80;
      high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
      return false;
    }
    if (text_.size() - position_ < length)
      return false;
    for (std::size_t i = 1; i < length; ++i) {
      const auto byte = static_cast<unsigned char>(text_[position_ + i]);
      if (byte < (i == 1 ? low : 0x80) || byte > (i == 1 ? high : 0xBF))
        return false;
    }
    position_ += length;
    return true;
  }

  std::string_view text_;
  std::size_t position_ = 0;
  bool broken_ = false;
};

constexpr char kMarks[] = {kAttributeMark, kValueMark, kSubvalueMark};

// A list of parts of the level (0 attributes, 1 values, 2 subvalues), each a text or, above
// subvalues, a list of the level below; written with the level's mark between parts.
bool List(Scanner& scanner, int level, std::string& body) {
  if (!scanner.Take('['))
    return false;
  if (scanner.Take(']'))
    return true;
  do {
    if (!scanner.String(body) && (level == 2 || !List(scanner, level + 1, body)))
      return false;
  } while (scanner.Take(',') && (body += kMarks[level], true));
  return scanner.Take(']');
}

}  // namespace

std::optional<PlainJsonLine::Parts> PlainJsonLine::Read(std::string_view line) {
  Scanner scanner(line);
  Parts parts;
  bool hasFile = false, hasKey = false, hasRecord = false;
  if (!scanner.Take('{'))
    return std::nullopt;
  do {
    std::string member;
    if (!scanner.String(member) || !scanner.Take(':'))
      return std::nullopt;
    bool read = false;
    if (member == "file" && !hasFile)
      read = hasFile = scanner.String(parts.file);
    else if (member == "key" && !hasKey)
      read = hasKey = scanner.String(parts.key);
    else if (member == "record" && !hasRecord)
      read = hasRecord = List(scanner, 0, parts.body);
    if (!read)
      return std::nullopt;
  } while (scanner.Take(','));
  if (!scanner.Take('}') || !scanner.AtEnd() || !hasFile || !hasKey || !hasRecord)
    return std::nullopt;
  // Trailing empty attributes are no part of a record's text.
  while (!parts.body.empty() && parts.body.back() == kAttributeMark)
    parts.body.pop_back();
  return parts;
}

}  // namespace dba
