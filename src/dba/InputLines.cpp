#include "dba/InputLines.h"

#include "basis/Error.h"

namespace dba {
namespace {

constexpr std::size_t kChunkBytes = 1 << 16;

}  // namespace

bool InputLines::ReadChunk() {
  // What is left moves to the front: the buffer grows only for a line longer than a chunk.
  buffer_.erase(0, buffer_.size() - text_.size());
  const std::size_t kept = buffer_.size();
  buffer_.resize(kept + kChunkBytes);
  input_->read(buffer_.data() + kept, static_cast<std::streamsize>(kChunkBytes));
  if (input_->bad())
    throw basis::Error(basis::kInvalidProcedureCall, "Lecture des lignes JSON impossible.");
  buffer_.resize(kept + static_cast<std::size_t>(input_->gcount()));
  text_ = buffer_;
  return buffer_.size() > kept;
}

std::optional<std::string_view> InputLines::Next() {
  std::size_t end;
  while ((end = text_.find('\n')) == std::string_view::npos && !atEnd_)
    atEnd_ = !ReadChunk();
  if (end == std::string_view::npos) {
    if (text_.empty())
      return std::nullopt;
    end = text_.size();
  }
  const std::string_view line = text_.substr(0, end);
  text_.remove_prefix(end == text_.size() ? end : end + 1);
  return line;
}

}  // namespace dba
