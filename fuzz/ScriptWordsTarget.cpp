#include <string>
#include <string_view>
#include <vector>

#include "FuzzRequire.h"
#include "FuzzSplit.h"
#include "FuzzTargets.h"
#include "replay/ScriptWords.h"

namespace fuzz {
namespace {

std::string Quoted(const std::vector<std::string>& words) {
  std::string line;
  for (const std::string& word : words) {
    if (!line.empty())
      line += ' ';
    line += scenario::QuoteWord(word);
  }
  return line;
}

}  // namespace

int ScriptWordsTarget(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);

  // Any words at all, separated by 0x01 in the input, are written and read back whole.
  const std::vector<std::string> words = Split(input, '\x01');
  Require(scenario::SplitWords(Quoted(words)) == words, "QuoteWord is undone by SplitWords");

  // Any line either splits, and its words quoted split the same, or is refused as such.
  std::vector<std::string> split;
  try {
    split = scenario::SplitWords(input);
  } catch (const scenario::WordSyntaxError&) {
    return 0;
  }
  Require(scenario::SplitWords(Quoted(split)) == split, "a split line quotes back");
  return 0;
}

}  // namespace fuzz
