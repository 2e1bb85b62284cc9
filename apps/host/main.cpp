// delvaro-host: the sectorisation screen for real, on a database of aidants.
#include <QApplication>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>

#include "basis/Error.h"
#include "host/HostApplication.h"
#include "host/HostOptions.h"
#include "host/HostRights.h"
#include "host/HostSession.h"
#include "host/HostStore.h"
#include "host/ScriptRecorder.h"
#include "qt/FrenchTexts.h"
#include "qt/QtHelpEngine.h"

namespace {

bool IsSet(const char* variable) {
  const char* value = std::getenv(variable);
  return value != nullptr && *value != '\0';
}

// Qt aborts when it finds no display; a screenshot needs none.
bool PrepareDisplay(const host::HostOptions& options) {
  if (IsSet("QT_QPA_PLATFORM") || IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY"))
    return true;
  if (options.screenshot.empty())
    return false;
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i)
    arguments << QString::fromLocal8Bit(argv[i]);
  host::HostOptions options;
  try {
    options = host::ParseHostOptions(arguments);
  } catch (const host::UsageError& error) {
    std::cerr << "delvaro-host : " << error.what() << " (voir delvaro-host --help)\n";
    return 2;
  }
  if (options.help) {
    std::cout << host::HostUsage();
    return 0;
  }
  if (options.version) {
    std::cout << "delvaro-host " << DELVARO_HOST_VERSION << '\n';
    return 0;
  }
  QApplication::setApplicationName(QStringLiteral("Delvaro"));
  host::HostStore store;
  try {
    store = host::OpenHostStore(host::ChooseDatabaseAddress(options.database), std::cout);
  } catch (const std::exception& error) {
    std::cerr << "delvaro-host : " << error.what() << '\n';
    return 1;
  }
  host::HostRights rights;
  try {
    rights = host::LoadHostRights(*store.connection, options.level, std::cerr);
  } catch (const host::UsageError& error) {
    std::cerr << "delvaro-host : " << error.what() << " (voir delvaro-host --help)\n";
    return 2;
  } catch (const basis::Error& error) {
    std::cerr << "delvaro-host : les droits ne se lisent pas : " << error.Description() << '\n';
    return 1;
  }
  std::ofstream recording;
  std::unique_ptr<host::ScriptRecorder> recorder;
  if (!options.record.empty()) {
    recording.open(options.record);
    if (!recording) {
      std::cerr << "delvaro-host : impossible d'écrire " << options.record << '\n';
      return 1;
    }
    recorder = std::make_unique<host::ScriptRecorder>(recording, rights.level);
  }
  if (!PrepareDisplay(options)) {
    std::cerr << "delvaro-host : aucun écran disponible (DISPLAY n'est pas défini) ; "
                 "QT_QPA_PLATFORM=offscreen permet de lancer sans écran\n";
    return 1;
  }

  QApplication application(argc, argv);
  qtui::InstallFrenchTexts(application);
  qtui::QtHelpEngine help;
  try {
    host::HostSession session(std::move(store), std::move(rights), help, recorder.get());
    return options.aidant.empty() ? host::RunAidantList(session, std::cerr)
                                  : host::RunAidantScreen(session, options, std::cerr);
  } catch (const std::exception& error) {
    // The screen shows its own errors in message boxes; what escapes the host itself is
    // reported here rather than ending the process with an abort.
    std::cerr << "delvaro-host : erreur inattendue : " << error.what() << '\n';
    return 1;
  }
}
