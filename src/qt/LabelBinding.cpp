#include "qt/LabelBinding.h"

#include "qt/QtText.h"

namespace qtui {

LabelBinding::LabelBinding(forms::Label& model, ElidingLabel& label)
    : WidgetBinding(model, label), model_(model), label_(label) {}

void LabelBinding::MirrorState() {
  label_.SetFullText(ToQString(model_.Caption()));
}

}  // namespace qtui
