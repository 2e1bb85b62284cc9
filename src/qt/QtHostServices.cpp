#include "qt/QtHostServices.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

#include "forms/Menu.h"
#include "forms/MessageStyle.h"
#include "qt/QtText.h"

namespace qtui {
namespace {

// A style is the sum of a button set (0 to 5) and an icon (16, 32, 48, 64). The first
// button of a set is the default one, as on the platform the screen comes from.
struct ButtonSet {
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton first;
};

ButtonSet ButtonsOf(int style) {
  switch (style & 0x7) {
    case 1:
      return {QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok};
    case 2:
      return {QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore, QMessageBox::Abort};
    case 3:
      return {QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes};
    case 4:
      return {QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes};
    case 5:
      return {QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Retry};
    default:
      return {QMessageBox::Ok, QMessageBox::Ok};
  }
}

QMessageBox::Icon IconOf(int style) {
  switch (style & 0x70) {
    case 16:
      return QMessageBox::Critical;
    case 32:
      return QMessageBox::Question;
    case 48:
      return QMessageBox::Warning;
    case 64:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

// What each button says and answers. The buttons are named here rather than by the
// platform, which names them in the machine's language. The first row stands for a box
// closed without a button.
struct ButtonMeaning {
  QMessageBox::StandardButton button;
  const char* text;
  int answer;
};

constexpr ButtonMeaning kButtonMeanings[] = {
    {QMessageBox::Ok, "OK", forms::kAnswerOk},
    {QMessageBox::Cancel, "Annuler", forms::kAnswerCancel},
    {QMessageBox::Abort, "A&bandonner", 3},
    {QMessageBox::Retry, "&Réessayer", 4},
    {QMessageBox::Ignore, "&Ignorer", 5},
    {QMessageBox::Yes, "&Oui", forms::kAnswerYes},
    {QMessageBox::No, "&Non", forms::kAnswerNo},
};

const ButtonMeaning& MeaningOf(QMessageBox::StandardButton button) {
  for (const ButtonMeaning& meaning : kButtonMeanings)
    if (meaning.button == button)
      return meaning;
  return kButtonMeanings[0];
}

}  // namespace

QtHostServices::QtHostServices(QWidget& window) : window_(window) {}

int QtHostServices::MsgBox(const std::string& text, int style, const std::string& title) {
  const int answer = scripted_ != nullptr ? scripted_->MsgBox(text, style, title)
                                          : ShowMessageBox(text, style, title);
  if (listener_ != nullptr && forms::IsQuestion(style))
    listener_->AnswerGiven(answer);
  return answer;
}

int QtHostServices::ShowMessageBox(const std::string& text, int style, const std::string& title) {
  const ButtonSet set = ButtonsOf(style);
  QMessageBox box(IconOf(style), ToQString(title), ToQString(text), set.buttons, &window_);
  box.setDefaultButton(set.first);
  for (QAbstractButton* button : box.buttons())
    button->setText(QString::fromUtf8(MeaningOf(box.standardButton(button)).text));
  box.exec();
  return MeaningOf(box.standardButton(box.clickedButton())).answer;
}

void QtHostServices::Beep() {
  QApplication::beep();
  if (scripted_ != nullptr)
    scripted_->Beep();
}

void QtHostServices::DoEvents() {
  QCoreApplication::processEvents();
}

void QtHostServices::UnloadParentWindow() {
  // Closing destroys the control: never inside the handler that asks for it.
  QMetaObject::invokeMethod(&window_, &QWidget::close, Qt::QueuedConnection);
}

void QtHostServices::PopupMenu(forms::Menu& menu) {
  auto* popup = new QMenu(&window_);
  popup->setAttribute(Qt::WA_DeleteOnClose);
  popup->setObjectName(ToQString(menu.Name()));
  for (forms::Menu* item : menu.Items()) {
    if (!item->Visible())
      continue;
    QAction* action = popup->addAction(CaptionText(item->Caption()));
    action->setObjectName(ToQString(item->Name()));
    action->setEnabled(item->Enabled());
    QObject::connect(action, &QAction::triggered, popup, [this, item] {
      const auto choose = [item] { item->UserClick(); };
      if (runner_ != nullptr)
        runner_->Run({"menu", item->Name()}, choose);
      else
        choose();
    });
  }
  popup->popup(popupAt_.value_or(QCursor::pos()));
}

}  // namespace qtui
