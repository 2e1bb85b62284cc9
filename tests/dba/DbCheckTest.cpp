#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "DbTool.h"
#include "StoreTestSupport.h"

namespace {

struct Outcome {
  int status;
  std::string out, err;
};

// delvaro-db delete and check on a fresh copy of the demo data.
class DemoStore : public ::testing::Test {
 protected:
  DemoStore() { EXPECT_EQ(Db({"demo"}).status, 0); }

  Outcome Db(std::vector<std::string> arguments, const std::string& input = "") {
    arguments.insert(arguments.begin(), "--db=" + db_);
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = DbTool(in, out, err).Run(arguments);
    return {status, out.str(), err.str()};
  }

  ScratchFolder folder_;
  const std::string db_ = folder_.File("demo.db");
};

TEST_F(DemoStore, DeleteRemovesOneRecordAndReportsAMissingOneWithStatusOne) {
  EXPECT_EQ(Db({"delete", "SECTEUR", "003"}).status, 0);
  EXPECT_EQ(Db({"show", "SECTEUR", "003"}).status, 1);
  EXPECT_EQ(Db({"show", "SECTEUR", "002"}).status, 0);

  const std::string before = Db({"export"}).out;
  const Outcome missing = Db({"delete", "SECTEUR", "003"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("Enregistrement introuvable : 003"), std::string::npos);
  EXPECT_EQ(Db({"delete", "INCONNU", "003"}).status, 1);
  EXPECT_EQ(Db({"export"}).out, before);

  const std::string absent = folder_.File("absent.db");
  EXPECT_EQ(DbTool(std::cin, std::cout, std::cerr).Run({"--db", absent, "delete", "A", "B"}), 1);
  EXPECT_FALSE(std::filesystem::exists(absent));
}

TEST_F(DemoStore, CheckPassesTheDemoDataAndReportsEachBrokenReferenceOnALine) {
  const Outcome clean = Db({"check"});
  EXPECT_EQ(clean.status, 0) << clean.out << clean.err;
  EXPECT_EQ(clean.out, "");

  for (const auto& [file, key] : {std::pair{"ANTENNEMEDICALE", "010003"},
                                  {"SECTEUR", "008"},
                                  {"COMPTEUR", "999"},
                                  {"SOUSSECTEUR", "00203"}})
    ASSERT_EQ(Db({"delete", file, key}).status, 0) << file << " " << key;
  // An aidant whose every reference is broken; an empty one is no reference.
  ASSERT_EQ(
      Db({"import", "-"},
         R"({"file":"CIVILAIDANT","key":"Z001","record":[)"
         R"("","","","","","","","","","","","","","","","","","","","","","","","","","","","","","",)"
         R"("009","00999","0099901","77","090001","","","","99999","","","",["001","042"]]})"
         "\n"
         R"({"file":"CIVILAIDANT","key":"Z002","record":["M.","SANS"]})")
          .status,
      0);
  const Outcome broken = Db({"check"});
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
