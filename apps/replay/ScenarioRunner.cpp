#include "replay/ScenarioRunner.h"

#include "basis/Error.h"
#include "dba/DatabaseClient.h"
#include "forms/UnscriptedQuestion.h"
#include "replay/ScenarioSession.h"
#include "replay/ScriptError.h"
#include "replay/ScriptParser.h"

namespace scenario {

ScenarioRunner::ScenarioRunner(std::shared_ptr<dba::DatabaseConnection> database,
                               std::shared_ptr<dba::DatabaseClient> client)
    : database_(std::move(database)),
      client_(client ? std::move(client) : std::make_shared<dba::DatabaseClient>()) {}

ScenarioOutcome ScenarioRunner::Run(const std::string& scriptName,
                                    std::string_view scriptText) const {
  ScenarioOutcome outcome;
  int line = 0;
  auto stop = [&](int at, const std::string& reason) {
    outcome.stopped = true;
    outcome.report.push_back(scriptName + ":" + std::to_string(at) + ": " + reason);
  };
  try {
    const std::vector<ScriptCommand> commands = ParseScript(scriptText);
    ScenarioSession session(database_, client_, scriptName, outcome);
    for (const ScriptCommand& command : commands) {
      line = command.line;
      session.Execute(command);
    }
    session.Finish();
  } catch (const ScriptError& error) {
    stop(error.Line(), error.what());
  } catch (const forms::UnscriptedQuestion& error) {
    stop(line, error.what());
  } catch (const basis::Error& error) {
    stop(line, "erreur " + std::to_string(error.Number()) + " " + error.Description());
  } catch (const std::exception& error) {
    stop(line, std::string("erreur inattendue : ") + error.what());
  }
  return outcome;
}

}  // namespace scenario
