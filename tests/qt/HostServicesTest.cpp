// The Qt host services and help engine on their own: real message boxes and the help
// window.
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <vector>

#include "ScreenFixture.h"
#include "forms/MessageStyle.h"
#include "qt/QtHelpEngine.h"
#include "qt/QtHostServices.h"

namespace {

struct Answers : qtui::ActionListener {
  void ActionDone(const std::vector<std::string>&) override {}
  void AnswerGiven(int answer) override { given.push_back(answer); }
  std::vector<int> given;
};

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
    // Once the box is up, checks what it looks like and presses one of its buttons.
    QTimer::singleShot(0, [&expected] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(box->windowTitle(), "Message TARVENO");
      EXPECT_EQ(box->icon(), expected.icon) << expected.style;
      EXPECT_EQ(box->standardButtons(), expected.buttons) << expected.style;
      EXPECT_EQ(box->standardButton(box->defaultButton()),
                expected.buttons & B::Yes ? B::Yes : B::Ok)
          << expected.style;
      for (const QAbstractButton* button : box->buttons())
        EXPECT_TRUE(QStringList({"Oui", "Non", "Annuler", "OK"}).contains(Shown(button->text())))
            << button->text().toStdString();
      box->button(expected.press)->click();
    });
    EXPECT_EQ(services.MsgBox("Texte", expected.style, forms::kMessageTitle), expected.answer);
  }
  // Only questions have answers worth replaying.
  EXPECT_EQ(answers.given, (std::vector<int>{forms::kAnswerCancel, forms::kAnswerNo}));
}

// The test program installs them as the host does.
TEST(FrenchTextsTest, TheMenuOfATextFieldSpeaksFrench) {
  QLineEdit field("texte");
  std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
  QStringList texts;
  for (const QAction* action : menu->actions())
    if (!action->isSeparator())
      texts << Shown(action->text()).section(u'\t', 0, 0);
  EXPECT_TRUE(texts.contains("Copier")) << texts.join(", ").toStdString();
  for (const char* english : {"Undo", "Redo", "Cut", "Copy", "Paste", "Delete", "Select All"})
    EXPECT_FALSE(texts.contains(english)) << english;
}

TEST(QtHelpEngineTest, NamesAHelpFileItCannotReadAndQuitsHarmlesslyWhenNothingIsShown) {
  qtui::QtHelpEngine help;
  EXPECT_EQ(help.WinHelp(0, "/nulle/part/Delvaro.HLP", forms::HelpEngine::kQuit, 0), 1);
  EXPECT_EQ(help.WinHelp(0, "/nulle/part/Delvaro.HLP", forms::HelpEngine::kShowContents, 0), 0);
  ASSERT_NE(help.Window(), nullptr);
  EXPECT_TRUE(help.Window()->isVisible());
  EXPECT_TRUE(help.Window()->toPlainText().contains("/nulle/part/Delvaro.HLP"));
}

}  // namespace
