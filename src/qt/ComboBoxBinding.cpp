#include "qt/ComboBoxBinding.h"

#include <QLineEdit>

#include "qt/LabelCompleter.h"
#include "qt/QtText.h"
#include "qt/TextEntryForwarder.h"

namespace qtui {

ComboBoxBinding::ComboBoxBinding(forms::ComboBox& model, QComboBox& combo, ActionRunner& runner)
    : WidgetBinding(model, combo), model_(model), combo_(combo) {
  const bool editable = model.Style() == forms::ComboStyle::Editable;
  combo.setEditable(editable);
  if (editable) {
    // The model alone decides what the list holds and what the text completes to
    // (LabelCompleter).
    combo.setInsertPolicy(QComboBox::NoInsert);
    combo.setCompleter(nullptr);
  }
  new TextEntryForwarder(model, combo, editable ? combo.lineEdit() : nullptr, runner);
  // After the forwarder: the proposals follow the text the model now holds.
  if (editable)
    new LabelCompleter(model, combo, runner);
  QObject::connect(&combo, &QComboBox::activated, &combo, [this, &runner](int index) {
    runner.Run({"pick", model_.Name(), std::to_string(index)},
               [this, index] { model_.UserPick(index); });
  });
}

void ComboBoxBinding::MirrorState() {
  MirrorEntries();
  if (combo_.currentIndex() != model_.ListIndex())
    combo_.setCurrentIndex(model_.ListIndex());
  if (combo_.isEditable())
    MirrorText();
}

void ComboBoxBinding::MirrorEntries() {
  if (EntriesMatch(model_, combo_.count(), [this](int i) { return combo_.itemText(i); }))
    return;
  combo_.clear();
  for (int i = 0; i < model_.ListCount(); ++i)
    combo_.addItem(ToQString(model_.List(i)));
}

void ComboBoxBinding::MirrorText() {
  QLineEdit& edit = *combo_.lineEdit();
  const QString text = ToQString(model_.Text());
  if (edit.text() != text)
    edit.setText(text);
}

}  // namespace qtui
