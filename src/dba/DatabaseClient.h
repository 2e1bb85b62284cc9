#pragma once

#include "basis/Export.h"

#include <memory>
#include <string>

#include "dba/DatabaseConnection.h"

namespace dba {

// Opens connections: "sqlite:PATH" (the file is created when absent) or
// "sqlite::memory:" (a private in-memory store).
class DELVARO_EXPORT DatabaseClient {
 public:
  std::shared_ptr<DatabaseConnection> Connect(const std::string& address);
};

}  // namespace dba
