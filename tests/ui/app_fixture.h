#pragma once
// A fresh program for each test: its own shared state, recorded prompts,
// fake ports and hand-fired timers, and a 1024 x 768 screen unless a test
// says otherwise.
#include "app/ui/MDImain.h"
#include "state/image_store.h"
#include "state/session.h"
#include "support/fake_port.h"
#include "support/manual_timer.h"
#include "support/recording_prompt.h"

#include <gtest/gtest.h>
#include <QCoreApplication>

#include <memory>
#include <utility>

class AppFixture : public ::testing::Test {
 protected:
  AppFixture() {
    svc.prompt = &prompt;
    svc.ports = &ports;
    svc.timers = &timers;
    svc.screen = [this] { return screen; };
    svc.clock = [] { return DateTime{2026, 12, 10, 9, 30, 0}; };
  }
  ~AppFixture() override {
    main.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  // Builds the main window and runs its start-up.
  MDImain& start() {
    main = std::make_unique<MDImain>(st, image, svc);
    main->MDImain_MDIForm_Load();
    return *main;
  }
  // Changes the image through its owner, as something outside the windows
  // would (a read, a file load).
  template <class Edit>
  void edit(Edit&& e) {
    image.change(0, img::kRows - 1, nullptr, std::forward<Edit>(e));
  }
  void setImage(const img::Image& im) { image.replaceRows(im, 0, img::kRows - 1, nullptr); }
  // Whether a message box with this text has been shown.
  bool shown(const QString& text) const {
    for (const PromptCall& c : prompt.calls)
      if (c.text == text) return true;
    return false;
  }
  // Lets deferred deletions of unloaded windows happen.
  static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

  Session st;
  ImageStore image;
  RecordingPrompt prompt;
  FakePortFactory ports;
  ManualTimerFactory timers;
  ScreenInfo screen{1024, 768, 96};
  Services svc;
  std::unique_ptr<MDImain> main;
};
