#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>

#include "StoreTestSupport.h"
#include "dba/DatabaseClient.h"
#include "dba/JsonLines.h"

namespace {

using dba::OpenMode;

// A database of another application, made with SQLite alone, in its default journal mode.
void MakeForeignDatabase(const std::string& path) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(db,
                         "CREATE TABLE invoices(id INTEGER PRIMARY KEY, total REAL);"
                         "INSERT INTO invoices(total) VALUES (12.5);",
                         nullptr, nullptr, nullptr),
            SQLITE_OK);
  sqlite3_close(db);
}

class StoreOpening : public ::testing::Test {
 protected:
  std::shared_ptr<dba::DatabaseConnection> Connect(const std::string& path, OpenMode mode) {
    return dba::DatabaseClient().Connect("sqlite:" + path, mode);
  }

  std::string MakeStore(const std::string& name) {
    const std::string path = folder_.File(name);
    dba::JsonLines::Load(*Connect(path, OpenMode::kCreateIfMissing),
                         R"({"file":"SECTEUR","key":"001","record":["Centre"]})");
    return path;
  }

  ScratchFolder folder_;
};

TEST_F(StoreOpening, ADatabaseThatIsNotAStoreIsRefusedAndLeftByteForByte) {
  const std::string foreign = folder_.File("invoices.db");
  MakeForeignDatabase(foreign);
  const std::string empty = folder_.File("empty.db");
  std::ofstream(empty).close();
  const std::string text = folder_.File("notes.db");
  std::ofstream(text) << "Ceci n'est pas une base SQLite, mais un texte assez long pour "
                         "occuper plus que l'en-tête qu'une base devrait avoir : "
                      << std::string(200, 'x');

  const struct {
    std::string path;
    OpenMode mode;
  } refused[] = {{foreign, OpenMode::kOpenExisting},
                 {foreign, OpenMode::kCreateIfMissing},
                 {empty, OpenMode::kOpenExisting},
                 {text, OpenMode::kOpenExisting},
                 {text, OpenMode::kCreateIfMissing}};
  for (const auto& attempt : refused) {
    const std::string before = FileBytes(attempt.path);
    const basis::Error error = ErrorOf([&] { Connect(attempt.path, attempt.mode); });
    EXPECT_EQ(error.Number(), basis::kStorageFailure);
    EXPECT_EQ(error.Description(), "« " + attempt.path + " » n'est pas une base Delvaro.");
    EXPECT_EQ(FileBytes(attempt.path), before) << attempt.path;
  }
  EXPECT_EQ(ErrorOf([&] { Connect(text, OpenMode::kOpenExisting); }).EngineCode(), SQLITE_NOTADB);

  const std::string missing = folder_.File("absent.db");
  EXPECT_EQ(ErrorOf([&] { Connect(missing, OpenMode::kOpenExisting); }).Description(),
            "La base « " + missing + " » n'existe pas.");
  EXPECT_FALSE(std::filesystem::exists(missing));

  // Making a store is what kCreateIfMissing is for, in a new file or an empty one.
  for (const std::string& path : {empty, missing}) {
    Connect(path, OpenMode::kCreateIfMissing)->CreateFile("SECTEUR");
    EXPECT_EQ(Connect(path, OpenMode::kOpenExisting)->ListFiles(),
              std::vector<std::string>{"SECTEUR"});
  }
}

TEST_F(StoreOpening, OpeningAndReadingAStoreWritesNothing) {
  const std::string path = MakeStore("store.db");
  const std::string before = FileBytes(path);
  for (OpenMode mode : {OpenMode::kOpenExisting, OpenMode::kCreateIfMissing}) {
    auto connection = Connect(path, mode);
    EXPECT_EQ(connection->OpenFile("SECTEUR")->ReadRecord("001")->Text(), "Centre");
  }
  EXPECT_EQ(FileBytes(path), before);
}

TEST_F(StoreOpening, AFailureSaysInFrenchWhatFailedAndKeepsTheEnginesCause) {
  const std::string path = MakeStore("store.db");
  {
    // Enough records for the table to spread over pages past the first, then those
    // pages overwritten: the schema still reads, the records no longer do.
    auto connection = Connect(path, OpenMode::kOpenExisting);
    auto file = connection->OpenFile("SECTEUR");
    for (int i = 0; i < 200; ++i)
      file->WriteRecord("K" + std::to_string(i), dba::DynamicArray(std::string(100, 'r')));
  }
  std::string bytes = FileBytes(path);
  ASSERT_GT(bytes.size(), 8192u);
  std::fill(bytes.begin() + 4096, bytes.end(), '\x5A');
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;

  const basis::Error error = ErrorOf(
      [&] { Connect(path, OpenMode::kOpenExisting)->OpenFile("SECTEUR")->ReadRecord("K150"); });
  EXPECT_EQ(error.Number(), basis::kStorageFailure);
  EXPECT_EQ(error.EngineCode() & 0xFF, SQLITE_CORRUPT);
  EXPECT_TRUE(error.Description().starts_with(
      "Erreur de la base de données : la base est endommagée. (SQLite "))
      << error.Description();
}

}  // namespace
