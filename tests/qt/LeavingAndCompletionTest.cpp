// Closing the real window goes through the control, and the label lists complete what
// the person types, accepting a completion being a pick.
#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QSignalSpy>

#include "ScreenFixture.h"
#include "qt/LabelCompletion.h"

namespace {

using LeavingTest = ScreenFixture;

TEST_F(LeavingTest, TheCloseButtonAsksWhatRetourAsksAndCancelKeepsTheWindow) {
  Open("A001");
  QSignalSpy left(window_.data(), &qtui::SectorisationWindow::Left);
  Keys<QComboBox>("Cbo_LibMoyLocAidant", "", Qt::Key_Down);  // Vélo, then Transports en commun

  answers_.QueueAnswer(forms::kAnswerCancel);
  EXPECT_FALSE(window_->close());
  Settle();
  ASSERT_FALSE(window_.isNull());
  EXPECT_TRUE(window_->isVisible());
  EXPECT_EQ(left.count(), 0);
  EXPECT_EQ(answers_.Messages().back().style, forms::kStyleYesNoCancelQuestion);

  answers_.QueueAnswer(forms::kAnswerYes);
  EXPECT_TRUE(window_->close());
  Settle();
  EXPECT_TRUE(window_.isNull());
  ASSERT_EQ(left.count(), 1);
  EXPECT_TRUE(left.front().front().toBool());
  EXPECT_EQ(store_.Element("CIVILAIDANT", "A001", 34), "3");
}

TEST_F(LeavingTest, AtLevelOneTheWindowClosesAtOnceAndWritesNothing) {
  rights_->Grant("DOSAIDANTSECTEUR", 1);
  Open("A001");
  const std::string before = store_.Get("CIVILAIDANT", "A001")->Text();
  Keys<QComboBox>("Cbo_LibMoyLocAidant", "", Qt::Key_Down);
  EXPECT_TRUE(window_->close());
  Settle();
  EXPECT_TRUE(window_.isNull());
  EXPECT_TRUE(answers_.Messages().empty());
  EXPECT_EQ(store_.Get("CIVILAIDANT", "A001")->Text(), before);
}

TEST(LabelCompletionTest, EntriesStartingWithTheTextAccentsAndCaseIgnoredInFrenchOrder) {
  const QStringList entries = {"Nord", "écoles", "Centre-ville", "Écluse", "Eau", "Sud"};
  qtui::LabelCompletion completion;
  EXPECT_EQ(completion.Complete(entries, "E"), (std::vector<int>{4, 3, 1}));
  EXPECT_EQ(completion.Complete(entries, "écl"), (std::vector<int>{3}));
  EXPECT_EQ(completion.Complete(entries, "centre-V"), (std::vector<int>{2}));
  EXPECT_TRUE(completion.Complete(entries, "").empty());
  EXPECT_TRUE(completion.Complete(entries, "Ouest").empty());
}

using CompletionTest = ScreenFixture;

TEST_F(CompletionTest, AcceptingACompletionPicksThatEntry) {
  Open("A003");
  auto& sector = Child<QComboBox>("Cbo_LibSecteurAidant");
  sector.lineEdit()->setFocus();
  QTest::keyClicks(sector.lineEdit(), "ecl");
  auto* completer = sector.findChild<QCompleter*>();
  ASSERT_NE(completer, nullptr);
  QAbstractItemView& popup = *completer->popup();
  ASSERT_TRUE(popup.isVisible());
  ASSERT_EQ(popup.model()->rowCount(), 1);
  EXPECT_EQ(popup.model()->index(0, 0).data().toString(), "Écluse");
  // Typing alone chose nothing.
  EXPECT_EQ(window_->Control().Txt_SecteurAidant.Text(), "");

  QTest::keyClick(&popup, Qt::Key_Return);
  Settle();
  EXPECT_FALSE(popup.isVisible());
  // The pick's whole cascade: the single sub-sector and district, down to the antenna.
  const Ctr_Sectorisation& c = window_->Control();
  EXPECT_EQ(c.Txt_SecteurAidant.Text(), "012");
  EXPECT_EQ(c.Cbo_LibQuartierAidant.Text(), "Bassin");
  EXPECT_EQ(c.Txt_AntMedAidant.Text(), "001");
  EXPECT_EQ(sector.currentText(), "Écluse");
}

}  // namespace
