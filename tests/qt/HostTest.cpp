// delvaro-host: its command line, its database, its list of aidants, the recording of
// the person's work, and the program itself without a display.
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <sstream>

#include "ScreenFixture.h"
#include "basis/Error.h"
#include "host/AidantDirectory.h"
#include "host/AidantListWindow.h"
#include "host/HostOptions.h"
#include "host/HostStore.h"
#include "host/ScriptRecorder.h"

namespace {

std::string DescriptionOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const basis::Error& error) {
    return error.Description();
  }
  return "(no error)";
}

TEST(HostOptionsTest, ReadsEveryOptionInBothSpellings) {
  const host::HostOptions options = host::ParseHostOptions(
      {"--db", "x.db", "--aidant=A001", "--level", "1", "--screenshot", "a.png", "--record=r"});
  EXPECT_EQ(options.database, "x.db");
  EXPECT_EQ(options.aidant, "A001");
  EXPECT_EQ(options.level, 1);
  EXPECT_EQ(options.screenshot, "a.png");
  EXPECT_EQ(options.record, "r");
  EXPECT_FALSE(options.help);
  EXPECT_EQ(host::ParseHostOptions({}).level, 2);
  EXPECT_TRUE(host::ParseHostOptions({"--help"}).help);
}

TEST(HostOptionsTest, RefusesACommandLineItCannotFollow) {
  const QStringList wrong[] = {
      {"--bogus"}, {"A001"}, {"--db"}, {"--db="}, {"--level", "deux"}, {"--screenshot", "a.png"}};
  for (const QStringList& arguments : wrong)
    EXPECT_THROW(host::ParseHostOptions(arguments), host::UsageError)
        << arguments.join(' ').toStdString();
}

class HostStoreTest : public ::testing::Test {
 protected:
  std::string PathOf(const char* name) const { return folder_.filePath(name).toStdString(); }
  QTemporaryDir folder_;
  std::ostringstream out_;
};

TEST_F(HostStoreTest, RefusesAMissingUnreadableOrIncompleteDatabase) {
  EXPECT_NE(
      DescriptionOf([&] { host::OpenHostStore(PathOf("absent.db"), out_); }).find("n'existe pas"),
      std::string::npos);
  EXPECT_FALSE(QFileInfo::exists(folder_.filePath("absent.db")));

  QFile junk(folder_.filePath("junk.db"));
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write("pas une base de données, mais assez longue pour en avoir l'air ..........");
  junk.close();
  EXPECT_NE(DescriptionOf([&] { host::OpenHostStore(PathOf("junk.db"), out_); }).find("illisible"),
            std::string::npos);

  dba::DatabaseClient().Connect("sqlite:" + PathOf("partial.db"))->CreateFile("SECTEUR");
  EXPECT_NE(DescriptionOf([&] {
              host::OpenHostStore(PathOf("partial.db"), out_);
            }).find("ne contient pas le fichier CIVILAIDANT"),
            std::string::npos);
}

TEST_F(HostStoreTest, CreatesTheDemoDatabaseInTheDataFolderOnFirstRunOnly) {
  const QByteArray previous = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", folder_.path().toLocal8Bit());
  const host::HostStore created = host::OpenHostStore("", out_);
  EXPECT_TRUE(created.path.starts_with(folder_.path().toStdString()));
  EXPECT_NE(out_.str().find("créée : " + created.path), std::string::npos);
  EXPECT_GE(host::ReadAidants(*created.connection).size(), 30u);

  std::ostringstream again;
  EXPECT_EQ(host::OpenHostStore("", again).path, created.path);
  EXPECT_EQ(again.str().find("créée"), std::string::npos);
  qputenv("XDG_DATA_HOME", previous);
}

TEST(AidantListTest, ListsTheAidantsWithTheirSectorAndFiltersThem) {
  TestStore store;
  store.LoadStandardWorld();
  host::AidantListWindow list(store.Connection());
  list.Refresh();
  const QAbstractItemModel& shown = *list.Table().model();
  ASSERT_EQ(shown.rowCount(), 3);
  EXPECT_EQ(shown.index(0, 1).data().toString(), "DUPONT");
  EXPECT_EQ(shown.index(0, 3).data().toString(), "001 Centre-ville");
  EXPECT_EQ(shown.index(2, 2).data().toString(), "Léa");

  QTest::keyClicks(&list.Filter(), "petit");
  ASSERT_EQ(shown.rowCount(), 1);
  QSignalSpy opened(&list, &host::AidantListWindow::OpenRequested);
  list.Table().setCurrentIndex(shown.index(0, 1));
  emit list.Table().activated(shown.index(0, 1));
  ASSERT_EQ(opened.count(), 1);
  EXPECT_EQ(opened.front().front().toString(), "A003");
}

using RecordingTest = ScreenFixture;

TEST_F(RecordingTest, WritesTheLinesThatReplayThePersonsWorkWithAnswersFirst) {
  std::ostringstream script;
  host::ScriptRecorder recorder(script, 2);
  Open("A003");
  recorder.Opened("A003");
  window_->SetActionListener(&recorder);

  auto& sector = Child<QLineEdit>("Txt_SecteurAidant");
  sector.setFocus();
  QTest::keyClicks(&sector, "1");
  QTest::keyClick(&sector, Qt::Key_Return);
  auto& labels = Child<QComboBox>("Cbo_LibSousSecteurAidant");
  labels.setFocus();
  QTest::keyClick(&labels, Qt::Key_Down);
  answers_.QueueAnswer(forms::kAnswerYes);
  Click(Child<QPushButton>("Cmd_RetourSectorisation"));

  EXPECT_EQ(script.str(),
            "open A003\n"
            "edit Txt_SecteurAidant 1\n"
            "key Txt_SecteurAidant 13\n"
            "leave Txt_SecteurAidant\n"
            "pick Cbo_LibSousSecteurAidant 0\n"
            "leave Cbo_LibSousSecteurAidant\n"
            "answer 6\n"
            "click Cmd_RetourSectorisation\n");
}

TEST(ScriptRecorderTest, NamesAnAccessLevelOtherThanTheReplayersOnce) {
  std::ostringstream script;
  host::ScriptRecorder recorder(script, 1);
  recorder.Opened("A001");
  recorder.Opened("A002");
  EXPECT_EQ(script.str(), "level 1\nopen A001\nopen A002\n");
}

class HostProgramTest : public ::testing::Test {
 protected:
  // Runs delvaro-host with no display and its data folder in a fresh folder.
  int Run(const QStringList& arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
      environment.remove(name);
    environment.insert("XDG_DATA_HOME", folder_.path());
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

TEST_F(HostProgramTest, DrawsAnAidantsScreenToAPngWithoutADisplay) {
  const QString picture = folder_.filePath("A001.png");
  ASSERT_EQ(Run({"--aidant", "A001", "--screenshot", picture}), 0) << errors_.toStdString();
  EXPECT_TRUE(output_.contains("Base de démonstration créée"));
  const QImage image(picture);
  ASSERT_FALSE(image.isNull());
  EXPECT_GT(image.width(), 300);
  EXPECT_GT(image.height(), 200);
}

TEST_F(HostProgramTest, EndsWithAClearMessageOnBadOptionsOrDatabase) {
  EXPECT_EQ(Run({"--level", "deux"}), 2);
  EXPECT_TRUE(errors_.contains("--level")) << errors_.toStdString();
  EXPECT_EQ(Run({"--db", folder_.filePath("absent.db")}), 1);
  EXPECT_TRUE(errors_.contains("n'existe pas")) << errors_.toStdString();
  EXPECT_EQ(Run({"--aidant", "A001", "--screenshot", "/nulle/part/a.png"}), 1);
  EXPECT_TRUE(errors_.contains("/nulle/part/a.png")) << errors_.toStdString();
}

}  // namespace
