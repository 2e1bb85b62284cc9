#pragma once

#include <QObject>

#include "forms/TextWidget.h"
#include "qt/ActionRunner.h"

class QLineEdit;
class QWidget;

namespace qtui {

// Forwards what the person does in a text field: each change of the text is one edit,
// Enter is the key 13 and does nothing else, and the focus leaving the field within
// the window is leaving it. A focus lost only because a pop-up or another window (a
// message box) opened is not leaving the field.
class TextEntryForwarder : public QObject {
 public:
  // focusTarget gets the keys and the focus; editor, when the field takes typed text,
  // is where the text is typed.
  TextEntryForwarder(forms::TextWidget& model, QWidget& focusTarget, QLineEdit* editor,
                     ActionRunner& runner);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  forms::TextWidget& model_;
  ActionRunner& runner_;
};

}  // namespace qtui
