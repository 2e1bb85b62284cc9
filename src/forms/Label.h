#pragma once

#include "basis/Export.h"

#include "forms/Widget.h"

namespace forms {

class DELVARO_EXPORT Label : public Widget {
 public:
  Label(Surface& surface, std::string name, std::string caption = "");

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);

 private:
  std::string caption_;
};

}  // namespace forms
