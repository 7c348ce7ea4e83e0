#pragma once
// A fresh program with a simulated radio behind a pseudo-terminal: the
// windows open it through the production serial-port adapter and run on real
// timers. The radio sits on the port given to the constructor while it is
// plugged in; every other port fails to open. Unless a test plugs it in
// before the start-up, the start-up finds no port (the radio is plugged in
// afterwards), so nothing but the test's own exchanges touches the line.
// That nothing more comes on the line is shown by the closed port, the
// link's idle timers and pty.unread() being 0 (the radio has read all the
// program sent), never by waiting a while.
#include "app_fixture.h"
#include "platform/qt_services.h"
#include "support/radio_sim.h"
#include "support/sim_pty.h"

#include <QEventLoop>
#include <QTimer>

class RadioOnPty : public AppFixture {
 protected:
  explicit RadioOnPty(int port = 4) : radioPort(port) {
    svc.ports = &qtPorts;
    svc.timers = &qtTimers;
  }
  ~RadioOnPty() override {
    // The windows and their ports go while the line still exists.
    main.reset();
    settle();
  }
  void SetUp() override { ASSERT_TRUE(pty.isOpen()) << "no pseudo-terminal"; }
  MDImain& startWithRadio() {
    EXPECT_TRUE(pty.isOpen());
    start();
    st.Comm_port = static_cast<Int16>(radioPort);
    plugged = true;
    return *main;
  }
  // The device behind a port number: the radio's line while it is plugged in
  // at its port, else none (the open fails).
  virtual QString device(int port) { return port == radioPort && plugged ? pty.slavePath() : QString(); }
  // Runs the event loop until `done` holds or `ms` have passed. A real loop
  // that sleeps in the event dispatcher (QTest::qWaitFor sleeps 10 ms between
  // passes, which delays the exchange's timers and the serial events).
  // There is no pause: on real timers a test waits for what it waits for.
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

  const int radioPort;
  RadioSim sim;
  SimPty pty{sim};
  bool plugged = false;
  QtSerialPortFactory qtPorts{[this](int n) { return device(n); }};
  QtTimerFactory qtTimers;
};
