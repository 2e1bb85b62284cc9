#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dba/KeyRange.h"

namespace dba {

struct StoredRecord {
  std::string key;
  std::string body;
};

// What the record store needs from an engine, and what every engine promises (SQLite for
// an embedded file, PostgreSQL for an office's server; the same contract tests run on
// both).
//
// Order. Names and keys are byte strings compared bytewise (unsigned bytes, a prefix
// before its extensions), whatever the engine's locale. Bodies are stored byte for byte:
// the marks 0xFE, 0xFD and 0xFC are not UTF-8 and must come back unchanged.
//
// Writers. Every write runs inside a write transaction; a write made outside one is a
// transaction of its own. A transaction is all or nothing. A record read inside a write
// transaction stays as read until the transaction ends, against every other writer on
// every workstation: the read-merge-write of DBWrite is atomic.
//
// Readers. A read outside a write transaction sees the last committed state, never
// another connection's uncommitted work, and never waits for an open write transaction
// (opening a connection does not either, once the store exists).
//
// Failures raise basis::Error and leave nothing half-written:
// - kDatabaseUnreachable: the engine cannot be reached (a server stopped, restarted or cut
//   off); the description says why and, for a write, that nothing was saved. The next
//   call tries to reach it again, so the user's next action may succeed.
// - kStorageFailure: anything else the engine refused. The description names the cause
//   in French (disk full, locked or busy, deadlock, corrupt, permission denied, read-only)
//   followed by the engine's own code and message.
// A transaction whose commit cannot be confirmed is checked once the engine answers again,
// never written a second time on a guess.
//
// Threads. One connection belongs to one thread at a time; several connections (of one
// process or of many) may work at once.
class Storage {
 public:
  virtual ~Storage() = default;

  // Runs work in one write transaction: committed when work returns, rolled back when it
  // throws (the exception then passes on). A call made while a transaction is open joins
  // it. Raises when the transaction cannot begin or commit; then nothing of it is stored.
  virtual void WriteTransaction(const std::function<void()>& work) = 0;

  // Creating a file that exists already changes nothing.
  virtual void CreateFile(const std::string& file) = 0;
  virtual bool HasFile(const std::string& file) = 0;
  // In name order.
  virtual std::vector<std::string> ListFiles() = 0;

  // The record's body, nullopt when absent. Inside a write transaction the record is held
  // until the transaction ends (see Writers above).
  virtual std::optional<std::string> Read(const std::string& file, const std::string& key) = 0;
  // Creates or replaces the record. The file must exist.
  virtual void Write(const std::string& file, const std::string& key, const std::string& body) = 0;
  // Deleting a missing record changes nothing.
  virtual void Delete(const std::string& file, const std::string& key) = 0;
  // The records of the range in key order, read through the key index: the cost follows
  // the records of the range, not the size of the file. visit gets them one at a time and
  // may not use this storage; the texts are valid only during the call, so a long range is
  // never held whole. What visit throws ends the scan and goes to the caller.
  using RecordVisitor = std::function<void(std::string_view key, std::string_view body)>;
  virtual void ScanEach(const std::string& file, const KeyRange& range,
                        const RecordVisitor& visit) = 0;
  // The same records, copied.
  std::vector<StoredRecord> Scan(const std::string& file, const KeyRange& range) {
    std::vector<StoredRecord> records;
    ScanEach(file, range, [&](std::string_view key, std::string_view body) {
      records.push_back({std::string(key), std::string(body)});
    });
    return records;
  }

  // A number that differs from every earlier answer once a write has been committed since,
  // through this connection (at once: at each write, before the commit, and again when a
  // transaction that wrote is rolled back) or any other: another process, another
  // workstation (as soon as the engine tells this connection, well within a second). What a caller
  // derived from the data (sort keys, results, a list on screen) stays valid while the number stays
  // the same. Costs no round trip to a server: cheap enough to ask before every query. Never
  // raises.
  virtual std::uint64_t DataVersion() = 0;

  // The login the engine authenticated for this session, or nullopt for an engine that has
  // no users of its own (an embedded file), where the operating system's login stands.
  virtual std::optional<std::string> SessionUser() = 0;
};

}  // namespace dba
