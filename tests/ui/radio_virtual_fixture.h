#pragma once
// A fresh program with the simulated radio on a fake port, everything on the
// virtual clock: the windows run their exchanges on virtual timers and the
// radio's replies arrive at scheduled virtual times. The radio sits on the
// port given to the constructor while it is plugged in. Unless a test plugs
// it in before the start-up, the start-up finds no port (the radio is
// plugged in afterwards), so nothing but the test's own exchanges touches
// the line. The same helpers as RadioOnPty, so a test body runs on either.
#include "app_fixture.h"
#include "support/radio_sim.h"
#include "support/sim_line.h"
#include "support/virtual_clock.h"

class RadioOnVirtualLine : public AppFixture {
 protected:
  explicit RadioOnVirtualLine(int port = 4) : radioPort(port) {
    svc.timers = &clock;
    ports.onCreate = [this](FakePort& p) { line.attach(p); };
  }
  ~RadioOnVirtualLine() override {
    main.reset();
    settle();
  }
  MDImain& startWithRadio() {
    start();
    st.Comm_port = static_cast<Int16>(radioPort);
    ports.present.insert(radioPort);
    return *main;
  }
  // Runs the virtual clock until `done` holds or `ms` have passed.
  template <class Pred>
  bool waitFor(Pred done, int ms) {
    return clock.runUntil(done, ms);
  }
  void pause(int ms) { clock.advance(ms); }

  const int radioPort;
  VirtualClock clock;
  RadioSim sim;
  SimLine line{sim, clock};
};
