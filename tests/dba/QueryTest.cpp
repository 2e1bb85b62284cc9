#include <gtest/gtest.h>

#include "StoreTestSupport.h"
#include "TestStore.h"

namespace {

class Query : public ::testing::Test {
 protected:
  // Each row as "key label" (columns 1 and 2, whatever they hold), in result order.
  std::vector<std::string> Rows(const std::string& statement, const std::string& file,
                                const std::string& columns = "0 1") {
    const auto result = Execute(statement, file, columns);
    std::vector<std::string> rows;
    for (long row = 1; row <= result->DCount(); ++row)
      rows.push_back(result->Extract(row, 1).Text() + " " + result->Extract(row, 2).Text());
    return rows;
  }

  std::shared_ptr<dba::DynamicArray> Execute(const std::string& statement, const std::string& file,
                                             const std::string& columns = "0 1") {
    long outValue = 0;
    return store_.Connection()->ExecuteQuery(Request(statement, file, columns), std::string(),
                                             outValue);
  }

  basis::Error Failure(const std::string& statement, const std::string& file,
                       const std::string& columns = "0 1") {
    return ErrorOf([&] { Execute(statement, file, columns); });
  }

  void SetUp() override { store_.LoadStandardWorld(); }

  TestStore store_;
};

using Table = std::vector<std::string>;

TEST_F(Query, AnswersTheFiveStatementsOfTheScreen) {
  EXPECT_EQ(Rows("SSELECT SECTEUR PAR 1", "SECTEUR"),
            (Table{"001 Centre-ville", "012 Écluse", "002 Nord", "003 Sud"}));
  EXPECT_EQ(Rows("SSELECT SOUSSECTEUR = '001]' PAR 1", "SOUSSECTEUR"),
            (Table{"00112 Cathédrale", "00101 Gare", "00105 Halles"}));
  EXPECT_EQ(Rows("SSELECT QUARTIER = '00101]' PAR 1", "QUARTIER"),
            (Table{"0010101 Quai A", "0010102 Quai B"}));
  EXPECT_EQ(Rows("SSELECT CENTREMEDICAL PAR 1", "CENTREMEDICAL"),
            (Table{"030 Centre Ouest", "020 Clinique Sud", "010 Hôpital Nord"}));
  EXPECT_EQ(Rows("SSELECT ANTENNEMEDICALE = '010]' PAR 1", "ANTENNEMEDICALE"),
            (Table{"010001 Antenne Gare", "010002 Antenne Lilas"}));
  // An empty code keeps every record.
  EXPECT_EQ(Rows("SSELECT SOUSSECTEUR = ']' PAR 1", "SOUSSECTEUR").size(), 6u);
}

TEST_F(Query, SelectingNothingGivesNoRowsAndAnEmptyFirstRow) {
  const auto result = Execute("SSELECT SOUSSECTEUR = '009]' PAR 1", "SOUSSECTEUR");
  EXPECT_EQ(result->DCount(), 0);
  EXPECT_EQ(result->Extract(1, 1).Text(), "");
  EXPECT_EQ(Execute("SSELECT SOUSSECTEUR = '00199' PAR 1", "SOUSSECTEUR")->DCount(), 0);
}

TEST_F(Query, KeyConditionsSelectByEqualityEndAndContent) {
  EXPECT_EQ(Rows("SELECT SOUSSECTEUR = '00105'", "SOUSSECTEUR"), (Table{"00105 Halles"}));
  EXPECT_EQ(Rows("SELECT SOUSSECTEUR = '[05'", "SOUSSECTEUR"),
            (Table{"00105 Halles", "00205 Forêt"}));
  EXPECT_EQ(Rows("SELECT SOUSSECTEUR = '[20]'", "SOUSSECTEUR"),
            (Table{"00201 Parc", "00205 Forêt", "01201 Port"}));
  // The literal runs to the last quote, so it may hold quotes itself.
  store_.Connection()->CreateFile("DIVERS");
  store_.Put("DIVERS", "l'eau", {"Eau"});
  store_.Put("DIVERS", "l'air", {"Air"});
  EXPECT_EQ(Rows("SELECT DIVERS = 'l'e]'", "DIVERS"), (Table{"l'eau Eau"}));
}

TEST_F(Query, SortsInFrenchThenByKey) {
  store_.Connection()->CreateFile("PERSONNES");
  store_.Put("PERSONNES", "p1", {"Zoé", "1"});
  store_.Put("PERSONNES", "p2", {"Émile", "2"});
  store_.Put("PERSONNES", "p3", {"Eve", "1"});
  store_.Put("PERSONNES", "p4", {"Emile", "2"});
  store_.Put("PERSONNES", "p5", {"émile", "2"});
  store_.Put("PERSONNES", "p0", {"Eve", "1"});
  EXPECT_EQ(Rows("SSELECT PERSONNES PAR 1", "PERSONNES"),
            (Table{"p4 Emile", "p5 émile", "p2 Émile", "p0 Eve", "p3 Eve", "p1 Zoé"}));
  EXPECT_EQ(Rows("SSELECT PERSONNES PAR 2 PAR 1", "PERSONNES"),
            (Table{"p0 Eve", "p3 Eve", "p1 Zoé", "p4 Emile", "p5 émile", "p2 Émile"}));
  // Without PAR, in key order.
  EXPECT_EQ(Rows("SELECT PERSONNES", "PERSONNES").front(), "p0 Eve");
}

TEST_F(Query, ReturnsTheRequestedColumnsWithValuesAsSubvalues) {
  const auto result = Execute("SSELECT CIVILAIDANT = 'A001'", "CIVILAIDANT", "2 43 0 99");
  ASSERT_EQ(result->DCount(), 1);
  EXPECT_EQ(result->DCount(1), 4);
  EXPECT_EQ(result->Extract(1, 1).Text(), "DUPONT");
  EXPECT_EQ(result->Extract(1, 2, 2).Text(), "012");
  EXPECT_EQ(result->Extract(1, 3).Text(), "A001");
  EXPECT_EQ(result->Extract(1, 4).Text(), "");
}

TEST_F(Query, NamesWhatIsWrongWithAMalformedRequest) {
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
    const basis::Error error = Failure(c.statement, c.file, c.columns);
    EXPECT_EQ(error.Number(), basis::kQuerySyntax) << c.statement;
    EXPECT_NE(error.Description().find(c.expected), std::string::npos) << error.Description();
  }
  const basis::Error unknown = Failure("SSELECT SECTEURS PAR 1", "SECTEURS");
  EXPECT_EQ(unknown.Number(), basis::kFileNotFound);
  EXPECT_NE(unknown.Description().find("SECTEURS"), std::string::npos);
}

}  // namespace
