#include "qt/TabStripBinding.h"

#include "qt/Mnemonics.h"
#include "qt/QtText.h"

namespace qtui {

TabStripBinding::TabStripBinding(forms::TabStrip& model, QTabWidget& tabs, ActionRunner& runner)
    : WidgetBinding(model, tabs), model_(model), tabs_(tabs) {
  for (int i = 0; i < model.TabCount(); ++i)
    tabs.addTab(new QWidget, TabCaption(i));
  QObject::connect(&tabs, &QTabWidget::currentChanged, &tabs, [this, &runner](int index) {
    runner.Run({"tab", std::to_string(index)}, [this, index] { model_.UserShowTab(index); });
  });
}

QString TabStripBinding::TabCaption(int index) const {
  return CaptionText(model_.TabCaption(index),
                     MnemonicOf(model_.Name() + "." + std::to_string(index)));
}

void TabStripBinding::MirrorState() {
  for (int i = 0; i < model_.TabCount(); ++i)
    tabs_.setTabText(i, TabCaption(i));
  tabs_.setCurrentIndex(model_.Tab());
}

}  // namespace qtui
