#pragma once

#include <memory>
#include <string>
#include <unordered_set>

#include "dba/OpenMode.h"
#include "dba/SqliteStatement.h"
#include "dba/Storage.h"

namespace dba {

// The record store on SQLite: a table of files and a table of records keyed by
// (file, key), whose primary key is the key index that range scans walk.
class SqliteStorage final : public Storage {
 public:
  // path: a database file, or ":memory:" for a private store, made afresh in either mode.
  // Opening an existing store only reads, so it never waits behind another connection's
  // write. A missing file (kOpenExisting), or a database that is not a Delvaro store,
  // raises kStorageFailure and is left as it was; other failures raise kStorageFailure
  // with SQLite's code as the engine code.
  explicit SqliteStorage(const std::string& path, OpenMode mode = OpenMode::kOpenExisting);

  void WriteTransaction(const std::function<void()>& work) override;
  void CreateFile(const std::string& file) override;
  bool HasFile(const std::string& file) override;
  std::vector<std::string> ListFiles() override;
  std::optional<std::string> Read(const std::string& file, const std::string& key) override;
  void Write(const std::string& file, const std::string& key, const std::string& body) override;
  void Delete(const std::string& file, const std::string& key) override;
  void ScanEach(const std::string& file, const KeyRange& range,
                const RecordVisitor& visit) override;
  std::uint64_t DataVersion() override;
  std::optional<std::string> SessionUser() override;

 private:
  struct Closer {
    void operator()(sqlite3* db) const;
  };
  enum class Contents { kDelvaroStore, kEmpty, kForeign };

  static sqlite3* Open(const std::string& path, OpenMode mode);
  void Execute(const char* sql);
  Contents ReadContents();
  // Whether the store's tables must be made; raises when the database may not be opened.
  // Only reads.
  bool MustCreate(const std::string& path, OpenMode mode);
  void CreateSchema();

  // Declared first so that it is closed after every statement is finalized.
  std::unique_ptr<sqlite3, Closer> db_;
  std::unique_ptr<SqliteStatement> insertFile_, hasFile_, listFiles_, read_, write_, delete_,
      scanFrom_, scanBetween_, dataVersion_;
  int transactionDepth_ = 0;
  // SQLite's data_version moves only for other connections' commits; our own writes are
  // counted as they are made, so that what was derived inside a transaction is not
  // taken for current after the next write of that same transaction, and once more when
  // a transaction that wrote is rolled back.
  std::uint64_t ownWrites_ = 0;
  // Files found to exist, so that opening one again (the screen opens its files at each
  // start) reads nothing. The store has no call that removes a file: only a transaction of
  // this connection that is rolled back, which may have made one, makes them unsure again.
  std::unordered_set<std::string> knownFiles_;
};

}  // namespace dba
