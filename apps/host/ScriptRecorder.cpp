#include "host/ScriptRecorder.h"

#include "replay/ScriptWords.h"

namespace host {
namespace {

constexpr int kReplayDefaultLevel = 2;

}  // namespace

ScriptRecorder::ScriptRecorder(std::ostream& out, int level) : out_(out), level_(level) {}

void ScriptRecorder::Opened(const std::string& code) {
  if (!levelWritten_ && level_ != kReplayDefaultLevel)
    WriteLine({"level", std::to_string(level_)});
  levelWritten_ = true;
  WriteLine({"open", code});
}

void ScriptRecorder::ActionDone(const std::vector<std::string>& words) {
  for (int answer : answers_)
    WriteLine({"answer", std::to_string(answer)});
  answers_.clear();
  WriteLine(words);
}

void ScriptRecorder::AnswerGiven(int answer) {
  answers_.push_back(answer);
}

void ScriptRecorder::WriteLine(const std::vector<std::string>& words) {
  for (std::size_t i = 0; i < words.size(); ++i)
    out_ << (i > 0 ? " " : "") << scenario::QuoteWord(words[i]);
  // Written as the person works: a recording stays whole even if the host is killed.
  out_ << std::endl;
}

}  // namespace host
