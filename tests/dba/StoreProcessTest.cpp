// Workstations as processes of their own on one store: saving side by side, and killed in
// the middle of their work.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <list>
#include <random>
#include <thread>

#include "ChildProcess.h"
#include "StoreEngines.h"
#include "StoreTestSupport.h"
#include "TestStore.h"
#include "basis/ErrorNumber.h"

namespace {

class Workstations : public ::testing::TestWithParam<StoreEngine> {
 protected:
  ChildProcess& Worker(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {DELVARO_STORE_WORKER, address_});
    return workers_.emplace_back(std::move(arguments));
  }
  std::string Element(const std::string& key, long attribute) {
    return store_.Element("CIVILAIDANT", key, attribute);
  }

  const std::string address_ = GetParam().newStore();
  TestStore store_{address_};
  std::list<ChildProcess> workers_;
};

TEST_P(Workstations, TwoSavesOfOneAidantMergeOrTheLaterIsRefusedWithNothingWritten) {
  store_.LoadStandardWorld();
  ChildProcess& name = Worker({"edit", "A001", "2", "DURAND"});
  ChildProcess& sector = Worker({"edit", "A001", "31", "002"});
  ChildProcess& car = Worker({"edit", "A001", "34", "1"});
  ChildProcess& bus = Worker({"edit", "A001", "34", "3"});
  for (ChildProcess* worker : {&name, &sector, &car, &bus})
    ASSERT_EQ(worker->ReadLine(), "read");
  for (ChildProcess* worker : {&name, &sector, &car}) {
    worker->WriteLine("go");
    EXPECT_EQ(worker->ReadLine(), "saved");
  }
  const std::string merged = store_.Get("CIVILAIDANT", "A001")->Text();
  EXPECT_EQ(Element("A001", 2), "DURAND");
  EXPECT_EQ(Element("A001", 31), "002");
  EXPECT_EQ(Element("A001", 34), "1");
  bus.WriteLine("go");
  EXPECT_EQ(bus.ReadLine(), "refused " + std::to_string(basis::kWriteConflict));
  EXPECT_EQ(store_.Get("CIVILAIDANT", "A001")->Text(), merged);
}

TEST_P(Workstations, ProcessesSavingAtOnceLoseNoSave) {
  constexpr int kWorkers = 6;
  constexpr int kRounds = 30;
  store_.Put("CIVILAIDANT", "SHARED", {""});
  for (int worker = 1; worker <= kWorkers; ++worker) {
    store_.Put("CIVILAIDANT", "W" + std::to_string(worker), {"0"});
    Worker({"saves", std::to_string(worker), std::to_string(kRounds)});
  }
  for (ChildProcess& worker : workers_)
    EXPECT_EQ(worker.Wait(), 0);
  // Each worker's last save of the shared aidant merged with everyone else's.
  for (int worker = 1; worker <= kWorkers; ++worker) {
    EXPECT_EQ(Element("W" + std::to_string(worker), 1), std::to_string(kRounds));
    EXPECT_EQ(Element("SHARED", worker), std::to_string(kRounds)) << worker;
  }
}

INSTANTIATE_TEST_SUITE_P(Engines, Workstations, ::testing::ValuesIn(StoreEngines()),
                         StoreEngineName());

std::string IntegrityCheck(const std::string& path) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
  sqlite3_stmt* statement = nullptr;
  std::string verdict = "unreadable";
  if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &statement, nullptr) == SQLITE_OK &&
      sqlite3_step(statement) == SQLITE_ROW)
    verdict = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
  sqlite3_finalize(statement);
  sqlite3_close(db);
  return verdict;
}

TEST(KilledWriters, LeaveEachSaveAndEachImportOfAnSqliteFileWholeOrNotAtAll) {
  constexpr std::size_t kImported = 4000;
  ScratchFolder folder;
  const std::string db = folder.File("store.db");
  TestStore store("sqlite:" + db);
  store.Put("CIVILAIDANT", "W1", {"0", "Nom"});
  store.Put("CIVILAIDANT", "SHARED", {""});
  std::mt19937 random(20261206);
  std::uniform_int_distribution<int> pause(0, 1000);
  for (int round = 0; round < 20; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    const std::string file = "R" + std::to_string(round);
    const std::string big = folder.File("big.jsonl");
    {
      std::ofstream out(big);
      for (std::size_t i = 0; i < kImported; ++i)
        out << R"({"file":")" << file << R"(","key":"K)" << i << R"(","record":["valeur )" << i
            << R"(",["a","b"]]})" << '\n';
    }
    {
      ChildProcess import({DELVARO_DB, "--db", db, "import", big});
      ChildProcess saver({DELVARO_STORE_WORKER, "sqlite:" + db, "saves", "1", "0"});
      // Leaving the scope kills both with SIGKILL, wherever they are.
      std::this_thread::sleep_for(std::chrono::milliseconds(pause(random)));
    }
    ASSERT_EQ(IntegrityCheck(db), "ok");
    const auto files = store.Connection()->ListFiles();
    if (std::find(files.begin(), files.end(), file) != files.end()) {
      EXPECT_EQ(store.Connection()->OpenFile(file)->ListKeys().size(), kImported);
    }
    EXPECT_EQ(store.Element("CIVILAIDANT", "W1", 2), "Nom");
    EXPECT_EQ(store.Get("CIVILAIDANT", "W1")->DCount(), 2);
  }
}

}  // namespace
