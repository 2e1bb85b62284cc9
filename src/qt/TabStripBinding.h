#pragma once

#include <QTabWidget>

#include "forms/TabStrip.h"
#include "qt/ActionRunner.h"
#include "qt/WidgetBinding.h"

namespace qtui {

// The tab strip drawn as a tab widget with one empty page per tab, for the caller to
// fill.
class TabStripBinding : public WidgetBinding {
 public:
  TabStripBinding(forms::TabStrip& model, QTabWidget& tabs, ActionRunner& runner);

  QWidget& Page(int index) const { return *tabs_.widget(index); }

 protected:
  void MirrorState() override;

 private:
  QString TabCaption(int index) const;

  forms::TabStrip& model_;
  QTabWidget& tabs_;
};

}  // namespace qtui
