#include "forms/ScriptedHost.h"

#include <algorithm>
#include <iterator>

#include "forms/Menu.h"
#include "forms/MessageStyle.h"
#include "forms/UnscriptedQuestion.h"

namespace forms {
namespace {

HostEvent EventOf(HostEvent::Kind kind, const std::string& text = {}) {
  HostEvent event{};
  event.kind = kind;
  event.text = text;
  return event;
}

}  // namespace

int ScriptedHost::MsgBox(const std::string& text, int style, const std::string& title) {
  HostEvent message = EventOf(HostEvent::Kind::Message, text);
  message.style = style;
  message.title = title;
  events_.push_back(message);
  if (!IsQuestion(style)) {
    return kAnswerOk;
  }
  if (answers_.empty()) {
    throw UnscriptedQuestion(text);
  }
  const int answer = answers_.front();
  answers_.pop_front();
  return answer;
}

void ScriptedHost::Beep() {
  events_.push_back(EventOf(HostEvent::Kind::Beep));
}

void ScriptedHost::DoEvents() {
  events_.push_back(EventOf(HostEvent::Kind::DoEvents));
}

void ScriptedHost::UnloadParentWindow() {
  events_.push_back(EventOf(HostEvent::Kind::Unload));
}

void ScriptedHost::PopupMenu(Menu& menu) {
  events_.push_back(EventOf(HostEvent::Kind::Popup, menu.Name()));
}

long ScriptedHost::WinHelp(long window, const std::string& helpFile, long command, long data) {
  HostEvent call = EventOf(HostEvent::Kind::Help, helpFile);
  call.window = window;
  call.command = command;
  call.data = data;
  events_.push_back(call);
  return 1;  // the engine's "done"
}

std::vector<HostEvent> ScriptedHost::Messages() const {
  return EventsOf(HostEvent::Kind::Message);
}

std::vector<HostEvent> ScriptedHost::HelpCalls() const {
  return EventsOf(HostEvent::Kind::Help);
}

int ScriptedHost::BeepCount() const {
  return static_cast<int>(EventsOf(HostEvent::Kind::Beep).size());
}

bool ScriptedHost::Unloaded() const {
  return !EventsOf(HostEvent::Kind::Unload).empty();
}

std::vector<HostEvent> ScriptedHost::EventsOf(HostEvent::Kind kind) const {
  std::vector<HostEvent> matching;
  std::copy_if(events_.begin(), events_.end(), std::back_inserter(matching),
               [kind](const HostEvent& event) { return event.kind == kind; });
  return matching;
}

}  // namespace forms
