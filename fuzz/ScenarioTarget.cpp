#include <memory>
#include <string>

#include "FuzzRequire.h"
#include "FuzzTargets.h"
#include "common/DemoData.h"
#include "dba/DatabaseClient.h"
#include "replay/ScenarioRunner.h"

namespace fuzz {

int ScenarioTarget(const std::uint8_t* data, std::size_t size) {
  const std::string_view script(reinterpret_cast<const char*>(data), size);
  auto client = std::make_shared<dba::DatabaseClient>();
  auto connection = client->Connect("sqlite::memory:");
  appsupport::DemoData::Load(*connection);
  // The runner reports every failure of a script in its outcome; an exception or a
  // crash escaping it is the fault looked for.
  const scenario::ScenarioOutcome outcome =
      scenario::ScenarioRunner(connection, client).Run("fuzz.scn", script);
  Require(outcome.Status() >= 0 && outcome.Status() <= 2, "the outcome is a status");
  Require(!outcome.stopped || !outcome.report.empty(), "a stop says why");
  return 0;
}

}  // namespace fuzz
