#include "dba/SqliteStorage.h"

#include <sqlite3.h>

#include <filesystem>

#include "basis/Error.h"
#include "dba/SqliteQuery.h"

namespace dba {
namespace {

// Long enough for another writer's transaction to finish, short enough that a stuck
// process is reported rather than waited on forever.
constexpr int kBusyTimeoutMilliseconds = 5000;

// SQLite's own name for a private database in memory.
constexpr std::string_view kInMemory = ":memory:";

}  // namespace

void SqliteStorage::Closer::operator()(sqlite3* db) const {
  sqlite3_close_v2(db);
}

sqlite3* SqliteStorage::Open(const std::string& path, OpenMode mode) {
  const bool inMemory = path == kInMemory;
  std::error_code ignored;
  if (!inMemory && mode == OpenMode::kOpenExisting && !std::filesystem::exists(path, ignored))
    throw basis::Error(basis::kStorageFailure, "La base « " + path + " » n'existe pas.");
  const int create = inMemory || mode == OpenMode::kCreateIfMissing ? SQLITE_OPEN_CREATE : 0;
  sqlite3* db = nullptr;
  // A connection is used by one thread at a time (see Storage): SQLite need not lock its
  // own mutex around each call, which costs as much as reading a short row.
  const int result = sqlite3_open_v2(path.c_str(), &db,
                                     SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX | create, nullptr);
  if (result != SQLITE_OK) {
    const int code = db ? sqlite3_extended_errcode(db) : result;
    const std::string detail = db ? sqlite3_errmsg(db) : sqlite3_errstr(result);
    sqlite3_close_v2(db);
    RaiseSqliteFailure(code, detail, "Impossible d'ouvrir la base « " + path + " »");
  }
  return db;
}

SqliteStorage::SqliteStorage(const std::string& path, OpenMode mode) : db_(Open(path, mode)) {
  sqlite3_busy_timeout(db_.get(), kBusyTimeoutMilliseconds);
  sqlite3_extended_result_codes(db_.get(), 1);
  const bool create = MustCreate(path, mode);
  // Both are settings of this connection alone: nothing is written to the file.
  Execute("PRAGMA synchronous=FULL");
  Execute("PRAGMA foreign_keys=ON");
  if (create) {
    // Readers go on while a writer works. The journal mode belongs to the file: it is set
    // once, when the store is made, outside any transaction.
    Execute("PRAGMA journal_mode=WAL");
    CreateSchema();
  }

  auto prepare = [this](const char* sql) {
    return std::make_unique<SqliteStatement>(db_.get(), sql);
  };
  insertFile_ = prepare("INSERT OR IGNORE INTO dba_files(name) VALUES (?1)");
  hasFile_ = prepare("SELECT 1 FROM dba_files WHERE name = ?1");
  listFiles_ = prepare("SELECT name FROM dba_files ORDER BY name");
  read_ = prepare("SELECT body FROM dba_records WHERE file = ?1 AND key = ?2");
  write_ = prepare(
      "INSERT INTO dba_records(file, key, body) VALUES (?1, ?2, ?3) "
      "ON CONFLICT(file, key) DO UPDATE SET body = excluded.body");
  delete_ = prepare("DELETE FROM dba_records WHERE file = ?1 AND key = ?2");
  scanFrom_ =
      prepare("SELECT key, body FROM dba_records WHERE file = ?1 AND key >= ?2 ORDER BY key");
  scanBetween_ = prepare(
      "SELECT key, body FROM dba_records WHERE file = ?1 AND key >= ?2 AND key < ?3 "
      "ORDER BY key");
  dataVersion_ = prepare("PRAGMA data_version");
}

void SqliteStorage::Execute(const char* sql) {
  if (sqlite3_exec(db_.get(), sql, nullptr, nullptr, nullptr) != SQLITE_OK)
    RaiseSqliteFailure(db_.get());
}

SqliteStorage::Contents SqliteStorage::ReadContents() {
  SqliteStatement statement(db_.get(),
                            "SELECT count(*), count(CASE WHEN type = 'table' AND name IN "
                            "('dba_files', 'dba_records') THEN 1 END) FROM sqlite_master");
  SqliteQuery query(statement);
  query.Next();
  if (query.Column(1) == "2")
    return Contents::kDelvaroStore;
  return query.Column(0) == "0" ? Contents::kEmpty : Contents::kForeign;
}

bool SqliteStorage::MustCreate(const std::string& path, OpenMode mode) {
  // Only reads until it is known that the store must be made: opening another
  // application's database, or one being written, must neither change nor wait for it.
  Contents contents = Contents::kForeign;
  long engineCode = basis::Error::kNoEngineCode;
  try {
    contents = ReadContents();
  } catch (const basis::Error& error) {
    if ((error.EngineCode() & 0xFF) != SQLITE_NOTADB)
      throw basis::Error(error.Number(),
                         "Impossible d'ouvrir la base « " + path + " » : " + error.Description(),
                         error.EngineCode());
    engineCode = error.EngineCode();
  }
  if (contents == Contents::kDelvaroStore)
    return false;
  if (contents == Contents::kEmpty && (mode == OpenMode::kCreateIfMissing || path == kInMemory))
    return true;
  throw basis::Error(basis::kStorageFailure, "« " + path + " » n'est pas une base Delvaro.",
                     engineCode);
}

void SqliteStorage::CreateSchema() {
  // Keys are TEXT under the default BINARY collation: they compare bytewise, and the
  // primary key of dba_records serves both point reads and range scans.
  WriteTransaction([this] {
    Execute(
        "CREATE TABLE IF NOT EXISTS dba_files("
        "  name TEXT NOT NULL PRIMARY KEY"
        ") WITHOUT ROWID");
    Execute(
        "CREATE TABLE IF NOT EXISTS dba_records("
        "  file TEXT NOT NULL REFERENCES dba_files(name),"
        "  key TEXT NOT NULL,"
        "  body BLOB NOT NULL,"
        "  PRIMARY KEY(file, key)"
        ") WITHOUT ROWID");
  });
}

void SqliteStorage::WriteTransaction(const std::function<void()>& work) {
  if (transactionDepth_ > 0) {
    work();
    return;
  }
  // IMMEDIATE takes the write lock at once: two writers that both read first and then
  // try to write would otherwise deadlock instead of waiting for each other.
  Execute("BEGIN IMMEDIATE");
  ++transactionDepth_;
  const std::uint64_t writesBefore = ownWrites_;
  try {
    work();
    Execute("COMMIT");
  } catch (...) {
    --transactionDepth_;
    knownFiles_.clear();
    // What was read after the writes no longer holds once they are undone.
    if (ownWrites_ != writesBefore)
      ++ownWrites_;
    if (!sqlite3_get_autocommit(db_.get()))
      sqlite3_exec(db_.get(), "ROLLBACK", nullptr, nullptr, nullptr);
    throw;
  }
  --transactionDepth_;
}

void SqliteStorage::CreateFile(const std::string& file) {
  WriteTransaction([&] {
    ++ownWrites_;
    SqliteQuery(*insertFile_).Bind(file).Run();
  });
}

bool SqliteStorage::HasFile(const std::string& file) {
  if (knownFiles_.contains(file))
    return true;
  SqliteQuery query(*hasFile_);
  if (!query.Bind(file).Next())
    return false;
  knownFiles_.insert(file);
  return true;
}

std::vector<std::string> SqliteStorage::ListFiles() {
  std::vector<std::string> files;
  SqliteQuery query(*listFiles_);
  while (query.Next())
    files.emplace_back(query.Column(0));
  return files;
}

std::optional<std::string> SqliteStorage::Read(const std::string& file, const std::string& key) {
  SqliteQuery query(*read_);
  if (!query.Bind(file).Bind(key).Next())
    return std::nullopt;
  return std::string(query.Column(0));
}

void SqliteStorage::Write(const std::string& file, const std::string& key,
                          const std::string& body) {
  WriteTransaction([&] {
    ++ownWrites_;
    SqliteQuery(*write_).Bind(file).Bind(key).Bind(body).Run();
  });
}

void SqliteStorage::Delete(const std::string& file, const std::string& key) {
  WriteTransaction([&] {
    ++ownWrites_;
    SqliteQuery(*delete_).Bind(file).Bind(key).Run();
  });
}

void SqliteStorage::ScanEach(const std::string& file, const KeyRange& range,
                             const RecordVisitor& visit) {
  SqliteQuery query(range.to ? *scanBetween_ : *scanFrom_);
  query.Bind(file).Bind(range.from);
  if (range.to)
    query.Bind(*range.to);
  while (query.Next())
    visit(query.Column(0), query.Column(1));
}

std::uint64_t SqliteStorage::DataVersion() {
  SqliteQuery query(*dataVersion_);
  query.Next();
  const auto others = static_cast<std::uint64_t>(std::stoll(std::string(query.Column(0))));
  return (others << 32) + ownWrites_;
}

std::optional<std::string> SqliteStorage::SessionUser() {
  return std::nullopt;
}

}  // namespace dba
