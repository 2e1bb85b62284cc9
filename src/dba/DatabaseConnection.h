#pragma once

#include "basis/Export.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "basis/Variant.h"
#include "dba/DatabaseFile.h"
#include "dba/DynamicArray.h"

namespace dba {

class Storage;
class QueryEngine;

// The connection a host hands to the control as TheDatabase.
class DELVARO_EXPORT DatabaseConnection {
 public:
  explicit DatabaseConnection(std::shared_ptr<Storage> storage);
  ~DatabaseConnection();

  // An unknown file raises kFileNotFound naming it.
  std::shared_ptr<DatabaseFile> OpenFile(const std::string& name);

  // request: the whole text of a request array (attribute 1 the statement, 2 the file,
  // 3 the column list such as "0 1"). options and outValue are accepted and unused.
  // The result holds one attribute per row and one value per requested column.
  std::shared_ptr<DynamicArray> ExecuteQuery(const std::string& request,
                                             const basis::Variant& options, long& outValue);
  // The text of the result ExecuteQuery would give, without building the array: for a
  // tool that writes the result out once.
  std::string ExecuteQueryText(const std::string& request);

  // For the tools and tests.
  void CreateFile(const std::string& name);
  std::vector<std::string> ListFiles();
  Storage& GetStorage() { return *storage_; }
  // See Storage::DataVersion and Storage::SessionUser.
  std::uint64_t DataVersion();
  std::optional<std::string> SessionUser();

 private:
  std::shared_ptr<Storage> storage_;
  std::unique_ptr<QueryEngine> queries_;
};

}  // namespace dba
