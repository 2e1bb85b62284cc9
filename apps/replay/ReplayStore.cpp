#include "replay/ReplayStore.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "basis/Error.h"
#include "common/DatabaseAddress.h"
#include "common/DemoData.h"
#include "dba/JsonLines.h"

namespace scenario {

ReplayStore ReplayStore::Demo() {
  ReplayStore store;
  store.demo_ = true;
  return store;
}

ReplayStore ReplayStore::FromData(const std::vector<std::string>& paths) {
  ReplayStore store;
  for (const std::string& path : paths) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    if (!file || !(text << file.rdbuf()))
      throw basis::Error(basis::kInvalidProcedureCall, "impossible de lire " + path);
    store.data_.push_back({path, text.str()});
  }
  return store;
}

ReplayStore ReplayStore::FromDatabase(const std::string& argument) {
  const std::string address = appsupport::DatabaseAddress::FromArgument(argument);
  const std::optional<std::string> file = appsupport::DatabaseAddress::FileOf(address);
  std::error_code error;
  if (file && !std::filesystem::is_regular_file(*file, error))
    throw basis::Error(basis::kInvalidProcedureCall, "base de données introuvable : " + *file);
  ReplayStore store;
  store.databaseAddress_ = address;
  return store;
}

std::shared_ptr<dba::DatabaseConnection> ReplayStore::ConnectionForScript() const {
  if (!databaseAddress_.empty())
    return client_->Connect(databaseAddress_);
  auto connection = client_->Connect("sqlite::memory:");
  if (demo_)
    appsupport::DemoData::Load(*connection);
  for (const DataFile& data : data_) {
    try {
      dba::JsonLines::Load(*connection, data.text);
    } catch (const basis::Error& error) {
      throw basis::Error(error.Number(), data.path + " : " + error.Description());
    }
  }
  return connection;
}

}  // namespace scenario
