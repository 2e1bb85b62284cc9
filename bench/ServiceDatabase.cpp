#include "ServiceDatabase.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <map>

#include "dba/DatabaseClient.h"
#include "dba/SqliteStorage.h"

std::string ServiceDatabase::TemporaryPath(const std::string& name) {
  return (std::filesystem::temp_directory_path() /
          ("delvaro-bench-" + std::to_string(getpid()) + "-" + name))
      .string();
}

void ServiceDatabase::Remove(const std::string& path) {
  for (const char* suffix : {"", "-wal", "-shm"})
    std::filesystem::remove(path + suffix);
}

ServiceDatabase& ServiceDatabase::Of(const std::string& scale) {
  static std::map<std::string, std::unique_ptr<ServiceDatabase>> databases;
  auto& database = databases[scale];
  if (!database) {
    database.reset(new ServiceDatabase(scale == "stress" ? servicedata::ServiceScale::Stress()
                                                         : servicedata::ServiceScale::Office()));
  }
  return *database;
}

ServiceDatabase::ServiceDatabase(servicedata::ServiceScale scale)
    : generator_(std::move(scale)), path_(TemporaryPath(generator_.Scale().name + ".db")) {
  Remove(path_);
  const auto start = std::chrono::steady_clock::now();
  const long records = generator_.Load(
      *dba::DatabaseClient().Connect("sqlite:" + path_, dba::OpenMode::kCreateIfMissing));
  std::cerr << "# " << generator_.Scale().name << ": " << records << " records generated in "
            << std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count()
            << " s\n";
  recorder_ = std::make_shared<RecordingStorage>(std::make_shared<dba::SqliteStorage>(path_));
}

ServiceDatabase::~ServiceDatabase() {
  Remove(path_);
}

std::shared_ptr<dba::DatabaseConnection> ServiceDatabase::Connect() {
  return std::make_shared<dba::DatabaseConnection>(recorder_);
}
