// delvaro-host: its command line, its database, its list of aidants, the recording of
// the person's work, and the program itself without a display.
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <sstream>

#include "ScreenFixture.h"
#include "basis/Error.h"
#include "host/HostOptions.h"
#include "host/HostStore.h"
#include "host/ScriptRecorder.h"
#include "replay/ScenarioRunner.h"
#include "rights/RightsStore.h"

namespace {

TEST(HostOptionsTest, ReadsEveryOptionInBothSpellingsAndRefusesWhatItCannotFollow) {
  const host::HostOptions options = host::ParseHostOptions(
      {"--db", "x.db", "--aidant=A001", "--level=0", "--screenshot", "a.png", "--record=r"});
  EXPECT_EQ(options.database + options.aidant + options.screenshot + options.record,
            "x.dbA001a.pngr");
  EXPECT_EQ(options.level, std::optional<int>(0));
  EXPECT_EQ(host::ParseHostOptions({}).level, std::nullopt);
  EXPECT_TRUE(host::ParseHostOptions({"-h"}).help);
  // Each refusal is one French line that names what is wrong.
  const std::pair<QStringList, const char*> wrong[] = {
      {{"--bogus"}, "option inconnue : --bogus"},
      {{"A001"}, "argument inattendu : A001"},
      {{"--db="}, "l'option --db attend une valeur"},
      {{"--help=oui"}, "l'option --help ne prend pas de valeur"},
      {{"--level", "deux"}, "--level attend 0, 1 ou 2, pas « deux »"},
      {{"--level=-1"}, "--level attend 0, 1 ou 2, pas « -1 »"},
      {{"--screenshot", "a.png"}, "--screenshot demande aussi --aidant CODE"}};
  for (const auto& [arguments, message] : wrong) {
    try {
      host::ParseHostOptions(arguments);
      ADD_FAILURE() << arguments.join(' ').toStdString();
    } catch (const host::UsageError& error) {
      EXPECT_STREQ(error.what(), message);
    }
  }
}

// The workstation's file says where the office's database is, the user's own file may
// say otherwise, and the command line has the last word.
TEST(HostStoreTest, TheAddressComesFromTheCommandLineThenTheUsersThenTheWorkstationsSettings) {
  QTemporaryDir workstation;
  QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, workstation.path());
  const QString key = "database/address";
  QSettings user("Delvaro", "Delvaro");
  user.remove(key);
  QSettings(QSettings::SystemScope, "Delvaro", "Delvaro")
      .setValue(key, "postgresql://bureau/delvaro");
  EXPECT_EQ(host::ChooseDatabaseAddress(""), "postgresql://bureau/delvaro");
  user.setValue(key, "/home/moi/essai.db");
  user.sync();
  EXPECT_EQ(host::ChooseDatabaseAddress(""), "/home/moi/essai.db");
  EXPECT_EQ(host::ChooseDatabaseAddress("sqlite:autre.db"), "sqlite:autre.db");
  user.remove(key);
}

// A missing file is refused by the program itself, never created.
TEST(HostStoreTest, RefusesADatabaseWithoutTheAidantsFile) {
  QTemporaryDir folder;
  const std::string path = folder.filePath("partial.db").toStdString();
  dba::DatabaseClient()
      .Connect("sqlite:" + path, dba::OpenMode::kCreateIfMissing)
      ->CreateFile("SECTEUR");
  std::ostringstream out;
  try {
    host::OpenHostStore(path, out);
    ADD_FAILURE() << "opened";
  } catch (const basis::Error& error) {
    EXPECT_NE(error.Description().find("ne contient pas le fichier CIVILAIDANT"),
              std::string::npos);
  }
}

// The person's work in the real screen, recorded as the host records it.
class RecordingTest : public ScreenFixture {
 protected:
  void Record(const std::string& code) {
    Open(code);
    recorder_.Opened(code);
    window_->SetActionListener(&recorder_);
  }

  std::ostringstream script;
  host::ScriptRecorder recorder_{script, 2};
};

// What support staff rely on: a session recorded in the real screen, replayed headless
// on the same data, leaves the same record in the store.
TEST_F(RecordingTest, ARecordedSessionReplaysToTheSameStoredRecord) {
  Record("A003");
  Keys<QLineEdit>("Txt_SecteurAidant", "1", Qt::Key_Return);
  Keys<QComboBox>("Cbo_LibSousSecteurAidant", "", Qt::Key_Down, 2);  // Cathédrale, then Gare
  Keys<QComboBox>("Cbo_LibQuartierAidant", "", Qt::Key_Down);   // Quai A, which names its antenna
  Keys<QComboBox>("Cbo_LibMoyLocAidant", "", Qt::Key_Down, 2);  // Voiture, then Vélo

  auto& tabs = Child<QTabWidget>("Ong_Sectorisation");
  Click(*tabs.tabBar(), Qt::LeftButton, tabs.tabBar()->tabRect(1).center());
  auto& possible = Child<QListWidget>("Lst_Pos");
  Click(*possible.viewport(), Qt::LeftButton, possible.visualItemRect(possible.item(2)).center());
  Click(Child<QPushButton>("Cmd_Ajoute"));
  Click(Child<QPushButton>("Cmd_OkSectorisation"));
  Settle();

  const auto recorded = store_.Get("CIVILAIDANT", "A003");
  ASSERT_EQ(recorded->Extract(31).Text(), "001") << script.str();
  ASSERT_EQ(recorded->DCount(43), 1) << script.str();

  TestStore replayed;
  replayed.LoadStandardWorld();
  const scenario::ScenarioOutcome outcome =
      scenario::ScenarioRunner(replayed.Connection(), replayed.Client())
          .Run("enregistrement", script.str());
  EXPECT_EQ(outcome.Status(), 0) << script.str();
  EXPECT_EQ(replayed.Get("CIVILAIDANT", "A003")->Text(), recorded->Text()) << script.str();

  // An access level other than the replayer's is named once, first.
  std::ostringstream other;
  host::ScriptRecorder atLevelOne(other, 1);
  atLevelOne.Opened("A001");
  atLevelOne.Opened("A002");
  EXPECT_EQ(other.str(), "level 1\nopen A001\nopen A002\n");
}

class HostProgramTest : public ::testing::Test {
 protected:
  // Runs delvaro-host with no display and its data folder in a fresh folder.
  int Run(const QStringList& arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
      environment.remove(name);
    environment.insert("XDG_DATA_HOME", folder_.path());
    environment.insert("XDG_CONFIG_HOME", folder_.filePath("config"));
    program_.setProcessEnvironment(environment);
    program_.start(DELVARO_HOST_PROGRAM, arguments);
    EXPECT_TRUE(program_.waitForFinished(120000));
    output_ = QString::fromUtf8(program_.readAllStandardOutput());
    errors_ = QString::fromUtf8(program_.readAllStandardError());
    return program_.exitCode();
  }

  QTemporaryDir folder_;
  QProcess program_;
  QString output_;
  QString errors_;
};

TEST_F(HostProgramTest, DrawsAScreenToAPngWithoutADisplayReadsItsSettingsAndEndsClearly) {
  const QString picture = folder_.filePath("A001.png");
  ASSERT_EQ(Run({"--aidant", "A001", "--screenshot", picture}), 0) << errors_.toStdString();
  EXPECT_TRUE(output_.contains("Base de démonstration créée"));
  const QImage image(picture);
  ASSERT_FALSE(image.isNull());
  EXPECT_GT(image.width(), 300);
  // The next run finds the demo database where the first one left it, and its rights:
  // --level may lower them, not raise them.
  ASSERT_EQ(Run({"--aidant", "A002", "--level", "1", "--screenshot", picture}), 0)
      << errors_.toStdString();
  EXPECT_FALSE(output_.contains("créée"));
  const QString demo = output_.section(QStringLiteral(" : "), 1).trimmed();
  rights::RightsStore(*dba::DatabaseClient().Connect("sqlite:" + demo.toStdString()))
      .Grant("*", "DOSAIDANTSECTEUR", 1);
  EXPECT_EQ(Run({"--aidant", "A002", "--level", "2", "--screenshot", picture}), 2);
  EXPECT_TRUE(errors_.contains("--level 2 refusé")) << errors_.toStdString();

  // An aidant without a record opens no screen.
  const QString none = folder_.filePath("Z999.png");
  EXPECT_EQ(Run({"--aidant", "Z999", "--screenshot", none}), 1);
  EXPECT_TRUE(errors_.contains("L'aidant Z999 n'existe pas dans le fichier CIVILAIDANT."))
      << errors_.toStdString();
  EXPECT_FALSE(QFile::exists(none));

  // Bad options or a bad database end it with a clear message. The database is the one
  // the user's settings name, unless the command line names another.
  EXPECT_EQ(Run({"--level", "5"}), 2);
  EXPECT_EQ(errors_.count('\n'), 1) << errors_.toStdString();
  QSettings(folder_.filePath("config/Delvaro/Delvaro.conf"), QSettings::IniFormat)
      .setValue("database/address", folder_.filePath("bureau.db"));
  EXPECT_EQ(Run({"--aidant", "A001"}), 1);
  EXPECT_TRUE(errors_.contains("bureau.db n'existe pas")) << errors_.toStdString();
  EXPECT_FALSE(QFile::exists(folder_.filePath("bureau.db")));
  EXPECT_EQ(Run({"--db", folder_.filePath("ailleurs.db"), "--aidant", "A001"}), 1);
  EXPECT_TRUE(errors_.contains("ailleurs.db n'existe pas")) << errors_.toStdString();
}

}  // namespace
