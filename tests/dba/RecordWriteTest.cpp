#include <gtest/gtest.h>

#include <stdexcept>

#include "StoreEngines.h"
#include "StoreTestSupport.h"
#include "TestStore.h"
#include "dba/DatabaseClient.h"
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

// Neither a reader nor a workstation connecting meanwhile waits for an open write.
TEST_P(RecordStore, AReaderSeesTheLastCommittedStateWhileAWriteIsOpen) {
  auto writer = Connect();
  writer->CreateFile("SECTEUR");
  auto file = writer->OpenFile("SECTEUR");
  file->WriteRecord("001", dba::DynamicArray("Centre"));
  auto reader = Connect();
  writer->GetStorage().WriteTransaction([&] {
    file->ReadRecord("001");  // locks the record, as a save does
    file->WriteRecord("001", dba::DynamicArray("Nord"));
    file->WriteRecord("002", dba::DynamicArray("Sud"));
    EXPECT_EQ(reader->OpenFile("SECTEUR")->ListKeys(), std::vector<std::string>{"001"});
    EXPECT_EQ(Connect()->OpenFile("SECTEUR")->ReadRecord("001")->Text(), "Centre");
  });
  EXPECT_EQ(reader->OpenFile("SECTEUR")->ReadRecord("001")->Text(), "Nord");
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

// A file made in a transaction that is rolled back is gone, even for the connection that
// opened it meanwhile; one made for good stays known to every connection.
TEST_P(RecordStore, AFileMadeInAnUndoneTransactionIsGone) {
  auto connection = Connect();
  dba::Storage& storage = connection->GetStorage();
  EXPECT_THROW(storage.WriteTransaction([&] {
    connection->CreateFile("PROVISOIRE");
    connection->OpenFile("PROVISOIRE")->WriteRecord("1", dba::DynamicArray("x"));
    EXPECT_TRUE(storage.HasFile("PROVISOIRE"));
    throw std::runtime_error("abandon");
  }),
               std::runtime_error);
  EXPECT_FALSE(storage.HasFile("PROVISOIRE"));
  EXPECT_EQ(ErrorOf([&] { connection->OpenFile("PROVISOIRE"); }).Number(), basis::kFileNotFound);
  connection->CreateFile("DURABLE");
  EXPECT_TRUE(storage.HasFile("DURABLE"));
  EXPECT_TRUE(Connect()->GetStorage().HasFile("DURABLE"));
}

INSTANTIATE_TEST_SUITE_P(Engines, RecordStore, ::testing::ValuesIn(StoreEngines()),
                         StoreEngineName());

}  // namespace
