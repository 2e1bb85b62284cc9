#include "qt/TextBoxBinding.h"

#include "qt/QtText.h"
#include "qt/TextEntryForwarder.h"

namespace qtui {

TextBoxBinding::TextBoxBinding(forms::TextBox& model, QLineEdit& edit, ActionRunner& runner)
    : WidgetBinding(model, edit), model_(model), edit_(edit) {
  new TextEntryForwarder(model, edit, &edit, runner);
}

void TextBoxBinding::MirrorState() {
  // Setting the text the person just typed would move the cursor to the end.
  const QString text = ToQString(model_.Text());
  if (edit_.text() != text)
    edit_.setText(text);
}

}  // namespace qtui
