// The record-store tool at the stress scale: a sorted query of every aidant, and the
// import of the whole service, each beside its raw floor.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "DbTool.h"
#include "RawFloor.h"
#include "ServiceDatabase.h"
#include "SideBySide.h"
#include "dba/DatabaseClient.h"

extern char** environ;

namespace {

// delvaro-db query, in this process, on a connection of its own as the tool opens it.
void SortedQuery(benchmark::State& state, const std::string& scale) {
  ServiceDatabase& database = ServiceDatabase::Of(scale);
  RawFloor floor(database.Path());
  const std::vector<std::string> arguments = {"--db", database.Path(), "query",
                                              "SSELECT CIVILAIDANT PAR 2"};
  SideBySide sides(SideBySide::Clock::kCpu);
  long rows = 0;
  for (auto _ : state) {
    sides.Floor([&] { rows = floor.ReadFile("CIVILAIDANT"); });
    std::istringstream in;
    std::ostringstream out, err;
    sides.Product(state, [&] {
      if (DbTool(in, out, err).Run(arguments) != 0)
        throw std::runtime_error(err.str());
    });
  }
  sides.Report(state);
  state.counters["rows"] = static_cast<double>(rows);
}

// Runs delvaro-db as its own process; gives its peak resident memory in megabytes.
double RunTool(const std::vector<std::string>& arguments) {
  std::vector<std::string> words = {DELVARO_DB_TOOL};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words)
    argv.push_back(word.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t child = 0;
  if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) != 0)
    throw std::runtime_error("cannot run delvaro-db");
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
    throw std::runtime_error("delvaro-db failed");
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// delvaro-db import of the whole service into a new database, as a process of its own
// (so that its peak memory is its own); the floor inserts the same records straight
// through a prepared statement, in one transaction.
void Import(benchmark::State& state, const std::string& scale) {
  const servicedata::ServiceGenerator& generator = ServiceDatabase::Of(scale).Generator();
  const std::string lines = ServiceDatabase::TemporaryPath(scale + ".jsonl");
  {
    std::ofstream out(lines, std::ios::binary);
    generator.WriteJsonLines(out);
  }
  const std::string target = ServiceDatabase::TemporaryPath(scale + "-import.db");
  SideBySide sides(SideBySide::Clock::kCpu);
  double peak = 0;
  for (auto _ : state) {
    ServiceDatabase::Remove(target);
    // The schema, as the tool makes it.
    dba::DatabaseClient().Connect("sqlite:" + target, dba::OpenMode::kCreateIfMissing);
    {
      RawFloor floor(target);
      sides.Floor(
          [&] { floor.InsertAll([&](const auto& insert) { generator.Generate(insert); }); });
    }
    ServiceDatabase::Remove(target);
    sides.Product(state, [&] { peak = RunTool({"--db", target, "import", lines}); });
  }
  ServiceDatabase::Remove(target);
  std::filesystem::remove(lines);
  sides.Report(state);
  state.counters["peak_MB"] = peak;
}

const bool kRegistered = [] {
  for (const char* scale : {"office", "stress"}) {
    benchmark::RegisterBenchmark((std::string("Tool/") + scale + "/SortedQueryOfAidants").c_str(),
                                 [=](benchmark::State& state) { SortedQuery(state, scale); })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->MinTime(0.5);
    benchmark::RegisterBenchmark((std::string("Tool/") + scale + "/Import").c_str(),
                                 [=](benchmark::State& state) { Import(state, scale); })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
  }
  return true;
}();

}  // namespace
