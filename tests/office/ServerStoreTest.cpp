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

// The server's refusals of a login are the user's to read: the database is unreachable.
TEST_F(ServerStore, ARefusedLoginOrAMissingServerMakesTheDatabaseUnreachable) {
  Connect();  // makes the schema, which the new login may not
  const std::string login = "lecteur_" + database_;
  server_.Execute(database_, "CREATE ROLE " + login + " LOGIN PASSWORD 'secret'");
  // The password comes from the environment, as for every PostgreSQL client.
  setenv("PGPASSWORD", "secret", 1);
  EXPECT_EQ(Connect(server_.TcpAddress(database_, login))->SessionUser(), login);
  setenv("PGPASSWORD", "wrong", 1);
  const basis::Error denied = ErrorOf([&] { Connect(server_.TcpAddress(database_, login)); });
  unsetenv("PGPASSWORD");
  EXPECT_EQ(denied.Number(), basis::kDatabaseUnreachable);
  EXPECT_NE(denied.Description().find("password authentication failed"), std::string::npos)
      << denied.Description();
  EXPECT_EQ(ErrorOf([&] { Connect("postgresql:///base?host=/nonexistent"); }).Number(),
            basis::kDatabaseUnreachable);
}

}  // namespace
