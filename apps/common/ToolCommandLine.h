#pragma once

#include <CLI/CLI.hpp>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace appsupport {

// The command line of a Delvaro tool, read by CLI11 and spoken in French: --help and
// --version, "--option value" and "--option=value", and a wrong line reported in one
// French sentence with a hint to --help. Used from the main thread only.
class ToolCommandLine {
 public:
  ToolCommandLine(std::string program, const std::string& description);

  // Where the tool declares its options, operands and commands.
  CLI::App& App() { return app_; }
  // A command of the tool, listed under "Commandes" in the help.
  CLI::App& AddCommand(const std::string& name, const std::string& description);

  // Reads arguments (the command line without the program name). Returns nothing when
  // the tool should go on with the values read; otherwise the status to exit with: 0
  // after --help or --version (written to out), 2 after a wrong command line (the reason
  // and the hint written to err, nothing to out).
  std::optional<int> Parse(const std::vector<std::string>& arguments, std::ostream& out,
                           std::ostream& err);

  // Reports a command line that reads well but cannot be carried out, the way Parse
  // reports a wrong one: reason (a French sentence without final stop) and the hint to
  // --help on err. Returns 2, the status to exit with.
  int Refuse(const std::string& reason, std::ostream& err) const;

  // The French sentence, without final stop, for an error CLI11 raised while reading.
  std::string Explain(const CLI::ParseError& error) const;

 private:
  std::string program_;
  CLI::App app_;
};

}  // namespace appsupport
