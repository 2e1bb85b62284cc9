#include "dba/PackedText.h"

#include "dba/Marks.h"

namespace dba {

PackedText::PackedText(std::string_view text) {
  while (!text.empty() && text.back() == kAttributeMark)
    text.remove_suffix(1);
  if (text.empty())
    return;
  text_ = text;
  starts_.push_back(0);
  for (std::size_t at = text_.find(kAttributeMark); at != std::string::npos;
       at = text_.find(kAttributeMark, at + 1))
    starts_.push_back(at + 1);
}

void PackedText::Reserve(std::size_t textSize, std::size_t attributes) {
  text_.reserve(textSize + attributes);
  starts_.reserve(attributes);
}

void PackedText::Append(std::string_view attribute) {
  if (attribute.empty()) {
    ++pendingEmpty_;
    return;
  }
  for (; pendingEmpty_ > 0; --pendingEmpty_)
    StartAttribute();
  StartAttribute();
  text_ += attribute;
}

void PackedText::StartAttribute() {
  if (!starts_.empty())
    text_ += kAttributeMark;
  starts_.push_back(text_.size());
}

std::string_view PackedText::Attribute(std::size_t index) const {
  const std::size_t start = starts_[index];
  const std::size_t end = index + 1 < starts_.size() ? starts_[index + 1] - 1 : text_.size();
  return std::string_view(text_).substr(start, end - start);
}

}  // namespace dba
