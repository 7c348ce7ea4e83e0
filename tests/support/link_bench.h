#pragma once
// An exchange engine on the virtual clock, with a simulated radio on a fake
// port: the bench for tests of the engine and of the exchange kinds.
//
//   LinkBench b(link_profiles::kReadAll);
//   MyKind kind;
//   b.engine->Start(kind);
//   b.clock.runUntil([&] { return kind.done; }, 60000);
#include "link/hand_code.h"
#include "link/link_engine.h"
#include "state/image_store.h"
#include "state/session.h"
#include "support/fake_port.h"
#include "support/radio_sim.h"
#include "support/recording_prompt.h"
#include "support/sim_line.h"
#include "support/virtual_clock.h"

#include <QString>

#include <map>
#include <memory>
#include <set>
#include <utility>
#include <vector>

struct LinkBench {
  static constexpr int kPort = 3;

  explicit LinkBench(LinkProfile profile = link_profiles::kIdentStartup) {
    st.Comm_port = kPort;
    Hand_code_init(st);
    line.attach(port);
    engine = std::make_unique<LinkEngine>(port, *Timer1, *Timer2, *Timer3,
                                          LinkEngine::Env{st, &prompt,
                                                          [this](StatusPanel sp, const QString& t) {
                                                            const int p = static_cast<int>(sp);
                                                            panels[p] = t;
                                                            panelLog.push_back({clock.now(), p, t});
                                                          }},
                                          profile);
    engine->ConnectHandlers();
  }

  VirtualTimer& sender() { return static_cast<VirtualTimer&>(*Timer1); }
  VirtualTimer& watchdog() { return static_cast<VirtualTimer&>(*Timer2); }
  VirtualTimer& failure() { return static_cast<VirtualTimer&>(*Timer3); }
  // No radio on the line: the test feeds the port itself.
  void unplugRadio() { port.onWrite = nullptr; }

  struct PanelWrite {
    long at;
    int panel;
    QString text;
  };

  VirtualClock clock;
  std::set<int> present{kPort};
  FakePort port{&present};
  std::unique_ptr<Timer> Timer1 = clock.create();
  std::unique_ptr<Timer> Timer2 = clock.create();
  std::unique_ptr<Timer> Timer3 = clock.create();
  Session st;
  ImageStore image;  // the image an exchange under test reads from or stores into
  RecordingPrompt prompt;
  std::map<int, QString> panels;
  std::vector<PanelWrite> panelLog;
  RadioSim sim;
  SimLine line{sim, clock};
  std::unique_ptr<LinkEngine> engine;
};
