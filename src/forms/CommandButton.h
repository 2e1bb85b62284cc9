#pragma once

#include "basis/Export.h"

#include <functional>

#include "forms/Widget.h"

namespace forms {

class DELVARO_EXPORT CommandButton : public Widget {
 public:
  CommandButton(Surface& surface, std::string name, std::string caption);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);

  std::function<void()> Click;

  void UserClick();

 private:
  std::string caption_;
};

}  // namespace forms
