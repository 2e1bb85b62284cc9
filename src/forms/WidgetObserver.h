#pragma once

#include "basis/Export.h"

namespace forms {

class Widget;

// Told whenever a widget's visible state changes (text, caption, entries, selection,
// enabled, visible, tab, focus), so that a front end can mirror the model.
class DELVARO_EXPORT WidgetObserver {
 public:
  virtual ~WidgetObserver() = default;
  virtual void WidgetChanged(Widget& widget) = 0;
  virtual void FocusRequested(Widget& widget) = 0;
};

}  // namespace forms
