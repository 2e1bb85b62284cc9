#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace scenario {

// delvaro-replay [--db ADRESSE | --data FICHIER.jsonl ...] SCÉNARIO...
// Plays each script ("-": standard input), writes the failed expectations and the
// reasons of stops to out, then one line "N passed, M failed". Returns 0 when every
// expectation passed, 1 when one failed, 2 when a script could not be played or the
// command line is wrong (one French line and a hint to --help on err). --help and
// --version write to out and return 0.
int RunReplayTool(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                  std::ostream& err);

}  // namespace scenario
