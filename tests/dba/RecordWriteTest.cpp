#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "StoreEngines.h"
#include "StoreTestSupport.h"
#include "TestStore.h"
#include "dba/DatabaseClient.h"
#include "dba/JsonLines.h"
#include "dba/Marks.h"
#include "dba/Storage.h"

namespace {

class RecordWrite : public ::testing::TestWithParam<StoreEngine> {
 protected:
  void SetUp() override { store_.LoadStandardWorld(); }

  std::shared_ptr<dba::DynamicArray> Read(const std::string& key) {
    return store_.Connection()->OpenFile("CIVILAIDANT")->ReadRecord(key);
  }
  std::string Stored(const std::string& key) { return store_.Get("CIVILAIDANT", key)->Text(); }

  TestStore store_{GetParam().newStore()};
};

TEST_P(RecordWrite, MergesChangesToDifferentAttributes) {
  auto mine = Read("A001");
  auto theirs = Read("A001");
  theirs->Replace(2, "DURAND");
  theirs->DBWrite();
  mine->Replace(31, "002");
  mine->Replace(43, "");
  mine->DBWrite();

  const auto stored = Read("A001");
  EXPECT_EQ(stored->Extract(2).Text(), "DURAND");
  EXPECT_EQ(stored->Extract(31).Text(), "002");
  EXPECT_EQ(stored->DCount(43), 0);
  EXPECT_EQ(mine->Text(), stored->Text());
  mine->Replace(3, "Marion");
  mine->DBWrite();
  // The same change on both sides is no clash, and the other side's change stays.
  theirs->Replace(31, "002");
  theirs->DBWrite();
  EXPECT_EQ(Stored("A001"), mine->Text());
}

TEST_P(RecordWrite, RefusesAClashAndWritesNothing) {
  auto mine = Read("A001");
  dba::DynamicArray theirs = *mine;  // a copy remembers the text it was read with
  theirs.Replace(43, 2, "003");
  theirs.DBWrite();
  const std::string afterTheirs = Stored("A001");

  mine->Replace(2, "DURAND");  // alone, this one would merge
  mine->Replace(43, 1, "005");
  const basis::Error error = ErrorOf([&] { mine->DBWrite(); });
  EXPECT_EQ(error.Number(), basis::kWriteConflict);
  EXPECT_EQ(error.Description(),
            "L'enregistrement A001 du fichier CIVILAIDANT a été modifié par un autre utilisateur "
            "(attribut 43) : vos modifications n'ont pas été enregistrées.");
  EXPECT_EQ(Stored("A001"), afterTheirs);
  EXPECT_EQ(mine->Extract(2).Text(), "DURAND");  // the user's edits stay on screen
}

TEST_P(RecordWrite, RefusesARecordDeletedMeanwhileWhichNoLongerReads) {
  auto mine = Read("A002");
  store_.Remove("CIVILAIDANT", "A002");
  mine->Replace(31, "001");
  const basis::Error error = ErrorOf([&] { mine->DBWrite(); });
  EXPECT_EQ(error.Number(), basis::kWriteConflict);
  EXPECT_NE(error.Description().find("supprimé"), std::string::npos);
  EXPECT_EQ(ErrorOf([&] { Read("A002"); }).Number(), basis::kRecordNotFound);
  EXPECT_EQ(ErrorOf([&] { store_.Connection()->OpenFile("AIDANTS"); }).Number(),
            basis::kFileNotFound);
}

INSTANTIATE_TEST_SUITE_P(Engines, RecordWrite, ::testing::ValuesIn(StoreEngines()),
                         StoreEngineName());

class RecordStore : public ::testing::TestWithParam<StoreEngine> {
 protected:
  std::shared_ptr<dba::DatabaseConnection> Connect() {
    return dba::DatabaseClient().Connect(address_, dba::OpenMode::kCreateIfMissing);
  }

  const std::string address_ = GetParam().newStore();
};

TEST_P(RecordStore, ReconnectingKeepsEveryWrite) {
  {
    auto connection = Connect();
    dba::JsonLines::Load(*connection, R"({"file":"SECTEUR","key":"001","record":["Centre"]})"
                                      "\n"
                                      R"({"file":"SECTEUR","key":"002","record":["Nord"]})");
    auto file = connection->OpenFile("SECTEUR");
    auto record = file->ReadRecord("001");
    // Another connection to the same file changes the record meanwhile.
    auto other = Connect()->OpenFile("SECTEUR")->ReadRecord("001");
    other->Replace(2, "autre");
    other->DBWrite();
    record->Replace(1, "Centre-ville");
    record->DBWrite();
    file->DeleteRecord("002");
    connection->CreateFile("VIDE");
  }
  auto reopened = Connect();
  EXPECT_EQ(reopened->ListFiles(), (std::vector<std::string>{"SECTEUR", "VIDE"}));
  auto file = reopened->OpenFile("SECTEUR");
  EXPECT_EQ(file->ListKeys(), std::vector<std::string>{"001"});
  EXPECT_EQ(file->ReadRecord("001")->Text(),
            "Centre-ville" + std::string(1, dba::kAttributeMark) + "autre");
}

TEST_P(RecordStore, DataVersionMovesWithEveryCommitOfAnyConnection) {
  auto mine = Connect();
  auto other = Connect();
  dba::JsonLines::Load(*mine, R"({"file":"SECTEUR","key":"001","record":["Centre"]})");
  const auto start = mine->DataVersion();
  other->OpenFile("SECTEUR")->ReadRecord("001");
  EXPECT_EQ(mine->DataVersion(), start) << "a read alone changes nothing";
  other->OpenFile("SECTEUR")->DeleteRecord("001");
  // Another connection's commit reaches this one as soon as the engine tells it.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (mine->DataVersion() == start && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  const auto afterOther = mine->DataVersion();
  EXPECT_NE(afterOther, start);
  mine->CreateFile("VIDE");
  EXPECT_NE(mine->DataVersion(), afterOther);
}

TEST_P(RecordStore, KeysCompareBytewiseAndBodiesKeepEveryByte) {
  auto connection = Connect();
  connection->CreateFile("F");
  auto file = connection->OpenFile("F");
  // In byte order: capitals before small letters, a prefix before its extensions, the
  // bytes of accented letters above every ASCII one.
  const std::vector<std::string> keys = {"B", "a", "a\x7f", "\xc3\xa9", "\xc3\xa9t\xc3\xa9"};
  const std::string body = "x\xFEy\xFDz\xFC\xFE\xc3\xa9";
  for (auto key = keys.rbegin(); key != keys.rend(); ++key)
    file->WriteRecord(*key, dba::DynamicArray(body + *key));
  EXPECT_EQ(file->ListKeys(), keys);
  EXPECT_EQ(file->ReadRecord("\xc3\xa9")->Text(), body + "\xc3\xa9");
  auto keysOf = [&](const std::string& prefix) {
    std::vector<std::string> found;
    for (const auto& record :
         connection->GetStorage().Scan("F", dba::KeyRange::StartingWith(prefix)))
      found.push_back(record.key);
    return found;
  };
  EXPECT_EQ(keysOf("a"), (std::vector<std::string>{"a", "a\x7f"}));
  EXPECT_EQ(keysOf("\xc3"), (std::vector<std::string>{"\xc3\xa9", "\xc3\xa9t\xc3\xa9"}));
}

INSTANTIATE_TEST_SUITE_P(Engines, RecordStore, ::testing::ValuesIn(StoreEngines()),
                         StoreEngineName());

}  // namespace
