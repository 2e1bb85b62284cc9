#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <memory>
#include <string>

#include "TestStore.h"
#include "control/ProcessState.h"
#include "forms/MessageStyle.h"
#include "forms/ScriptedHost.h"
#include "qt/QtHelpEngine.h"
#include "qt/SectorisationWindow.h"
#include "rights/UserRights.h"

// A caption as the person reads it: the mark of its Alt letter taken out.
inline QString Shown(const QString& caption) {
  QString shown;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&' && i + 1 < caption.size())
      ++i;
    shown.append(caption[i]);
  }
  return shown;
}

// A sectorisation screen in a real Qt window over the standard test world, answering
// its questions from a scripted host. Each test starts from a fresh process-wide state.
class ScreenFixture : public ::testing::Test {
 protected:
  ScreenFixture() : rights_(std::make_shared<rights::UserRights>()) {
    TheProcess = ProcessState{};
    store_.LoadStandardWorld();
    rights_->Grant("DOSAIDANTSECTEUR", 2);
  }

  ~ScreenFixture() override {
    delete window_.data();
    TheProcess = ProcessState{};
  }

  qtui::SectorisationWindow& Open(const std::string& code) {
    window_ = new qtui::SectorisationWindow(help_);
    window_->Services().SetAnswerSource(&answers_);
    window_->Open(store_.Connection(), store_.Client(), rights_, code);
    window_->show();
    window_->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window_));
    return *window_;
  }

  template <class QtWidget>
  QtWidget& Child(const QString& name) const {
    auto* widget = window_->findChild<QtWidget*>(name);
    if (widget == nullptr)
      throw std::logic_error("no Qt widget named " + name.toStdString());
    return *widget;
  }

  // Gives the widget the focus, types the text, then presses the key so many times.
  template <class QtWidget>
  QtWidget& Keys(const char* name, const QString& text, Qt::Key key = Qt::Key_unknown,
                 int times = 1) {
    auto& widget = Child<QtWidget>(name);
    widget.setFocus();
    QTest::keyClicks(&widget, text);
    for (int i = 0; key != Qt::Key_unknown && i < times; ++i)
      QTest::keyClick(&widget, key);
    return widget;
  }

  // Runs what was queued: the unloading of the window and its destruction.
  static void Settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  static void Click(QWidget& widget, Qt::MouseButton button = Qt::LeftButton,
                    QPoint at = QPoint()) {
    QTest::mouseClick(&widget, button, Qt::NoModifier, at);
  }

  TestStore store_;
  qtui::QtHelpEngine help_;
  forms::ScriptedHost answers_;
  std::shared_ptr<rights::UserRights> rights_;
  QPointer<qtui::SectorisationWindow> window_;
};
