#include "dba/RecordBinding.h"

#include "basis/Error.h"
#include "dba/RecordMerge.h"
#include "dba/Storage.h"

namespace dba {

RecordBinding::RecordBinding(std::shared_ptr<Storage> storage, std::string file, std::string key,
                             std::string readText)
    : storage_(std::move(storage)),
      file_(std::move(file)),
      key_(std::move(key)),
      readText_(std::move(readText)) {}

std::shared_ptr<RecordBinding> RecordBinding::Remembering(std::string text) const {
  return std::make_shared<RecordBinding>(storage_, file_, key_, std::move(text));
}

std::string RecordBinding::Write(const std::string& mine) const {
  const std::string record = "L'enregistrement " + key_ + " du fichier " + file_;
  const std::string notSaved = " : vos modifications n'ont pas été enregistrées.";
  std::string written;
  storage_->WriteTransaction([&] {
    const std::optional<std::string> stored = storage_->Read(file_, key_);
    if (!stored) {
      throw basis::Error(basis::kWriteConflict,
                         record + " a été supprimé par un autre utilisateur" + notSaved);
    }
    if (*stored == readText_) {
      written = mine;
    } else {
      RecordMerge::Outcome merged = RecordMerge::Merge(readText_, mine, *stored);
      if (merged.clashingAttribute != 0) {
        throw basis::Error(basis::kWriteConflict,
                           record + " a été modifié par un autre utilisateur (attribut " +
                               std::to_string(merged.clashingAttribute) + ")" + notSaved);
      }
      written = std::move(merged.text);
    }
    if (written != *stored)
      storage_->Write(file_, key_, written);
  });
  return written;
}

}  // namespace dba
