#include <gtest/gtest.h>

#include <sstream>

#include "StoreEngines.h"
#include "StoreTestSupport.h"
#include "dba/DatabaseClient.h"
#include "dba/JsonLines.h"

namespace {

std::string Export(dba::DatabaseConnection& connection) {
  std::ostringstream out;
  dba::JsonLines::Export(connection, {}, out);
  return out.str();
}

class JsonLines : public ::testing::TestWithParam<StoreEngine> {
 protected:
  std::shared_ptr<dba::DatabaseConnection> NewStore() {
    return dba::DatabaseClient().Connect(GetParam().newStore(), dba::OpenMode::kCreateIfMissing);
  }
};

TEST_P(JsonLines, ExportThenImportGivesBackTheSameBytes) {
  // Every shape an attribute can take, files out of name order, keys out of key order.
  const std::string shapes =
      R"({"file":"TABLES","key":"MOYENSLOC","record":["",["1","2"],["Vélo","À pied"]]})"
      "\n"
      R"({"file":"B","key":"k2","record":["a",[["s1","s2"]],["",""],[["x","y"],"z",""],"fin"]})"
      "\n"
      R"({"file":"B","key":"k1","record":[]})"
      "\n";
  auto first = NewStore();
  EXPECT_EQ(dba::JsonLines::Load(*first, shapes), 3);
  const std::string exported = Export(*first);
  EXPECT_EQ(exported.substr(0, exported.find('\n')), R"({"file":"B","key":"k1","record":[]})");
  auto second = NewStore();
  dba::JsonLines::Load(*second, exported);
  EXPECT_EQ(Export(*second), exported);

  auto record = first->OpenFile("B")->ReadRecord("k2");
  EXPECT_EQ(record->Extract(2, 1, 2).Text(), "s2");
  EXPECT_EQ(record->DCount(3), 2);
  EXPECT_EQ(record->Extract(4, 1, 1).Text(), "x");
}

TEST_P(JsonLines, NamesTheLineOfMalformedInputAndLoadsNothing) {
  const std::string good = R"({"file":"SECTEUR","key":"001","record":["Centre"]})";
  struct Case {
    std::string line, expected;
  };
  const std::vector<Case> cases = {
      {R"({"file":"SECTEUR","key":"002",)", "JSON malformé à la colonne 31. ([json.exception"},
      {R"({"file":"SECTEUR","key":"002","record":[1E400]})", "nombre trop grand. ([json"},
      {"{\"file\":\"SECTEUR\",\"key\":\"0\xC3(\",\"record\":[]}", "malformé à la colonne"},
      {R"({"file":"SECTEUR","key":"002","record":)" + std::string(100000, '[') +
           std::string(100000, ']') + "}",
       "JSON trop imbriqué"},
      {R"(["SECTEUR","002"])", "un objet"},
      {R"({"file":"SECTEUR","key":2,"record":[]})", "« key » doit être un texte"},
      {R"({"file":"SECTEUR","key":"002","record":"Nord"})", "« record » doit être une liste"},
      {R"({"file":"SECTEUR","key":"002","record":[["a",["b",["c"]]]]})", "attribut 1"},
      {R"({"file":"SECTEUR","key":"002","record":[7]})", "attribut 1"},
      {R"({"file":"SECTEUR","key":"002","record":[],"note":"x"})", "membre inconnu « note »"},
      {R"({"file":"LE SECTEUR","key":"002","record":[]})", "Nom de fichier incorrect"},
      {R"({"file":"SECTEUR","key":"","record":[]})", "Clé d'enregistrement incorrecte"},
      {good, "figure déjà ligne 1"},
  };
  // Each refused load leaves the store as empty as it found it.
  auto connection = NewStore();
  for (const Case& c : cases) {
    const basis::Error error =
        ErrorOf([&] { dba::JsonLines::Load(*connection, good + "\n\n" + c.line + "\n"); });
    EXPECT_EQ(error.Number(), basis::kInvalidProcedureCall) << c.line;
    EXPECT_TRUE(error.Description().starts_with("Ligne 3 : ")) << error.Description();
    EXPECT_NE(error.Description().find(c.expected), std::string::npos) << error.Description();
    EXPECT_TRUE(connection->ListFiles().empty()) << c.line;
  }
}

TEST_P(JsonLines, ExportRefusesUnknownFilesAndTextsThatAreNotUtf8AndWritesNothing) {
  auto connection = NewStore();
  connection->CreateFile("SECTEUR");
  std::ostringstream out;
  auto exportFiles = [&](const std::vector<std::string>& files) {
    return ErrorOf([&] { dba::JsonLines::Export(*connection, files, out); });
  };
  EXPECT_EQ(exportFiles({"SECTEUR", "AUTRE"}).Number(), basis::kFileNotFound);
  connection->OpenFile("SECTEUR")->WriteRecord("000", dba::DynamicArray("Nord"));
  connection->OpenFile("SECTEUR")->WriteRecord("001", dba::DynamicArray("\xC3("));
  EXPECT_NE(exportFiles({}).Description().find("001"), std::string::npos);
  EXPECT_TRUE(out.str().empty());
}

INSTANTIATE_TEST_SUITE_P(Engines, JsonLines, ::testing::ValuesIn(StoreEngines()),
                         StoreEngineName());

}  // namespace
