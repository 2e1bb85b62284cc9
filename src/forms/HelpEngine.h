#pragma once

#include "basis/Export.h"

#include <string>

namespace forms {

// The platform's help engine. Commands: 11 shows the contents of the help file,
// 2 tells the engine the file is no longer needed.
class DELVARO_EXPORT HelpEngine {
 public:
  static constexpr long kShowContents = 11;
  static constexpr long kQuit = 2;

  virtual ~HelpEngine() = default;
  virtual long WinHelp(long window, const std::string& helpFile, long command, long data) = 0;
};

}  // namespace forms
