// The link session of a window: its port and timers made from the window's
// factories and wired to the engine, and the window's rules from its profile
// for a start or a close while the exchange runs.
#include "link/hand_code.h"
#include "link/ident_check.h"
#include "link/link_session.h"
#include "state/session.h"
#include "support/fake_port.h"
#include "support/radio_sim.h"
#include "support/recording_prompt.h"
#include "support/sim_line.h"
#include "support/virtual_clock.h"

#include <gtest/gtest.h>

#include <map>

namespace {

struct SessionBench {
  explicit SessionBench(LinkProfile profile) {
    ports.present = {3};
    ports.onCreate = [this](FakePort& p) { line.attach(p); };
    st.Comm_port = 3;
    Hand_code_init(st);
    session = std::make_unique<LinkSession>(
        ports, clock, LinkEngine::Env{st, &prompt, [this](StatusPanel p, const QString& t) { panels[p] = t; }},
        profile);
  }
  FakePort& port() { return *ports.created.at(0); }

  VirtualClock clock;
  FakePortFactory ports;
  Session st;
  RecordingPrompt prompt;
  std::map<StatusPanel, QString> panels;
  RadioSim sim;
  SimLine line{sim, clock};
  std::unique_ptr<LinkSession> session;
};

struct RuleCase {
  const char* name;
  LinkProfile profile;
  const char* startMessage;  // "" : refused silently
  const char* closeMessage;  // "" : no message; closeAllowed says whether it closes
  bool closeAllowed;
};

void PrintTo(const RuleCase& c, std::ostream* os) { *os << c.name; }

class LinkSessionRules : public testing::TestWithParam<RuleCase> {};

}  // namespace

// One port and three timers per session, the events wired: the session runs
// an identification on its own.
TEST(LinkSession, MakesAndWiresItsPortAndTimers) {
  SessionBench b(link_profiles::kIdentStartup);
  EXPECT_EQ(b.ports.created.size(), 1u);
  IdentCheck ident(IdentCheck::Where::MainWindow);
  ASSERT_EQ(b.session->Start(ident), LinkStart::Started);
  b.clock.advance(500);
  EXPECT_EQ(b.panels[StatusPanel::LinkState].toStdString(), "Connect well with radio.");
  EXPECT_EQ(b.panels[StatusPanel::BandA].toStdString(), "VHF: 136-- 174 MHZ");
  EXPECT_FALSE(b.session->Busy());
  EXPECT_FALSE(b.port().isOpen());
}

// While the exchange runs: a second start and a close, each by the window's
// rule. The unload ends the exchange whatever the rule.
TEST_P(LinkSessionRules, StartAndCloseWhileBusy) {
  const RuleCase& c = GetParam();
  SessionBench b(c.profile);
  b.sim.silent = true;
  IdentCheck ident(IdentCheck::Where::PortDialog);
  ASSERT_EQ(b.session->Start(ident), LinkStart::Started);
  b.clock.advance(20);
  EXPECT_EQ(b.session->Start(ident), LinkStart::Busy);
  const bool closed = b.session->Close_request();
  EXPECT_EQ(closed, c.closeAllowed);
  std::vector<std::string> texts;
  for (const PromptCall& p : b.prompt.calls) texts.push_back(p.text.toStdString());
  std::vector<std::string> want;
  if (*c.startMessage) want.push_back(c.startMessage);
  if (*c.closeMessage) want.push_back(c.closeMessage);
  EXPECT_EQ(texts, want);
  EXPECT_EQ(b.port().isOpen(), !closed);
  b.session->End();
  EXPECT_FALSE(b.session->Busy());
  EXPECT_FALSE(b.port().isOpen());
  b.clock.advance(5000);
  EXPECT_EQ(b.prompt.calls.size(), want.size());
}

INSTANTIATE_TEST_SUITE_P(
    Profiles, LinkSessionRules,
    testing::Values(RuleCase{"ReadDialog", link_profiles::kReadAll, "Read-write operating with transceiver .",
                             "Read-write operating，don't close the window. ,", false},
                    RuleCase{"PortDialog", link_profiles::kIdentSetup, "Read-write operating with transceiver .", "",
                             true},
                    RuleCase{"PasswordDialog", link_profiles::kPassword, "",
                             "Read-write operating，don't close the window. ,", false},
                    RuleCase{"MainWindow", link_profiles::kIdentStartup, "", "", true},
                    RuleCase{"AlignmentEditor", link_profiles::kAlignment, "Read-write operating with transceiver .",
                             "Read-write operating，don't close the window.,", false}),
    [](const testing::TestParamInfo<RuleCase>& p) { return std::string(p.param.name); });
