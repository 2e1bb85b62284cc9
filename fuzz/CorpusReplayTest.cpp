// Every committed input of every fuzz target, replayed in ordinary builds: the seeds and
// each input that ever broke a target. A broken property aborts with its name, after the
// input's path is printed.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

#include "FuzzTargets.h"

namespace {

namespace fs = std::filesystem;

using Target = int (*)(const std::uint8_t*, std::size_t);

void Replay(const char* corpus, Target target) {
  const fs::path folder = fs::path(DELVARO_FUZZ_CORPUS) / corpus;
  std::vector<fs::path> inputs;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.is_regular_file())
      inputs.push_back(entry.path());
  std::sort(inputs.begin(), inputs.end());
  ASSERT_FALSE(inputs.empty()) << folder;
  for (const fs::path& input : inputs) {
    std::ifstream file(input, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file),
                                  std::istreambuf_iterator<char>()};
    std::cerr << "replaying " << input.filename().string() << '\n';
    EXPECT_NO_THROW(target(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()))
        << input;
  }
}

TEST(FuzzCorpus, EveryInputOfEveryTargetHolds) {
  for (const auto& [corpus, target] :
       {std::pair<const char*, Target>{"dynamic_array", fuzz::DynamicArrayTarget},
        {"query", fuzz::QueryTarget},
        {"json_lines", fuzz::JsonLinesTarget},
        {"script_words", fuzz::ScriptWordsTarget},
        {"scenario", fuzz::ScenarioTarget}})
    Replay(corpus, target);
}

}  // namespace
