#pragma once

#include <string>
#include <vector>

namespace scenario {

// What playing one script gave.
struct ScenarioOutcome {
  int passed = 0;
  int failed = 0;
  // The script could not be played to its end (missing file, malformed line, a
  // question nobody answered, ...).
  bool stopped = false;
  // "SCRIPT:LINE: ..." for each failed expectation and for the reason of a stop, in order.
  std::vector<std::string> report;

  // 0 when every expectation passed, 1 when one failed, 2 when the script stopped.
  int Status() const { return stopped ? 2 : failed > 0 ? 1 : 0; }
};

}  // namespace scenario
