#include "replay/ReplayTool.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "dba/DatabaseClient.h"

namespace fs = std::filesystem;

namespace {

// delvaro-replay run on files of a fresh temporary folder.
class ReplayToolTest : public testing::Test {
 protected:
  ReplayToolTest()
      : folder_(fs::path(testing::TempDir()) /
                ("replay-" +
                 std::string(testing::UnitTest::GetInstance()->current_test_info()->name()))) {
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  ~ReplayToolTest() override { fs::remove_all(folder_); }

  std::string Write(const std::string& name, const std::string& text) {
    std::ofstream(folder_ / name) << text;
    return (folder_ / name).string();
  }

  int Run(const std::vector<std::string>& arguments) {
    out_.str("");
    err_.str("");
    return scenario::RunReplayTool(arguments, out_, err_);
  }

  fs::path folder_;
  std::ostringstream out_;
  std::ostringstream err_;
};

const char* const kWrites = "record SECTEUR 009 [\"Neuf\"]\nexpect record SECTEUR 009 1 Neuf\n";
const char* const kReads = "expect record SECTEUR 009 1 Neuf\n";

}  // namespace

TEST_F(ReplayToolTest, AWrongCommandLineGivesTheUsageAndStatus2) {
  for (const auto& arguments : std::vector<std::vector<std::string>>{
           {}, {"--db"}, {"--verbose", "a.scn"}, {"--db", "x.db", "--data", "y.jsonl", "a.scn"}}) {
    EXPECT_EQ(Run(arguments), 2);
    EXPECT_NE(err_.str().find("usage : delvaro-replay"), std::string::npos);
    EXPECT_EQ(out_.str(), "");
  }
}

TEST_F(ReplayToolTest, DataIsLoadedAfreshForEachScriptAndTheWorstStatusWins) {
  const std::string data =
      Write("d.jsonl", R"({"file":"SECTEUR","key":"001","record":["Centre"]})");
  const std::string writes = Write("writes.scn", kWrites);
  const std::string reads = Write("reads.scn", kReads);
  EXPECT_EQ(Run({"--data", data, writes, reads}), 1);
  EXPECT_EQ(out_.str(), reads + ":1: expected record SECTEUR 009 1 \"Neuf\", got no record\n" +
                            "1 passed, 1 failed\n");

  const std::string missing = (folder_ / "absent.scn").string();
  EXPECT_EQ(Run({"--data", data, missing, writes}), 2);
  EXPECT_EQ(out_.str(), missing + ": impossible de lire ce scénario\n1 passed, 0 failed\n");
}

TEST_F(ReplayToolTest, ADatabaseFileIsUsedAsItIsAndKeepsWhatScriptsWrote) {
  const std::string database = (folder_ / "base.db").string();
  dba::DatabaseClient()
      .Connect("sqlite:" + database, dba::OpenMode::kCreateIfMissing)
      ->CreateFile("SECTEUR");
  EXPECT_EQ(Run({"--db", database, Write("writes.scn", kWrites), Write("reads.scn", kReads)}), 0);
  EXPECT_EQ(out_.str(), "2 passed, 0 failed\n");

  EXPECT_EQ(Run({"--db", (folder_ / "absent.db").string(), Write("a.scn", kReads)}), 2);
  EXPECT_NE(err_.str().find("base de données introuvable"), std::string::npos);
  EXPECT_FALSE(fs::exists(folder_ / "absent.db"));
}

TEST_F(ReplayToolTest, DataThatDoesNotLoadStopsEverythingAndNamesItsFile) {
  const std::string script = Write("a.scn", kWrites);
  const struct {
    const char* text;
    const char* reason;
  } cases[] = {{"{\"file\":\"SECTEUR\"\n", "Ligne 1 : JSON malformé à la colonne"},
               {"{\"file\":\"SECTEUR\",\"key\":\"1\",\"record\":[1E400]}\n",
                "Ligne 1 : JSON malformé : nombre trop grand"}};
  for (const auto& bad : cases) {
    const std::string data = Write("bad.jsonl", bad.text);
    EXPECT_EQ(Run({"--data", data, script}), 2);
    EXPECT_EQ(err_.str().rfind("delvaro-replay : " + data + " : " + bad.reason, 0), 0u)
        << err_.str();
    EXPECT_EQ(out_.str(), "");
  }
  const std::string notAStore = Write("notes.db", "des notes");
  EXPECT_EQ(Run({"--db", notAStore, script}), 2);
  EXPECT_NE(err_.str().find("n'est pas une base Delvaro."), std::string::npos) << err_.str();
  std::ostringstream left;
  left << std::ifstream(notAStore).rdbuf();
  EXPECT_EQ(left.str(), "des notes");
}
