// The Qt host services and help engine on their own: real message boxes, answers
// scripted or given, and the help window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <vector>

#include "forms/MessageStyle.h"
#include "forms/ScriptedHost.h"
#include "qt/QtHelpEngine.h"
#include "qt/QtHostServices.h"

namespace {

struct Answers : qtui::ActionListener {
  void ActionDone(const std::vector<std::string>&) override {}
  void AnswerGiven(int answer) override { given.push_back(answer); }
  std::vector<int> given;
};

struct BoxSeen {
  QString title;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// Presses a button of the box once it is up, and notes what it looked like.
void PressWhenShown(QMessageBox::StandardButton press, BoxSeen& seen) {
  QTimer::singleShot(0, [press, &seen] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    seen = {box->windowTitle(), box->icon(), box->standardButtons(),
            box->standardButton(box->defaultButton())};
    box->button(press)->click();
  });
}

TEST(QtHostServicesTest, ShowsEachStyleWithItsIconAndButtonsAndMapsTheAnswer) {
  QWidget window;
  qtui::QtHostServices services(window);
  Answers answers;
  services.SetActionListener(&answers);
  using B = QMessageBox;
  const struct {
    int style;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton press;
    int answer;
  } cases[] = {
      {forms::kStyleError, B::Critical, B::Ok, B::Ok, forms::kAnswerOk},
      {forms::kStyleExclamation, B::Warning, B::Ok, B::Ok, forms::kAnswerOk},
      {forms::kStyleYesNoCancelQuestion, B::Warning, B::Yes | B::No | B::Cancel, B::Cancel,
       forms::kAnswerCancel},
      {forms::kStyleYesNoQuestion, B::Warning, B::Yes | B::No, B::No, forms::kAnswerNo},
  };
  for (const auto& expected : cases) {
    BoxSeen seen;
    PressWhenShown(expected.press, seen);
    EXPECT_EQ(services.MsgBox("Texte", expected.style, forms::kMessageTitle), expected.answer);
    EXPECT_EQ(seen.title, "Message TARVENO");
    EXPECT_EQ(seen.icon, expected.icon) << expected.style;
    EXPECT_EQ(seen.buttons, expected.buttons) << expected.style;
    EXPECT_EQ(seen.defaultButton, expected.buttons & B::Yes ? B::Yes : B::Ok) << expected.style;
  }
  // Only questions have answers worth replaying.
  EXPECT_EQ(answers.given, (std::vector<int>{forms::kAnswerCancel, forms::kAnswerNo}));
}

TEST(QtHostServicesTest, ScriptedAnswersShowNoDialog) {
  QWidget window;
  qtui::QtHostServices services(window);
  forms::ScriptedHost scripted;
  services.SetAnswerSource(&scripted);
  scripted.QueueAnswer(forms::kAnswerYes);
  EXPECT_EQ(services.MsgBox("Quitter ?", forms::kStyleYesNoQuestion, forms::kMessageTitle),
            forms::kAnswerYes);
  EXPECT_EQ(services.MsgBox("Erreur", forms::kStyleExclamation, forms::kMessageTitle),
            forms::kAnswerOk);
  services.Beep();
  EXPECT_EQ(scripted.Messages().size(), 2u);
  EXPECT_EQ(scripted.BeepCount(), 1);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(QtHelpEngineTest, ShowsTheContentsAndClosesOnlyForItsOwnFile) {
  qtui::QtHelpEngine help;
  EXPECT_EQ(help.WinHelp(0, "/nulle/part/Delvaro.HLP", forms::HelpEngine::kShowContents, 0), 0);
  ASSERT_NE(help.Window(), nullptr);
  EXPECT_TRUE(help.Window()->isVisible());
  EXPECT_TRUE(help.Window()->toPlainText().contains("/nulle/part/Delvaro.HLP"));

  help.WinHelp(0, "/ailleurs/Delvaro.HLP", forms::HelpEngine::kQuit, 0);
  EXPECT_TRUE(help.Window()->isVisible());
  help.WinHelp(0, "/nulle/part/Delvaro.HLP", forms::HelpEngine::kQuit, 0);
  EXPECT_FALSE(help.Window() != nullptr && help.Window()->isVisible());
  // Quitting what was never shown is harmless.
  EXPECT_EQ(help.WinHelp(0, "/nulle/part/Delvaro.HLP", forms::HelpEngine::kQuit, 0), 1);
}

}  // namespace
