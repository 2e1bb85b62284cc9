#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "DbTool.h"
#include "StoreTestSupport.h"
#include "ToolOutcome.h"
#include "common/DemoData.h"
#include "delvaro/Version.h"

namespace {

class DbToolRun : public ::testing::Test {
 protected:
  ToolOutcome Run(const std::vector<std::string>& arguments, const std::string& input = "") {
    return RunTool([&](std::istream& in, std::ostream& out,
                       std::ostream& err) { return DbTool(in, out, err).Run(arguments); },
                   input);
  }

  ToolOutcome OnDb(std::vector<std::string> arguments, const std::string& input = "") {
    arguments.insert(arguments.begin(), {"--db", db_});
    return Run(arguments, input);
  }

  ScratchFolder folder_;
  const std::string db_ = folder_.File("tool.db");
};

TEST_F(DbToolRun, AWrongCommandLineIsOneFrenchLineAndAHintWithStatusTwo) {
  const struct {
    std::vector<std::string> arguments;
    const char* reason;
  } wrong[] = {
      {{}, "l'option --db est obligatoire"},
      {{"--db"}, "l'option --db attend une valeur"},
      {{"--db", db_}, "commande manquante"},
      {{"--db", db_, "vider"}, "commande inconnue « vider »"},
      {{"--db", db_, "show", "SECTEUR"}, "l'argument CLÉ est obligatoire"},
      {{"--db", db_, "demo", "en-trop"}, "argument en trop « en-trop »"},
      {{"--db", db_, "query", "SSELECT SECTEUR", "--columns"}, "l'option --columns attend"},
      {{"--db", db_, "query", "SSELECT SECTEUR", "--columns=0 un"},
       "--columns : « 0 un » n'est pas une"},
      {{"--db", db_, "export", "--columns", "0 1"}, "option inconnue « --columns »"},
      {{"--db", "mysql://serveur/base", "export"}, "--db : adresse de base incorrecte"},
      {{"--db", "sqlite:", "export"}, "--db : adresse de base incorrecte « sqlite: »"},
      {{"--db", ":memory:", "import", "-"}, "avec --db :memory:, import ne garderait rien"}};
  for (const auto& [arguments, reason] : wrong)
    ExpectRefused(Run(arguments), "delvaro-db", reason);
  for (const char* level : {"3", "-1", "deux", "", "02"})
    ExpectRefused(OnDb({"grant", "alice", "DOSAIDANTSECTEUR", level}), "delvaro-db",
                  "NIVEAU : le niveau doit être 0, 1 ou 2");
  EXPECT_FALSE(std::filesystem::exists(db_));
}

TEST_F(DbToolRun, HelpAndVersionGoToTheStandardOutput) {
  const ToolOutcome help = Run({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_TRUE(help.out.starts_with("Tient les données")) << help.out;
  EXPECT_EQ(Run({"--version"}).out, "delvaro-db " DELVARO_VERSION "\n");
}

TEST_F(DbToolRun, OptionsTakeTheirValueAfterAnEqualsSignAndAroundTheCommand) {
  EXPECT_EQ(Run({"--db=" + db_, "create", "SECTEUR"}).status, 0);
  EXPECT_EQ(Run({"import", "-", "--db", "sqlite:" + db_},
                R"({"file":"SECTEUR","key":"001","record":["Centre"]})")
                .status,
            0);
  EXPECT_EQ(OnDb({"query", "--columns=1", "SSELECT SECTEUR PAR 1"}).out, "Centre\n");
}

TEST_F(DbToolRun, TheDemoDataLoadsWholeImportsBackByteForByteAndAnswersQueries) {
  EXPECT_EQ(OnDb({"demo"}).status, 0);
  EXPECT_EQ(OnDb({"export"}).out, appsupport::DemoData::Text());
  OnDb({"create", "VIDE", "AUTRE"});
  const std::string exported = OnDb({"export", "SECTEUR", "TABLES", "VIDE"}).out;
  const std::string copy = folder_.File("copy.db");
  EXPECT_EQ(Run({"--db", copy, "import", "-"}, exported).status, 0);
  EXPECT_EQ(Run({"--db", copy, "export"}).out, exported);

  EXPECT_EQ(OnDb({"query", "SSELECT QUARTIER = '00501]' PAR 1", "--columns", "0 1 2"}).out,
            "0050101\tRue Marceau\t040001\n");
  const std::string shown = OnDb({"show", "COMPTEUR", "999"}).out;
  EXPECT_TRUE(shown.starts_with(R"({"file":"COMPTEUR","key":"999","record":["",)")) << shown;
  EXPECT_TRUE(shown.ends_with("\"\",\"0\"]}\n")) << shown;
}

TEST_F(DbToolRun, FailuresGiveStatusOneAndImportIsAllOrNothing) {
  const std::string path = folder_.File("records.jsonl");
  std::ofstream(path) << R"({"file":"SECTEUR","key":"001","record":["Centre"]})"
                         "\n"
                         R"({"file":"SECTEUR","key":"002","record":["Nord"],})"
                         "\n";
  const ToolOutcome failed = OnDb({"import", path});
  EXPECT_EQ(failed.status, 1);
  EXPECT_NE(failed.err.find("Ligne 2"), std::string::npos);
  EXPECT_EQ(OnDb({"export"}).out, "");
  EXPECT_EQ(OnDb({"import", folder_.File("absent.jsonl")}).status, 1);

  OnDb({"create", "SECTEUR"});
  const ToolOutcome missing = OnDb({"show", "SECTEUR", "999"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("introuvable"), std::string::npos);
  EXPECT_EQ(OnDb({"query", "SSELECT SECTEUR PAR"}).status, 1);

  // A command that does not fill the store never creates it.
  const std::string absent = folder_.File("absent.db");
  for (const std::vector<std::string>& command :
       {std::vector<std::string>{"query", "SSELECT SECTEUR PAR 1"},
        {"delete", "A", "B"},
        {"grant", "alice", "DOSAIDANTSECTEUR", "2"},
        {"rights", "alice"}}) {
    std::vector<std::string> arguments = {"--db", absent};
    arguments.insert(arguments.end(), command.begin(), command.end());
    EXPECT_EQ(Run(arguments).status, 1) << command[0];
  }
  EXPECT_FALSE(std::filesystem::exists(absent));
}

TEST_F(DbToolRun, RightsAreShownWithTheirOriginGrantedAndRevoked) {
  ASSERT_EQ(OnDb({"demo"}).status, 0);
  EXPECT_EQ(OnDb({"rights", "alice"}).out,
            "Droits de « alice » (ceux de « * », « alice » n'ayant pas d'enregistrement propre) "
            ":\nDOSAIDANTSECTEUR\t2\n");
  EXPECT_NE(OnDb({"grant", "alice", "DOSAIDANTSECTEUR", "1"}).out.find("créé à partir de « * »"),
            std::string::npos);
  EXPECT_EQ(OnDb({"rights", "alice"}).out,
            "Droits de « alice » (son propre enregistrement) :\nDOSAIDANTSECTEUR\t1\n");
  EXPECT_NE(OnDb({"revoke", "alice", "DOSAIDANTSECTEUR"}).out.find("plus aucun droit"),
            std::string::npos);
  EXPECT_NE(OnDb({"revoke", "alice", "DOSAIDANTSECTEUR"}).out.find("rien n'est changé"),
            std::string::npos);

  // A damaged level reads as 0 and is pointed out.
  OnDb({"import", "-"},
       R"({"file":"DROITSUTILISATEURS","key":"bruno","record":["DOSAIDANTSECTEUR","2 "]})");
  const ToolOutcome damaged = OnDb({"rights", "bruno"});
  EXPECT_NE(damaged.out.find("DOSAIDANTSECTEUR\t0"), std::string::npos) << damaged.out;
  EXPECT_NE(damaged.err.find("attention"), std::string::npos);
}

TEST_F(DbToolRun, CheckPassesTheDemoDataAndReportsEachBrokenReferenceOnALine) {
  ASSERT_EQ(OnDb({"demo"}).status, 0);
  const ToolOutcome clean = OnDb({"check"});
  EXPECT_EQ(clean.status, 0) << clean.out << clean.err;
  EXPECT_EQ(clean.out, "");

  for (const auto& [file, key] : {std::pair{"ANTENNEMEDICALE", "010003"},
                                  {"SECTEUR", "008"},
                                  {"COMPTEUR", "999"},
                                  {"SOUSSECTEUR", "00203"}})
    ASSERT_EQ(OnDb({"delete", file, key}).status, 0) << file << " " << key;
  // A record deleted already, or in no file, is reported and nothing is written.
  const std::string before = OnDb({"export"}).out;
  const ToolOutcome missing = OnDb({"delete", "SECTEUR", "008"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("Enregistrement introuvable : 008"), std::string::npos);
  EXPECT_EQ(OnDb({"delete", "INCONNU", "003"}).status, 1);
  EXPECT_EQ(OnDb({"export"}).out, before);

  // An aidant whose every reference is broken; an empty one is no reference.
  ASSERT_EQ(
      OnDb(
          {"import", "-"},
          R"({"file":"CIVILAIDANT","key":"Z001","record":[)"
          R"("","","","","","","","","","","","","","","","","","","","","","","","","","","","","","",)"
          R"("009","00999","0099901","77","090001","","","","99999","","","",["001","042"]]})"
          "\n"
          R"({"file":"CIVILAIDANT","key":"Z002","record":["M.","SANS"]})")
          .status,
      0);
  const ToolOutcome broken = OnDb({"check"});
  EXPECT_EQ(broken.status, 1);
  for (const char* line : {"QUARTIER 0010202 : l'antenne médicale « 010003 » n'existe pas.\n",
                           "QUARTIER 0020301 : le sous-secteur « 00203 » n'existe pas.\n",
                           "COMMUNES 37014 : le secteur « 008 » n'existe pas.\n",
                           "COMPTEUR : l'enregistrement « 999 » n'existe pas.\n",
                           "CIVILAIDANT A001 : le sous-secteur « 00203 » n'existe pas.\n",
                           "CIVILAIDANT A004 : l'antenne médicale « 010003 » n'existe pas.\n",
                           "CIVILAIDANT A015 : le secteur associé « 008 » n'existe pas.\n",
                           "CIVILAIDANT Z001 : le secteur « 009 » n'existe pas.\n",
                           "CIVILAIDANT Z001 : le sous-secteur « 00999 » n'existe pas.\n",
                           "CIVILAIDANT Z001 : le quartier « 0099901 » n'existe pas.\n",
                           "CIVILAIDANT Z001 : le centre médical « 090 » n'existe pas.\n",
                           "CIVILAIDANT Z001 : l'antenne médicale « 090001 » n'existe pas.\n",
                           "CIVILAIDANT Z001 : le moyen de locomotion « 77 » n'existe pas.\n",
                           "CIVILAIDANT Z001 : la commune « 99999 » n'existe pas.\n",
                           "CIVILAIDANT Z001 : le secteur associé « 042 » n'existe pas.\n"})
    EXPECT_NE(broken.out.find(line), std::string::npos) << line << broken.out;
  EXPECT_EQ(broken.out.find("Z002"), std::string::npos);
  EXPECT_EQ(broken.out.find("secteur associé « 001 »"), std::string::npos);
}

}  // namespace
