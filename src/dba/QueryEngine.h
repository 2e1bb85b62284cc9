#pragma once

#include <memory>
#include <string>

#include "dba/DynamicArray.h"
#include "dba/FrenchCollation.h"

namespace dba {

class Storage;

// Answers query requests on one store: one attribute per selected record, one value per
// requested column.
class QueryEngine {
 public:
  explicit QueryEngine(Storage& storage) : storage_(storage) {}

  std::shared_ptr<DynamicArray> Execute(const std::string& request);

 private:
  Storage& storage_;
  FrenchCollation collation_;
};

}  // namespace dba
