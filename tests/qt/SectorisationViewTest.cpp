// The screen in real Qt widgets: what it draws where, and the person's work with the
// keyboard and the mouse going through the control.
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBrowser>

#include "ScreenFixture.h"

namespace {

using ScreenTest = ScreenFixture;

const char* const kCodeBoxes[] = {"Txt_SecteurAidant", "Txt_SousSecteurAidant",
                                  "Txt_QuartierAidant", "Txt_CentreMedAidant", "Txt_AntMedAidant"};
const char* const kLabelLists[] = {"Cbo_LibSecteurAidant",  "Cbo_LibSousSecteurAidant",
                                   "Cbo_LibQuartierAidant", "Cbo_LibCentreMedAidant",
                                   "Cbo_LibAntMedAidant",   "Cbo_LibMoyLocAidant"};
const char* const kCaptions[] = {"Etq_SecteurAidant",  "Etq_SousSecteurAidant",
                                 "Etq_QuartierAidant", "Etq_CentreMedAidant",
                                 "Etq_AntMedAidant",   "Etq_MoyLocAidant"};

QString NameAt(const QGridLayout& grid, int row, int column) {
  const QLayoutItem* item = grid.itemAtPosition(row, column);
  return item != nullptr && item->widget() != nullptr ? item->widget()->objectName() : QString();
}

QRect Frame(const QWidget& widget, const QWidget& in) {
  return QRect(widget.mapTo(&in, QPoint(0, 0)), widget.size());
}

TEST_F(ScreenTest, DrawsTheSixRowsTheTwoListsAndTheButtonsAsArranged) {
  Open("A001");
  const auto& grid =
      *qobject_cast<QGridLayout*>(Child<QLabel>("Etq_SecteurAidant").parentWidget()->layout());
  for (int row = 0; row < 6; ++row) {
    EXPECT_EQ(NameAt(grid, row, 0), kCaptions[row]);
    EXPECT_EQ(NameAt(grid, row, 1), row < 5 ? kCodeBoxes[row] : "") << row;
    EXPECT_EQ(NameAt(grid, row, 2), kLabelLists[row]);
  }
  for (const char* name : kCodeBoxes)
    EXPECT_EQ(Child<QLineEdit>(name).width(), Child<QLineEdit>(kCodeBoxes[0]).width());
  for (const char* name : kLabelLists) {
    const auto& combo = Child<QComboBox>(name);
    EXPECT_EQ(combo.width(), Child<QComboBox>(kLabelLists[0]).width());
    EXPECT_GT(combo.width(), Child<QLineEdit>(kCodeBoxes[0]).width());
    EXPECT_EQ(combo.isEditable(), std::string(name) != "Cbo_LibMoyLocAidant") << name;
  }

  auto& tabs = Child<QTabWidget>("Ong_Sectorisation");
  ASSERT_EQ(tabs.count(), 2);
  EXPECT_EQ(tabs.tabText(0), "Sectorisation");
  EXPECT_EQ(tabs.tabText(1), "Secteurs associés");
  tabs.setCurrentIndex(1);
  const auto& possible = Child<QListWidget>("Lst_Pos");
  const auto& selected = Child<QListWidget>("Lst_Sel");
  // Sharing out an odd width between the two may leave one pixel to one of them.
  EXPECT_LE(std::abs(possible.width() - selected.width()), 1);
  EXPECT_EQ(possible.height(), selected.height());
  EXPECT_EQ(possible.selectionMode(), QAbstractItemView::ExtendedSelection);
  for (const char* name : {"Cmd_Tous", "Cmd_Ajoute", "Cmd_Ote"}) {
    const QRect button = Frame(Child<QPushButton>(name), *window_);
    EXPECT_GT(button.left(), Frame(possible, *window_).right()) << name;
    EXPECT_LT(button.right(), Frame(selected, *window_).left()) << name;
  }

  const QRect ok = Frame(Child<QPushButton>("Cmd_OkSectorisation"), *window_);
  const QRect retour = Frame(Child<QPushButton>("Cmd_RetourSectorisation"), *window_);
  EXPECT_GT(ok.top(), Frame(tabs, *window_).bottom());
  EXPECT_LT(ok.right(), retour.left());
  EXPECT_GT(retour.right(), window_->width() * 9 / 10);
  EXPECT_EQ(Child<QLabel>("Etq_Aidant").text(), "Aidant : ");
  EXPECT_EQ(Child<QLabel>("Etq_CodeNomPrenomAidant").text(), "A001   DUPONT   Marie");
}

TEST_F(ScreenTest, ShowsTheStoredSectorisationAndFollowsTheModelsTabOrderAndHelp) {
  Open("A001");
  EXPECT_EQ(Child<QLineEdit>("Txt_SecteurAidant").text(), "001");
  EXPECT_EQ(Child<QComboBox>("Cbo_LibSecteurAidant").currentText(), "Centre-ville");
  EXPECT_EQ(Child<QComboBox>("Cbo_LibMoyLocAidant").currentText(), "Vélo");
  EXPECT_EQ(Child<QListWidget>("Lst_Sel").count(), 2);

  // Walks the focus chain once round and checks the model's tab indexes come in order.
  Ctr_Sectorisation& control = window_->Control();
  std::vector<int> order;
  QWidget* widget = window_;
  do {
    widget = widget->nextInFocusChain();
    const forms::Widget* model = control.UserControl.Find(widget->objectName().toStdString());
    if (model != nullptr && model->TabIndex() >= 0)
      order.push_back(model->TabIndex());
  } while (widget != window_);
  ASSERT_EQ(order.size(), 19u);
  std::rotate(order.begin(), std::min_element(order.begin(), order.end()), order.end());
  EXPECT_TRUE(std::is_sorted(order.begin(), order.end())) << ::testing::PrintToString(order);

  EXPECT_EQ(Child<QPushButton>("Cmd_OkSectorisation").property("helpContextID").toInt(), 10);
  EXPECT_EQ(Child<QComboBox>("Cbo_LibMoyLocAidant").property("helpContextID").toInt(), 10);
  EXPECT_FALSE(Child<QListWidget>("Lst_Pos").property("helpContextID").isValid());
  EXPECT_EQ(Child<QLineEdit>("Txt_CentreMedAidant").accessibleName(), "Centre Médical (code)");
  EXPECT_EQ(Child<QComboBox>("Cbo_LibCentreMedAidant").accessibleName(),
            "Centre Médical (libellé)");
}

TEST_F(ScreenTest, TypingACodeAndEnterShowsItsLabelAndEnterDoesNothingElse) {
  Open("A003");
  auto& sector = Child<QLineEdit>("Txt_SecteurAidant");
  QTest::keyClicks(&sector, "1");
  QTest::keyClick(&sector, Qt::Key_Return);
  EXPECT_EQ(sector.text(), "001");
  EXPECT_EQ(Child<QComboBox>("Cbo_LibSecteurAidant").currentText(), "Centre-ville");
  const auto& subSectors = Child<QComboBox>("Cbo_LibSousSecteurAidant");
  EXPECT_TRUE(subSectors.isEnabled());
  EXPECT_EQ(subSectors.count(), 3);

  // An editable combo box would add the typed text as an entry of its own.
  auto& labels = Child<QComboBox>("Cbo_LibSecteurAidant");
  labels.lineEdit()->clear();
  QTest::keyClicks(&labels, "Zone");
  QTest::keyClick(&labels, Qt::Key_Enter);
  EXPECT_EQ(labels.count(), 4);
  EXPECT_TRUE(window_->isVisible());
}

TEST_F(ScreenTest, PickingALabelShowsItsCodeAndItsChildren) {
  Open("A003");
  auto& labels = Child<QComboBox>("Cbo_LibSecteurAidant");
  ASSERT_EQ(labels.count(), 4);
  labels.setFocus();
  for (int i = 0; i < 3; ++i)  // Centre-ville, Écluse, Nord
    QTest::keyClick(&labels, Qt::Key_Down);
  EXPECT_EQ(labels.currentText(), "Nord");
  EXPECT_EQ(Child<QLineEdit>("Txt_SecteurAidant").text(), "002");
  EXPECT_EQ(Child<QComboBox>("Cbo_LibSousSecteurAidant").count(), 2);

  auto& transport = Child<QComboBox>("Cbo_LibMoyLocAidant");
  transport.setFocus();
  QTest::keyClick(&transport, Qt::Key_Down);
  EXPECT_EQ(transport.currentText(), "Voiture");
  EXPECT_EQ(window_->Control().Cbo_LibMoyLocAidant.ListIndex(), 0);
}

TEST_F(ScreenTest, AnUnknownCodeIsRefusedWithItsMessage) {
  Open("A003");
  auto& sector = Child<QLineEdit>("Txt_SecteurAidant");
  QTest::keyClicks(&sector, "9");
  QTest::keyClick(&sector, Qt::Key_Return);
  const auto messages = answers_.Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "Ce secteur n'existe pas.");
  EXPECT_EQ(messages[0].style, 48);
  EXPECT_EQ(messages[0].title, "Message TARVENO");
  EXPECT_EQ(sector.text(), "");
  EXPECT_TRUE(sector.hasFocus());
}

TEST_F(ScreenTest, OkWritesTheStoreAndClosesTheWindow) {
  Open("A001");
  bool sortie = false;
  QObject::connect(window_, &qtui::SectorisationWindow::Left, [&](bool left) { sortie = left; });
  auto& transport = Child<QComboBox>("Cbo_LibMoyLocAidant");
  transport.setFocus();
  QTest::keyClick(&transport, Qt::Key_End);  // À pied
  Click(Child<QPushButton>("Cmd_OkSectorisation"));
  EXPECT_EQ(store_.Element("CIVILAIDANT", "A001", 34), "4");
  // Busy until the event loop is next idle.
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
  Settle();
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_TRUE(sortie);
  EXPECT_TRUE(window_.isNull());
}

TEST_F(ScreenTest, RetourAfterAChangeAsksAndCancelKeepsTheScreen) {
  Open("A001");
  auto& tabs = Child<QTabWidget>("Ong_Sectorisation");
  Click(*tabs.tabBar(), Qt::LeftButton, tabs.tabBar()->tabRect(1).center());
  ASSERT_EQ(window_->Control().Ong_Sectorisation.Tab(), 1);
  auto& possible = Child<QListWidget>("Lst_Pos");
  ASSERT_GT(possible.count(), 0);
  Click(*possible.viewport(), Qt::LeftButton, possible.visualItemRect(possible.item(0)).center());
  Click(Child<QPushButton>("Cmd_Ajoute"));
  const std::string associated = store_.Element("CIVILAIDANT", "A001", 43);
  ASSERT_EQ(Child<QListWidget>("Lst_Sel").count(), 3);

  answers_.QueueAnswer(forms::kAnswerCancel);
  Click(Child<QPushButton>("Cmd_RetourSectorisation"));
  Settle();
  ASSERT_FALSE(window_.isNull());
  ASSERT_EQ(answers_.Messages().size(), 1u);
  EXPECT_EQ(answers_.Messages()[0].text,
            "Voulez-vous enregistrer les modifications apportées à cet article ?");
  EXPECT_EQ(answers_.Messages()[0].style, 51);
  EXPECT_EQ(answers_.BeepCount(), 1);

  answers_.QueueAnswer(forms::kAnswerNo);
  Click(Child<QPushButton>("Cmd_RetourSectorisation"));
  Settle();
  EXPECT_TRUE(window_.isNull());
  EXPECT_EQ(store_.Element("CIVILAIDANT", "A001", 43), associated);
}

class HelpMenuTest : public ScreenFixture {
 protected:
  // A point of the view that no child widget covers: left of OK on the bottom line.
  QPoint BareSurface() const {
    QWidget& view = window_->View();
    const auto& ok = Child<QPushButton>("Cmd_OkSectorisation");
    const QPoint at(view.width() / 4, ok.mapTo(&view, ok.rect().center()).y());
    EXPECT_EQ(view.childAt(at), nullptr);
    return at;
  }
};

TEST_F(HelpMenuTest, RightClickOnTheBareSurfaceOffersTheHelpContents) {
  Open("A001");
  Click(window_->View(), Qt::RightButton, BareSurface());
  auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(popup, nullptr);
  ASSERT_EQ(popup->actions().size(), 1);
  QAction& item = *popup->actions().front();
  EXPECT_EQ(item.text(), "Aide_TARVENO");
  item.trigger();
  popup->close();
  ASSERT_NE(help_.Window(), nullptr);
  EXPECT_TRUE(help_.Window()->isVisible());
  EXPECT_EQ(help_.Window()->documentTitle(), "Sectorisation de l'aidant");

  // Termination tells the help engine the file is no longer needed.
  window_->close();
  Settle();
  EXPECT_TRUE(help_.Window() == nullptr || !help_.Window()->isVisible());
}

TEST_F(HelpMenuTest, OtherButtonsAndClicksOnChildWidgetsShowNoMenu) {
  Open("A001");
  Click(window_->View(), Qt::LeftButton, BareSurface());
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  Click(Child<QLabel>("Etq_Aidant"), Qt::RightButton);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(HelpMenuTest, LeavingAFieldCompletesItsCodeButAPopUpOpeningIsNotLeaving) {
  Open("A003");
  auto& sector = Child<QLineEdit>("Txt_SecteurAidant");
  sector.setFocus();
  QTest::keyClicks(&sector, "1");
  Click(window_->View(), Qt::RightButton, BareSurface());
  ASSERT_NE(QApplication::activePopupWidget(), nullptr);
  QApplication::activePopupWidget()->close();
  EXPECT_EQ(sector.text(), "1");

  ASSERT_TRUE(sector.hasFocus());
  QTest::keyClick(&sector, Qt::Key_Tab);
  EXPECT_FALSE(sector.hasFocus());
  EXPECT_EQ(sector.text(), "001");
  EXPECT_EQ(Child<QComboBox>("Cbo_LibSecteurAidant").currentText(), "Centre-ville");
}

}  // namespace
