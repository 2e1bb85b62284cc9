#pragma once

#include "forms/Label.h"
#include "qt/ElidingLabel.h"
#include "qt/WidgetBinding.h"

namespace qtui {

class LabelBinding : public WidgetBinding {
 public:
  LabelBinding(forms::Label& model, ElidingLabel& label);

 protected:
  void MirrorState() override;

 private:
  forms::Label& model_;
  ElidingLabel& label_;
};

}  // namespace qtui
