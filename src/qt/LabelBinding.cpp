#include "qt/LabelBinding.h"

#include "qt/Mnemonics.h"
#include "qt/QtText.h"

namespace qtui {

LabelBinding::LabelBinding(forms::Label& model, ElidingLabel& label)
    : WidgetBinding(model, label), model_(model), label_(label) {}

void LabelBinding::MirrorState() {
  // Only a caption with a letter of its own reads '&' as a mark.
  const QChar mnemonic = MnemonicOf(model_.Name());
  label_.SetFullText(mnemonic.isNull() ? ToQString(model_.Caption())
                                       : CaptionText(model_.Caption(), mnemonic));
}

}  // namespace qtui
