#pragma once

#include <QPushButton>

#include "forms/CommandButton.h"
#include "qt/ActionRunner.h"
#include "qt/WidgetBinding.h"

namespace qtui {

class ButtonBinding : public WidgetBinding {
 public:
  ButtonBinding(forms::CommandButton& model, QPushButton& button, ActionRunner& runner);

 protected:
  void MirrorState() override;

 private:
  forms::CommandButton& model_;
  QPushButton& button_;
};

}  // namespace qtui
