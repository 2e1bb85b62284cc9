#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "qt/ActionListener.h"

namespace host {

// Writes, as the person works, the scenario lines that replay what they do: the opening
// of a screen, each action and each answer given to a question. The replayer queues an
// answer before the action that asks it, so the answers given during an action are
// written before the action's own line.
class ScriptRecorder : public qtui::ActionListener {
 public:
  // level: the access level the screens are opened with.
  ScriptRecorder(std::ostream& out, int level);

  void Opened(const std::string& code);
  void ActionDone(const std::vector<std::string>& words) override;
  void AnswerGiven(int answer) override;

 private:
  void WriteLine(const std::vector<std::string>& words);

  std::ostream& out_;
  int level_;
  bool levelWritten_ = false;
  std::vector<int> answers_;
};

}  // namespace host
