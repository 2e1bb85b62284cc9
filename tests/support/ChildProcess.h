#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

// A program a test runs as another process (another workstation), talking to it
// line by line through its standard input and output.
class ChildProcess {
 public:
  // arguments[0] is the program's path. Throws std::runtime_error when it cannot start.
  explicit ChildProcess(std::vector<std::string> arguments);
  // Ends the process if it still runs.
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  void WriteLine(const std::string& line);
  // The next line, without its line break; "" once the output has ended.
  std::string ReadLine();
  // Closes its input and waits for it to end; its exit status, or -1 when it was killed.
  int Wait();

 private:
  pid_t pid_ = -1;
  int input_ = -1;
  int output_ = -1;
  std::string pending_;
};
