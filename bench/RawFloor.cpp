#include "RawFloor.h"

#include <sqlite3.h>

#include <stdexcept>

namespace {

// The column bytes are asked for, as any reader would; nothing is copied.
void TouchColumns(sqlite3_stmt* statement, int columns) {
  for (int column = 0; column < columns; ++column) {
    sqlite3_column_blob(statement, column);
    sqlite3_column_bytes(statement, column);
  }
}

void Bind(sqlite3_stmt* statement, int parameter, const std::string& text) {
  sqlite3_bind_text(statement, parameter, text.data(), static_cast<int>(text.size()),
                    SQLITE_STATIC);
}

}  // namespace

RawFloor::RawFloor(const std::string& path) {
  // Without SQLite's per-call mutex, as the product opens its connections: the floor is
  // the cheapest way to send the same reads.
  if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) !=
      SQLITE_OK)
    throw std::runtime_error("cannot open " + path);
  sqlite3_busy_timeout(db_, 5000);
  // The same journal and durability as the product's connection.
  Execute("PRAGMA journal_mode=WAL");
  Execute("PRAGMA synchronous=FULL");
  read_ = Prepare("SELECT body FROM dba_records WHERE file = ?1 AND key = ?2");
  scanFrom_ =
      Prepare("SELECT key, body FROM dba_records WHERE file = ?1 AND key >= ?2 ORDER BY key");
  scanBetween_ = Prepare(
      "SELECT key, body FROM dba_records WHERE file = ?1 AND key >= ?2 AND key < ?3 ORDER BY key");
  write_ = Prepare(
      "INSERT INTO dba_records(file, key, body) VALUES (?1, ?2, ?3) "
      "ON CONFLICT(file, key) DO UPDATE SET body = excluded.body");
}

RawFloor::~RawFloor() {
  for (sqlite3_stmt* statement : {read_, scanFrom_, scanBetween_, write_})
    sqlite3_finalize(statement);
  sqlite3_close_v2(db_);
}

void RawFloor::Execute(const char* sql) {
  if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
    throw std::runtime_error(sqlite3_errmsg(db_));
}

sqlite3_stmt* RawFloor::Prepare(const char* sql) {
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v3(db_, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr) != SQLITE_OK)
    throw std::runtime_error(sqlite3_errmsg(db_));
  return statement;
}

long RawFloor::Step(sqlite3_stmt* statement) {
  long rows = 0;
  int result;
  while ((result = sqlite3_step(statement)) == SQLITE_ROW) {
    TouchColumns(statement, sqlite3_column_count(statement));
    ++rows;
  }
  sqlite3_reset(statement);
  if (result != SQLITE_DONE)
    throw std::runtime_error(sqlite3_errmsg(db_));
  return rows;
}

void RawFloor::Run(const std::vector<RecordingStorage::Access>& accesses) {
  using Kind = RecordingStorage::Access::Kind;
  bool writes = false;
  for (const auto& access : accesses)
    writes = writes || access.kind == Kind::kWrite;
  if (writes)
    Execute("BEGIN IMMEDIATE");
  for (const auto& access : accesses) {
    switch (access.kind) {
      case Kind::kRead:
        Bind(read_, 1, access.file);
        Bind(read_, 2, access.key);
        Step(read_);
        break;
      case Kind::kScan: {
        sqlite3_stmt* scan = access.to ? scanBetween_ : scanFrom_;
        Bind(scan, 1, access.file);
        Bind(scan, 2, access.key);
        if (access.to)
          Bind(scan, 3, *access.to);
        Step(scan);
        break;
      }
      case Kind::kWrite:
        Bind(write_, 1, access.file);
        Bind(write_, 2, access.key);
        Bind(write_, 3, access.body);
        Step(write_);
        break;
    }
  }
  if (writes)
    Execute("COMMIT");
}

long RawFloor::ReadFile(const std::string& file) {
  static const std::string kFromStart;
  Bind(scanFrom_, 1, file);
  Bind(scanFrom_, 2, kFromStart);
  return Step(scanFrom_);
}

void RawFloor::InsertAll(
    const std::function<void(const std::function<void(const std::string&, const std::string&,
                                                      const std::string&)>&)>& produce) {
  Execute("BEGIN IMMEDIATE");
  sqlite3_stmt* insertFile = Prepare("INSERT OR IGNORE INTO dba_files(name) VALUES (?1)");
  std::string lastFile;
  produce([&](const std::string& file, const std::string& key, const std::string& body) {
    if (file != lastFile) {
      Bind(insertFile, 1, file);
      Step(insertFile);
      lastFile = file;
    }
    Bind(write_, 1, file);
    Bind(write_, 2, key);
    Bind(write_, 3, body);
    Step(write_);
  });
  sqlite3_finalize(insertFile);
  Execute("COMMIT");
}
