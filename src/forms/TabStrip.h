#pragma once

#include "basis/Export.h"

#include <string>
#include <vector>

#include "forms/Widget.h"

namespace forms {

// A tab strip; Tab is the index of the tab shown, from 0.
class DELVARO_EXPORT TabStrip : public Widget {
 public:
  TabStrip(Surface& surface, std::string name, std::vector<std::string> captions);

  int TabCount() const { return static_cast<int>(captions_.size()); }
  const std::string& TabCaption(int index) const;
  int Tab() const { return tab_; }
  // An index outside the tabs is error 381.
  void SetTab(int index);

  // The user shows tab index; an index outside the tabs does nothing.
  void UserShowTab(int index);

 private:
  void CheckIndex(int index) const;

  std::vector<std::string> captions_;
  int tab_ = 0;
};

}  // namespace forms
