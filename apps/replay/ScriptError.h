#pragma once

#include <stdexcept>
#include <string>

namespace scenario {

// A script that cannot go on: a malformed line, an unknown command, widget or
// property, a question nobody scripted an answer for. what() is the reason alone;
// the runner puts the script's name and the line in front of it.
class ScriptError : public std::runtime_error {
 public:
  ScriptError(int line, const std::string& reason) : std::runtime_error(reason), line_(line) {}

  int Line() const { return line_; }

 private:
  int line_;
};

}  // namespace scenario
