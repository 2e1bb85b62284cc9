#include <gtest/gtest.h>

#include "StoreTestSupport.h"
#include "dba/DatabaseClient.h"
#include "dba/Storage.h"

namespace {

using Rows = std::vector<std::string>;

// Two workstations on one database file: what one writes, the other's next query shows,
// though the same request was answered just before.
class KeptResults : public ::testing::Test {
 protected:
  KeptResults()
      : path_(folder_.File("service.db")),
        mine_(dba::DatabaseClient().Connect("sqlite:" + path_, dba::OpenMode::kCreateIfMissing)),
        theirs_(dba::DatabaseClient().Connect("sqlite:" + path_)) {
    mine_->CreateFile("SECTEUR");
    Put(*mine_, "001", "Centre-ville");
    Put(*mine_, "002", "Nord");
    Put(*mine_, "003", "Écluse");
  }

  static void Put(dba::DatabaseConnection& connection, const std::string& key,
                  const std::string& label) {
    connection.OpenFile("SECTEUR")->WriteRecord(key, dba::DynamicArray(label));
  }

  static std::shared_ptr<dba::DynamicArray> Sectors(dba::DatabaseConnection& connection) {
    dba::DynamicArray request;
    request.Replace(1, "SSELECT SECTEUR PAR 1");
    request.Replace(2, "SECTEUR");
    request.Replace(3, "0 1");
    long outValue = 0;
    return connection.ExecuteQuery(request.Text(), std::string(), outValue);
  }

  // Each row as "key label".
  static Rows SectorRows(dba::DatabaseConnection& connection) {
    const auto result = Sectors(connection);
    Rows rows;
    for (long row = 1; row <= result->DCount(); ++row)
      rows.push_back(result->Extract(row, 1).Text() + " " + result->Extract(row, 2).Text());
    return rows;
  }

  ScratchFolder folder_;
  std::string path_;
  std::shared_ptr<dba::DatabaseConnection> mine_, theirs_;
};

TEST_F(KeptResults, AChangeByAnotherConnectionIsSeenByTheNextQuery) {
  const Rows before = {"001 Centre-ville", "003 Écluse", "002 Nord"};
  EXPECT_EQ(SectorRows(*mine_), before);
  EXPECT_EQ(SectorRows(*mine_), before);

  Put(*theirs_, "002", "Aval");  // a new label that sorts first
  Put(*theirs_, "004", "Est");
  EXPECT_EQ(SectorRows(*mine_), (Rows{"002 Aval", "001 Centre-ville", "003 Écluse", "004 Est"}));

  theirs_->OpenFile("SECTEUR")->DeleteRecord("001");
  EXPECT_EQ(SectorRows(*mine_), (Rows{"002 Aval", "003 Écluse", "004 Est"}));
}

TEST_F(KeptResults, AChangeByThisConnectionIsSeenEvenBeforeItsCommit) {
  EXPECT_EQ(SectorRows(*mine_).size(), 3u);
  Put(*mine_, "004", "Est");
  EXPECT_EQ(SectorRows(*mine_).back(), "002 Nord");
  EXPECT_EQ(SectorRows(*mine_).size(), 4u);

  mine_->GetStorage().WriteTransaction([&] {
    Put(*mine_, "005", "Abbaye");
    EXPECT_EQ(SectorRows(*mine_).front(), "005 Abbaye");
    Put(*mine_, "006", "Aaron");
    EXPECT_EQ(SectorRows(*mine_).front(), "006 Aaron");
  });
  EXPECT_EQ(SectorRows(*theirs_).size(), 6u);
}

TEST_F(KeptResults, ACallerChangingItsResultChangesNoOtherResult) {
  const auto first = Sectors(*mine_);
  const std::string text = first->Text();
  first->Replace(1, 2, "Changé");
  first->Replace(9, "ajouté");
  const auto second = Sectors(*mine_);
  EXPECT_EQ(second->Text(), text);
  EXPECT_EQ(first->Extract(1, 2).Text(), "Changé");

  // Copies of any array share nothing a change could reach.
  dba::DynamicArray original(
      "a\xFE"
      "b\xFD"
      "c");
  dba::DynamicArray copy = original;
  copy.Replace(2, 2, "z");
  EXPECT_EQ(original.Extract(2, 2).Text(), "c");
  EXPECT_EQ(copy.Extract(2, 2).Text(), "z");
}

}  // namespace
