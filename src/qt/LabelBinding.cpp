#include "qt/LabelBinding.h"

#include "qt/QtText.h"

namespace qtui {

LabelBinding::LabelBinding(forms::Label& model, QLabel& label)
    : WidgetBinding(model, label), model_(model), label_(label) {
  // Names come from the database: never read them as markup.
  label.setTextFormat(Qt::PlainText);
}

void LabelBinding::MirrorState() {
  label_.setText(ToQString(model_.Caption()));
}

}  // namespace qtui
