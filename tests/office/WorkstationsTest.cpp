#include <gtest/gtest.h>

#include <chrono>
#include <list>
#include <thread>

#include "ChildProcess.h"
#include "StoreEngines.h"
#include "TestStore.h"
#include "basis/ErrorNumber.h"

namespace {

// Workstations as processes of their own, on a store of each engine.
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
  ASSERT_EQ(name.ReadLine(), "read");
  ASSERT_EQ(sector.ReadLine(), "read");
  name.WriteLine("go");
  EXPECT_EQ(name.ReadLine(), "saved");
  sector.WriteLine("go");
  EXPECT_EQ(sector.ReadLine(), "saved");
  EXPECT_EQ(Element("A001", 2), "DURAND");
  EXPECT_EQ(Element("A001", 31), "002");

  const std::string merged = store_.Get("CIVILAIDANT", "A001")->Text();
  ChildProcess& car = Worker({"edit", "A001", "34", "1"});
  ChildProcess& bus = Worker({"edit", "A001", "34", "3"});
  ASSERT_EQ(car.ReadLine(), "read");
  ASSERT_EQ(bus.ReadLine(), "read");
  car.WriteLine("go");
  EXPECT_EQ(car.ReadLine(), "saved");
  bus.WriteLine("go");
  EXPECT_EQ(bus.ReadLine(), "refused " + std::to_string(basis::kWriteConflict));
  dba::DynamicArray expected(merged);
  expected.Replace(34, "1");
  EXPECT_EQ(store_.Get("CIVILAIDANT", "A001")->Text(), expected.Text());
}

TEST_P(Workstations, ProcessesSavingAtOnceLoseNoSave) {
  constexpr int kWorkers = 6;
  constexpr int kRounds = 30;
  store_.Put("CIVILAIDANT", "SHARED", {""});
  for (int worker = 1; worker <= kWorkers; ++worker)
    store_.Put("CIVILAIDANT", "W" + std::to_string(worker), {"0"});
  for (int worker = 1; worker <= kWorkers; ++worker)
    Worker({"saves", std::to_string(worker), std::to_string(kRounds)});
  for (ChildProcess& worker : workers_)
    EXPECT_EQ(worker.Wait(), 0);
  // Each worker's last save of the shared aidant merged with everyone else's.
  for (int worker = 1; worker <= kWorkers; ++worker) {
    EXPECT_EQ(Element("W" + std::to_string(worker), 1), std::to_string(kRounds));
    EXPECT_EQ(Element("SHARED", worker), std::to_string(kRounds)) << worker;
  }
}

TEST_P(Workstations, AnotherProcessSaveMovesTheDataVersion) {
  store_.LoadStandardWorld();
  const auto before = store_.Connection()->DataVersion();
  ChildProcess& other = Worker({"edit", "A002", "31", "001"});
  ASSERT_EQ(other.ReadLine(), "read");
  EXPECT_EQ(store_.Connection()->DataVersion(), before);
  other.WriteLine("go");
  ASSERT_EQ(other.ReadLine(), "saved");
  // The other workstation's save reaches this one without a query of its own; a host
  // polling the number sees it within its polling period.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (store_.Connection()->DataVersion() == before &&
         std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  EXPECT_NE(store_.Connection()->DataVersion(), before);
}

INSTANTIATE_TEST_SUITE_P(Engines, Workstations, ::testing::ValuesIn(StoreEngines()),
                         StoreEngineName());

}  // namespace
