#pragma once

#include "basis/Export.h"

#include <memory>
#include <string>
#include <vector>

#include "dba/DynamicArray.h"

namespace dba {

class Storage;

// One open file of the record store.
class DELVARO_EXPORT DatabaseFile {
 public:
  DatabaseFile(std::shared_ptr<Storage> storage, std::string name);

  const std::string& Name() const { return name_; }

  // The record, bound to this file and key for DBWrite; a missing key raises the
  // not-found error (basis::kRecordNotFound).
  std::shared_ptr<DynamicArray> ReadRecord(const std::string& key);

  // For the tools and tests: unconditional write, delete, and the keys in key order.
  void WriteRecord(const std::string& key, const DynamicArray& record);
  void DeleteRecord(const std::string& key);
  std::vector<std::string> ListKeys();

 private:
  std::shared_ptr<Storage> storage_;
  std::string name_;
};

}  // namespace dba
