#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace scenario {

// delvaro-replay [--db ADRESSE | --data FILE.jsonl ...] SCRIPT...
// Plays each script, writes the failed expectations and the reasons of stops to out,
// then one line "N passed, M failed". Returns 0 when every expectation passed, 1 when
// one failed, 2 when a script could not be played or the command line is wrong (usage
// on err).
int RunReplayTool(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace scenario
