#pragma once

#include <CLI/CLI.hpp>
#include <istream>
#include <ostream>

#include "dba/DatabaseConnection.h"

// Where a command of delvaro-db reads its input and writes its output and reports.
struct ToolStreams {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
};

// One command of delvaro-db. It declares its operands and options on its own
// subcommand when it is made, and runs on the store the tool opened for it.
class DbCommand {
 public:
  virtual ~DbCommand() = default;
  DbCommand(const DbCommand&) = delete;
  DbCommand& operator=(const DbCommand&) = delete;

  // Whether the command line named this command.
  bool Chosen() const { return command_.parsed(); }
  const std::string& Name() const { return command_.get_name(); }
  // Whether the command may create the store when it does not exist; the others report
  // a missing store and write nothing.
  virtual bool CreatesStore() const { return false; }
  // Returns the exit status (0, or 1 for what the command found wrong). A failure is
  // raised (basis::Error or another std::exception) with nothing half-written; the tool
  // reports it with status 1.
  virtual int Run(dba::DatabaseConnection& connection, const ToolStreams& streams) = 0;

 protected:
  explicit DbCommand(CLI::App& command) : command_(command) {}

  static void ReportLoaded(std::ostream& out, long records) {
    out << records << (records > 1 ? " enregistrements chargés.\n" : " enregistrement chargé.\n");
  }

 private:
  const CLI::App& command_;
};
