#pragma once

#include <memory>
#include <string>

#include "RecordingStorage.h"
#include "dba/DatabaseConnection.h"
#include "servicedata/ServiceGenerator.h"

// A generated service in a store of its own, made once per scale, engine and process and
// removed at exit; the product reaches it through a recording engine.
class ServiceDatabase {
 public:
  // The database of the scale ("office" or "stress") on the engine named as StoreEngines
  // names it: an SQLite file, or a PostgreSQL database over the Unix socket of a server
  // the process starts on first use. Generated on first use; throws std::runtime_error
  // for an engine this build does not have.
  static ServiceDatabase& Of(const std::string& scale, const std::string& engine = "SQLite");

  const servicedata::ServiceGenerator& Generator() const { return generator_; }
  // The store's address, for a connection or a tool of its own.
  const std::string& Address() const { return address_; }
  // The SQLite file; throws std::logic_error for a server database.
  std::string Path() const;
  // A new connection of the product over the store, through its recording engine.
  std::shared_ptr<dba::DatabaseConnection> Connect();
  RecordingStorage& Recorder() { return *recorder_; }

  // A path of this process under the temporary folder.
  static std::string TemporaryPath(const std::string& name);
  // Removes a database file with its journal files.
  static void Remove(const std::string& path);

 private:
  ServiceDatabase(servicedata::ServiceScale scale, std::string address);

  servicedata::ServiceGenerator generator_;
  std::string address_;
  std::shared_ptr<RecordingStorage> recorder_;
};
