#include "host/HostRights.h"

#include <QLabel>
#include <QStatusBar>
#include <sstream>

#include "host/HostOptions.h"
#include "rights/AccessLevel.h"
#include "rights/RightsStore.h"
#include "rights/SessionLogin.h"

namespace host {
namespace {

constexpr const char* kScreenKey = "DOSAIDANTSECTEUR";

}  // namespace

int EffectiveLevel(int storedLevel, std::optional<int> requested, const std::string& login) {
  if (!requested)
    return storedLevel;
  if (*requested < rights::kNoAccess || *requested > rights::kMayModify)
    throw UsageError("--level attend 0, 1 ou 2, pas " + std::to_string(*requested));
  if (*requested > storedLevel)
    throw UsageError("--level " + std::to_string(*requested) + " refusé : « " + login +
                     " » n'a que le niveau " + std::to_string(storedLevel) + " sur l'écran " +
                     kScreenKey + " ; --level peut abaisser ce niveau, jamais l'élever");
  return *requested;
}

HostRights LoadHostRights(dba::DatabaseConnection& connection, std::optional<int> requested,
                          std::ostream& warnings) {
  HostRights session;
  session.login = rights::SessionLogin(connection);
  std::ostringstream problems;
  session.rights = rights::RightsStore(connection).Load(session.login, problems);
  std::istringstream lines(problems.str());
  for (std::string line; std::getline(lines, line);)
    warnings << "delvaro-host : " << line << '\n';
  const auto screen = session.rights->RightsFor(kScreenKey);
  session.storedLevel = screen->AccessLevel();
  session.level = EffectiveLevel(session.storedLevel, requested, session.login);
  screen->SetAccessLevel(session.level);
  return session;
}

QString DescribeSession(const HostRights& rights) {
  QString text = QStringLiteral("Utilisateur : %1 — niveau %2 (%3")
                     .arg(QString::fromStdString(rights.login))
                     .arg(rights.level)
                     .arg(rights.level == rights::kMayModify ? QStringLiteral("modification")
                                                             : QStringLiteral("consultation"));
  if (rights.level != rights.storedLevel)
    text += QStringLiteral(", abaissé par --level ; %1 dans la base").arg(rights.storedLevel);
  return text + QLatin1Char(')');
}

void ShowSession(QMainWindow& window, const HostRights& rights) {
  auto* label = new QLabel(DescribeSession(rights));
  label->setObjectName(QStringLiteral("utilisateur"));
  window.statusBar()->addPermanentWidget(label);
}

}  // namespace host
