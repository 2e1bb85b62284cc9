#pragma once

#include <QLineEdit>

#include "forms/TextBox.h"
#include "qt/ActionRunner.h"
#include "qt/WidgetBinding.h"

namespace qtui {

// A code box drawn as a line edit.
class TextBoxBinding : public WidgetBinding {
 public:
  TextBoxBinding(forms::TextBox& model, QLineEdit& edit, ActionRunner& runner);

 protected:
  void MirrorState() override;

 private:
  forms::TextBox& model_;
  QLineEdit& edit_;
};

}  // namespace qtui
