#include "qt/ButtonBinding.h"

#include <QKeyEvent>

#include "qt/Mnemonics.h"
#include "qt/QtText.h"

namespace qtui {
namespace {

// Enter on a button that has the focus presses it, as Space does.
class EnterPressesButton : public QObject {
 public:
  explicit EnterPressesButton(QPushButton& button) : QObject(&button), button_(button) {
    button.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() != QEvent::KeyPress)
      return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if ((key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter) ||
        (key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
      return false;
    button_.click();
    return true;
  }

 private:
  QPushButton& button_;
};

}  // namespace

ButtonBinding::ButtonBinding(forms::CommandButton& model, QPushButton& button, ActionRunner& runner)
    : WidgetBinding(model, button), model_(model), button_(button) {
  // Enter belongs to the field that has the focus, never to a default button.
  button.setAutoDefault(false);
  new EnterPressesButton(button);
  QObject::connect(&button, &QPushButton::clicked, &button, [this, &runner] {
    runner.Run({"click", model_.Name()}, [this] { model_.UserClick(); });
  });
}

void ButtonBinding::MirrorState() {
  button_.setText(CaptionText(model_.Caption(), MnemonicOf(model_.Name())));
}

}  // namespace qtui
