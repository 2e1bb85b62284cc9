#pragma once

#include <QListWidget>

#include "forms/ListBox.h"
#include "qt/ActionRunner.h"
#include "qt/WidgetBinding.h"

namespace qtui {

// A list box drawn as a list widget where several entries can be selected at once.
class ListBoxBinding : public WidgetBinding {
 public:
  ListBoxBinding(forms::ListBox& model, QListWidget& list, ActionRunner& runner);

 protected:
  void MirrorState() override;

 private:
  void SelectionEdited(ActionRunner& runner);

  forms::ListBox& model_;
  QListWidget& list_;
};

}  // namespace qtui
