#pragma once

#include <istream>
#include <optional>
#include <string>
#include <string_view>

namespace dba {

// The lines of a text or of a stream, one at a time. A stream is read in chunks, so memory
// holds one chunk and the longest line, never the whole input. A line ends at '\n' (a
// '\r' before it stays part of the line); a last line without one still counts.
class InputLines {
 public:
  explicit InputLines(std::string_view text) : text_(text), atEnd_(true) {}
  explicit InputLines(std::istream& input) : input_(&input) {}

  // The next line without its end, or nullopt after the last one. The view is valid until
  // the next call. A stream that cannot be read raises kInvalidProcedureCall.
  std::optional<std::string_view> Next();

 private:
  // Appends the next chunk of the stream to the buffer; false at the end of the stream.
  bool ReadChunk();

  std::istream* input_ = nullptr;
  std::string buffer_;
  // What is left to hand out: in the buffer, or in the text given.
  std::string_view text_;
  bool atEnd_ = false;
};

}  // namespace dba
