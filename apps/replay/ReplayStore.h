#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "dba/DatabaseClient.h"
#include "dba/DatabaseConnection.h"

namespace scenario {

// Where the scripts of one run of delvaro-replay find their records: the embedded demo
// data or JSON Lines files, loaded into a fresh in-memory store for each script so that
// scripts do not see each other's writes, or a database file used as it is.
class ReplayStore {
 public:
  static ReplayStore Demo();
  // Reads the files now; an unreadable file raises basis::Error naming it.
  static ReplayStore FromData(const std::vector<std::string>& paths);
  // A database file that does not exist raises basis::Error rather than being created.
  static ReplayStore FromDatabase(const std::string& argument);

  std::shared_ptr<dba::DatabaseClient> Client() const { return client_; }
  // The store for the next script. Data that does not load raises basis::Error naming
  // its file.
  std::shared_ptr<dba::DatabaseConnection> ConnectionForScript() const;

 private:
  struct DataFile {
    std::string path;
    std::string text;
  };

  ReplayStore() = default;

  std::shared_ptr<dba::DatabaseClient> client_ = std::make_shared<dba::DatabaseClient>();
  std::string databaseAddress_;  // empty: a fresh in-memory store
  bool demo_ = false;
  std::vector<DataFile> data_;
};

}  // namespace scenario
