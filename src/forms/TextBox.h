#pragma once

#include "basis/Export.h"

#include "forms/TextWidget.h"

namespace forms {

class DELVARO_EXPORT TextBox : public TextWidget {
 public:
  TextBox(Surface& surface, std::string name);
};

}  // namespace forms
