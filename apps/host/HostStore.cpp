#include "host/HostStore.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>
#include <algorithm>
#include <optional>
#include <vector>

#include "basis/Error.h"
#include "common/DatabaseAddress.h"
#include "common/DemoData.h"

namespace host {
namespace {

constexpr const char* kSqliteScheme = "sqlite:";

const char* const kScreenFiles[] = {"CIVILAIDANT",     "TABLES",   "SECTEUR",
                                    "SOUSSECTEUR",     "QUARTIER", "CENTREMEDICAL",
                                    "ANTENNEMEDICALE", "COMMUNES", "COMPTEUR"};

// What the store says is wrong, told with the database it is about.
template <class Step>
auto OnDatabase(const std::string& name, Step step) {
  try {
    return step();
  } catch (const basis::Error& error) {
    throw basis::Error(error.Number(),
                       "la base " + name + " est illisible : " + error.Description());
  }
}

void CheckScreenFiles(dba::DatabaseConnection& connection, const std::string& name) {
  const std::vector<std::string> files = OnDatabase(name, [&] { return connection.ListFiles(); });
  for (const char* file : kScreenFiles)
    if (std::find(files.begin(), files.end(), file) == files.end())
      throw basis::Error(basis::kFileNotFound,
                         "la base " + name + " ne contient pas le fichier " + file);
}

// All or nothing: a demo database that failed to load is not left behind half made.
void CreateDemoDatabase(HostStore& store, std::ostream& out) {
  QDir().mkpath(QFileInfo(QString::fromStdString(store.name)).absolutePath());
  try {
    store.connection = OnDatabase(store.name, [&] {
      return store.client->Connect(kSqliteScheme + store.name, dba::OpenMode::kCreateIfMissing);
    });
    appsupport::DemoData::Load(*store.connection);
  } catch (...) {
    store.connection.reset();
    QFile::remove(QString::fromStdString(store.name));
    throw;
  }
  out << "Base de démonstration créée : " << store.name << '\n';
}

}  // namespace

std::string ChooseDatabaseAddress(const std::string& commandLine) {
  if (!commandLine.empty())
    return commandLine;
  const QSettings settings(QStringLiteral("Delvaro"), QStringLiteral("Delvaro"));
  return settings.value(QStringLiteral("database/address")).toString().trimmed().toStdString();
}

std::string DefaultDatabasePath() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  return QDir(folder).filePath(QStringLiteral("demo.db")).toStdString();
}

HostStore OpenHostStore(const std::string& address, std::ostream& out) {
  HostStore store{std::make_shared<dba::DatabaseClient>(), nullptr, ""};
  const std::string full =
      address.empty() ? "" : appsupport::DatabaseAddress::FromArgument(address);
  const std::optional<std::string> file = appsupport::DatabaseAddress::FileOf(full);
  if (!address.empty() && !file) {
    // A server (or memory): there is no file to look for first.
    store.name =
        QUrl(QString::fromStdString(full)).toDisplayString(QUrl::RemovePassword).toStdString();
    store.connection = OnDatabase(store.name, [&] { return store.client->Connect(full); });
  } else {
    store.name = address.empty() ? DefaultDatabasePath() : *file;
    const bool exists = QFileInfo::exists(QString::fromStdString(store.name));
    if (!exists && !address.empty())
      throw basis::Error(basis::kFileNotFound, "la base " + store.name + " n'existe pas");
    if (exists) {
      store.connection =
          OnDatabase(store.name, [&] { return store.client->Connect(kSqliteScheme + store.name); });
      if (address.empty())
        out << "Base de démonstration : " << store.name << '\n';
    } else {
      CreateDemoDatabase(store, out);
    }
  }
  CheckScreenFiles(*store.connection, store.name);
  return store;
}

}  // namespace host
