// The screen in real Qt widgets: what it draws where, and the person's work with the
// keyboard and the mouse going through the control.
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBrowser>

#include "ScreenFixture.h"

namespace {

using ScreenTest = ScreenFixture;

QRect Frame(const QWidget& widget, const QWidget& in) {
  return QRect(widget.mapTo(&in, QPoint(0, 0)), widget.size());
}

TEST_F(ScreenTest, DrawsTheStoredSectorisationAsArrangedInTheModelsTabOrder) {
  Open("A001");
  const auto& grid =
      *qobject_cast<QGridLayout*>(Child<QLabel>("Etq_SecteurAidant").parentWidget()->layout());
  const QString rows[] = {"SecteurAidant",   "SousSecteurAidant", "QuartierAidant",
                          "CentreMedAidant", "AntMedAidant",      "MoyLocAidant"};
  EXPECT_GT(Child<QComboBox>("Cbo_LibSecteurAidant").width(),
            Child<QLineEdit>("Txt_SecteurAidant").width());
  for (int row = 0; row < 6; ++row) {
    const auto nameAt = [&](int column) {
      const QLayoutItem* item = grid.itemAtPosition(row, column);
      return item != nullptr && item->widget() != nullptr ? item->widget()->objectName() : "";
    };
    EXPECT_EQ(nameAt(0), "Etq_" + rows[row]);
    EXPECT_EQ(nameAt(1), row < 5 ? "Txt_" + rows[row] : "") << row;
    EXPECT_EQ(nameAt(2), "Cbo_Lib" + rows[row]);
    EXPECT_EQ(Child<QComboBox>("Cbo_Lib" + rows[row]).isEditable(), row < 5) << row;
  }

  auto& tabs = Child<QTabWidget>("Ong_Sectorisation");
  ASSERT_EQ(tabs.count(), 2);
  EXPECT_EQ(Shown(tabs.tabText(0)), "Sectorisation");
  EXPECT_EQ(Shown(tabs.tabText(1)), "Secteurs associés");
  tabs.setCurrentIndex(1);
  const QRect possible = Frame(Child<QListWidget>("Lst_Pos"), *window_);
  const QRect selected = Frame(Child<QListWidget>("Lst_Sel"), *window_);
  // Sharing out an odd width between the two may leave one pixel to one of them.
  EXPECT_LE(std::abs(possible.width() - selected.width()), 1);
  EXPECT_EQ(possible.height(), selected.height());
  for (const char* name : {"Cmd_Tous", "Cmd_Ajoute", "Cmd_Ote"}) {
    const QRect button = Frame(Child<QPushButton>(name), *window_);
    EXPECT_GT(button.left(), possible.right()) << name;
    EXPECT_LT(button.right(), selected.left()) << name;
  }
  const QRect ok = Frame(Child<QPushButton>("Cmd_OkSectorisation"), *window_);
  EXPECT_GT(ok.top(), Frame(tabs, *window_).bottom());
  EXPECT_LT(ok.right(), Frame(Child<QPushButton>("Cmd_RetourSectorisation"), *window_).left());
  EXPECT_EQ(Child<QComboBox>("Cbo_LibMoyLocAidant").currentText(), "Vélo");
  EXPECT_EQ(Child<QListWidget>("Lst_Sel").count(), 2);

  // Walks the focus chain once round and checks the model's tab indexes come in order.
  std::vector<int> order;
  QWidget* widget = window_;
  do {
    widget = widget->nextInFocusChain();
    const forms::Widget* model =
        window_->Control().UserControl.Find(widget->objectName().toStdString());
    if (model != nullptr && model->TabIndex() >= 0)
      order.push_back(model->TabIndex());
  } while (widget != window_);
  ASSERT_EQ(order.size(), 19u);
  std::rotate(order.begin(), std::min_element(order.begin(), order.end()), order.end());
  EXPECT_TRUE(std::is_sorted(order.begin(), order.end())) << ::testing::PrintToString(order);
}

TEST_F(ScreenTest, ALongNameIsCutToTheWindowAndGivenWholeInTheTooltip) {
  const std::string name(100000, 'N');
  store_.PutAidant("A009", {{2, name}, {3, "Paul"}});
  Open("A009");
  const auto& header = Child<QLabel>("Etq_CodeNomPrenomAidant");
  const QString whole = QString::fromStdString("A009   " + name + "   Paul");
  EXPECT_LT(window_->sizeHint().width(), 2000);
  EXPECT_LE(header.width(), window_->width());
  EXPECT_TRUE(header.text().endsWith(QStringLiteral("…")));
  EXPECT_TRUE(header.text().startsWith(QStringLiteral("A009   NNN")));
  EXPECT_EQ(header.toolTip(), whole);
}

TEST_F(ScreenTest, ACodeAndEnterShowItsLabelAndAPickedLabelShowsItsCode) {
  Open("A003");
  auto& sector = Keys<QLineEdit>("Txt_SecteurAidant", "1", Qt::Key_Return);
  EXPECT_EQ(sector.text(), "001");
  auto& labels = Child<QComboBox>("Cbo_LibSecteurAidant");
  EXPECT_EQ(labels.currentText(), "Centre-ville");
  EXPECT_TRUE(Child<QComboBox>("Cbo_LibSousSecteurAidant").isEnabled());
  EXPECT_EQ(Child<QComboBox>("Cbo_LibSousSecteurAidant").count(), 3);

  Keys<QComboBox>("Cbo_LibSecteurAidant", "", Qt::Key_Down, 2);  // Écluse, Nord
  EXPECT_EQ(labels.currentText(), "Nord");
  EXPECT_EQ(sector.text(), "002");
  EXPECT_EQ(Child<QComboBox>("Cbo_LibSousSecteurAidant").count(), 2);

  // An editable combo box would add the typed text as an entry of its own.
  labels.lineEdit()->clear();
  Keys<QComboBox>("Cbo_LibSecteurAidant", "Zone", Qt::Key_Enter);
  EXPECT_EQ(labels.count(), 4);

  // An unknown code is refused with its message and cleared for another try.
  sector.clear();
  Keys<QLineEdit>("Txt_SecteurAidant", "9", Qt::Key_Return);
  ASSERT_EQ(answers_.Messages().size(), 1u);
  EXPECT_EQ(answers_.Messages()[0].text, "Ce secteur n'existe pas.");
  EXPECT_EQ(sector.text(), "");
  EXPECT_TRUE(sector.hasFocus());
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
  // Neither another button nor a child widget shows the menu.
  Click(window_->View(), Qt::LeftButton, BareSurface());
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  Click(Child<QLabel>("Etq_Aidant"), Qt::RightButton);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
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
  help_.WinHelp(0, "/ailleurs/Delvaro.HLP", forms::HelpEngine::kQuit, 0);
  EXPECT_TRUE(help_.Window()->isVisible());  // not ours to close

  // Termination tells the help engine the file is no longer needed.
  window_->close();
  Settle();
  EXPECT_TRUE(help_.Window() == nullptr || !help_.Window()->isVisible());
}

}  // namespace
