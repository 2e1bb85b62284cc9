#include "qt/ButtonBinding.h"

#include "qt/QtText.h"

namespace qtui {

ButtonBinding::ButtonBinding(forms::CommandButton& model, QPushButton& button, ActionRunner& runner)
    : WidgetBinding(model, button), model_(model), button_(button) {
  // Enter belongs to the field that has the focus, never to a default button.
  button.setAutoDefault(false);
  QObject::connect(&button, &QPushButton::clicked, &button, [this, &runner] {
    runner.Run({"click", model_.Name()}, [this] { model_.UserClick(); });
  });
}

void ButtonBinding::MirrorState() {
  button_.setText(CaptionText(model_.Caption()));
}

}  // namespace qtui
