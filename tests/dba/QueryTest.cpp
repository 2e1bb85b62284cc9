#include <gtest/gtest.h>

#include <chrono>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "StoreEngines.h"
#include "StoreTestSupport.h"
#include "TestStore.h"
#include "dba/DatabaseClient.h"
#include "dba/Marks.h"
#include "dba/Storage.h"

namespace {

using Table = std::vector<std::string>;

class Query : public ::testing::TestWithParam<StoreEngine> {
 protected:
  void SetUp() override { store_.LoadStandardWorld(); }

  // The request as the control builds it, on the file the statement names.
  std::shared_ptr<dba::DynamicArray> Execute(const std::string& statement,
                                             const std::string& columns = "0 1") {
    std::string verb, file;
    std::istringstream(statement) >> verb >> file;
    return Execute(statement, file, columns);
  }
  std::shared_ptr<dba::DynamicArray> Execute(const std::string& statement, const std::string& file,
                                             const std::string& columns) {
    dba::DynamicArray request;
    request.Replace(1, statement);
    request.Replace(2, file);
    request.Replace(3, columns);
    long outValue = 0;
    return store_.Connection()->ExecuteQuery(request.Text(), std::string(), outValue);
  }

  // The result's text as a tool asks for it, without the array.
  std::string Text(const std::string& statement, const std::string& columns) {
    dba::DynamicArray request;
    request.Replace(1, statement);
    std::string verb, file;
    std::istringstream(statement) >> verb >> file;
    request.Replace(2, file);
    request.Replace(3, columns);
    return store_.Connection()->ExecuteQueryText(request.Text());
  }

  // Each row as "key label", in result order.
  Table Rows(const std::string& statement) {
    const auto result = Execute(statement);
    Table rows;
    for (long row = 1; row <= result->DCount(); ++row)
      rows.push_back(result->Extract(row, 1).Text() + " " + result->Extract(row, 2).Text());
    return rows;
  }

  const std::string address_ = GetParam().newStore();
  TestStore store_{address_};
};

TEST_P(Query, SelectsByKeyPrefixEqualityEndAndContent) {
  const struct {
    const char* statement;
    Table rows;
  } cases[] = {
      // The five statements of the screen.
      {"SSELECT SECTEUR PAR 1", {"001 Centre-ville", "012 Écluse", "002 Nord", "003 Sud"}},
      {"SSELECT SOUSSECTEUR = '001]' PAR 1", {"00112 Cathédrale", "00101 Gare", "00105 Halles"}},
      {"SSELECT QUARTIER = '00101]' PAR 1", {"0010101 Quai A", "0010102 Quai B"}},
      {"SSELECT CENTREMEDICAL PAR 1", {"030 Centre Ouest", "020 Clinique Sud", "010 Hôpital Nord"}},
      {"SSELECT ANTENNEMEDICALE = '010]' PAR 1", {"010001 Antenne Gare", "010002 Antenne Lilas"}},
      {"SSELECT SOUSSECTEUR = '00199' PAR 1", {}},
      {"SELECT SOUSSECTEUR = '00105'", {"00105 Halles"}},
      {"SELECT SOUSSECTEUR = '[05'", {"00105 Halles", "00205 Forêt"}},
      {"SELECT SOUSSECTEUR = '[20]'", {"00201 Parc", "00205 Forêt", "01201 Port"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Rows(c.statement), c.rows) << c.statement;
    EXPECT_EQ(Text(c.statement, "0 1"), Execute(c.statement)->Text()) << c.statement;
  }
  // An empty code keeps every record; nothing selected leaves an empty first row.
  EXPECT_EQ(Rows("SSELECT SOUSSECTEUR = ']' PAR 1").size(), 6u);
  const auto none = Execute("SSELECT SOUSSECTEUR = '009]' PAR 1");
  EXPECT_EQ(none->DCount(), 0);
  EXPECT_EQ(none->Extract(1, 1).Text(), "");
  // The literal runs to the last quote, so it may hold quotes itself.
  store_.Connection()->CreateFile("DIVERS");
  store_.Put("DIVERS", "l'eau", {"Eau"});
  store_.Put("DIVERS", "l'air", {"Air"});
  EXPECT_EQ(Rows("SELECT DIVERS = 'l'e]'"), (Table{"l'eau Eau"}));
}

TEST_P(Query, SortsInFrenchThenByKey) {
  store_.Connection()->CreateFile("PERSONNES");
  store_.Put("PERSONNES", "p1", {"Zoé", "1"});
  store_.Put("PERSONNES", "p2", {"Émile", "2"});
  store_.Put("PERSONNES", "p3", {"Eve", "1"});
  store_.Put("PERSONNES", "p4", {"Emile", "2"});
  store_.Put("PERSONNES", "p5", {"émile", "2"});
  store_.Put("PERSONNES", "p0", {"Eve", "1"});
  EXPECT_EQ(Rows("SSELECT PERSONNES PAR 1"),
            (Table{"p4 Emile", "p5 émile", "p2 Émile", "p0 Eve", "p3 Eve", "p1 Zoé"}));
  EXPECT_EQ(Rows("SSELECT PERSONNES PAR 2 PAR 1"),
            (Table{"p0 Eve", "p3 Eve", "p1 Zoé", "p4 Emile", "p5 émile", "p2 Émile"}));
  // Without PAR, in key order.
  EXPECT_EQ(Rows("SELECT PERSONNES").front(), "p0 Eve");
}

TEST_P(Query, ReturnsTheRequestedColumnsWithValuesAsSubvalues) {
  const std::string VM(1, dba::kValueMark), SM(1, dba::kSubvalueMark);
  EXPECT_EQ(Execute("SSELECT CIVILAIDANT = 'A001'", "2 43 0 99")->Text(),
            "DUPONT" + VM + "002" + SM + "012" + VM + "A001" + VM);
  // Rows left empty at the end are no part of the text, by either path.
  const std::string sorted = "SSELECT CIVILAIDANT PAR 2";
  EXPECT_EQ(Text(sorted, "43"), "002" + SM + "012");
  EXPECT_EQ(Execute(sorted, "CIVILAIDANT", "43")->Text(), Text(sorted, "43"));
}

TEST_P(Query, NamesWhatIsWrongWithAMalformedRequest) {
  struct Case {
    std::string statement, file, columns, expected;
  };
  const std::vector<Case> cases = {
      {"", "SECTEUR", "0 1", "instruction vide"},
      {"LIST SECTEUR", "SECTEUR", "0 1", "verbe inconnu « LIST »"},
      {"SSELECT", "SECTEUR", "0 1", "nom de fichier manquant"},
      {"SSELECT SECTEUR = 001", "SECTEUR", "0 1", "apostrophe attendue"},
      {"SSELECT SECTEUR = '001", "SECTEUR", "0 1", "apostrophe fermante manquante"},
      {"SSELECT SECTEUR = '001]' TRI 1", "SECTEUR", "0 1", "« TRI » après la condition"},
      {"SSELECT SECTEUR PAR", "SECTEUR", "0 1", "PAR sans numéro"},
      {"SSELECT SECTEUR PAR un", "SECTEUR", "0 1", "PAR suivi de « un »"},
      {"SSELECT SECTEUR PAR 1", "QUARTIER", "0 1", "diffère du fichier « QUARTIER »"},
      {"SSELECT SECTEUR PAR 1", "", "0 1", "fichier manquant dans la demande"},
      {"SSELECT SECTEUR PAR 1", "SECTEUR", "", "liste de colonnes vide"},
      {"SSELECT SECTEUR PAR 1", "SECTEUR", "0 un", "colonne « un »"},
  };
  for (const Case& c : cases) {
    const basis::Error error = ErrorOf([&] { Execute(c.statement, c.file, c.columns); });
    EXPECT_EQ(error.Number(), basis::kQuerySyntax) << c.statement;
    EXPECT_NE(error.Description().find(c.expected), std::string::npos) << error.Description();
  }
  const basis::Error unknown = ErrorOf([&] { Execute("SSELECT SECTEURS PAR 1"); });
  EXPECT_EQ(unknown.Number(), basis::kFileNotFound);
  EXPECT_NE(unknown.Description().find("SECTEURS"), std::string::npos);
}

// A result is kept for the same request sent again, never past a change: another
// connection's commit (as soon as the engine tells this one) or each write of this one,
// even inside its open transaction.
TEST_P(Query, AKeptResultNeverOutlivesAChange) {
  const std::string sectors = "SSELECT SECTEUR PAR 1";
  dba::DatabaseConnection& mine = *store_.Connection();
  const auto other = dba::DatabaseClient().Connect(address_);
  EXPECT_EQ(Rows(sectors), (Table{"001 Centre-ville", "012 Écluse", "002 Nord", "003 Sud"}));
  const auto start = mine.DataVersion();
  other->OpenFile("SECTEUR")->ReadRecord("001");
  EXPECT_EQ(mine.DataVersion(), start) << "a read alone changes nothing";
  other->GetStorage().WriteTransaction([&] {
    other->OpenFile("SECTEUR")->WriteRecord("002", dba::DynamicArray("Aval"));
    other->OpenFile("SECTEUR")->DeleteRecord("001");
  });
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (mine.DataVersion() == start && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  EXPECT_EQ(Rows(sectors), (Table{"002 Aval", "012 Écluse", "003 Sud"}));

  mine.GetStorage().WriteTransaction([&] {
    store_.Put("SECTEUR", "005", {"Abbaye"});
    EXPECT_EQ(Rows(sectors).front(), "005 Abbaye");
    store_.Put("SECTEUR", "006", {"Aaron"});
    EXPECT_EQ(Rows(sectors).front(), "006 Aaron");
  });
  EXPECT_EQ(other->OpenFile("SECTEUR")->ListKeys().size(), 5u);
  EXPECT_THROW(mine.GetStorage().WriteTransaction([&] {
    store_.Put("SECTEUR", "007", {"Aa"});
    EXPECT_EQ(Rows(sectors).front(), "007 Aa");
    throw std::runtime_error("abandon");
  }),
               std::runtime_error);
  EXPECT_EQ(Rows(sectors).front(), "006 Aaron") << "undone writes are not shown";

  // The caller's result is its own.
  const auto result = Execute(sectors);
  const std::string text = result->Text();
  result->Replace(1, 2, "Changé");
  EXPECT_EQ(Execute(sectors)->Text(), text);
}

// A list read again after a change is sorted again by what it now holds, even when its
// labels are the same set as before (two records traded theirs), when the rows it shows
// are the same but not the labels they sort by, or when only another column changed (the
// order kept from before still holds, the rows' texts do not).
// Labels shared by many rows sort them in key order; a multivalued label sorts value by
// value; an unlabelled row sorts first.
TEST_P(Query, AListReadAgainIsSortedByWhatItNowHolds) {
  dba::DatabaseConnection& mine = *store_.Connection();
  mine.CreateFile("NOMS");
  const std::string VM(1, dba::kValueMark), SM(1, dba::kSubvalueMark);
  for (int i = 0; i < 40; ++i)
    store_.Put("NOMS", "n" + std::to_string(10 + i), {i % 2 == 0 ? "Éric" : "Aude", "x"});
  store_.Put("NOMS", "m1", {"Eric" + VM + "B", "y"});
  store_.Put("NOMS", "m2", {"Eric" + VM + "A", "y"});
  store_.Put("NOMS", "m3", {"", "z"});
  const std::string byName = "SSELECT NOMS PAR 1";
  auto firstRows = [&](std::size_t count) {
    Table rows = Rows(byName);
    rows.resize(count);
    return rows;
  };
  EXPECT_EQ(firstRows(6),
            (Table{"m3 ", "n11 Aude", "n13 Aude", "n15 Aude", "n17 Aude", "n19 Aude"}));
  Table rows = Rows(byName);
  ASSERT_EQ(rows.size(), 43u);
  EXPECT_EQ(Table(rows.begin() + 21, rows.begin() + 23), (Table{"n10 Éric", "n12 Éric"}));
  EXPECT_EQ(Table(rows.end() - 3, rows.end()),
            (Table{"n48 Éric", "m2 Eric" + SM + "A", "m1 Eric" + SM + "B"}));

  // Rows that show only their keys come back the same after the trade: their order may not.
  auto lastKeys = [&] {
    const auto keys = Execute(byName, "NOMS", "0");
    return Table{keys->Extract(42).Text(), keys->Extract(43).Text()};
  };
  EXPECT_EQ(lastKeys(), (Table{"m2", "m1"}));
  store_.Put("NOMS", "m1", {"Eric" + VM + "A", "y"});
  store_.Put("NOMS", "m2", {"Eric" + VM + "B", "y"});
  rows = Rows(byName);
  EXPECT_EQ(Table(rows.end() - 2, rows.end()), (Table{"m1 Eric" + SM + "A", "m2 Eric" + SM + "B"}));
  EXPECT_EQ(lastKeys(), (Table{"m1", "m2"}));

  EXPECT_EQ(Execute(byName, "NOMS", "2")->Extract(2).Text(), "x");
  store_.Put("NOMS", "n11", {"Aude", "changé"});
  EXPECT_EQ(Execute(byName, "NOMS", "2")->Extract(2).Text(), "changé");
  EXPECT_EQ(Text(byName, "0").substr(0, 6), "m3" + std::string(1, dba::kAttributeMark) + "n11");
}

INSTANTIATE_TEST_SUITE_P(Engines, Query, ::testing::ValuesIn(StoreEngines()), StoreEngineName());

}  // namespace
