// Each user interaction on the screen, on SQLite at the office and stress scales beside
// its raw floor (the distinct reads and writes it sent to SQLite, sent straight through
// prepared statements), and on PostgreSQL at the office scale over a local socket.
// "warm": nothing changed in the database since the last interaction; "cold": another
// workstation committed just before, so every list must be read again.
#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "RawFloor.h"
#include "Screen.h"
#include "ServiceDatabase.h"
#include "SideBySide.h"
#include "StoreEngines.h"
#include "control/Variables.h"
#include "dba/DatabaseClient.h"

namespace {

using servicedata::ServiceGenerator;

struct Interaction {
  std::string name;
  // Brings the screen to the state before the action, once and then before every
  // iteration (not timed).
  std::function<void(Screen&, const ServiceGenerator&)> before;
  // What the user does (timed).
  std::function<void(Screen&, const ServiceGenerator&)> action;
};

const std::string kAidant = ServiceGenerator::AidantKey(1);
// A fixed count of actions, enough for a 99th percentile: what prepares each action (often
// a whole Init) and a cold run's commit are not timed, so a run bound by the time measured
// would repeat them without end for an action of a microsecond.
constexpr benchmark::IterationCount kRuns = 500;

// The screen of aidant 1 as Init leaves it, opened again only when an earlier action
// ended it.
Ctr_Sectorisation& Opened(Screen& screen) {
  const bool open = screen.IsOpen();
  screen.Host().ClearEvents();
  return open ? screen.Control() : screen.Open(kAidant);
}

void PickKey(forms::ComboBox& list, const basis::Ref<dba::DynamicArray>& rows,
             const std::string& key) {
  list.UserPick(Screen::EntryOfKey(rows, key));
}

std::vector<Interaction> Interactions() {
  using G = const ServiceGenerator&;
  const auto typed = [](const char* name, forms::TextBox Ctr_Sectorisation::*box,
                        std::function<std::string(G)> other, std::function<std::string(G)> target) {
    return Interaction{name, [=](Screen& s, G g) { Screen::TypeCode(Opened(s).*box, other(g)); },
                       [=](Screen& s, G g) { Screen::TypeCode(s.Control().*box, target(g)); }};
  };
  // The user picks an entry by its place in the list: finding the place of the target's
  // key is the benchmark's bookkeeping, done before the action, not part of it.
  const auto picked = [](const char* name, forms::ComboBox Ctr_Sectorisation::*list,
                         basis::Ref<dba::DynamicArray>& rows, std::function<std::string(G)> other,
                         std::function<std::string(G)> target) {
    auto entry = std::make_shared<int>(-1);
    return Interaction{name,
                       [=, &rows](Screen& s, G g) {
                         PickKey(Opened(s).*list, rows, other(g));
                         *entry = Screen::EntryOfKey(rows, target(g));
                       },
                       [=](Screen& s, G) { (s.Control().*list).UserPick(*entry); }};
  };
  const auto centre = [](G g) { return g.LargeCentre(); };
  using C = Ctr_Sectorisation;
  return {
      {"Init",
       [](Screen& s, G) {
         s.Host().ClearEvents();
         s.Create(kAidant);
       },
       [](Screen& s, G) { s.Control().Init(); }},
      typed(
          "TypeSector", &C::Txt_SecteurAidant, [](G) { return "3"; }, [](G) { return "2"; }),
      typed(
          "TypeSubSector", &C::Txt_SousSecteurAidant, [](G) { return "1"; }, [](G) { return "0"; }),
      typed(
          "TypeDistrict", &C::Txt_QuartierAidant, [](G) { return "6"; }, [](G) { return "5"; }),
      typed(
          "TypeCentre", &C::Txt_CentreMedAidant, [](G) { return "2"; }, centre),
      typed(
          "TypeAntenna", &C::Txt_AntMedAidant, [](G) { return "2"; }, [](G) { return "1"; }),
      picked(
          "PickSector", &C::Cbo_LibSecteurAidant, Variables::L_Secteur, [](G) { return "003"; },
          [](G) { return "002"; }),
      picked(
          "PickSubSector", &C::Cbo_LibSousSecteurAidant, Variables::L_SousSecteur,
          [](G) { return "00101"; }, [](G) { return ServiceGenerator::LargeSubSector(); }),
      picked(
          "PickDistrict", &C::Cbo_LibQuartierAidant, Variables::L_Quartier,
          [](G) { return "0010006"; }, [](G) { return "0010005"; }),
      picked(
          "PickCentre", &C::Cbo_LibCentreMedAidant, Variables::L_CentreMedical,
          [](G) { return "002"; }, centre),
      picked(
          "PickAntenna", &C::Cbo_LibAntMedAidant, Variables::L_AntenneMedicale,
          [](G g) { return g.LargeCentre() + "002"; }, [](G g) { return g.LargeCentre() + "001"; }),
      {"PickTransport", [](Screen& s, G) { Opened(s).Cbo_LibMoyLocAidant.UserPick(2); },
       [](Screen& s, G) { s.Control().Cbo_LibMoyLocAidant.UserPick(1); }},
      {"AddSector",
       [](Screen& s, G) {
         C& c = Opened(s);
         c.Lst_Sel.UserSelect({c.Lst_Sel.ListCount() - 1});
         c.Cmd_Ote.UserClick();
         c.Lst_Pos.UserSelect({c.Lst_Pos.ListCount() / 2});
       },
       [](Screen& s, G) { s.Control().Cmd_Ajoute.UserClick(); }},
      {"RemoveSector",
       [](Screen& s, G) {
         C& c = Opened(s);
         c.Lst_Pos.UserSelect({c.Lst_Pos.ListCount() / 2});
         c.Cmd_Ajoute.UserClick();
         c.Lst_Sel.UserSelect({c.Lst_Sel.ListCount() - 1});
       },
       [](Screen& s, G) { s.Control().Cmd_Ote.UserClick(); }},
      {"AllSectors",
       [](Screen& s, G) {
         C& c = Opened(s);
         std::vector<int> all(static_cast<std::size_t>(c.Lst_Sel.ListCount()));
         for (std::size_t i = 0; i < all.size(); ++i)
           all[i] = static_cast<int>(i);
         c.Lst_Sel.UserSelect(all);
         c.Cmd_Ote.UserClick();
       },
       [](Screen& s, G) { s.Control().Cmd_Tous.UserClick(); }},
      // Each OK saves another means of transport than the one stored.
      {"OK",
       [changes = std::make_shared<int>(0)](Screen& s, G) {
         s.Host().ClearEvents();
         s.Open(kAidant).Cbo_LibMoyLocAidant.UserPick(++*changes % 2);
       },
       [](Screen& s, G) { s.Control().Cmd_OkSectorisation.UserClick(); }},
      {"Retour",
       [](Screen& s, G) {
         s.Host().ClearEvents();
         s.Open(kAidant);
       },
       [](Screen& s, G) { s.Control().Cmd_RetourSectorisation.UserClick(); }},
  };
}

// Another workstation on the same store: each Commit changes one record that the screen
// does not read, and returns once the screen's connection has learnt of it (a server's
// notification may come a little after the commit), so that nothing kept is reused.
class OtherWorkstation {
 public:
  explicit OtherWorkstation(ServiceDatabase& database)
      : database_(database), connection_(dba::DatabaseClient().Connect(database.Address())) {}

  // Returns false when the screen's connection did not see the commit within a second.
  bool Commit() {
    const std::uint64_t seen = database_.Recorder().DataVersion();
    dba::Storage& storage = connection_->GetStorage();
    // A new value each time: SQLite commits a record rewritten as it was without
    // writing anything, and no connection would see a new data version.
    storage.WriteTransaction([&] {
      const auto last = storage.Read("COMPTEUR", "AUTREPOSTE");
      storage.Write("COMPTEUR", "AUTREPOSTE", std::to_string(std::stol(last.value_or("0")) + 1));
    });
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    while (database_.Recorder().DataVersion() == seen) {
      if (std::chrono::steady_clock::now() > deadline)
        return false;
      std::this_thread::sleep_for(std::chrono::microseconds(50));
    }
    return true;
  }

 private:
  ServiceDatabase& database_;
  std::shared_ptr<dba::DatabaseConnection> connection_;
};

void Measure(benchmark::State& state, const std::string& engine, const std::string& scale,
             const Interaction& interaction, bool cold) {
  ServiceDatabase& database = ServiceDatabase::Of(scale, engine);
  const ServiceGenerator& generator = database.Generator();
  Screen screen(database.Connect());
  // The raw floor is SQLite's alone.
  std::optional<RawFloor> floor;
  if (engine == "SQLite")
    floor.emplace(database.Path());
  OtherWorkstation other(database);

  // What the action asks of the engine when nothing is kept: its floor.
  interaction.before(screen, generator);
  if (!other.Commit()) {
    state.SkipWithError("the other workstation's commit was not seen");
    return;
  }
  database.Recorder().StartRecording();
  interaction.action(screen, generator);
  const auto accesses = database.Recorder().StopRecording();
  if (!screen.Host().Messages().empty()) {
    state.SkipWithError(("message: " + screen.Host().Messages().front().text).c_str());
    return;
  }

  SideBySide sides;
  for (auto _ : state) {
    interaction.before(screen, generator);
    if (cold && !other.Commit()) {
      state.SkipWithError("the other workstation's commit was not seen");
      return;
    }
    if (floor && !accesses.empty())
      sides.Floor([&] { floor->Run(accesses); });
    sides.Product(state, [&] { interaction.action(screen, generator); });
  }
  sides.Report(state);
  state.counters["accesses"] = static_cast<double>(accesses.size());
}

// SQLite at both scales beside its floor; a server at the office's scale.
const bool kRegistered = [] {
  for (const StoreEngine& engine : StoreEngines()) {
    const std::vector<std::string> scales = engine.name == "SQLite"
                                                ? std::vector<std::string>{"office", "stress"}
                                                : std::vector<std::string>{"office"};
    for (const std::string& scale : scales) {
      for (const Interaction& interaction : Interactions()) {
        for (bool cold : {false, true}) {
          const std::string name = "Screen/" + engine.name + "/" + scale + "/" + interaction.name +
                                   (cold ? "/cold" : "/warm");
          benchmark::RegisterBenchmark(name.c_str(),
                                       [=, engine = engine.name](benchmark::State& state) {
                                         Measure(state, engine, scale, interaction, cold);
                                       })
              ->UseManualTime()
              ->Unit(benchmark::kMicrosecond)
              ->Iterations(kRuns);
        }
      }
    }
  }
  return true;
}();

}  // namespace
