#pragma once
// The program a benchmark drives: the main window over a fresh shared state,
// with fake serial ports, hand-fired timers, a 1280 x 1024 screen and the
// prompt the benchmark gives, its start-up run.
#include "app/ui/MDImain.h"
#include "state/image_store.h"
#include "state/session.h"
#include "support/fake_port.h"
#include "support/manual_timer.h"

#include <QApplication>

// Everything queued so far has run, unloaded windows deleted.
inline void Settle() {
  QApplication::processEvents();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QApplication::processEvents();
}

class BenchProgram {
 public:
  explicit BenchProgram(Prompt& prompt) {
    svc.prompt = &prompt;
    svc.ports = &ports;
    svc.timers = &timers;
    svc.screen = [] { return ScreenInfo{1280, 1024, 96}; };
    svc.clock = [] { return DateTime{2026, 12, 10, 9, 30, 0}; };
  }
  // Builds the main window (`beforeStart` runs on it first) and runs the start-up.
  template <class BeforeStart>
  MDImain& start(BeforeStart&& beforeStart) {
    main_ = std::make_unique<MDImain>(st, image, svc);
    beforeStart(*main_);
    main_->MDImain_MDIForm_Load();
    Settle();
    return *main_;
  }
  MDImain& start() {
    return start([](MDImain&) {});
  }

  FakePortFactory ports;
  ManualTimerFactory timers;
  Services svc;
  Session st;
  ImageStore image;

 private:
  std::unique_ptr<MDImain> main_;
};
