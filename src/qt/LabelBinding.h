#pragma once

#include <QLabel>

#include "forms/Label.h"
#include "qt/WidgetBinding.h"

namespace qtui {

class LabelBinding : public WidgetBinding {
 public:
  LabelBinding(forms::Label& model, QLabel& label);

 protected:
  void MirrorState() override;

 private:
  forms::Label& model_;
  QLabel& label_;
};

}  // namespace qtui
