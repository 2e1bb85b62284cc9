#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "DbTool.h"
#include "StoreTestSupport.h"
#include "common/DemoData.h"
#include "dba/DatabaseClient.h"

namespace {

struct Outcome {
  int status;
  std::string out, err;
};

class DbToolRun : public ::testing::Test {
 protected:
  Outcome Run(const std::vector<std::string>& arguments, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = DbTool(in, out, err).Run(arguments);
    return {status, out.str(), err.str()};
  }

  Outcome OnDb(std::vector<std::string> arguments, const std::string& input = "") {
    arguments.insert(arguments.begin(), {"--db", db_});
    return Run(arguments, input);
  }

  ScratchFolder folder_;
  const std::string db_ = folder_.File("tool.db");
};

TEST_F(DbToolRun, AWrongCommandLineGivesTheUsageAndStatusTwo) {
  const std::vector<std::vector<std::string>> wrong = {
      {},
      {"--db"},
      {"--db", db_},
      {"--db", db_, "vider"},
      {"--db", db_, "show", "SECTEUR"},
      {"--db", db_, "demo", "en-trop"},
      {"--db", db_, "query", "SSELECT SECTEUR", "--columns"},
      {"--db", db_, "export", "--columns", "0 1"},
      {"--db", db_, "--verbeux", "export"},
      {"export"}};
  for (const auto& arguments : wrong) {
    const Outcome outcome = Run(arguments);
    EXPECT_EQ(outcome.status, 2) << ::testing::PrintToString(arguments);
    EXPECT_NE(outcome.err.find("Utilisation : delvaro-db"), std::string::npos);
  }
  EXPECT_FALSE(std::filesystem::exists(db_));
  const Outcome help = Run({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("query 'INSTRUCTION'"), std::string::npos);
}

TEST_F(DbToolRun, TheDemoDataLoadsWholeImportsBackByteForByteAndAnswersQueries) {
  EXPECT_EQ(OnDb({"demo"}).status, 0);
  EXPECT_EQ(OnDb({"export"}).out, appsupport::DemoData::Text());
  OnDb({"create", "VIDE", "AUTRE"});
  const std::string exported = OnDb({"export", "SECTEUR", "TABLES", "VIDE"}).out;
  const std::string copy = folder_.File("copy.db");
  EXPECT_EQ(Run({"--db", copy, "import", "-"}, exported).status, 0);
  EXPECT_EQ(Run({"--db", copy, "export"}).out, exported);

  auto connection = dba::DatabaseClient().Connect("sqlite:" + db_);
  // Keys begin with their parent's key, and a district names its antenna in attribute 2.
  const struct {
    const char *file, *parent;
    long attribute;
    std::size_t length;
  } links[] = {{"SOUSSECTEUR", "SECTEUR", 0, 3},
               {"QUARTIER", "SOUSSECTEUR", 0, 5},
               {"ANTENNEMEDICALE", "CENTREMEDICAL", 0, 3},
               {"QUARTIER", "ANTENNEMEDICALE", 2, std::string::npos}};
  for (const auto& link : links) {
    auto file = connection->OpenFile(link.file);
    for (const std::string& key : file->ListKeys()) {
      const std::string parent = file->ReadRecord(key)->Extract(link.attribute).Text();
      EXPECT_NO_THROW(connection->OpenFile(link.parent)->ReadRecord(parent.substr(0, link.length)))
          << link.file << " " << key;
    }
  }

  EXPECT_EQ(OnDb({"query", "SSELECT QUARTIER = '00501]' PAR 1", "--columns", "0 1 2"}).out,
            "0050101\tRue Marceau\t040001\n");
  const Outcome shown = OnDb({"show", "COMPTEUR", "999"});
  EXPECT_TRUE(shown.out.starts_with(R"({"file":"COMPTEUR","key":"999","record":["",)"));
  EXPECT_TRUE(shown.out.ends_with(R"("","0"]})"
                                  "\n"));
}

TEST_F(DbToolRun, FailuresGiveStatusOneAndImportIsAllOrNothing) {
  const std::string path = folder_.File("records.jsonl");
  std::ofstream(path) << R"({"file":"SECTEUR","key":"001","record":["Centre"]})"
                         "\n"
                         R"({"file":"SECTEUR","key":"002","record":["Nord"],})"
                         "\n";
  const Outcome failed = OnDb({"import", path});
  EXPECT_EQ(failed.status, 1);
  EXPECT_NE(failed.err.find("Ligne 2"), std::string::npos);
  EXPECT_EQ(OnDb({"export"}).out, "");
  EXPECT_EQ(OnDb({"import", folder_.File("absent.jsonl")}).status, 1);

  OnDb({"create", "SECTEUR"});
  const Outcome missing = OnDb({"show", "SECTEUR", "999"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("introuvable"), std::string::npos);
  EXPECT_EQ(OnDb({"query", "SSELECT SECTEUR PAR"}).status, 1);
  const std::string absent = folder_.File("absent.db");
  EXPECT_EQ(Run({"--db", absent, "query", "SSELECT SECTEUR PAR 1"}).status, 1);
  EXPECT_FALSE(std::filesystem::exists(absent));
}

TEST_F(DbToolRun, ReadingNeverChangesAFileAndOnlyWritingCommandsMakeAStore) {
  const std::string empty = folder_.File("empty.db");
  std::ofstream(empty).close();
  const std::string notes = folder_.File("notes.txt");
  std::ofstream(notes) << "des notes, pas une base\n";
  const std::vector<std::vector<std::string>> reads = {
      {"export"}, {"show", "SECTEUR", "001"}, {"query", "SSELECT SECTEUR PAR 1"}};
  for (const std::string& path : {empty, notes}) {
    auto withDb = [&](std::vector<std::string> arguments) {
      arguments.insert(arguments.begin(), {"--db", path});
      return arguments;
    };
    const std::string before = FileBytes(path);
    for (const auto& read : reads) {
      const Outcome outcome = Run(withDb(read));
      EXPECT_EQ(outcome.status, 1);
      EXPECT_NE(outcome.err.find("n'est pas une base Delvaro."), std::string::npos) << outcome.err;
      EXPECT_EQ(FileBytes(path), before) << path << " " << read[0];
    }
  }
  EXPECT_EQ(Run({"--db", notes, "demo"}).status, 1);
  EXPECT_EQ(FileBytes(notes), "des notes, pas une base\n");
  EXPECT_EQ(Run({"--db", empty, "demo"}).status, 0);
  EXPECT_EQ(Run({"--db", empty, "show", "SECTEUR", "001"}).status, 0);

  const Outcome memory = Run({"--db", ":memory:", "import", "-"}, FileBytes(notes));
  EXPECT_EQ(memory.status, 2);
  EXPECT_NE(memory.err.find("import ne garderait rien"), std::string::npos) << memory.err;
}

TEST_F(DbToolRun, RightsAreShownWithTheirOriginGrantedAndRevoked) {
  ASSERT_EQ(OnDb({"demo"}).status, 0);
  EXPECT_EQ(OnDb({"rights", "alice"}).out,
            "Droits de « alice » (ceux de « * », « alice » n'ayant pas d'enregistrement propre) "
            ":\nDOSAIDANTSECTEUR\t2\n");
  const Outcome granted = OnDb({"grant", "alice", "DOSAIDANTSECTEUR", "1"});
  EXPECT_EQ(granted.status, 0);
  EXPECT_NE(granted.out.find("créé à partir de « * »"), std::string::npos) << granted.out;
  EXPECT_EQ(OnDb({"rights", "alice"}).out,
            "Droits de « alice » (son propre enregistrement) :\nDOSAIDANTSECTEUR\t1\n");
  EXPECT_NE(OnDb({"rights", "*"}).out.find("DOSAIDANTSECTEUR\t2"), std::string::npos);

  EXPECT_NE(OnDb({"revoke", "alice", "DOSAIDANTSECTEUR"}).out.find("plus aucun droit"),
            std::string::npos);
  EXPECT_NE(OnDb({"rights", "alice"}).out.find("aucun écran"), std::string::npos);
  EXPECT_NE(OnDb({"revoke", "alice", "DOSAIDANTSECTEUR"}).out.find("rien n'est changé"),
            std::string::npos);

  // A damaged level reads as 0 and is pointed out.
  OnDb({"import", "-"},
       R"({"file":"DROITSUTILISATEURS","key":"bruno","record":["DOSAIDANTSECTEUR","2 "]})"
       "\n");
  const Outcome damaged = OnDb({"rights", "bruno"});
  EXPECT_NE(damaged.out.find("DOSAIDANTSECTEUR\t0"), std::string::npos) << damaged.out;
  EXPECT_NE(damaged.err.find("attention"), std::string::npos);
}

TEST_F(DbToolRun, ARightsCommandNeedsAnExistingDatabaseAndALevelOfZeroOneOrTwo) {
  for (const char* level : {"3", "-1", "deux", "", "02"}) {
    const Outcome refused = OnDb({"grant", "alice", "DOSAIDANTSECTEUR", level});
    EXPECT_EQ(refused.status, 2) << level;
    EXPECT_NE(refused.err.find("le niveau doit être 0, 1 ou 2"), std::string::npos) << level;
  }
  EXPECT_EQ(OnDb({"revoke", "alice"}).status, 2);
  EXPECT_EQ(OnDb({"grant", "alice", "DOSAIDANTSECTEUR", "2"}).status, 1);
  EXPECT_EQ(OnDb({"rights", "alice"}).status, 1);
  EXPECT_FALSE(std::filesystem::exists(db_));
}

}  // namespace
