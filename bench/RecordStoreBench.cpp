#include <benchmark/benchmark.h>

#include <string>

#include "dba/DatabaseClient.h"
#include "dba/Storage.h"

namespace {

// An in-memory store whose file BIG holds count records keyed 0000000, 0000001, ...
std::shared_ptr<dba::DatabaseConnection> StoreOf(long count) {
  auto connection = dba::DatabaseClient().Connect("sqlite::memory:");
  connection->CreateFile("BIG");
  auto file = connection->OpenFile("BIG");
  connection->GetStorage().WriteTransaction([&] {
    for (long i = 0; i < count; ++i) {
      std::string key = std::to_string(i);
      key.insert(0, 7 - key.size(), '0');
      dba::DynamicArray record;
      record.Replace(1, "Libellé " + std::to_string((i * 7919) % count));
      file->WriteRecord(key, record);
    }
  });
  return connection;
}

std::string Request(const std::string& statement) {
  dba::DynamicArray request;
  request.Replace(1, statement);
  request.Replace(2, "BIG");
  request.Replace(3, "0 1");
  return request.Text();
}

// The control's search loops read a result list row after row: each read must not
// depend on the size of the list.
void ExtractRowOfLargeResult(benchmark::State& state) {
  const long rows = state.range(0);
  long unused = 0;
  const auto result = StoreOf(rows)->ExecuteQuery(Request("SSELECT BIG PAR 1"), "", unused);
  long row = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(result->Extract(row % rows + 1, 2));
    ++row;
  }
}
BENCHMARK(ExtractRowOfLargeResult)->Arg(1000)->Arg(100000);

// A prefix condition selecting 100 records reads them through the key index: the time
// stays flat as the file grows.
void PrefixQueryOnLargeFile(benchmark::State& state) {
  const auto connection = StoreOf(state.range(0));
  const std::string request = Request("SSELECT BIG = '00042]' PAR 1");
  long unused = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(connection->ExecuteQuery(request, "", unused)->DCount());
}
BENCHMARK(PrefixQueryOnLargeFile)->Arg(10000)->Arg(200000);

}  // namespace
