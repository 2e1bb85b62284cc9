#include "replay/ReplayTool.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "ToolOutcome.h"
#include "dba/DatabaseClient.h"

namespace fs = std::filesystem;

namespace {

// delvaro-replay run on files of a fresh temporary folder.
class ReplayToolTest : public testing::Test {
 protected:
  ReplayToolTest() { fs::create_directories(folder_); }
  ~ReplayToolTest() override { fs::remove_all(folder_); }

  std::string Write(const std::string& name, const std::string& text) {
    std::ofstream(folder_ / name) << text;
    return (folder_ / name).string();
  }

  ToolOutcome Run(const std::vector<std::string>& arguments, const std::string& input = "") {
    return RunTool(
        [&](std::istream& in, std::ostream& out, std::ostream& err) {
          return scenario::RunReplayTool(arguments, in, out, err);
        },
        input);
  }

  const fs::path folder_ =
      fs::path(testing::TempDir()) /
      ("replay-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
};

const char* const kWrites = "record SECTEUR 009 [\"Neuf\"]\nexpect record SECTEUR 009 1 Neuf\n";
const char* const kReads = "expect record SECTEUR 009 1 Neuf\n";

}  // namespace

TEST_F(ReplayToolTest, AWrongCommandLineIsOneFrenchLineAndAHintWithStatus2) {
  const struct {
    std::vector<std::string> arguments;
    const char* reason;
  } wrong[] = {
      {{}, "l'argument SCÉNARIO est obligatoire"},
      {{"--verbose", "a.scn"}, "option inconnue « --verbose »"},
      {{"--db", "x.db", "--data", "y.jsonl", "a.scn"}, "--db et --data ne vont pas ensemble"},
      {{"--db=ftp://x", "a.scn"}, "--db : adresse de base incorrecte"},
      {{"--data", "-", "-"}, "l'entrée standard ne peut être lue qu'une fois"}};
  for (const auto& [arguments, reason] : wrong)
    ExpectRefused(Run(arguments), "delvaro-replay", reason);
  EXPECT_NE(Run({"--help"}).out.find("--data FICHIER"), std::string::npos);
}

TEST_F(ReplayToolTest, AScriptOrTheDataMayComeFromTheStandardInput) {
  EXPECT_EQ(Run({"-"}, "expect record SECTEUR 001 1 Centre-ville\n").out, "1 passed, 0 failed\n");
  const ToolOutcome fromData = Run({"--data=-", Write("reads.scn", kReads)},
                                   R"({"file":"SECTEUR","key":"009","record":["Neuf"]})");
  EXPECT_EQ(fromData.status, 0);
  EXPECT_EQ(fromData.out, "1 passed, 0 failed\n");
}

TEST_F(ReplayToolTest, DataIsLoadedAfreshForEachScriptAndTheWorstStatusWins) {
  const std::string data =
      Write("d.jsonl", R"({"file":"SECTEUR","key":"001","record":["Centre"]})");
  const std::string writes = Write("writes.scn", kWrites);
  const std::string reads = Write("reads.scn", kReads);
  const ToolOutcome failed = Run({"--data", data, writes, reads});
  EXPECT_EQ(failed.status, 1);
  EXPECT_EQ(failed.out, reads + ":1: expected record SECTEUR 009 1 \"Neuf\", got no record\n" +
                            "1 passed, 1 failed\n");

  const std::string missing = (folder_ / "absent.scn").string();
  const ToolOutcome stopped = Run({"--data", data, missing, writes});
  EXPECT_EQ(stopped.status, 2);
  EXPECT_EQ(stopped.out, missing + ": impossible de lire ce scénario\n1 passed, 0 failed\n");
}

TEST_F(ReplayToolTest, ADatabaseFileIsUsedAsItIsAndKeepsWhatScriptsWrote) {
  const std::string database = (folder_ / "base.db").string();
  dba::DatabaseClient()
      .Connect("sqlite:" + database, dba::OpenMode::kCreateIfMissing)
      ->CreateFile("SECTEUR");
  const ToolOutcome kept =
      Run({"--db", database, Write("writes.scn", kWrites), Write("reads.scn", kReads)});
  EXPECT_EQ(kept.status, 0);
  EXPECT_EQ(kept.out, "2 passed, 0 failed\n");

  const std::string script = Write("a.scn", kReads);
  const ToolOutcome absent = Run({"--db", (folder_ / "absent.db").string(), script});
  EXPECT_EQ(absent.status, 2);
  EXPECT_NE(absent.err.find("base de données introuvable"), std::string::npos);
  EXPECT_FALSE(fs::exists(folder_ / "absent.db"));
}

TEST_F(ReplayToolTest, DataThatDoesNotLoadStopsEverythingAndNamesItsFile) {
  const std::string data = Write("bad.jsonl", R"({"file":"SECTEUR","key":"1","record":[1E400]})");
  const ToolOutcome outcome = Run({"--data", data, Write("a.scn", kWrites)});
  EXPECT_EQ(outcome.status, 2);
  EXPECT_TRUE(outcome.err.starts_with("delvaro-replay : " + data +
                                      " : Ligne 1 : JSON malformé : nombre trop grand"))
      << outcome.err;
  EXPECT_EQ(outcome.out, "");
}
