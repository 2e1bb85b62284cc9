#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "basis/Error.h"
#include "forms/ScriptedHost.h"
#include "forms/Surface.h"
#include "forms/WidgetObserver.h"

// A surface on a scripted host that remembers what it told its observer; each test
// adds the widgets it needs after it.
class FormsFixture : public ::testing::Test, public forms::WidgetObserver {
 protected:
  FormsFixture() { surface.SetObserver(this); }

  void WidgetChanged(forms::Widget& widget) override { changed.push_back(widget.Name()); }
  void FocusRequested(forms::Widget& widget) override { focused.push_back(widget.Name()); }

  std::function<void()> Trace(const std::string& what) {
    return [this, what] { log.push_back(what); };
  }

  forms::ScriptedHost host;
  forms::Surface surface{host, "UserControl", 42};
  std::vector<std::string> changed;
  std::vector<std::string> focused;
  std::vector<std::string> log;
};

inline long ErrorNumberOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const basis::Error& error) {
    return error.Number();
  }
  return basis::kNoError;
}
