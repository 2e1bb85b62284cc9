#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace dba {

// Many short texts laid end to end in one buffer, found by number: a long run of texts
// costs the growth of two buffers, not an allocation each. One thread at a time.
class TextsEndToEnd {
 public:
  // Starts text number Count(): what is then appended to the buffer returned belongs to
  // it, until the next call.
  std::string& Next() {
    starts_.push_back(bytes_.size());
    return bytes_;
  }
  std::size_t Count() const { return starts_.size(); }
  // The bytes of all the texts.
  std::size_t Size() const { return bytes_.size(); }
  // Text n (below Count()), valid until the next Next or Clear.
  std::string_view operator[](std::size_t n) const {
    const std::size_t end = n + 1 < starts_.size() ? starts_[n + 1] : bytes_.size();
    return std::string_view(bytes_).substr(starts_[n], end - starts_[n]);
  }
  void Clear() {
    bytes_.clear();
    starts_.clear();
  }

 private:
  std::string bytes_;
  // Where each text starts in bytes_.
  std::vector<std::size_t> starts_;
};

}  // namespace dba
