#pragma once

#include <QWidget>

#include "forms/Widget.h"

namespace qtui {

// Draws one headless widget with a Qt widget. The model stays the only truth: the Qt
// widget's user actions go in through the model's entry points, and the model's state
// is copied back with the Qt widget's signals blocked, so that nothing comes back as a
// user action.
class WidgetBinding {
 public:
  WidgetBinding(forms::Widget& model, QWidget& widget);
  virtual ~WidgetBinding() = default;
  WidgetBinding(const WidgetBinding&) = delete;
  WidgetBinding& operator=(const WidgetBinding&) = delete;

  forms::Widget& Model() const { return model_; }
  QWidget& Widget() const { return widget_; }
  // Where the keyboard focus goes when the model asks for it.
  virtual QWidget& FocusTarget() const { return widget_; }

  // Copies the model's state to the Qt widget.
  void Mirror();
  // Notes that the model changed and is to be mirrored; false when already noted.
  bool MarkPending();

 protected:
  // Copies what is particular to the kind of widget.
  virtual void MirrorState() = 0;

 private:
  forms::Widget& model_;
  QWidget& widget_;
  bool pending_ = false;
};

}  // namespace qtui
