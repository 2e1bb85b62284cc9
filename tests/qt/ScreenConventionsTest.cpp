// What office staff expect of the screen around what it must do: the keyboard (Alt
// letters, F1, the menu keys, Escape, Enter), where the focus goes, the state line, what
// a screen reader says, and a window that names the aidant and stays where it was put.
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTextBrowser>
#include <set>

#include "ScreenFixture.h"

namespace {

using ConventionsTest = ScreenFixture;

QString FocusName() {
  return QApplication::focusWidget() != nullptr ? QApplication::focusWidget()->objectName()
                                                : QString();
}

// The Alt letter of a caption, lower case, or a null QChar.
QChar AltLetter(const QString& caption) {
  const qsizetype at = caption.indexOf(QRegularExpression("&[^&]"));
  return at < 0 ? QChar() : caption[at + 1].toLower();
}

TEST_F(ConventionsTest, AltLettersReachEveryFieldAndButtonAndNoTwoShareOne) {
  Open("A001");
  QStringList captions;
  for (const QLabel* label : window_->findChildren<QLabel*>())
    if (label->buddy() != nullptr)
      captions << label->text();
  for (const QPushButton* button : window_->findChildren<QPushButton*>()) {
    if (!button->text().contains(u'-'))  // the arrows have no letter
      captions << button->text();
  }
  auto& tabs = Child<QTabWidget>("Ong_Sectorisation");
  for (int i = 0; i < tabs.count(); ++i)
    captions << tabs.tabText(i);
  std::set<QChar> letters;
  for (const QString& caption : captions) {
    const QChar letter = AltLetter(caption);
    EXPECT_FALSE(letter.isNull()) << caption.toStdString();
    EXPECT_TRUE(letters.insert(letter).second) << caption.toStdString();
  }
  EXPECT_EQ(letters.size(), 13u);

  const struct {
    Qt::Key key;
    const char* focus;
  } moves[] = {{Qt::Key_U, "Txt_SousSecteurAidant"},
               {Qt::Key_M, "Cbo_LibMoyLocAidant"},
               {Qt::Key_A, "Txt_AntMedAidant"},
               {Qt::Key_I, nullptr},
               {Qt::Key_L, "Lst_Sel"},
               {Qt::Key_P, "Lst_Pos"},
               {Qt::Key_E, nullptr},
               {Qt::Key_S, "Txt_SecteurAidant"}};
  for (const auto& move : moves) {
    QTest::keyClick(QApplication::focusWidget(), move.key, Qt::AltModifier);
    if (move.focus != nullptr) {
      EXPECT_EQ(FocusName(), move.focus) << move.focus;
    }
  }
  EXPECT_EQ(tabs.currentIndex(), 0);

  // Alt+T is the Tous button (pressed as a click is shown): every possible sector
  // becomes selected.
  tabs.setCurrentIndex(1);
  auto& possible = Child<QListWidget>("Lst_Pos");
  QTest::keyClick(&possible, Qt::Key_T, Qt::AltModifier);
  EXPECT_TRUE(
      QTest::qWaitFor([&] { return Child<QListWidget>("Lst_Sel").count() == possible.count(); }));
}

TEST_F(ConventionsTest, F1OpensTheHelpAndTheMenuKeysOpenThePopUpMenuByTheField) {
  Open("A003");
  auto& sector = Keys<QLineEdit>("Txt_SecteurAidant", "1");
  QTest::keyClick(&sector, Qt::Key_F1);
  ASSERT_NE(help_.Window(), nullptr);
  EXPECT_TRUE(help_.Window()->isVisible());
  help_.Window()->close();
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_));

  for (const auto& [key, modifiers] :
       {std::pair{Qt::Key_F10, Qt::ShiftModifier}, std::pair{Qt::Key_Menu, Qt::NoModifier}}) {
    sector.setFocus();
    QTest::keyClick(&sector, key, modifiers);
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(popup, nullptr) << key;
    ASSERT_EQ(popup->actions().size(), 1);
    EXPECT_EQ(popup->actions().front()->text(), "Aide_TARVENO");
    // Opened under the field, not wherever the mouse happens to be.
    EXPECT_EQ(popup->pos(), sector.mapToGlobal(QPoint(0, sector.height())));
    popup->close();
  }
  // Neither the help nor the menu was a leaving of the field: its text was kept as typed,
  // and Tab, which is, completes its code.
  EXPECT_EQ(sector.text(), "1");
  ASSERT_TRUE(sector.hasFocus());
  QTest::keyClick(&sector, Qt::Key_Tab);
  EXPECT_EQ(sector.text(), "001");
  EXPECT_EQ(Child<QComboBox>("Cbo_LibSecteurAidant").currentText(), "Centre-ville");
}

TEST_F(ConventionsTest, EscapeIsRetourAndEnterOnOkIsOk) {
  Open("A001");
  QTest::keyClick(&Child<QLineEdit>("Txt_SecteurAidant"), Qt::Key_Escape);
  Settle();
  EXPECT_TRUE(window_.isNull());  // nothing changed: Retour leaves without a question

  Open("A001");
  auto& transport = Keys<QComboBox>("Cbo_LibMoyLocAidant", "", Qt::Key_End);  // À pied
  answers_.QueueAnswer(forms::kAnswerCancel);
  QTest::keyClick(&transport, Qt::Key_Escape);
  Settle();
  ASSERT_FALSE(window_.isNull());  // the question was asked and Cancel kept the screen
  ASSERT_EQ(answers_.Messages().size(), 1u);

  auto& ok = Child<QPushButton>("Cmd_OkSectorisation");
  ok.setFocus();
  QTest::keyClick(&ok, Qt::Key_Return);
  EXPECT_EQ(store_.Element("CIVILAIDANT", "A001", 34), "4");
  // Busy until the event loop is next idle.
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
  Settle();
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_TRUE(window_.isNull());
}

TEST_F(ConventionsTest, TheFocusStartsOnTheFirstChangeableFieldAndGoesToTheMissingChoice) {
  Open("A003");
  EXPECT_EQ(FocusName(), "Txt_SecteurAidant");
  Keys<QLineEdit>("Txt_SecteurAidant", "1", Qt::Key_Return);  // three sub-sectors: none shown
  Click(Child<QPushButton>("Cmd_OkSectorisation"));
  ASSERT_EQ(answers_.Messages().size(), 1u);
  EXPECT_EQ(answers_.Messages()[0].text, "Vous devez choisir un sous-secteur.");
  EXPECT_EQ(FocusName(), "Txt_SousSecteurAidant");
  // A text that is no choice above it is reported first, and the focus stays on it.
  Keys<QComboBox>("Cbo_LibSecteurAidant", "zz");
  Click(Child<QPushButton>("Cmd_OkSectorisation"));
  ASSERT_EQ(answers_.Messages().size(), 2u);
  EXPECT_EQ(answers_.Messages()[1].text, "Vous devez choisir un secteur.");
  EXPECT_EQ(FocusName(), "Cbo_LibSecteurAidant");

  // Restricted mode locks the first three rows: the centre is the first field left.
  delete window_.data();
  TheProcess = ProcessState{};
  store_.SetCounter("2");
  Open("A001");
  EXPECT_EQ(FocusName(), "Txt_CentreMedAidant");
}

TEST_F(ConventionsTest, TheStateLineTellsReadOnlyRestrictedAndNewAtAGlance) {
  const auto stateOf = [this](const char* code) {
    Open(code);
    const QString state = Child<QLabel>("etat").text();
    delete window_.data();
    TheProcess = ProcessState{};
    return state.toStdString();
  };
  EXPECT_EQ(stateOf("A001"), "");
  EXPECT_EQ(stateOf("A003"), "Nouvelle sectorisation");
  rights_->Grant("DOSAIDANTSECTEUR", 1);
  EXPECT_EQ(stateOf("A001"), "Consultation seule");
  rights_->Grant("DOSAIDANTSECTEUR", 2);
  store_.SetCounter("2");
  EXPECT_EQ(stateOf("A001"), "Mode restreint : secteur, sous-secteur et quartier verrouillés");
}

TEST_F(ConventionsTest, EveryFieldIsNamedAfterItsCaptionAndTheArrowsSayWhatTheyDo) {
  Open("A001");
  int named = 0;
  for (const QLabel* label : window_->findChildren<QLabel*>()) {
    if (label->buddy() == nullptr)
      continue;
    // The model's caption: the drawn one may be elided to fit.
    const auto* model = dynamic_cast<const forms::Label*>(
        window_->Control().UserControl.Find(label->objectName().toStdString()));
    ASSERT_NE(model, nullptr);
    const QString caption = QString::fromStdString(model->Caption());
    const QString row = label->objectName().mid(4);  // Etq_Pos: Pos
    for (const char* prefix : {"Txt_", "Cbo_Lib", "Lst_"}) {
      if (const auto* field = window_->findChild<QWidget*>(prefix + row)) {
        EXPECT_TRUE(field->accessibleName().startsWith(caption)) << (prefix + row).toStdString();
        ++named;
      }
    }
  }
  EXPECT_EQ(named, 13);
  const std::pair<const char*, const char*> buttons[] = {
      {"Cmd_Ajoute", "Ajouter les secteurs sélectionnés"},
      {"Cmd_Ote", "Retirer les secteurs sélectionnés"},
      {"Cmd_Tous", "Sélectionner tous les secteurs"}};
  for (const auto& [name, meaning] : buttons) {
    EXPECT_EQ(Child<QPushButton>(name).accessibleName(), meaning);
    EXPECT_EQ(Child<QPushButton>(name).toolTip(), meaning);
  }
}

TEST_F(ConventionsTest, TheWindowNamesTheAidantAndOpensWhereItWasLeft) {
  Open("A001");
  EXPECT_EQ(window_->windowTitle(), "Sectorisation de l'aidant A001 DUPONT Marie");
  window_->resize(777, 555);
  window_->close();
  Settle();
  Open("A002");
  EXPECT_EQ(window_->size(), QSize(777, 555));
  EXPECT_TRUE(QSettings("Delvaro", "Delvaro").contains("fenetres/sectorisation"));
}

}  // namespace
