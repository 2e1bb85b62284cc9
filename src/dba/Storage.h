#pragma once

#include <functional>
#include <optional>
#include <string>
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
};

}  // namespace dba
