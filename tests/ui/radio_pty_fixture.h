#pragma once
// A fresh program with a simulated radio behind a pseudo-terminal: the
// windows open it through the production serial-port adapter and run on real
// timers. The start-up finds no port (the radio is plugged in afterwards), so
// nothing but the test's own exchanges touches the line.
#include "app_fixture.h"
#include "platform/qt_services.h"
#include "support/radio_sim.h"
#include "support/sim_pty.h"

#include <QEventLoop>
#include <QTimer>

class RadioOnPty : public AppFixture {
 protected:
  static constexpr int kPort = 4;

  RadioOnPty() {
    svc.ports = &qtPorts;
    svc.timers = &qtTimers;
  }
  ~RadioOnPty() override {
    // The windows and their ports go while the line still exists.
    main.reset();
    settle();
  }
  MDImain& startWithRadio() {
    EXPECT_TRUE(pty.isOpen());
    start();
    st.Comm_port = kPort;
    plugged = true;
    return *main;
  }
  // Runs the event loop until `done` holds or `ms` have passed. A real loop
  // that sleeps in the event dispatcher (QTest::qWaitFor sleeps 10 ms between
  // passes, which delays the exchange's timers and the serial events).
  template <class Pred>
  static bool waitFor(Pred done, int ms) {
    if (done()) return true;
    QEventLoop loop;
    QTimer check, limit;
    check.setTimerType(Qt::PreciseTimer);
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
      if (done()) loop.quit();
    });
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    check.start(2);
    limit.start(ms);
    loop.exec();
    return done();
  }
  static void pause(int ms) {
    waitFor([] { return false; }, ms);
  }
  // Whether a message box with this text has been shown.
  bool shown(const QString& text) const {
    for (const PromptCall& c : prompt.calls)
      if (c.text == text) return true;
    return false;
  }

  RadioSim sim;
  SimPty pty{sim};
  bool plugged = false;
  QtSerialPortFactory qtPorts{[this](int n) { return n == kPort && plugged ? pty.slavePath() : QString(); }};
  QtTimerFactory qtTimers;
};
