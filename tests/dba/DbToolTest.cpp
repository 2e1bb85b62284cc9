#include <gtest/gtest.h>

#include <algorithm>
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
  Outcome Run(std::vector<std::string> arguments, const std::string& input = "") {
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
      {"export"},
  };
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

TEST_F(DbToolRun, TheDemoDataLoadsWholeAndExportsAsEmbedded) {
  EXPECT_EQ(OnDb({"demo"}).status, 0);
  const Outcome exported = OnDb({"export"});
  EXPECT_EQ(exported.status, 0);
  EXPECT_EQ(exported.out, appsupport::DemoData::Text());

  auto connection = dba::DatabaseClient().Connect("sqlite:" + db_);
  EXPECT_EQ(connection->ListFiles(),
            (std::vector<std::string>{"ANTENNEMEDICALE", "CENTREMEDICAL", "CIVILAIDANT", "COMMUNES",
                                      "COMPTEUR", "QUARTIER", "SECTEUR", "SOUSSECTEUR", "TABLES"}));
  // Every key begins with its parent's key, and every district names an existing antenna.
  auto parentExists = [&](const std::string& file, const std::string& parentFile,
                          std::size_t length) {
    for (const std::string& key : connection->OpenFile(file)->ListKeys()) {
      EXPECT_NO_THROW(connection->OpenFile(parentFile)->ReadRecord(key.substr(0, length))) << key;
    }
  };
  parentExists("SOUSSECTEUR", "SECTEUR", 3);
  parentExists("QUARTIER", "SOUSSECTEUR", 5);
  parentExists("ANTENNEMEDICALE", "CENTREMEDICAL", 3);
  for (const std::string& key : connection->OpenFile("QUARTIER")->ListKeys()) {
    const std::string antenna =
        connection->OpenFile("QUARTIER")->ReadRecord(key)->Extract(2).Text();
    EXPECT_NO_THROW(connection->OpenFile("ANTENNEMEDICALE")->ReadRecord(antenna)) << key;
  }
}

TEST_F(DbToolRun, ImportIsAllOrNothing) {
  const std::string path = folder_.File("records.jsonl");
  std::ofstream(path) << R"({"file":"SECTEUR","key":"001","record":["Centre"]})"
                      << "\n"
                      << R"({"file":"SECTEUR","key":"002","record":["Nord"],})"
                      << "\n";
  const Outcome failed = OnDb({"import", path});
  EXPECT_EQ(failed.status, 1);
  EXPECT_NE(failed.err.find("Ligne 2"), std::string::npos);
  EXPECT_EQ(OnDb({"export"}).out, "");
  EXPECT_EQ(OnDb({"import", folder_.File("absent.jsonl")}).status, 1);
}

TEST_F(DbToolRun, ExportedRecordsImportBackByteForByte) {
  OnDb({"demo"});
  OnDb({"create", "VIDE", "AUTRE"});
  const std::string exported = OnDb({"export", "SECTEUR", "TABLES", "VIDE"}).out;
  const std::string copy = folder_.File("copy.db");
  EXPECT_EQ(Run({"--db", copy, "import", "-"}, exported).status, 0);
  EXPECT_EQ(Run({"--db", copy, "export"}).out, exported);
}

TEST_F(DbToolRun, QueriesAndShowsRecords) {
  OnDb({"demo"});
  const Outcome chain = OnDb({"query", "SSELECT QUARTIER = '00501]' PAR 1", "--columns", "0 1 2"});
  EXPECT_EQ(chain.status, 0);
  EXPECT_EQ(std::count(chain.out.begin(), chain.out.end(), '\n'), 1);
  EXPECT_TRUE(chain.out.starts_with("0050101\t")) << chain.out;
  EXPECT_EQ(std::count(chain.out.begin(), chain.out.end(), '\t'), 2);

  const Outcome shown = OnDb({"show", "COMPTEUR", "999"});
  EXPECT_NE(shown.out.find(R"("key":"999")"), std::string::npos);
  EXPECT_TRUE(shown.out.ends_with(R"("","0"]})"
                                  "\n"));

  const Outcome missing = OnDb({"show", "SECTEUR", "999"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("introuvable"), std::string::npos);
  EXPECT_EQ(OnDb({"query", "SSELECT SECTEUR PAR"}).status, 1);

  const std::string absent = folder_.File("absent.db");
  EXPECT_EQ(Run({"--db", absent, "query", "SSELECT SECTEUR PAR 1"}).status, 1);
  EXPECT_FALSE(std::filesystem::exists(absent));
}

}  // namespace
