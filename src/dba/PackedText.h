#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace dba {

// The text form of a dynamic array kept whole, with where each attribute starts: attribute
// i is found in constant time, and making or dropping the array costs two allocations
// however many elements it holds. Trailing empty attributes are never part of it, so two
// packed texts that hold the same elements are the same text. Any thread may read a
// packed text that no thread changes.
class PackedText {
 public:
  PackedText() = default;
  // Splits a text made with the marks of Marks.h at its attribute marks.
  explicit PackedText(std::string_view text);

  // Room for attributes whose texts add up to textSize bytes, so that appending them
  // moves nothing.
  void Reserve(std::size_t textSize, std::size_t attributes);
  // Appends an attribute, which must hold no attribute mark (not checked: the caller
  // builds it from marked texts it has split).
  void Append(std::string_view attribute);

  // The number of attributes.
  std::size_t Count() const { return starts_.size(); }
  // Attribute index (from 0, below Count()), without its mark.
  std::string_view Attribute(std::size_t index) const;
  const std::string& Text() const { return text_; }

 private:
  void StartAttribute();

  std::string text_;
  std::vector<std::size_t> starts_;
  // Empty attributes appended after the last non-empty one: they become part of the text
  // only once a non-empty attribute follows them.
  std::size_t pendingEmpty_ = 0;
};

}  // namespace dba
