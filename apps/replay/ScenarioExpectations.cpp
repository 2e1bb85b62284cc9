#include "basis/Error.h"
#include "dba/DatabaseConnection.h"
#include "dba/DatabaseFile.h"
#include "dba/Marks.h"
#include "replay/ScenarioSession.h"
#include "replay/ScriptError.h"
#include "replay/ScriptWords.h"
#include "replay/WidgetProperty.h"

namespace scenario {

namespace {

using forms::HostEvent;

// An element of a record as a script writes it: the values of a whole attribute
// separated by ], the subvalues of a value by \ (the marks themselves cannot be typed).
std::string ElementText(const std::string& element) {
  std::string text;
  for (char c : element) {
    if (c == dba::kValueMark)
      text += ']';
    else if (c == dba::kSubvalueMark)
      text += '\\';
    else
      text += c;
  }
  return text;
}

std::string MessageText(const HostEvent& message) {
  return "message " + QuoteText(message.text) + " " + std::to_string(message.style);
}

std::size_t NextOfKind(const std::vector<HostEvent>& events, std::size_t from,
                       HostEvent::Kind kind) {
  while (from < events.size() && events[from].kind != kind)
    ++from;
  return from;
}

}  // namespace

void ScenarioSession::Check(const ScriptCommand& command) {
  switch (command.verb) {
    case Verb::ExpectProperty:
      CheckProperty(command);
      break;
    case Verb::ExpectMessage:
      CheckMessage(command);
      break;
    case Verb::ExpectNoMessage:
      CheckNoMessage(command);
      break;
    case Verb::ExpectBeep:
      CheckBeep(command);
      break;
    case Verb::ExpectHelp:
      CheckHelp(command);
      break;
    case Verb::ExpectSortir:
      CheckSortir(command);
      break;
    case Verb::ExpectUnloaded:
      CheckUnloaded(command);
      break;
    case Verb::ExpectRecord:
      CheckRecord(command);
      break;
    default:
      break;
  }
}

void ScenarioSession::Judge(int line, bool passed, const std::string& expected,
                            const std::string& got) {
  if (passed) {
    ++outcome_.passed;
    return;
  }
  ++outcome_.failed;
  outcome_.report.push_back(scriptName_ + ":" + std::to_string(line) + ": expected " + expected +
                            ", got " + got);
}

void ScenarioSession::CheckProperty(const ScriptCommand& command) {
  const forms::Widget& widget = FindWidget(command);
  const WidgetProperty& property = *WidgetProperty::Named(command.property);
  const bool isText = property.ValueForm() == WidgetProperty::Form::Text;
  auto shown = [&](const std::string& value) { return isText ? QuoteText(value) : value; };
  std::string target = command.widget + "." + command.property;
  if (property.Indexed())
    target.append("(").append(std::to_string(command.propertyIndex)).append(")");
  const std::string expected = target + " " + shown(command.text);
  std::optional<std::string> actual;
  try {
    actual = property.ReadFrom(widget, command.propertyIndex);
  } catch (const basis::Error& error) {
    Judge(command.line, false, expected, "error " + ErrorText(error));
    return;
  }
  if (!actual)
    throw ScriptError(command.line, command.widget + " n'a pas de propriété " + command.property);
  Judge(command.line, *actual == command.text, expected, shown(*actual));
}

void ScenarioSession::CheckMessage(const ScriptCommand& command) {
  const auto& events = host_.Events();
  std::string expected = "message " + QuoteText(command.text);
  if (command.hasNumber)
    expected.append(" ").append(std::to_string(command.number));
  messageCursor_ = NextOfKind(events, messageCursor_, HostEvent::Kind::Message);
  if (messageCursor_ == events.size()) {
    Judge(command.line, false, expected, "no message");
    return;
  }
  const HostEvent& message = events[messageCursor_++];
  const bool passed =
      message.text == command.text && (!command.hasNumber || message.style == command.number);
  Judge(command.line, passed, expected, MessageText(message));
}

// A message nobody expected is reported once: afterwards every message counts as checked.
void ScenarioSession::CheckNoMessage(const ScriptCommand& command) {
  const auto& events = host_.Events();
  const std::size_t next = NextOfKind(events, messageCursor_, HostEvent::Kind::Message);
  messageCursor_ = events.size();
  Judge(command.line, next == events.size(), "no message",
        next == events.size() ? "" : MessageText(events[next]));
}

void ScenarioSession::CheckBeep(const ScriptCommand& command) {
  const auto& events = host_.Events();
  const bool beeped = NextOfKind(events, beepCursor_, HostEvent::Kind::Beep) < events.size();
  beepCursor_ = events.size();
  Judge(command.line, beeped, "beep", "none");
}

void ScenarioSession::CheckHelp(const ScriptCommand& command) {
  const auto& events = host_.Events();
  const std::string expected = "help " + std::to_string(command.number);
  for (auto event = events.rbegin(); event != events.rend(); ++event) {
    if (event->kind == HostEvent::Kind::Help) {
      Judge(command.line, event->command == command.number, expected,
            "help " + std::to_string(event->command));
      return;
    }
  }
  Judge(command.line, false, expected, "no help call");
}

void ScenarioSession::CheckSortir(const ScriptCommand& command) {
  const std::string expected = "W_SortirSectorisation " + command.text;
  if (window_ == Window::None) {
    Judge(command.line, false, expected, "no window");
    return;
  }
  const basis::Boolean sortir = control_ ? control_->W_SortirSectorisation : lastSortir_;
  const std::string actual = WidgetProperty::BooleanText(sortir != basis::False);
  Judge(command.line, actual == command.text, expected, actual);
}

void ScenarioSession::CheckUnloaded(const ScriptCommand& command) {
  Judge(command.line, window_ == Window::Unloaded, "unloaded", WindowState());
}

std::string ScenarioSession::WindowState() const {
  switch (window_) {
    case Window::None:
      return "no window";
    case Window::Open:
      return "window still open";
    case Window::Unloaded:
      return "unloaded";
    case Window::Closed:
      return "window closed by the host at line " + std::to_string(windowLine_);
  }
  return "";
}

void ScenarioSession::CheckRecord(const ScriptCommand& command) {
  std::string address = std::to_string(command.attribute);
  if (command.value > 0)
    address.append(".").append(std::to_string(command.value));
  const std::string expected =
      "record " + command.file + " " + command.key + " " + address + " " + QuoteText(command.text);
  std::string actual;
  try {
    auto record = database_->OpenFile(command.file)->ReadRecord(command.key);
    actual = ElementText(record->Extract(command.attribute, command.value).Text());
  } catch (const basis::Error& error) {
    Judge(command.line, false, expected,
          error.Number() == basis::kRecordNotFound ? "no record" : "error " + ErrorText(error));
    return;
  }
  Judge(command.line, actual == command.text, expected, QuoteText(actual));
}

}  // namespace scenario
