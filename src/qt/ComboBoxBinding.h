#pragma once

#include <QComboBox>

#include "forms/ComboBox.h"
#include "qt/ActionRunner.h"
#include "qt/WidgetBinding.h"

namespace qtui {

// A label list drawn as a combo box: editable when the model takes typed text, a
// choice from the list only otherwise.
class ComboBoxBinding : public WidgetBinding {
 public:
  ComboBoxBinding(forms::ComboBox& model, QComboBox& combo, ActionRunner& runner);

 protected:
  void MirrorState() override;

 private:
  void MirrorEntries();
  void MirrorText();

  forms::ComboBox& model_;
  QComboBox& combo_;
};

}  // namespace qtui
