#pragma once

#include "forms/TextWidget.h"

namespace forms {

class TextBox : public TextWidget {
 public:
  TextBox(Surface& surface, std::string name);
};

}  // namespace forms
