#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "dba/Storage.h"
#include "dba/postgresql/PostgresFailure.h"
#include "dba/postgresql/PostgresResult.h"

struct pg_conn;

namespace dba {

// The record store on a PostgreSQL server shared by the workstations of an office: a
// table of files and a table of records keyed by (file, key), all bytea, so that keys
// compare bytewise and bodies keep their marks (which are not UTF-8). The primary key of
// the records is the key index that point reads and range scans walk.
//
// Every transaction that writes also sends a notification which every connection listens
// for, so DataVersion learns of other workstations' commits without asking the server.
// A connection found lost is opened again by the next call; a statement is sent again on
// the new connection only when it cannot have written anything.
//
// Not thread-safe: one thread at a time per object.
class PostgresStorage final : public Storage {
 public:
  // uri: a libpq connection URI ("postgresql://user@host:port/database?sslmode=require"),
  // the password found in ~/.pgpass or PGPASSWORD as for every PostgreSQL client.
  // Connects and creates the schema when it is missing, safely when several
  // workstations connect at once; once the schema exists, connecting writes nothing.
  // Raises kDatabaseUnreachable when the server cannot be reached or refuses the login,
  // kStorageFailure when the schema is missing and cannot be created.
  explicit PostgresStorage(std::string uri);
  ~PostgresStorage() override;
  PostgresStorage(const PostgresStorage&) = delete;
  PostgresStorage& operator=(const PostgresStorage&) = delete;

  void WriteTransaction(const std::function<void()>& work) override;
  void CreateFile(const std::string& file) override;
  bool HasFile(const std::string& file) override;
  std::vector<std::string> ListFiles() override;
  // Inside a write transaction the record stays locked until the transaction ends, so
  // that no other workstation changes it between this read and the write that follows.
  std::optional<std::string> Read(const std::string& file, const std::string& key) override;
  void Write(const std::string& file, const std::string& key, const std::string& body) override;
  void Delete(const std::string& file, const std::string& key) override;
  void ScanEach(const std::string& file, const KeyRange& range,
                const RecordVisitor& visit) override;
  std::uint64_t DataVersion() override;
  // The server's session_user.
  std::optional<std::string> SessionUser() override;

 private:
  enum Statement : int;
  struct Finisher {
    void operator()(pg_conn* connection) const;
  };

  void Connect(PostgresActivity activity);
  void CreateSchema();
  void Prepare();
  PostgresActivity Activity() const;
  // Sends a simple statement on the current connection; raises its failure.
  PostgresResult Execute(const char* sql);
  // Runs a prepared statement and raises its failure.
  PostgresResult Run(Statement statement, std::initializer_list<std::string_view> parameters);
  // Sends through the connection, opening it again when lost. Outside a transaction a
  // statement found on a lost connection is sent once more on the new one: only reads
  // and BEGIN run there, so nothing can be written twice.
  PostgresResult Reach(const std::function<PostgresResult()>& send, PostgresActivity activity);
  void Commit();
  void Changed(Statement statement, std::initializer_list<std::string_view> parameters);

  std::string uri_;
  std::unique_ptr<pg_conn, Finisher> connection_;
  std::optional<std::string> sessionUser_;
  int transactionDepth_ = 0;
  bool wroteInTransaction_ = false;
  // Each moves only forwards, so their sum changes whenever one of them does. Our own
  // writes count as they are made, not at the commit, so that what was derived inside a
  // transaction is not taken for current after the next write of that same transaction.
  std::uint64_t notifications_ = 0, ownWrites_ = 0, connections_ = 0;
};

}  // namespace dba
