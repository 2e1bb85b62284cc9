#include "dba/postgresql/PostgresStorage.h"

#include <libpq-fe.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "basis/Error.h"

namespace dba {

enum PostgresStorage::Statement : int {
  kInsertFile,
  kHasFile,
  kListFiles,
  kRead,
  kReadLocked,
  kWrite,
  kDelete,
  kScanFrom,
  kScanBetween,
  kAnnounce,
  kStatementCount
};

namespace {

struct StatementText {
  const char* name;
  const char* sql;
  int parameters;
};

// Parameters and results travel in binary form: bytea goes through untouched.
constexpr std::array<StatementText, 10> kStatements = {{
    {"insert_file", "INSERT INTO dba_files(name) VALUES ($1) ON CONFLICT DO NOTHING", 1},
    {"has_file", "SELECT 1 FROM dba_files WHERE name = $1", 1},
    {"list_files", "SELECT name FROM dba_files ORDER BY name", 0},
    {"read", "SELECT body FROM dba_records WHERE file = $1 AND key = $2", 2},
    {"read_locked", "SELECT body FROM dba_records WHERE file = $1 AND key = $2 FOR UPDATE", 2},
    {"write",
     "INSERT INTO dba_records(file, key, body) VALUES ($1, $2, $3) "
     "ON CONFLICT (file, key) DO UPDATE SET body = excluded.body",
     3},
    {"delete", "DELETE FROM dba_records WHERE file = $1 AND key = $2", 2},
    {"scan_from", "SELECT key, body FROM dba_records WHERE file = $1 AND key >= $2 ORDER BY key",
     2},
    {"scan_between",
     "SELECT key, body FROM dba_records WHERE file = $1 AND key >= $2 AND key < $3 "
     "ORDER BY key",
     3},
    // The transaction's number lets a commit whose answer was lost be checked afterwards.
    {"announce", "SELECT txid_current(), pg_notify('delvaro_changes', '')", 0},
}};

constexpr Oid kByteaType = 17;
constexpr int kMostParameters = 3;

// Serialises the creation of the schema between workstations that connect at once.
constexpr const char* kTakeSchemaLock = "SELECT pg_advisory_xact_lock(7406518163)";

constexpr const char* kCreateSchema =
    "CREATE TABLE IF NOT EXISTS dba_files("
    "  name bytea PRIMARY KEY);"
    "CREATE TABLE IF NOT EXISTS dba_records("
    "  file bytea NOT NULL REFERENCES dba_files(name),"
    "  key bytea NOT NULL,"
    "  body bytea NOT NULL,"
    "  PRIMARY KEY (file, key))";

void IgnoreNotice(void*, const char*) {}

std::string ConnectionMessage(pg_conn* connection) {
  return connection ? PQerrorMessage(connection) : "mémoire épuisée";
}

}  // namespace

void PostgresStorage::Finisher::operator()(pg_conn* connection) const {
  PQfinish(connection);
}

PostgresStorage::PostgresStorage(std::string uri) : uri_(std::move(uri)) {
  Connect(PostgresActivity::kReading);
}

PostgresStorage::~PostgresStorage() = default;

void PostgresStorage::Connect(PostgresActivity activity) {
  // Defaults that the address may override: a dead host is reported rather than waited
  // on, and a save waits for another workstation's lock as long as on an embedded file.
  static constexpr std::array<const char*, 5> kKeywords = {"connect_timeout", "application_name",
                                                           "options", "dbname", nullptr};
  const std::array<const char*, 5> values = {
      "10", "Delvaro", "-c lock_timeout=5000 -c plan_cache_mode=force_custom_plan", uri_.c_str(),
      nullptr};
  connection_.reset(PQconnectdbParams(kKeywords.data(), values.data(), 1));
  if (!connection_ || PQstatus(connection_.get()) != CONNECTION_OK) {
    const std::string cause = ConnectionMessage(connection_.get());
    connection_.reset();
    RaiseDatabaseUnreachable(cause, activity);
  }
  PQsetNoticeProcessor(connection_.get(), IgnoreNotice, nullptr);
  // Notifications sent while no connection was open are lost: count the new connection
  // as a change.
  ++connections_;
  const PostgresResult session = Execute(
      "LISTEN delvaro_changes;"
      "SELECT session_user, to_regclass('dba_records') IS NOT NULL");
  sessionUser_ = std::string(session.Field(0, 0));
  if (session.Field(0, 1) != "t")
    CreateSchema();
  Prepare();
}

void PostgresStorage::CreateSchema() {
  Execute("BEGIN");
  try {
    Execute(kTakeSchemaLock);
    Execute(kCreateSchema);
    Execute("COMMIT");
  } catch (...) {
    PQclear(PQexec(connection_.get(), "ROLLBACK"));
    throw;
  }
}

void PostgresStorage::Prepare() {
  for (const StatementText& statement : kStatements) {
    const std::vector<Oid> types(statement.parameters, kByteaType);
    const PostgresResult result(PQprepare(connection_.get(), statement.name, statement.sql,
                                          statement.parameters, types.data()));
    if (!result.Succeeded())
      RaisePostgresFailure(connection_.get(), result.Handle(), PostgresActivity::kReading);
  }
}

PostgresActivity PostgresStorage::Activity() const {
  return transactionDepth_ > 0 ? PostgresActivity::kSaving : PostgresActivity::kReading;
}

PostgresResult PostgresStorage::Execute(const char* sql) {
  PostgresResult result(PQexec(connection_.get(), sql));
  if (!result.Succeeded())
    RaisePostgresFailure(connection_.get(), result.Handle(), Activity());
  return result;
}

PostgresResult PostgresStorage::Reach(const std::function<PostgresResult()>& send,
                                      PostgresActivity activity) {
  const bool resendable = transactionDepth_ == 0;
  if (resendable && (!connection_ || PQstatus(connection_.get()) != CONNECTION_OK))
    Connect(activity);
  PostgresResult result = send();
  if (!result.Succeeded() && resendable &&
      PostgresConnectionLost(connection_.get(), result.Handle())) {
    Connect(activity);
    result = send();
  }
  if (!result.Succeeded())
    RaisePostgresFailure(connection_.get(), result.Handle(), activity);
  return result;
}

PostgresResult PostgresStorage::Run(Statement statement,
                                    std::initializer_list<std::string_view> parameters) {
  std::array<const char*, kMostParameters> values{};
  std::array<int, kMostParameters> lengths{}, formats{};
  int count = 0;
  for (std::string_view parameter : parameters) {
    values[count] = parameter.data();
    lengths[count] = static_cast<int>(parameter.size());
    formats[count] = 1;
    ++count;
  }
  return Reach(
      [&] {
        return PostgresResult(PQexecPrepared(connection_.get(), kStatements[statement].name, count,
                                             values.data(), lengths.data(), formats.data(), 1));
      },
      Activity());
}

void PostgresStorage::WriteTransaction(const std::function<void()>& work) {
  if (transactionDepth_ > 0) {
    work();
    return;
  }
  Reach([this] { return PostgresResult(PQexec(connection_.get(), "BEGIN")); },
        PostgresActivity::kSaving);
  transactionDepth_ = 1;
  wroteInTransaction_ = false;
  try {
    work();
    Commit();
  } catch (...) {
    transactionDepth_ = 0;
    // What was read after the writes no longer holds once they are undone.
    if (wroteInTransaction_)
      ++ownWrites_;
    if (connection_ && PQtransactionStatus(connection_.get()) != PQTRANS_IDLE)
      PQclear(PQexec(connection_.get(), "ROLLBACK"));
    throw;
  }
  transactionDepth_ = 0;
}

void PostgresStorage::Commit() {
  if (!wroteInTransaction_) {
    Execute("COMMIT");
    return;
  }
  const std::int64_t transaction = Run(kAnnounce, {}).Integer(0, 0);
  const PostgresResult committed(PQexec(connection_.get(), "COMMIT"));
  if (committed.Succeeded())
    return;
  if (!PostgresConnectionLost(connection_.get(), committed.Handle()))
    RaisePostgresFailure(connection_.get(), committed.Handle(), PostgresActivity::kSaving);
  // The server may have committed before the connection broke: ask a new connection what
  // became of the transaction rather than guess either way.
  const std::string cause = ConnectionMessage(connection_.get());
  try {
    Connect(PostgresActivity::kSaving);
  } catch (const basis::Error&) {
    throw basis::Error(basis::kDatabaseUnreachable,
                       "La base de données est injoignable : " + cause +
                           " ; l'enregistrement de vos modifications n'a pas pu être vérifié.");
  }
  const std::string number = std::to_string(transaction);
  const char* values[] = {number.c_str()};
  const PostgresResult status(PQexecParams(connection_.get(), "SELECT txid_status($1::bigint)", 1,
                                           nullptr, values, nullptr, nullptr, 0));
  if (status.Succeeded() && status.Field(0, 0) == "committed")
    return;
  RaiseDatabaseUnreachable(cause, PostgresActivity::kSaving);
}

void PostgresStorage::Changed(Statement statement,
                              std::initializer_list<std::string_view> parameters) {
  WriteTransaction([&] {
    Run(statement, parameters);
    wroteInTransaction_ = true;
    ++ownWrites_;
  });
}

void PostgresStorage::CreateFile(const std::string& file) {
  Changed(kInsertFile, {file});
}

bool PostgresStorage::HasFile(const std::string& file) {
  return Run(kHasFile, {file}).Rows() > 0;
}

std::vector<std::string> PostgresStorage::ListFiles() {
  const PostgresResult result = Run(kListFiles, {});
  std::vector<std::string> files;
  files.reserve(result.Rows());
  for (int row = 0; row < result.Rows(); ++row)
    files.emplace_back(result.Field(row, 0));
  return files;
}

std::optional<std::string> PostgresStorage::Read(const std::string& file, const std::string& key) {
  const PostgresResult result = Run(transactionDepth_ > 0 ? kReadLocked : kRead, {file, key});
  if (result.Rows() == 0)
    return std::nullopt;
  return std::string(result.Field(0, 0));
}

void PostgresStorage::Write(const std::string& file, const std::string& key,
                            const std::string& body) {
  Changed(kWrite, {file, key, body});
}

void PostgresStorage::Delete(const std::string& file, const std::string& key) {
  Changed(kDelete, {file, key});
}

void PostgresStorage::ScanEach(const std::string& file, const KeyRange& range,
                               const RecordVisitor& visit) {
  // The visitor reads the fields where the result holds them, not from copies.
  const PostgresResult result = range.to ? Run(kScanBetween, {file, range.from, *range.to})
                                         : Run(kScanFrom, {file, range.from});
  for (int row = 0; row < result.Rows(); ++row)
    visit(result.Field(row, 0), result.Field(row, 1));
}

std::uint64_t PostgresStorage::DataVersion() {
  // Reads what the server has already sent, without a round trip.
  if (connection_ && PQstatus(connection_.get()) == CONNECTION_OK) {
    PQconsumeInput(connection_.get());
    // Our own writes are counted as they are made; their echo would count them again,
    // late, as if someone else had written.
    const int ownProcess = PQbackendPID(connection_.get());
    while (PGnotify* notification = PQnotifies(connection_.get())) {
      if (notification->be_pid != ownProcess)
        ++notifications_;
      PQfreemem(notification);
    }
  }
  return notifications_ + ownWrites_ + connections_;
}

std::optional<std::string> PostgresStorage::SessionUser() {
  return sessionUser_;
}

}  // namespace dba
