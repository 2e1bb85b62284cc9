#include "qt/TextEntryForwarder.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace qtui {
namespace {

constexpr basis::Integer kEnter = 13;

bool IsEnter(const QEvent& event) {
  if (event.type() != QEvent::KeyPress)
    return false;
  const int key = static_cast<const QKeyEvent&>(event).key();
  return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool IsLeaving(const QEvent& event) {
  if (event.type() != QEvent::FocusOut)
    return false;
  const Qt::FocusReason reason = static_cast<const QFocusEvent&>(event).reason();
  return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

}  // namespace

TextEntryForwarder::TextEntryForwarder(forms::TextWidget& model, QWidget& focusTarget,
                                       QLineEdit* editor, ActionRunner& runner)
    : QObject(&focusTarget), model_(model), runner_(runner) {
  focusTarget.installEventFilter(this);
  if (editor == nullptr)
    return;
  connect(editor, &QLineEdit::textEdited, this, [this](const QString& text) {
    const std::string newText = text.toStdString();
    runner_.Run({"edit", model_.Name(), newText}, [this, &newText] { model_.UserEdit(newText); });
  });
}

bool TextEntryForwarder::eventFilter(QObject* /*watched*/, QEvent* event) {
  if (IsEnter(*event)) {
    runner_.Run({"key", model_.Name(), std::to_string(kEnter)},
                [this] { model_.UserKeyPress(kEnter); });
    return true;
  }
  if (IsLeaving(*event))
    runner_.Run({"leave", model_.Name()}, [this] { model_.UserLeave(); });
  return false;
}

}  // namespace qtui
