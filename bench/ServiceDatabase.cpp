#include "ServiceDatabase.h"

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <iostream>
#include <map>
#include <stdexcept>

#include "StoreEngines.h"
#include "dba/DatabaseClient.h"

namespace {

constexpr std::string_view kFileScheme = "sqlite:";

std::string NewStore(const std::string& engine) {
  for (const StoreEngine& known : StoreEngines()) {
    if (known.name == engine)
      return known.newStore();
  }
  throw std::runtime_error("no engine " + engine + " in this build");
}

}  // namespace

std::string ServiceDatabase::TemporaryPath(const std::string& name) {
  return (std::filesystem::temp_directory_path() /
          ("delvaro-bench-" + std::to_string(getpid()) + "-" + name))
      .string();
}

void ServiceDatabase::Remove(const std::string& path) {
  for (const char* suffix : {"", "-wal", "-shm"})
    std::filesystem::remove(path + suffix);
}

ServiceDatabase& ServiceDatabase::Of(const std::string& scale, const std::string& engine) {
  static std::map<std::string, std::unique_ptr<ServiceDatabase>> databases;
  auto& database = databases[engine + "/" + scale];
  if (!database) {
    database.reset(new ServiceDatabase(scale == "stress" ? servicedata::ServiceScale::Stress()
                                                         : servicedata::ServiceScale::Office(),
                                       NewStore(engine)));
  }
  return *database;
}

ServiceDatabase::ServiceDatabase(servicedata::ServiceScale scale, std::string address)
    : generator_(std::move(scale)), address_(std::move(address)) {
  const auto start = std::chrono::steady_clock::now();
  const long records =
      generator_.Load(*dba::DatabaseClient().Connect(address_, dba::OpenMode::kCreateIfMissing));
  std::cerr << "# " << generator_.Scale().name << " on " << address_ << ": " << records
            << " records generated in "
            << std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count()
            << " s\n";
  recorder_ = std::make_shared<RecordingStorage>(dba::DatabaseClient().Connect(address_));
}

std::string ServiceDatabase::Path() const {
  if (!address_.starts_with(kFileScheme))
    throw std::logic_error(address_ + " is not an SQLite file");
  return address_.substr(kFileScheme.size());
}

std::shared_ptr<dba::DatabaseConnection> ServiceDatabase::Connect() {
  return std::make_shared<dba::DatabaseConnection>(recorder_);
}
