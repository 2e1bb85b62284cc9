// The host's list of aidants: French order, a filter blind to case and accents with its
// count, the keyboard, one row read again after a screen, and the whole list read again
// when another workstation saves.
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>

#include "ScreenFixture.h"
#include "common/DemoData.h"
#include "host/AidantListModel.h"
#include "host/AidantListWindow.h"
#include "qt/QtText.h"

namespace {

class AidantListTest : public ::testing::Test {
 protected:
  AidantListTest() {
    store_.LoadStandardWorld();
    const std::pair<const char*, std::pair<const char*, const char*>> aidants[] = {
        {"B001", {"ZOLA", "Émile"}}, {"B002", {"ÉTIENNE", "Luc"}},   {"B003", {"durand", "Anne"}},
        {"B004", {"EBERT", "Paul"}}, {"B005", {"Durand", "Agathe"}}, {"B006", {"ETIENNE", "Léo"}}};
    for (const auto& [code, names] : aidants)
      store_.PutAidant(code, {{2, names.first}, {3, names.second}, {31, "012"}});
    list_.Refresh();
  }

  QStringList Column(int column) const {
    QStringList texts;
    const QAbstractItemModel& shown = *list_.Table().model();
    for (int row = 0; row < shown.rowCount(); ++row)
      texts << shown.index(row, column).data().toString();
    return texts;
  }

  TestStore store_;
  host::AidantListWindow list_{store_.Connection()};
};

TEST_F(AidantListTest, SortsAsAFrenchReaderExpectsAndFiltersBlindToCaseAndAccents) {
  // Surname then first name, É with E and case aside; accents and case only part names
  // that are otherwise the same.
  EXPECT_EQ(Column(1), QStringList({"DUPONT", "Durand", "durand", "EBERT", "ETIENNE", "ÉTIENNE",
                                    "MARTIN", "PETIT", "ZOLA"}));
  EXPECT_EQ(Column(2)[1], "Agathe");
  EXPECT_EQ(Column(3).back(), "012 Écluse");
  EXPECT_EQ(list_.Count().text(), "9 aidants");

  QTest::keyClicks(&list_.Filter(), "etienne");
  EXPECT_EQ(Column(0), QStringList({"B006", "B002"}));
  EXPECT_EQ(list_.Count().text(), "2 aidants sur 9");
  QTest::keyClicks(&list_.Filter(), " ");  // a blank is a character like another
  EXPECT_EQ(list_.Count().text(), "0 aidant sur 9");
  list_.Filter().clear();
  QTest::keyClicks(&list_.Filter(), "ECLUSE");  // the sector's label
  EXPECT_EQ(list_.Count().text(), "6 aidants sur 9");
  list_.Filter().setText("a00");  // codes too
  EXPECT_EQ(Column(0), QStringList({"A001", "A002", "A003"}));
}

TEST_F(AidantListTest, DownGoesFromTheFilterIntoTheListAndEnterOpensTheChosenAidant) {
  list_.show();
  list_.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&list_));
  QSignalSpy opened(&list_, &host::AidantListWindow::OpenRequested);
  list_.Filter().setFocus();
  QTest::keyClicks(&list_.Filter(), "dur");
  QTest::keyClick(&list_.Filter(), Qt::Key_Down);
  ASSERT_TRUE(list_.Table().hasFocus());
  QTest::keyClick(&list_.Table(), Qt::Key_Down);
  QTest::keyClick(&list_.Table(), Qt::Key_Return);
  ASSERT_EQ(opened.count(), 1);
  EXPECT_EQ(opened.takeFirst().front().toString(), "B003");  // durand Anne, second

  // Enter in the filter opens the aidant chosen in the list, the first kept when none is.
  list_.Filter().setFocus();
  list_.Filter().setText("zola");
  QTest::keyClick(&list_.Filter(), Qt::Key_Enter);
  ASSERT_EQ(opened.count(), 1);
  EXPECT_EQ(opened.takeFirst().front().toString(), "B001");
}

TEST_F(AidantListTest, AfterAScreenOnlyThatAidantsRowIsReadAgain) {
  list_.Filter().setText("a00");
  list_.Table().selectRow(1);
  store_.PutAidant("A002", {{2, "MARTIN"}, {3, "Paul"}, {31, "002"}});
  store_.PutAidant("A003", {{2, "PETIT"}, {3, "Léa"}, {31, "002"}});
  list_.RefreshAidant("A002");
  EXPECT_EQ(Column(3), QStringList({"001 Centre-ville", "002 Nord", ""}));
  EXPECT_EQ(Column(2)[1], "Paul");
  EXPECT_EQ(list_.Table().currentIndex().row(), 1);
  // An aidant gone meanwhile leaves the list.
  store_.Remove("CIVILAIDANT", "A003");
  list_.RefreshAidant("A003");
  EXPECT_EQ(Column(0), QStringList({"A001", "A002"}));
}

// The list folds its rows from UTF-8 without a QString; the filter folds what is typed
// through one. Both must agree on every text, whatever its characters.
TEST(FoldedTextTest, FoldingFromUtf8AgreesWithFoldingAQString) {
  QString every;
  for (char16_t c = 1; c < 0x800; ++c)
    every.append(QChar(c));
  for (const std::string& text :
       {every.toStdString(), std::string("ŒUVRE Noël N’Diaye Ǆ ﬁn İ ß"),
        std::string("é\xC3 \xE9t\xC3\xA9 \xC0\x80"), std::string("e\xCC\x81tienne")}) {
    std::string folded;
    qtui::AppendFolded(text, folded);
    EXPECT_EQ(folded, qtui::FoldedText(QString::fromStdString(text)).toStdString()) << text;
  }
}

// Two workstations on one database file, each through its own connection.
TEST(AidantListRefreshTest, ASaveOnAnotherConnectionShowsWithoutTheUserDoingAnything) {
  QTemporaryDir folder;
  const std::string address = "sqlite:" + folder.filePath("bureau.db").toStdString();
  dba::DatabaseClient client;
  auto here = client.Connect(address, dba::OpenMode::kCreateIfMissing);
  appsupport::DemoData::Load(*here);
  auto there = client.Connect(address);

  host::AidantListWindow list(here);
  list.Refresh();
  list.Filter().setText("A001");
  const auto sectorShown = [&list] { return list.Table().model()->index(0, 3).data().toString(); };
  ASSERT_TRUE(sectorShown().startsWith("002"));
  auto aidant = there->OpenFile("CIVILAIDANT")->ReadRecord("A001");
  aidant->Replace(31, "007");
  aidant->DBWrite();
  EXPECT_TRUE(QTest::qWaitFor([&] { return sectorShown().startsWith("007"); }));
  EXPECT_EQ(list.Count().text(), "1 aidant sur 40");
}

}  // namespace
