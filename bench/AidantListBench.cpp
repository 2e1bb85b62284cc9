// The host's list of aidants at a large service's size: shown from the store, and one
// keystroke of its filter. Each runs on a real SQLite file of 100,000 aidants.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "dba/DatabaseClient.h"
#include "dba/Storage.h"
#include "host/AidantDirectory.h"
#include "host/AidantListModel.h"
#include "host/AidantListWindow.h"

namespace {

constexpr long kAidants = 100000;

// Names with accents and mixed case, as a service's data has them.
const char* const kSurnames[] = {"DUPONT", "Lefèvre",  "ÉTIENNE", "MARTIN", "Œillet",
                                 "durand", "Bérénice", "GARÇON",  "Zola",   "ANDRÉ"};
const char* const kFirstNames[] = {"Marie", "Élodie", "Jean", "Léa", "Noël", "Anaïs", "Paul"};

std::shared_ptr<dba::DatabaseConnection> LargeService(const QString& folder) {
  dba::DatabaseClient client;
  auto connection = client.Connect("sqlite:" + folder.toStdString() + "/service.db",
                                   dba::OpenMode::kCreateIfMissing);
  for (const char* file : {"CIVILAIDANT", "SECTEUR"})
    connection->CreateFile(file);
  auto sectors = connection->OpenFile("SECTEUR");
  auto aidants = connection->OpenFile("CIVILAIDANT");
  connection->GetStorage().WriteTransaction([&] {
    for (int s = 0; s < 50; ++s) {
      dba::DynamicArray sector;
      sector.Replace(1, "Secteur n° " + std::to_string(s));
      sectors->WriteRecord(std::to_string(100 + s), sector);
    }
    for (long i = 0; i < kAidants; ++i) {
      dba::DynamicArray aidant;
      aidant.Replace(1, "Mme");
      aidant.Replace(2, std::string(kSurnames[(i * 7) % 10]) + " " + std::to_string(i % 997));
      aidant.Replace(3, kFirstNames[(i * 3) % 7]);
      aidant.Replace(31, std::to_string(100 + i % 50));
      aidant.Replace(43, "101");
      std::string code = "A";
      code += std::to_string(1000000 + i);
      aidants->WriteRecord(code, aidant);
    }
  });
  return connection;
}

struct Service {
  QTemporaryDir folder;
  std::shared_ptr<dba::DatabaseConnection> connection = LargeService(folder.path());
  host::AidantListWindow list{connection};
};

// Made on first use, gone before the application object.
std::unique_ptr<Service> service;

Service& TheService() {
  if (!service)
    service = std::make_unique<Service>();
  return *service;
}

// The list as it first appears: a new window reads every aidant in one pass, sorts them
// the French way, folds them for the filter and draws its first rows.
void ListFirstShown(benchmark::State& state) {
  const std::shared_ptr<dba::DatabaseConnection> connection = TheService().connection;
  for (auto _ : state) {
    host::AidantListWindow list{connection};
    list.Refresh();
    list.show();
    QCoreApplication::processEvents();
  }
  state.counters["aidants"] = static_cast<double>(kAidants);
}
BENCHMARK(ListFirstShown)->Unit(benchmark::kMillisecond);

// The shown list read again, as when another workstation saved: the names it has met
// are not collated again.
void ListShown(benchmark::State& state) {
  host::AidantListWindow& list = TheService().list;
  list.show();
  for (auto _ : state) {
    list.Refresh();
    QCoreApplication::processEvents();
  }
  state.counters["aidants"] = static_cast<double>(kAidants);
}
BENCHMARK(ListShown)->Unit(benchmark::kMillisecond);

// Its first part: the one pass over the store.
void AidantsRead(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(host::ReadAidants(*TheService().connection));
}
BENCHMARK(AidantsRead)->Unit(benchmark::kMillisecond);

// Its second part: sorting, folding and handing the rows to a new list.
void RowsSorted(benchmark::State& state) {
  const host::AidantTable rows = host::ReadAidants(*TheService().connection);
  for (auto _ : state) {
    host::AidantListModel model;
    model.SetRows(rows);
  }
}
BENCHMARK(RowsSorted)->Unit(benchmark::kMillisecond);

// A keystroke that changes the filter so that every aidant is looked at again (not only
// those the previous text kept), accents and case aside.
void FilterKeystroke(benchmark::State& state) {
  host::AidantListWindow& list = TheService().list;
  list.Refresh();
  const QString texts[] = {QStringLiteral("etienne 4"), QStringLiteral("lefevre 1")};
  int next = 0;
  for (auto _ : state) {
    list.Filter().setText(texts[next]);
    next = 1 - next;
    QCoreApplication::processEvents();
  }
  list.Filter().clear();
}
BENCHMARK(FilterKeystroke)->Unit(benchmark::kMillisecond);

// The first keystroke after the list was read: the rows are folded for the filter then,
// not when the list is shown.
void FirstFilterKeystroke(benchmark::State& state) {
  host::AidantListWindow& list = TheService().list;
  for (auto _ : state) {
    state.PauseTiming();
    list.Filter().clear();
    list.Refresh();
    state.ResumeTiming();
    list.Filter().setText(QStringLiteral("etienne 4"));
    QCoreApplication::processEvents();
  }
  list.Filter().clear();
}
BENCHMARK(FirstFilterKeystroke)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  service.reset();
  return 0;
}
