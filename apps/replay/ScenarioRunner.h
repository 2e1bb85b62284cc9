#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "replay/ScenarioOutcome.h"

namespace dba {
class DatabaseClient;
class DatabaseConnection;
}  // namespace dba

namespace scenario {

// Plays scripts against the headless control over a given store. Each script starts
// from a fresh process-wide state and ends with its window destroyed; what it wrote
// stays in the store.
class ScenarioRunner {
 public:
  // The client is what the control is handed as TheClient.
  explicit ScenarioRunner(std::shared_ptr<dba::DatabaseConnection> database,
                          std::shared_ptr<dba::DatabaseClient> client = nullptr);

  // scriptName names the script in the report lines.
  ScenarioOutcome Run(const std::string& scriptName, std::string_view scriptText) const;

 private:
  std::shared_ptr<dba::DatabaseConnection> database_;
  std::shared_ptr<dba::DatabaseClient> client_;
};

}  // namespace scenario
