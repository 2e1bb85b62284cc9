#include "qt/LabelBinding.h"

#include "qt/Mnemonics.h"
#include "qt/QtText.h"

namespace qtui {

LabelBinding::LabelBinding(forms::Label& model, QLabel& label)
    : WidgetBinding(model, label), model_(model), label_(label) {
  // Names come from the database: never read them as markup.
  label.setTextFormat(Qt::PlainText);
}

void LabelBinding::MirrorState() {
  // Only a caption with a letter of its own reads '&' as a mark.
  const QChar mnemonic = MnemonicOf(model_.Name());
  label_.setText(mnemonic.isNull() ? ToQString(model_.Caption())
                                   : CaptionText(model_.Caption(), mnemonic));
}

}  // namespace qtui
