#pragma once

#include <cstddef>
#include <deque>
#include <memory>
#include <string>

#include "basis/Error.h"
#include "basis/Integer.h"
#include "control/Ctr_Sectorisation.h"
#include "forms/ScriptedHost.h"
#include "replay/ScenarioOutcome.h"
#include "replay/ScriptCommand.h"

namespace scenario {

// One script being played: the headless host, the window open in it, and what the
// expectations have already looked at. A command that cannot be carried out raises
// ScriptError; a failed expectation is only counted and reported.
class ScenarioSession {
 public:
  ScenarioSession(std::shared_ptr<dba::DatabaseConnection> database,
                  std::shared_ptr<dba::DatabaseClient> client, std::string scriptName,
                  ScenarioOutcome& outcome);
  // Destroys the window still open and empties the process-wide state.
  ~ScenarioSession();
  ScenarioSession(const ScenarioSession&) = delete;
  ScenarioSession& operator=(const ScenarioSession&) = delete;

  void Execute(const ScriptCommand& command);
  // At the end of a script played through: answers no question used are failures.
  void Finish();

 private:
  enum class Window { None, Open, Unloaded, Closed };

  // Setting the scene (ScenarioSession.cpp).
  void PutRecord(const ScriptCommand& command);
  void Open(const ScriptCommand& command);
  void QueueAnswer(const ScriptCommand& command);
  void Close(const ScriptCommand& command);
  void Destroy(Window how);
  void Act(const ScriptCommand& command);
  void UserAction(const ScriptCommand& command);
  void AfterUserAction(int line);
  Ctr_Sectorisation& OpenControl(const ScriptCommand& command);
  forms::Widget& FindWidget(const ScriptCommand& command);
  template <typename Kind>
  Kind& WidgetAs(const ScriptCommand& command, const char* kindName);

  // Expectations (ScenarioExpectations.cpp).
  void Check(const ScriptCommand& command);
  void CheckProperty(const ScriptCommand& command);
  void CheckMessage(const ScriptCommand& command);
  void CheckNoMessage(const ScriptCommand& command);
  void CheckBeep(const ScriptCommand& command);
  void CheckHelp(const ScriptCommand& command);
  void CheckSortir(const ScriptCommand& command);
  void CheckUnloaded(const ScriptCommand& command);
  void CheckRecord(const ScriptCommand& command);
  std::string WindowState() const;
  // Counts the expectation; a failure is reported as "expected ..., got ...".
  void Judge(int line, bool passed, const std::string& expected, const std::string& got);
  // "NUMBER DESCRIPTION".
  static std::string ErrorText(const basis::Error& error);

  std::shared_ptr<dba::DatabaseConnection> database_;
  std::shared_ptr<dba::DatabaseClient> client_;
  std::string scriptName_;
  ScenarioOutcome& outcome_;

  forms::ScriptedHost host_;
  std::unique_ptr<Ctr_Sectorisation> control_;
  Window window_ = Window::None;
  int windowLine_ = 0;  // where the window was opened, unloaded or closed
  long windowsOpened_ = 0;
  basis::Boolean lastSortir_ = basis::False;
  std::int32_t level_ = 2;

  // The lines of the answers queued and not yet taken by a question.
  std::deque<int> answerLines_;
  // Positions in the host's events: where the next unchecked message is looked for,
  // where the beeps not yet expected start, and where the last unload was looked for.
  std::size_t messageCursor_ = 0;
  std::size_t beepCursor_ = 0;
  std::size_t unloadCursor_ = 0;
};

}  // namespace scenario
