#pragma once

#include <memory>
#include <string>

namespace dba {

class Storage;

// Where a record was read from and the text it was read with: the base against which
// DBWrite tells this record's changes from another writer's. Immutable, so that copies
// of a record each keep the base they were read with.
class RecordBinding {
 public:
  RecordBinding(std::shared_ptr<Storage> storage, std::string file, std::string key,
                std::string readText);

  // Writes mine in one transaction, merged with what another writer stored since the
  // read, and returns the text now stored. A clash or a deleted record raises
  // kWriteConflict with nothing written.
  std::string Write(const std::string& mine) const;

  std::shared_ptr<RecordBinding> Remembering(std::string text) const;

 private:
  std::shared_ptr<Storage> storage_;
  std::string file_;
  std::string key_;
  std::string readText_;
};

}  // namespace dba
