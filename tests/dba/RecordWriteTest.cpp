#include <gtest/gtest.h>

#include "StoreTestSupport.h"
#include "TestStore.h"
#include "dba/DatabaseClient.h"
#include "dba/JsonLines.h"
#include "dba/Marks.h"

namespace {

class RecordWrite : public ::testing::Test {
 protected:
  void SetUp() override { store_.LoadStandardWorld(); }

  std::shared_ptr<dba::DynamicArray> Read(const std::string& key) {
    return store_.Connection()->OpenFile("CIVILAIDANT")->ReadRecord(key);
  }
  std::string Stored(const std::string& key) { return store_.Get("CIVILAIDANT", key)->Text(); }

  TestStore store_;
};

TEST_F(RecordWrite, MergesChangesToDifferentAttributes) {
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

TEST_F(RecordWrite, RefusesAClashAndWritesNothing) {
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

TEST_F(RecordWrite, RefusesARecordDeletedMeanwhileWhichNoLongerReads) {
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

TEST(RecordStoreFile, ReopeningADatabaseFileKeepsEveryWrite) {
  ScratchFolder folder;
  const std::string address = "sqlite:" + folder.File("store.db");
  {
    auto connection = dba::DatabaseClient().Connect(address, dba::OpenMode::kCreateIfMissing);
    dba::JsonLines::Load(*connection, R"({"file":"SECTEUR","key":"001","record":["Centre"]})"
                                      "\n"
                                      R"({"file":"SECTEUR","key":"002","record":["Nord"]})");
    auto file = connection->OpenFile("SECTEUR");
    auto record = file->ReadRecord("001");
    // Another connection to the same file changes the record meanwhile.
    auto other = dba::DatabaseClient().Connect(address)->OpenFile("SECTEUR")->ReadRecord("001");
    other->Replace(2, "autre");
    other->DBWrite();
    record->Replace(1, "Centre-ville");
    record->DBWrite();
    file->DeleteRecord("002");
    connection->CreateFile("VIDE");
  }
  auto reopened = dba::DatabaseClient().Connect(address);
  EXPECT_EQ(reopened->ListFiles(), (std::vector<std::string>{"SECTEUR", "VIDE"}));
  auto file = reopened->OpenFile("SECTEUR");
  EXPECT_EQ(file->ListKeys(), std::vector<std::string>{"001"});
  EXPECT_EQ(file->ReadRecord("001")->Text(),
            "Centre-ville" + std::string(1, dba::kAttributeMark) + "autre");
}

}  // namespace

namespace {

TEST(RecordStoreFile, DataVersionMovesWithEveryCommitOfAnyConnection) {
  ScratchFolder folder;
  const std::string address = "sqlite:" + folder.File("store.db");
  auto mine = dba::DatabaseClient().Connect(address, dba::OpenMode::kCreateIfMissing);
  auto other = dba::DatabaseClient().Connect(address);
  dba::JsonLines::Load(*mine, R"({"file":"SECTEUR","key":"001","record":["Centre"]})");
  const auto start = mine->DataVersion();
  EXPECT_EQ(mine->DataVersion(), start) << "a read alone changes nothing";
  other->OpenFile("SECTEUR")->DeleteRecord("001");
  const auto afterOther = mine->DataVersion();
  EXPECT_NE(afterOther, start);
  mine->CreateFile("VIDE");
  EXPECT_NE(mine->DataVersion(), afterOther);
  EXPECT_EQ(mine->SessionUser(), std::nullopt);
}

}  // namespace
