#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>

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
  EXPECT_EQ(first->OpenFile("B")->ReadRecord("k2")->Extract(4, 1, 2).Text(), "y");
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

// A stream that gives its text, then fails as a broken disk or pipe would.
class FailingBuffer : public std::streambuf {
 public:
  explicit FailingBuffer(std::string text) : text_(std::move(text)) {
    setg(text_.data(), text_.data(), text_.data() + text_.size());
  }

 protected:
  int_type underflow() override { throw std::ios_base::failure("lecture interrompue"); }

 private:
  std::string text_;
};

std::string Line(const std::string& file, const std::string& key, const std::string& label) {
  return R"({"file":")" + file + R"(","key":")" + key + R"(","record":[")" + label + "\"]}\n";
}

// Streams are read a chunk at a time: lines that straddle chunks, a line longer than a
// chunk and a last line without its end still load, and errors still name their line and
// leave nothing written, however late they come.
TEST_P(JsonLines, LoadsAStreamLineByLineAllOrNothing) {
  std::string text;
  for (int i = 0; i < 1500; ++i)
    text += Line("QUARTIER", std::to_string(1000000 + i), "Rue des Érables " + std::to_string(i));
  const std::string longLabel(200000, 'e');
  text += Line("SECTEUR", "001", longLabel);
  text += Line("SECTEUR", "002", "Nord");
  text.insert(text.size() - 1, "\r");
  text += Line("SECTEUR", "003", "Sud");
  text.pop_back();  // the last line has no end

  auto connection = NewStore();
  std::istringstream input(text);
  EXPECT_EQ(dba::JsonLines::Load(*connection, input), 1503);
  EXPECT_EQ(connection->OpenFile("SECTEUR")->ReadRecord("001")->Extract(1).Text(), longLabel);
  EXPECT_EQ(connection->OpenFile("QUARTIER")->ListKeys().size(), 1500u);
  EXPECT_EQ(connection->OpenFile("SECTEUR")->ReadRecord("003")->Extract(1).Text(), "Sud");

  FailingBuffer broken(text.substr(0, 100000));
  std::istream brokenInput(&broken);
  std::istringstream repeated(text + "\n" + Line("SECTEUR", "001", "Centre"));
  std::istringstream malformed(text + "\n{\"file\":\n");
  const std::pair<std::istream*, std::string> cases[] = {
      {&repeated, "Ligne 1504 : l'enregistrement 001 du fichier SECTEUR figure déjà ligne 1501."},
      {&malformed, "Ligne 1504 : JSON"},
      {&brokenInput, "Lecture des lignes JSON impossible"}};
  for (const auto& [input, expected] : cases) {
    auto fresh = NewStore();
    const basis::Error error = ErrorOf([&] { dba::JsonLines::Load(*fresh, *input); });
    EXPECT_NE(error.Description().find(expected), std::string::npos) << error.Description();
    EXPECT_TRUE(fresh->ListFiles().empty());
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
