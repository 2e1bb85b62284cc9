// Writers as real processes on one SQLite store: killed in the middle of their work, and
// side by side on the same records.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <memory>
#include <random>
#include <thread>

#include "ChildProcess.h"
#include "StoreTestSupport.h"
#include "dba/DatabaseClient.h"
#include "dba/JsonLines.h"
#include "dba/Storage.h"

namespace {

constexpr long kSector = 31;
constexpr long kTransport = 34;

class StoreProcesses : public ::testing::Test {
 protected:
  StoreProcesses() { dba::JsonLines::Load(*Connect(dba::OpenMode::kCreateIfMissing), Aidants()); }

  std::shared_ptr<dba::DatabaseConnection> Connect(
      dba::OpenMode mode = dba::OpenMode::kOpenExisting) const {
    return dba::DatabaseClient().Connect("sqlite:" + db_, mode);
  }

  // Aidants A1 to A6 and SHARED, each with a name, a sector and a transport.
  static std::string Aidants() {
    std::string lines;
    for (const char* key : {"A1", "A2", "A3", "A4", "A5", "A6", "SHARED"})
      lines += std::string(R"({"file":"CIVILAIDANT","key":")") + key + R"(","record":["","Nom )" +
               key + R"("]})" + "\n";
    return lines;
  }

  std::string Record(const std::string& key) const {
    return Connect()->OpenFile("CIVILAIDANT")->ReadRecord(key)->Text();
  }

  static std::string WithAttribute(const std::string& text, long attribute,
                                   const std::string& value) {
    dba::DynamicArray record(text);
    record.Replace(attribute, value);
    return record.Text();
  }

  std::string IntegrityCheck() const {
    sqlite3* db = nullptr;
    sqlite3_open_v2(db_.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_stmt* statement = nullptr;
    std::string verdict = "unreadable";
    if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW)
      verdict = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return verdict;
  }

  std::vector<std::string> Writer(const std::string& aidant, long attribute, long count,
                                  const std::string& label) const {
    return {STORE_WRITER, db_, aidant, std::to_string(attribute), std::to_string(count), label};
  }

  ScratchFolder folder_;
  const std::string db_ = folder_.File("store.db");
};

TEST_F(StoreProcesses, AKilledWriterLeavesEachSaveAndEachImportWholeOrNotAtAll) {
  constexpr std::size_t kImported = 4000;
  std::mt19937 random(20261206);
  std::uniform_int_distribution<int> pause(0, 1000);
  for (int round = 0; round < 20; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    const std::string label = "R" + std::to_string(round);
    const std::string big = folder_.File("big.jsonl");
    {
      std::ofstream out(big);
      for (std::size_t i = 0; i < kImported; ++i)
        out << R"({"file":")" << label << R"(","key":"K)" << i << R"(","record":["valeur )" << i
            << R"(",["a","b"]]})" << '\n';
    }
    const std::string before = Record("A1");
    {
      ChildProcess import({DELVARO_DB, "--db", db_, "import", big});
      ChildProcess saver(Writer("A1", kSector, 0, label));
      // Leaving the scope kills both with SIGKILL, wherever they are.
      std::this_thread::sleep_for(std::chrono::milliseconds(pause(random)));
    }
    ASSERT_EQ(IntegrityCheck(), "ok");
    auto connection = Connect();
    const auto files = connection->ListFiles();
    if (std::find(files.begin(), files.end(), label) != files.end()) {
      EXPECT_EQ(connection->OpenFile(label)->ListKeys().size(), kImported);
    }
    const std::string after = Record("A1");
    const std::string saved = dba::DynamicArray(after).Extract(kSector).Text();
    if (after != before) {
      EXPECT_TRUE(saved.starts_with(label + "-")) << saved;
      EXPECT_EQ(after, WithAttribute(before, kSector, saved));
    }
  }
}

TEST_F(StoreProcesses, ConcurrentSaversKeepEachOthersWork) {
  constexpr long kSaves = 60;
  const std::string untouched = Record("A6");
  {
    std::vector<std::unique_ptr<ChildProcess>> writers;
    for (const char* aidant : {"A1", "A2", "A3", "A4", "A5"})
      writers.push_back(std::make_unique<ChildProcess>(Writer(aidant, kSector, kSaves, aidant)));
    writers.push_back(std::make_unique<ChildProcess>(Writer("SHARED", kSector, kSaves, "secteur")));
    writers.push_back(
        std::make_unique<ChildProcess>(Writer("SHARED", kTransport, kSaves, "transport")));
    for (auto& writer : writers)
      EXPECT_EQ(writer->Wait(), 0);
  }
  const std::string last = "-" + std::to_string(kSaves);
  for (const char* aidant : {"A1", "A2", "A3", "A4", "A5"})
    EXPECT_EQ(Record(aidant), WithAttribute(WithAttribute("", 2, std::string("Nom ") + aidant),
                                            kSector, aidant + last));
  std::string shared = WithAttribute("", 2, "Nom SHARED");
  shared = WithAttribute(shared, kSector, "secteur" + last);
  EXPECT_EQ(Record("SHARED"), WithAttribute(shared, kTransport, "transport" + last));
  EXPECT_EQ(Record("A6"), untouched);
  EXPECT_EQ(IntegrityCheck(), "ok");
}

}  // namespace
