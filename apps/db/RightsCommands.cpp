#include "RightsCommands.h"

#include "DbCommandLine.h"
#include "rights/AccessLevel.h"
#include "rights/RightsStore.h"

namespace {

std::string Quoted(const std::string& text) {
  return "« " + text + " »";
}

}  // namespace

bool RightsCommands::Handles(const std::string& command) {
  return command == "rights" || command == "grant" || command == "revoke";
}

void RightsCommands::Check(const std::string& command, const std::vector<std::string>& operands) {
  if (command == "grant" && operands.size() == 3 && !rights::ParseAccessLevel(operands[2]))
    throw DbCommandLine::UsageError("le niveau doit être 0, 1 ou 2, pas " + Quoted(operands[2]));
}

void RightsCommands::Run(const std::string& command, const std::vector<std::string>& operands) {
  if (command == "rights")
    Show(operands[0]);
  else if (command == "grant")
    Grant(operands[0], operands[1], operands[2]);
  else
    Revoke(operands[0], operands[1]);
}

void RightsCommands::Show(const std::string& login) {
  const rights::LoginRights found = rights::RightsStore(connection_).Find(login);
  if (found.recordKey.empty()) {
    out_ << Quoted(login) << " n'a aucun droit (ni enregistrement propre ni "
         << Quoted(rights::RightsStore::kEveryLogin) << ") : niveau 0 sur tous les écrans.\n";
    return;
  }
  if (login == rights::RightsStore::kEveryLogin)
    out_ << "Droits de tout identifiant sans enregistrement propre ("
         << Quoted(rights::RightsStore::kEveryLogin) << ") :\n";
  else if (found.recordKey == login)
    out_ << "Droits de " << Quoted(login) << " (son propre enregistrement) :\n";
  else
    out_ << "Droits de " << Quoted(login) << " (ceux de " << Quoted(found.recordKey) << ", "
         << Quoted(login) << " n'ayant pas d'enregistrement propre) :\n";
  std::vector<std::string> problems;
  const std::vector<rights::ScreenGrant> grants = found.record.Grants(problems);
  for (const rights::ScreenGrant& grant : grants)
    out_ << grant.screen << '\t' << grant.level << '\n';
  if (grants.empty())
    out_ << "aucun écran : niveau 0 sur tous les écrans\n";
  for (const std::string& problem : problems)
    err_ << "delvaro-db : attention, " << problem << '\n';
}

void RightsCommands::Grant(const std::string& login, const std::string& screen,
                           const std::string& level) {
  rights::RightsStore store(connection_);
  const std::string before = store.Find(login).recordKey;
  store.Grant(login, screen, *rights::ParseAccessLevel(level));
  out_ << Quoted(login) << " : niveau " << level << " sur " << screen << '.'
       << OwnRecordNote(before, login) << '\n';
}

void RightsCommands::Revoke(const std::string& login, const std::string& screen) {
  rights::RightsStore store(connection_);
  const std::string before = store.Find(login).recordKey;
  if (store.Revoke(login, screen))
    out_ << Quoted(login) << " : plus aucun droit sur " << screen << " (niveau 0)."
         << OwnRecordNote(before, login) << '\n';
  else
    out_ << Quoted(login) << " n'avait aucun droit sur " << screen << " : rien n'est changé.\n";
}

std::string RightsCommands::OwnRecordNote(const std::string& recordKeyBefore,
                                          const std::string& login) {
  if (recordKeyBefore == login)
    return "";
  if (recordKeyBefore.empty())
    return " Enregistrement propre créé.";
  return " Enregistrement propre créé à partir de " + Quoted(recordKeyBefore) +
         ", dont les changements ne le concerneront plus.";
}
