#include "dba/DatabaseConnection.h"

#include "dba/QueryEngine.h"
#include "dba/Storage.h"
#include "dba/StoreNames.h"

namespace dba {

DatabaseConnection::DatabaseConnection(std::shared_ptr<Storage> storage)
    : storage_(std::move(storage)), queries_(std::make_unique<QueryEngine>(*storage_)) {}

DatabaseConnection::~DatabaseConnection() = default;

std::shared_ptr<DatabaseFile> DatabaseConnection::OpenFile(const std::string& name) {
  StoreNames::RequireFile(*storage_, name);
  return std::make_shared<DatabaseFile>(storage_, name);
}

std::shared_ptr<DynamicArray> DatabaseConnection::ExecuteQuery(const std::string& request,
                                                               const basis::Variant&, long&) {
  return queries_->Execute(request);
}

std::string DatabaseConnection::ExecuteQueryText(const std::string& request) {
  return queries_->ExecuteText(request);
}

void DatabaseConnection::CreateFile(const std::string& name) {
  StoreNames::CheckFileName(name);
  storage_->CreateFile(name);
}

std::vector<std::string> DatabaseConnection::ListFiles() {
  return storage_->ListFiles();
}

std::uint64_t DatabaseConnection::DataVersion() {
  return storage_->DataVersion();
}

std::optional<std::string> DatabaseConnection::SessionUser() {
  return storage_->SessionUser();
}

}  // namespace dba
