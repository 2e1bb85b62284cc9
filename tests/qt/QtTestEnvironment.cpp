// The application object every Qt test needs, on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <memory>

#include "qt/FrenchTexts.h"

namespace {

class QtTestEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
      qputenv("QT_QPA_PLATFORM", "offscreen");
    // Window places and settings go to a folder of the test's own, never the user's.
    qputenv("XDG_CONFIG_HOME", settings_.path().toUtf8());
    application_ = std::make_unique<QApplication>(argc_, argv_);
    qtui::InstallFrenchTexts(*application_);
  }
  void TearDown() override { application_.reset(); }

 private:
  int argc_ = 1;
  char name_[9] = "qt_tests";
  char* argv_[2] = {name_, nullptr};
  QTemporaryDir settings_;
  std::unique_ptr<QApplication> application_;
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new QtTestEnvironment);

}  // namespace
