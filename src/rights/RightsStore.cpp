#include "rights/RightsStore.h"

#include <vector>

#include "basis/Error.h"
#include "dba/Storage.h"

namespace rights {
namespace {

// What step gives, or nullptr when it raises the store's error number absent.
template <class Step>
auto UnlessAbsent(long absent, Step step) -> decltype(step()) {
  try {
    return step();
  } catch (const basis::Error& error) {
    if (error.Number() == absent)
      return nullptr;
    throw;
  }
}

std::shared_ptr<dba::DatabaseFile> OpenIfPresent(dba::DatabaseConnection& connection) {
  return UnlessAbsent(basis::kFileNotFound,
                      [&] { return connection.OpenFile(RightsStore::kFile); });
}

std::shared_ptr<dba::DynamicArray> ReadIfPresent(dba::DatabaseFile& file, const std::string& key) {
  return UnlessAbsent(basis::kRecordNotFound, [&] { return file.ReadRecord(key); });
}

// Creating only what is missing: a role that may write records but not create files
// still changes the rights of an existing file.
std::shared_ptr<dba::DatabaseFile> OpenCreatingIfMissing(dba::DatabaseConnection& connection) {
  if (const auto file = OpenIfPresent(connection))
    return file;
  connection.CreateFile(RightsStore::kFile);
  return connection.OpenFile(RightsStore::kFile);
}

}  // namespace

LoginRights RightsStore::Find(const std::string& login) {
  const auto file = OpenIfPresent(connection_);
  if (!file)
    return {};
  for (const std::string& key : {login, std::string(kEveryLogin)})
    if (const auto record = ReadIfPresent(*file, key))
      return {key, RightsRecord(*record)};
  return {};
}

std::shared_ptr<UserRights> RightsStore::Load(const std::string& login, std::ostream& warnings) {
  const LoginRights found = Find(login);
  if (found.recordKey.empty())
    warnings << "aucun droit enregistré pour « " << login << " » (ni « " << login << " » ni « "
             << kEveryLogin << " » dans " << kFile << ") : niveau 0 sur tous les écrans\n";
  std::vector<std::string> problems;
  auto rights = std::make_shared<UserRights>();
  for (const ScreenGrant& grant : found.record.Grants(problems))
    rights->Grant(grant.screen, grant.level);
  for (const std::string& problem : problems)
    warnings << "droits de « " << login << " » (enregistrement « " << found.recordKey << " » de "
             << kFile << ") : " << problem << '\n';
  return rights;
}

void RightsStore::Grant(const std::string& login, const std::string& screen, std::int32_t level) {
  Change(login, [&](RightsRecord& record) {
    record.Set(screen, level);
    return true;
  });
}

bool RightsStore::Revoke(const std::string& login, const std::string& screen) {
  return Change(login, [&](RightsRecord& record) { return record.Remove(screen); });
}

bool RightsStore::Change(const std::string& login,
                         const std::function<bool(RightsRecord&)>& change) {
  bool changed = false;
  connection_.GetStorage().WriteTransaction([&] {
    const auto file = OpenCreatingIfMissing(connection_);
    if (const auto own = ReadIfPresent(*file, login)) {
      RightsRecord record(*own);
      changed = change(record);
      if (changed) {
        record.WriteTo(*own);
        own->DBWrite();
      }
      return;
    }
    const auto everyLogin = ReadIfPresent(*file, kEveryLogin);
    RightsRecord record = everyLogin ? RightsRecord(*everyLogin) : RightsRecord();
    changed = change(record);
    if (changed) {
      dba::DynamicArray fresh;
      record.WriteTo(fresh);
      file->WriteRecord(login, fresh);
    }
  });
  return changed;
}

}  // namespace rights
