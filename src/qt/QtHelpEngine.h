#pragma once

#include "basis/Export.h"

#include <QPointer>
#include <QTextBrowser>
#include <string>

#include "forms/HelpEngine.h"

namespace qtui {

// The help engine with Qt: the contents of a help file (HTML) in a help window, which
// the quit command for that file closes. One per process, created after the
// application object and destroyed before it.
class DELVARO_EXPORT QtHelpEngine : public forms::HelpEngine {
 public:
  QtHelpEngine() = default;
  ~QtHelpEngine() override;
  QtHelpEngine(const QtHelpEngine&) = delete;
  QtHelpEngine& operator=(const QtHelpEngine&) = delete;

  // 1 when the command was carried out, 0 otherwise (an unknown command, a file that
  // cannot be read: the window then says so).
  long WinHelp(long window, const std::string& helpFile, long command, long data) override;

  // The help window while it is open, nullptr otherwise.
  QTextBrowser* Window() const { return window_; }

 private:
  long ShowContents(const std::string& helpFile);
  void Quit(const std::string& helpFile);

  QPointer<QTextBrowser> window_;
  std::string shownFile_;
};

}  // namespace qtui
