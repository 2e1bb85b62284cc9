// The record store at an office's scale on each engine, an SQLite file and a PostgreSQL
// database over a local socket (a server of the benchmark's own, started as the tests
// start theirs): 50 sectors, 500 sub-sectors, 5,000 districts, 10,000 aidants. Each
// benchmark reports the median and the 99th percentile of one operation.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "StoreEngines.h"
#include "dba/DatabaseClient.h"
#include "dba/Storage.h"

namespace {

constexpr int kSectors = 50, kSubSectorsPerSector = 10, kDistrictsPerSubSector = 10;
constexpr int kAidants = 10000;

std::string Code(int number, int width) {
  std::string text = std::to_string(number);
  return std::string(width - text.size(), '0') + text;
}

void Fill(dba::DatabaseConnection& office) {
  auto put = [&](const std::string& file, const std::string& key,
                 const std::map<long, std::string>& attributes) {
    dba::DynamicArray record;
    for (const auto& [attribute, text] : attributes)
      record.Replace(attribute, text);
    office.OpenFile(file)->WriteRecord(key, record);
  };
  office.GetStorage().WriteTransaction([&] {
    for (const char* file : {"SECTEUR", "SOUSSECTEUR", "QUARTIER", "CIVILAIDANT"})
      office.CreateFile(file);
    for (int s = 1; s <= kSectors; ++s) {
      const std::string sector = Code(s, 3);
      put("SECTEUR", sector, {{1, "Secteur " + Code((s * 37) % kSectors, 3)}});
      for (int u = 1; u <= kSubSectorsPerSector; ++u) {
        const std::string sub = sector + Code(u, 2);
        put("SOUSSECTEUR", sub, {{1, "Sous-secteur é" + Code((u * 7) % 10, 2)}});
        for (int d = 1; d <= kDistrictsPerSubSector; ++d)
          put("QUARTIER", sub + Code(d, 2), {{1, "Quartier " + Code(d, 2)}, {2, "010001"}});
      }
    }
    for (int a = 1; a <= kAidants; ++a) {
      put("CIVILAIDANT", "A" + Code(a, 5),
          {{2, "NOM" + std::to_string(a)},
           {3, "Prénom"},
           {31, Code(a % kSectors + 1, 3)},
           {34, "1"},
           {43,
            "001\xFD"
            "002"},
           {50, "fin"}});
    }
  });
}

// One filled office per engine, opened once for the whole run.
std::shared_ptr<dba::DatabaseConnection> Office(int engine) {
  static std::map<int, std::shared_ptr<dba::DatabaseConnection>> offices;
  auto& office = offices[engine];
  if (!office) {
    office = dba::DatabaseClient().Connect(StoreEngines().at(engine).newStore(),
                                           dba::OpenMode::kCreateIfMissing);
    Fill(*office);
  }
  return office;
}

std::string Request(const std::string& statement) {
  std::string verb, file;
  std::istringstream(statement) >> verb >> file;
  dba::DynamicArray request;
  request.Replace(1, statement);
  request.Replace(2, file);
  request.Replace(3, "0 1");
  return request.Text();
}

// Times each run of operation and reports the median and the 99th percentile.
template <class Operation>
void Measure(benchmark::State& state, Operation operation) {
  std::vector<double> micros;
  long round = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    operation(round++);
    micros.push_back(
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
            .count());
  }
  std::sort(micros.begin(), micros.end());
  state.counters["p50_us"] = micros[micros.size() / 2];
  state.counters["p99_us"] = micros[micros.size() * 99 / 100];
  state.SetLabel(StoreEngines().at(state.range(0)).name);
}

void SaveAidant(benchmark::State& state) {
  auto file = Office(state.range(0))->OpenFile("CIVILAIDANT");
  Measure(state, [&](long round) {
    auto record = file->ReadRecord("A" + Code(round % kAidants + 1, 5));
    record->Replace(34, std::to_string(round % 4 + 1));
    record->DBWrite();
  });
}

void QueryOf(benchmark::State& state, const std::string& statement) {
  auto office = Office(state.range(0));
  const std::string request = Request(statement);
  long unused = 0;
  Measure(state,
          [&](long) { benchmark::DoNotOptimize(office->ExecuteQuery(request, "", unused)); });
}

void ReadAidant(benchmark::State& state) {
  auto file = Office(state.range(0))->OpenFile("CIVILAIDANT");
  Measure(state, [&](long round) {
    benchmark::DoNotOptimize(file->ReadRecord("A" + Code(round % kAidants + 1, 5)));
  });
}

void SectorsSorted(benchmark::State& state) {
  QueryOf(state, "SSELECT SECTEUR PAR 1");
}
void SubSectorsOfASector(benchmark::State& state) {
  QueryOf(state, "SSELECT SOUSSECTEUR = '017]' PAR 1");
}
void DistrictsOfASubSector(benchmark::State& state) {
  QueryOf(state, "SSELECT QUARTIER = '01705]' PAR 1");
}
void AllSubSectorsSorted(benchmark::State& state) {
  QueryOf(state, "SSELECT SOUSSECTEUR PAR 1");
}

void DataVersion(benchmark::State& state) {
  auto office = Office(state.range(0));
  Measure(state, [&](long) { benchmark::DoNotOptimize(office->DataVersion()); });
}

void Engines(benchmark::internal::Benchmark* benchmark) {
  for (std::size_t engine = 0; engine < StoreEngines().size(); ++engine)
    benchmark->Arg(static_cast<long>(engine));
  benchmark->Unit(benchmark::kMicrosecond);
}

BENCHMARK(ReadAidant)->Apply(Engines);
BENCHMARK(SaveAidant)->Apply(Engines);
BENCHMARK(SectorsSorted)->Apply(Engines);
BENCHMARK(SubSectorsOfASector)->Apply(Engines);
BENCHMARK(DistrictsOfASubSector)->Apply(Engines);
BENCHMARK(AllSubSectorsSorted)->Apply(Engines);
BENCHMARK(DataVersion)->Apply(Engines);

}  // namespace
