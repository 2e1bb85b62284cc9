#pragma once

#include "basis/Export.h"

#include <deque>
#include <string>
#include <vector>

#include "forms/HelpEngine.h"
#include "forms/HostServices.h"

namespace forms {

// What the headless host saw, in order.
struct HostEvent {
  enum class Kind { Message, Beep, DoEvents, Unload, Popup, Help };
  Kind kind;
  std::string text;   // message text, pop-up menu name, help file
  int style = 0;      // message style
  std::string title;  // message title
  long window = 0;    // help call
  long command = 0;   // help call
  long data = 0;      // help call
};

// The headless host services and help engine, for tests and tools. Questions (styles
// 51 and 52) take their answers from a queue; a question with none queued throws
// UnscriptedQuestion. Other boxes answer OK.
class DELVARO_EXPORT ScriptedHost : public HostServices, public HelpEngine {
 public:
  void QueueAnswer(int answer) { answers_.push_back(answer); }
  std::size_t PendingAnswers() const { return answers_.size(); }
  // Forgets the answers no question took.
  void DropAnswers() { answers_.clear(); }

  int MsgBox(const std::string& text, int style, const std::string& title) override;
  void Beep() override;
  void DoEvents() override;
  void UnloadParentWindow() override;
  void PopupMenu(Menu& menu) override;
  long WinHelp(long window, const std::string& helpFile, long command, long data) override;

  const std::vector<HostEvent>& Events() const { return events_; }
  std::vector<HostEvent> Messages() const;
  std::vector<HostEvent> HelpCalls() const;
  int BeepCount() const;
  bool Unloaded() const;
  void ClearEvents() { events_.clear(); }

 private:
  std::vector<HostEvent> EventsOf(HostEvent::Kind kind) const;

  std::deque<int> answers_;
  std::vector<HostEvent> events_;
};

}  // namespace forms
