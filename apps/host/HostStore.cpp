#include "host/HostStore.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <vector>

#include "basis/Error.h"
#include "common/DemoData.h"

namespace host {
namespace {

const char* const kScreenFiles[] = {"CIVILAIDANT",     "TABLES",   "SECTEUR",
                                    "SOUSSECTEUR",     "QUARTIER", "CENTREMEDICAL",
                                    "ANTENNEMEDICALE", "COMMUNES", "COMPTEUR"};

// What the store says is wrong, told with the database it is about.
template <class Step>
auto OnDatabase(const std::string& path, Step step) {
  try {
    return step();
  } catch (const basis::Error& error) {
    throw basis::Error(error.Number(),
                       "la base " + path + " est illisible : " + error.Description());
  }
}

std::shared_ptr<dba::DatabaseConnection> Connect(dba::DatabaseClient& client,
                                                 const std::string& path, dba::OpenMode mode) {
  return OnDatabase(path, [&] { return client.Connect("sqlite:" + path, mode); });
}

void CheckScreenFiles(dba::DatabaseConnection& connection, const std::string& path) {
  const std::vector<std::string> files = OnDatabase(path, [&] { return connection.ListFiles(); });
  for (const char* file : kScreenFiles)
    if (std::find(files.begin(), files.end(), file) == files.end())
      throw basis::Error(basis::kFileNotFound,
                         "la base " + path + " ne contient pas le fichier " + file);
}

// All or nothing: a demo database that failed to load is not left behind half made.
void CreateDemoDatabase(HostStore& store, std::ostream& out) {
  QDir().mkpath(QFileInfo(QString::fromStdString(store.path)).absolutePath());
  try {
    store.connection = Connect(*store.client, store.path, dba::OpenMode::kCreateIfMissing);
    appsupport::DemoData::Load(*store.connection);
  } catch (...) {
    store.connection.reset();
    QFile::remove(QString::fromStdString(store.path));
    throw;
  }
  out << "Base de démonstration créée : " << store.path << '\n';
}

}  // namespace

std::string DefaultDatabasePath() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  return QDir(folder).filePath(QStringLiteral("demo.db")).toStdString();
}

HostStore OpenHostStore(const std::string& path, std::ostream& out) {
  HostStore store{std::make_shared<dba::DatabaseClient>(), nullptr,
                  path.empty() ? DefaultDatabasePath() : path};
  const bool exists = QFileInfo::exists(QString::fromStdString(store.path));
  if (!exists && !path.empty())
    throw basis::Error(basis::kFileNotFound, "la base " + store.path + " n'existe pas");
  if (exists) {
    store.connection = Connect(*store.client, store.path, dba::OpenMode::kOpenExisting);
    if (path.empty())
      out << "Base de démonstration : " << store.path << '\n';
  } else {
    CreateDemoDatabase(store, out);
  }
  CheckScreenFiles(*store.connection, store.path);
  return store;
}

}  // namespace host
