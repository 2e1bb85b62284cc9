#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <istream>
#include <ostream>
#include <sstream>
#include <string>

// What a run of a command-line tool left: its exit status and what it wrote.
struct ToolOutcome {
  int status;
  std::string out, err;
};

// Runs a tool's entry point with input as its standard input.
inline ToolOutcome RunTool(
    const std::function<int(std::istream&, std::ostream&, std::ostream&)>& tool,
    const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out, err;
  const int status = tool(in, out, err);
  return {status, out.str(), err.str()};
}

// How every Delvaro tool refuses a command line: status 2, nothing on the standard output,
// and on the error output one French line starting with the reason, then the hint to --help.
inline void ExpectRefused(const ToolOutcome& outcome, const std::string& program,
                          const std::string& reason) {
  EXPECT_EQ(outcome.status, 2) << reason;
  EXPECT_TRUE(outcome.err.starts_with(program + " : " + reason)) << outcome.err;
  EXPECT_TRUE(outcome.err.ends_with(".\nPour l'aide : " + program + " --help\n")) << outcome.err;
  EXPECT_EQ(outcome.out, "");
}
