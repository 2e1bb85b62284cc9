#pragma once

#include <memory>
#include <string>

#include "RecordingStorage.h"
#include "dba/DatabaseConnection.h"
#include "servicedata/ServiceGenerator.h"

// A generated service in a database file of its own, made once per scale and process and
// removed at exit; the product reaches it through a recording engine.
class ServiceDatabase {
 public:
  // The database of the scale ("office" or "stress"), generated on first use.
  static ServiceDatabase& Of(const std::string& scale);

  const servicedata::ServiceGenerator& Generator() const { return generator_; }
  const std::string& Path() const { return path_; }
  // A new connection of the product over the file, with its recording engine.
  std::shared_ptr<dba::DatabaseConnection> Connect();
  RecordingStorage& Recorder() { return *recorder_; }

  ~ServiceDatabase();

  // A path of this process under the temporary folder.
  static std::string TemporaryPath(const std::string& name);
  // Removes a database file with its journal files.
  static void Remove(const std::string& path);

 private:
  explicit ServiceDatabase(servicedata::ServiceScale scale);

  servicedata::ServiceGenerator generator_;
  std::string path_;
  std::shared_ptr<RecordingStorage> recorder_;
};
