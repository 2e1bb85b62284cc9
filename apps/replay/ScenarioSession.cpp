#include "replay/ScenarioSession.h"

#include "basis/Error.h"
#include "control/ProcessState.h"
#include "dba/JsonLines.h"
#include "replay/ScriptError.h"
#include "replay/ScriptWords.h"
#include "rights/UserRights.h"

namespace scenario {

namespace {

constexpr const char* kScreenKey = "DOSAIDANTSECTEUR";

}  // namespace

std::string ScenarioSession::ErrorText(const basis::Error& error) {
  return std::to_string(error.Number()) + " " + error.Description();
}

ScenarioSession::ScenarioSession(std::shared_ptr<dba::DatabaseConnection> database,
                                 std::shared_ptr<dba::DatabaseClient> client,
                                 std::string scriptName, ScenarioOutcome& outcome)
    : database_(std::move(database)),
      client_(std::move(client)),
      scriptName_(std::move(scriptName)),
      outcome_(outcome) {
  TheProcess = ProcessState{};
}

ScenarioSession::~ScenarioSession() {
  control_.reset();
  TheProcess = ProcessState{};
}

void ScenarioSession::Execute(const ScriptCommand& command) {
  switch (command.verb) {
    case Verb::Record:
      PutRecord(command);
      break;
    case Verb::Level:
      level_ = static_cast<std::int32_t>(command.number);
      break;
    case Verb::Open:
      Open(command);
      break;
    case Verb::Answer:
      QueueAnswer(command);
      break;
    case Verb::Close:
      Close(command);
      break;
    case Verb::Type:
    case Verb::Edit:
    case Verb::Key:
    case Verb::Leave:
    case Verb::Pick:
    case Verb::Select:
    case Verb::DblClick:
    case Verb::Click:
    case Verb::Menu:
    case Verb::RightClick:
    case Verb::Tab:
      Act(command);
      break;
    default:
      Check(command);
  }
}

void ScenarioSession::Finish() {
  for (int line : answerLines_)
    Judge(line, false, "a question for this answer", "none");
  answerLines_.clear();
}

void ScenarioSession::PutRecord(const ScriptCommand& command) {
  try {
    dba::JsonLines::Load(*database_, command.text);
  } catch (const basis::Error& error) {
    throw ScriptError(command.line, "record a échoué : " + ErrorText(error));
  }
}

// A new host window: the one still open, if any, is destroyed first, as a host that
// shows one aidant at a time does.
void ScenarioSession::Open(const ScriptCommand& command) {
  if (control_)
    Destroy(Window::Closed);
  control_ = std::make_unique<Ctr_Sectorisation>(host_, host_, ++windowsOpened_);
  window_ = Window::Open;
  windowLine_ = command.line;
  auto rights = std::make_shared<rights::UserRights>();
  rights->Grant(kScreenKey, level_);
  const char* step = "TheDatabase";
  try {
    control_->TheDatabase(database_);
    step = "TheClient";
    control_->TheClient(client_);
    step = "DroitsUtilisateur";
    control_->DroitsUtilisateur(rights);
    control_->W_Code = command.widget;
    step = "Init";
    control_->Init();
  } catch (const basis::Error& error) {
    throw ScriptError(command.line, std::string(step) + " a échoué : " + ErrorText(error));
  }
}

// The person closes the window: the control asks what Retour asks and may keep it open.
// What it unloads while closing is the window closed here.
void ScenarioSession::Close(const ScriptCommand& command) {
  Ctr_Sectorisation& control = OpenControl(command);
  const bool mayClose =
      control.W_SortirSectorisation == basis::True || control.UserControl.UserQueryUnload();
  if (mayClose) {
    unloadCursor_ = host_.Events().size();
    windowLine_ = command.line;
    Destroy(Window::Closed);
  }
  AfterUserAction(command.line);
}

void ScenarioSession::QueueAnswer(const ScriptCommand& command) {
  host_.QueueAnswer(static_cast<int>(command.number));
  answerLines_.push_back(command.line);
}

void ScenarioSession::Destroy(Window how) {
  lastSortir_ = control_->W_SortirSectorisation;
  control_.reset();
  window_ = how;
}

void ScenarioSession::Act(const ScriptCommand& command) {
  UserAction(command);
  AfterUserAction(command.line);
}

void ScenarioSession::UserAction(const ScriptCommand& command) {
  switch (command.verb) {
    case Verb::Type:
      WidgetAs<forms::TextWidget>(command, "une zone de texte").UserType(command.text);
      break;
    case Verb::Edit:
      WidgetAs<forms::TextWidget>(command, "une zone de texte").UserEdit(command.text);
      break;
    case Verb::Key:
      WidgetAs<forms::TextWidget>(command, "une zone de texte")
          .UserKeyPress(static_cast<basis::Integer>(command.number));
      break;
    case Verb::Leave:
      WidgetAs<forms::TextWidget>(command, "une zone de texte").UserLeave();
      break;
    case Verb::Pick: {
      auto& combo = WidgetAs<forms::ComboBox>(command, "une liste déroulante");
      int index = static_cast<int>(command.number);
      if (!command.hasNumber) {
        for (index = 0; index < combo.ListCount() && combo.List(index) != command.text; ++index) {
        }
      }
      if (index >= combo.ListCount()) {
        const std::string entry =
            command.hasNumber ? std::to_string(index) : QuoteText(command.text);
        throw ScriptError(command.line, command.widget + " n'a pas d'entrée " + entry + " (" +
                                            std::to_string(combo.ListCount()) + " entrées)");
      }
      combo.UserPick(index);
      break;
    }
    case Verb::Select:
      WidgetAs<forms::ListBox>(command, "une liste").UserSelect(command.indexes);
      break;
    case Verb::DblClick:
      WidgetAs<forms::ListBox>(command, "une liste").UserDblClick();
      break;
    case Verb::Click:
      if (auto list = dynamic_cast<forms::ListBox*>(&FindWidget(command)))
        list->UserClick();
      else
        WidgetAs<forms::CommandButton>(command, "un bouton").UserClick();
      break;
    case Verb::Menu:
      WidgetAs<forms::Menu>(command, "un menu").UserClick();
      break;
    case Verb::RightClick:
      OpenControl(command).UserControl.UserMouseDown(static_cast<basis::Integer>(command.number));
      break;
    case Verb::Tab:
      OpenControl(command).Ong_Sectorisation.UserShowTab(static_cast<int>(command.number));
      break;
    default:
      break;
  }
}

// The host destroys the window the user action unloaded, once the action has returned.
void ScenarioSession::AfterUserAction(int line) {
  const auto& events = host_.Events();
  for (; unloadCursor_ < events.size(); ++unloadCursor_) {
    if (events[unloadCursor_].kind == forms::HostEvent::Kind::Unload && control_) {
      windowLine_ = line;
      Destroy(Window::Unloaded);
    }
  }
  while (answerLines_.size() > host_.PendingAnswers())
    answerLines_.pop_front();
}

Ctr_Sectorisation& ScenarioSession::OpenControl(const ScriptCommand& command) {
  if (control_)
    return *control_;
  switch (window_) {
    case Window::Unloaded:
      throw ScriptError(command.line, "aucune fenêtre ouverte : elle a été déchargée ligne " +
                                          std::to_string(windowLine_));
    case Window::Closed:
      throw ScriptError(command.line, "aucune fenêtre ouverte : elle a été fermée ligne " +
                                          std::to_string(windowLine_));
    default:
      throw ScriptError(command.line, "aucune fenêtre ouverte : open CODE d'abord");
  }
}

forms::Widget& ScenarioSession::FindWidget(const ScriptCommand& command) {
  forms::Widget* widget = OpenControl(command).UserControl.Find(command.widget);
  if (!widget && command.widget == control_->Mnu_Sommaire.Name())
    widget = &control_->Mnu_Sommaire;
  if (!widget)
    throw ScriptError(command.line, "widget inconnu : " + command.widget);
  return *widget;
}

template <typename Kind>
Kind& ScenarioSession::WidgetAs(const ScriptCommand& command, const char* kindName) {
  auto widget = dynamic_cast<Kind*>(&FindWidget(command));
  if (!widget)
    throw ScriptError(command.line, command.widget + " n'est pas " + kindName);
  return *widget;
}

}  // namespace scenario
