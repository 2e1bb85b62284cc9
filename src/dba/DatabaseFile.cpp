#include "dba/DatabaseFile.h"

#include "basis/Error.h"
#include "dba/RecordBinding.h"
#include "dba/Storage.h"
#include "dba/StoreNames.h"

namespace dba {

DatabaseFile::DatabaseFile(std::shared_ptr<Storage> storage, std::string name)
    : storage_(std::move(storage)), name_(std::move(name)) {}

std::shared_ptr<DynamicArray> DatabaseFile::ReadRecord(const std::string& key) {
  std::optional<std::string> text = storage_->Read(name_, key);
  if (!text) {
    throw basis::Error(basis::kRecordNotFound,
                       "Enregistrement introuvable : " + key + " dans le fichier " + name_);
  }
  auto record = std::make_shared<DynamicArray>(key, *text);
  // The record remembers the text as stored, which is also its own text: the store
  // only ever holds texts in the form DynamicArray writes.
  record->Bind(std::make_shared<RecordBinding>(storage_, name_, key, std::move(*text)));
  return record;
}

void DatabaseFile::WriteRecord(const std::string& key, const DynamicArray& record) {
  StoreNames::CheckKey(key);
  storage_->Write(name_, key, record.Text());
}

void DatabaseFile::DeleteRecord(const std::string& key) {
  storage_->Delete(name_, key);
}

std::vector<std::string> DatabaseFile::ListKeys() {
  std::vector<std::string> keys;
  storage_->ScanEach(name_, KeyRange::All(),
                     [&](std::string_view key, std::string_view) { keys.emplace_back(key); });
  return keys;
}

}  // namespace dba
