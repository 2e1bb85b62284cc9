#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>

#include "PostgresServer.h"
#include "StoreTestSupport.h"
#include "dba/DatabaseClient.h"
#include "dba/Storage.h"

namespace {

// What a PostgreSQL server adds to the contract every engine keeps.
class ServerStore : public ::testing::Test {
 protected:
  std::shared_ptr<dba::DatabaseConnection> Connect(const std::string& address) {
    return dba::DatabaseClient().Connect(address);
  }
  std::shared_ptr<dba::DatabaseConnection> Connect() { return Connect(address_); }

  PostgresServer& server_ = PostgresServer::Shared();
  const std::string database_ = server_.CreateDatabase();
  const std::string address_ = server_.Address(database_);
};

TEST_F(ServerStore, AReaderSeesTheLastCommittedStateWhileAWriteIsOpen) {
  auto writer = Connect();
  writer->CreateFile("SECTEUR");
  writer->OpenFile("SECTEUR")->WriteRecord("001", dba::DynamicArray("Centre"));
  auto reader = Connect();
  writer->GetStorage().WriteTransaction([&] {
    auto file = writer->OpenFile("SECTEUR");
    file->ReadRecord("001");  // locks the record, as a save does
    file->WriteRecord("001", dba::DynamicArray("Nord"));
    file->WriteRecord("002", dba::DynamicArray("Sud"));
    EXPECT_EQ(reader->OpenFile("SECTEUR")->ReadRecord("001")->Text(), "Centre");
    EXPECT_EQ(reader->OpenFile("SECTEUR")->ListKeys(), std::vector<std::string>{"001"});
    // A workstation that starts meanwhile opens without waiting either.
    EXPECT_EQ(Connect()->OpenFile("SECTEUR")->ReadRecord("001")->Text(), "Centre");
  });
  EXPECT_EQ(reader->OpenFile("SECTEUR")->ReadRecord("001")->Text(), "Nord");
}

TEST_F(ServerStore, AConnectionCutDuringASaveWritesNothingAndTheNextActionReconnects) {
  auto connection = Connect();
  connection->CreateFile("SECTEUR");
  auto file = connection->OpenFile("SECTEUR");
  const auto before = connection->DataVersion();
  const basis::Error cut = ErrorOf([&] {
    connection->GetStorage().WriteTransaction([&] {
      file->WriteRecord("001", dba::DynamicArray("Centre"));
      server_.Execute(database_,
                      "SELECT pg_terminate_backend(pid, 5000) FROM pg_stat_activity "
                      "WHERE datname = current_database() AND application_name = 'Delvaro'");
      file->WriteRecord("002", dba::DynamicArray("Nord"));
    });
  });
  EXPECT_EQ(cut.Number(), basis::kDatabaseUnreachable);
  EXPECT_TRUE(cut.Description().ends_with(" ; vos modifications n'ont pas été enregistrées."))
      << cut.Description();
  EXPECT_TRUE(file->ListKeys().empty());
  // What was sent meanwhile may have been missed: the new connection counts as a change.
  EXPECT_NE(connection->DataVersion(), before);
  file->WriteRecord("003", dba::DynamicArray("Sud"));
  EXPECT_EQ(Connect()->OpenFile("SECTEUR")->ListKeys(), std::vector<std::string>{"003"});
}

TEST_F(ServerStore, WorkstationsConnectingFirstAtOnceCreateTheSchemaOnce) {
  std::vector<std::thread> workstations;
  std::vector<std::string> failures(4);
  for (std::size_t i = 0; i < failures.size(); ++i) {
    workstations.emplace_back([&, i] {
      try {
        Connect()->CreateFile("F" + std::to_string(i));
      } catch (const std::exception& error) {
        failures[i] = error.what();
      }
    });
  }
  for (std::thread& workstation : workstations)
    workstation.join();
  EXPECT_EQ(failures, std::vector<std::string>(4));
  EXPECT_EQ(Connect()->ListFiles(), (std::vector<std::string>{"F0", "F1", "F2", "F3"}));
}

TEST_F(ServerStore, TheLoginIsTheServersAndItsRightsAndFailuresAreReportedInFrench) {
  Connect()->CreateFile("SECTEUR");
  EXPECT_EQ(Connect()->SessionUser(), "delvaro");
  const std::string reader = "lecteur_" + database_;
  server_.Execute(database_, "CREATE ROLE " + reader +
                                 " LOGIN PASSWORD 'secret';"
                                 "GRANT SELECT ON dba_files, dba_records TO " +
                                 reader);
  // The password comes from the environment, as for every PostgreSQL client.
  setenv("PGPASSWORD", "secret", 1);
  auto readOnly = Connect(server_.TcpAddress(database_, reader));
  EXPECT_EQ(readOnly->SessionUser(), reader);
  EXPECT_TRUE(readOnly->OpenFile("SECTEUR")->ListKeys().empty());
  const basis::Error refused = ErrorOf([&] { readOnly->CreateFile("AUTRE"); });
  EXPECT_EQ(refused.Number(), basis::kStorageFailure);
  EXPECT_NE(refused.Description().find("permission refusée (42501 "), std::string::npos)
      << refused.Description();

  setenv("PGPASSWORD", "wrong", 1);
  const basis::Error denied = ErrorOf([&] { Connect(server_.TcpAddress(database_, reader)); });
  unsetenv("PGPASSWORD");
  EXPECT_EQ(denied.Number(), basis::kDatabaseUnreachable);
  EXPECT_NE(denied.Description().find("password authentication failed"), std::string::npos)
      << denied.Description();
  EXPECT_EQ(ErrorOf([&] { Connect("postgresql:///base?host=/nonexistent"); }).Number(),
            basis::kDatabaseUnreachable);
}

}  // namespace
