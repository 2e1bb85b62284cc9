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

// What the record store needs from an engine. Keys compare bytewise. Every write runs
// inside a write transaction; a write made outside one is a transaction of its own.
class Storage {
 public:
  virtual ~Storage() = default;

  // Runs work in one write transaction: committed when work returns, rolled back when it
  // throws. A call made while a transaction is open joins it.
  virtual void WriteTransaction(const std::function<void()>& work) = 0;

  // Creating a file that exists already changes nothing.
  virtual void CreateFile(const std::string& file) = 0;
  virtual bool HasFile(const std::string& file) = 0;
  // In name order.
  virtual std::vector<std::string> ListFiles() = 0;

  virtual std::optional<std::string> Read(const std::string& file, const std::string& key) = 0;
  virtual void Write(const std::string& file, const std::string& key, const std::string& body) = 0;
  // Deleting a missing record changes nothing.
  virtual void Delete(const std::string& file, const std::string& key) = 0;
  // The records of the range in key order, read through the key index.
  virtual std::vector<StoredRecord> Scan(const std::string& file, const KeyRange& range) = 0;
  // The same records handed one at a time to visit, which may not use this storage; the
  // texts are valid only during the call, so a long range is never held whole. What visit
  // throws ends the scan and goes to the caller.
  using RecordVisitor = std::function<void(std::string_view key, std::string_view body)>;
  virtual void ScanEach(const std::string& file, const KeyRange& range,
                        const RecordVisitor& visit) {
    for (const StoredRecord& record : Scan(file, range))
      visit(record.key, record.body);
  }

  // A number that differs from every earlier answer once a write has been committed since,
  // through this connection or any other (another process, another workstation), and
  // once this connection has written, even before its commit. What a
  // caller derived from the data (sort keys, results, a list on screen) stays valid while
  // the number stays the same. Cheap enough to ask before every query.
  virtual std::uint64_t DataVersion() = 0;

  // The login the engine authenticated for this session, or nullopt for an engine that has
  // no users of its own (an embedded file), where the operating system's login stands.
  virtual std::optional<std::string> SessionUser() = 0;
};

}  // namespace dba
