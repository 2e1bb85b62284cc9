#include "qt/WidgetBinding.h"

#include <QSignalBlocker>

#include "qt/QtText.h"

namespace qtui {

WidgetBinding::WidgetBinding(forms::Widget& model, QWidget& widget)
    : model_(model), widget_(widget) {
  widget.setObjectName(ToQString(model.Name()));
  if (model.HelpContextID() != 0)
    widget.setProperty("helpContextID", model.HelpContextID());
}

bool WidgetBinding::MarkPending() {
  if (pending_)
    return false;
  pending_ = true;
  return true;
}

void WidgetBinding::Mirror() {
  pending_ = false;
  const QSignalBlocker blocker(&widget_);
  widget_.setEnabled(model_.Enabled());
  widget_.setHidden(!model_.Visible());
  MirrorState();
}

}  // namespace qtui
