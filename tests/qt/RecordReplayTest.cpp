#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <sstream>

#include "ScreenFixture.h"
#include "host/ScriptRecorder.h"
#include "replay/ScenarioRunner.h"

namespace {

using RecordReplayTest = ScreenFixture;

// What support staff rely on: a session recorded in the real screen, replayed headless
// on the same data, leaves the same record in the store.
TEST_F(RecordReplayTest, ARecordedSessionReplaysToTheSameStoredRecord) {
  std::ostringstream script;
  host::ScriptRecorder recorder(script, 2);
  Open("A003");
  recorder.Opened("A003");
  window_->SetActionListener(&recorder);

  auto& sector = Child<QLineEdit>("Txt_SecteurAidant");
  sector.setFocus();
  QTest::keyClicks(&sector, "1");
  QTest::keyClick(&sector, Qt::Key_Return);
  auto pickNext = [&](const char* name, int times) {
    auto& combo = Child<QComboBox>(name);
    combo.setFocus();
    for (int i = 0; i < times; ++i)
      QTest::keyClick(&combo, Qt::Key_Down);
  };
  pickNext("Cbo_LibSousSecteurAidant", 2);  // Cathédrale, then Gare
  pickNext("Cbo_LibQuartierAidant", 1);     // Quai A, which names its antenna
  pickNext("Cbo_LibMoyLocAidant", 2);       // Voiture, then Vélo

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
}

}  // namespace
