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

#include <functional>
#include <map>

namespace {

// A window as the session sees it: whether its events are off, and how many
// of its handlers are on the stack.
struct CountingOwner : HandlerOwner {
  bool Handlers_off() const override { return off; }
  void Handler_begin() override { ++depth; }
  void Handler_end() override { --depth; }
  bool off = false;
  int depth = 0;
};

// An exchange whose failure report is whatever the test makes of it.
struct ReportingKind : LinkExchangeKind {
  void failureTick(LinkEngine& e) override {
    if (onFailure) onFailure(e);
  }
  std::function<void(LinkEngine&)> onFailure;
};

struct SessionBench {
  explicit SessionBench(LinkProfile profile, HandlerOwner* owner = nullptr) {
    ports.present = {3};
    ports.onCreate = [this](FakePort& p) { line.attach(p); };
    st.Comm_port = 3;
    Hand_code_init(st);
    session = std::make_unique<LinkSession>(
        ports, clock, LinkEngine::Env{st, &prompt, [this](StatusPanel p, const QString& t) { panels[p] = t; }}, profile,
        owner);
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

// The session's port and timer events run as handlers of its window: one is
// on the stack while the failure report's box is open. The window unloading
// under that box ends the session, and the report learns it from Show().
// Once the window is unloading its events are dropped.
TEST(LinkSession, EventsAreTheWindowsHandlers) {
  CountingOwner owner;
  SessionBench b(link_profiles::kReadAll, &owner);
  b.sim.silent = true;
  ReportingKind kind;
  bool goOn = true;
  kind.onFailure = [&](LinkEngine& e) { goOn = e.Show(Msg_fail_connect); };
  int depthInBox = 0;
  b.prompt.onShow = [&](const PromptCall&) {
    depthInBox = owner.depth;
    b.session->End();
  };
  ASSERT_EQ(b.session->Start(kind), LinkStart::Started);
  b.clock.advance(5000);
  ASSERT_EQ(b.prompt.calls.size(), 1u);
  EXPECT_EQ(depthInBox, 1);
  EXPECT_FALSE(goOn);
  EXPECT_EQ(owner.depth, 0);

  CountingOwner unloading;
  unloading.off = true;
  SessionBench off(link_profiles::kReadAll, &unloading);
  ASSERT_EQ(off.session->Start(kind), LinkStart::Started);
  off.clock.advance(5000);
  EXPECT_TRUE(off.port().written.empty());
  EXPECT_TRUE(off.prompt.calls.empty());
}

// After End() (the window unloads) nothing starts or opens again, and
// nothing is said: no busy message, no port error, no close refusal.
TEST(LinkSession, EndIsFinal) {
  SessionBench b(link_profiles::kReadAll);
  b.session->End();
  IdentCheck ident(IdentCheck::Where::PortDialog);
  EXPECT_EQ(b.session->Start(ident), LinkStart::Ended);
  EXPECT_FALSE(b.session->Port_open());
  EXPECT_TRUE(b.session->Refused_while_busy());
  EXPECT_FALSE(b.session->Close_request());
  b.clock.advance(5000);
  EXPECT_EQ(b.port().openCalls, 0);
  EXPECT_TRUE(b.port().written.empty());
  EXPECT_TRUE(b.prompt.calls.empty());
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
