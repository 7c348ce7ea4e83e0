// The identification end to end: the real main window and port dialog and the
// simulated radio. Most tests run on fake ports and the virtual clock; the
// start-up identification, a port that fails to reopen and a hang-up also run
// through the production serial adapter and timers to the radio behind a
// pseudo-terminal (waits bounded).
#include "link/hand_code.h"
#include "link/link_session.h"
#include "link/ui/Form_setup.h"
#include "radio_pty_fixture.h"
#include "radio_virtual_fixture.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

using Bytes = std::vector<std::uint8_t>;
const Bytes kEntryAndRequest = [] {
  Bytes b(kHandCode.begin(), kHandCode.begin() + 7);
  b.push_back(0x02);
  return b;
}();

}  // namespace

// The identification tests on either line: the radio on COM15, plugged in
// before the start-up, so the start-up's scan finds it.
template <class Line>
class IdentOn : public Line {
 protected:
  IdentOn() : Line(15) {
    this->sim.setBands(144, 148, 430, 440);
    plug(15);
  }
  void plug(int port);
  void unplug();
  QString panel(int n) const { return this->main->PanelText(n); }
  Form_setup* dialog() { return this->main->host().template find<Form_setup>(); }
  // Opens the port dialog, chooses `port` and confirms.
  Form_setup* confirm(int port) {
    this->main->MDImain_proc_setup_Click();
    Form_setup* d = dialog();
    if (!d) return nullptr;
    d->Option_Port[static_cast<std::size_t>(port - 1)]->setChecked(true);
    QTest::mouseClick(d->Command_ok, Qt::LeftButton);
    return d;
  }
  // Nothing is under way that could still send or report: the port is
  // closed and none of the link's timers is armed.
  bool linkIdle() {
    LinkSession& l = *this->main->link;
    return !l.port().isOpen() && !l.sender().enabled() && !l.watchdog().enabled() && !l.failureTimer().enabled();
  }
};

template <>
void IdentOn<RadioOnPty>::plug(int port) {
  EXPECT_EQ(port, radioPort);
  plugged = true;
}
template <>
void IdentOn<RadioOnVirtualLine>::plug(int port) {
  ports.present = {port};
}
template <>
void IdentOn<RadioOnVirtualLine>::unplug() {
  ports.present.clear();
}

// The production serial adapter and timers, the radio behind a
// pseudo-terminal; every port but COM15 fails to open.
class LinkEndToEnd : public IdentOn<RadioOnPty> {
 protected:
  QString device(int port) override {
    ++resolves;
    if (failAfter >= 0 && resolves > failAfter) return QStringLiteral("/nonexistent/tty");
    return RadioOnPty::device(port);
  }
  int resolves = 0;
  int failAfter = -1;  // >= 0: resolutions after this many fail
};

// The same program on fake ports and the virtual clock.
using IdentOnVirtualLine = IdentOn<RadioOnVirtualLine>;

TEST_F(LinkEndToEnd, StartUpFindsTheRadioOnCom15) {
  start();
  EXPECT_EQ(panel(3), QStringLiteral("COM15"));
  EXPECT_EQ(panel(2), QStringLiteral("Connecting with transceiver... "));
  ASSERT_TRUE(waitFor([&] { return panel(2) == QStringLiteral("Connect well with radio."); }, 3000));
  EXPECT_EQ(panel(7).toStdString(), "VHF: 144-- 148 MHZ");
  EXPECT_EQ(panel(8).toStdString(), "UHF: 430-- 440 MHZ");
  EXPECT_EQ((std::array<double, 4>{st.Freq_vhf_low, st.Freq_vhf_high, st.Freq_uhf_low, st.Freq_uhf_high}),
            (std::array<double, 4>{144, 148, 430, 440}));
  EXPECT_FALSE(main->link->port().isOpen());
  // On the wire the exchange ends with the radio's frame: no 0x06 follows.
  // The port is closed, so the radio has all the program sent once it has
  // read what is on the line.
  EXPECT_TRUE(linkIdle());
  ASSERT_TRUE(waitFor([&] { return pty.unread() == 0; }, 1000));
  EXPECT_EQ(sim.received, kEntryAndRequest);
  EXPECT_TRUE(prompt.calls.empty());
}

// At 9600 baud, with the frame cut in two arrivals, the 8 bytes are still
// taken only once all of them wait.
TEST_F(IdentOnVirtualLine, PacedLineAndSplitFrame) {
  line.paced = true;
  sim.faults = {{SimReply::Ident, -1, SimFault::Split, 0, 0, {3, 5}}};
  start();
  ASSERT_TRUE(waitFor([&] { return panel(2) == QStringLiteral("Connect well with radio."); }, 3000));
  EXPECT_EQ(panel(7).toStdString(), "VHF: 144-- 148 MHZ");
}

TEST_F(IdentOnVirtualLine, SilentRadioGivesCommunicationFault) {
  sim.silent = true;
  start();
  ASSERT_TRUE(waitFor([&] { return panel(2) == QStringLiteral("Communication fault."); }, 5000));
  // 15 ms to the entry, 1000 ms watchdog, 1000 ms failure timer.
  EXPECT_EQ(clock.now(), 15 + 1000 + 1000);
  EXPECT_EQ(sim.received, Bytes(kHandCode.begin(), kHandCode.begin() + 7));
  EXPECT_EQ(st.Freq_vhf_low, 130);  // the band table's limits stay
  EXPECT_EQ(panel(7).toStdString(), "VHF0: 130 -   179MHZ");
  EXPECT_FALSE(main->link->port().isOpen());
}

// The port found by the scan no longer opens for the identification: the
// main window stays, nothing is sent, panel 2 shows the failure at once.
TEST_F(LinkEndToEnd, FailedReopenKeepsTheMainWindow) {
  failAfter = 1;  // the scan's open of port 15 is the only one that works
  start();
  EXPECT_EQ(panel(2), QStringLiteral("Communication fault."));
  // Nothing can come later: no port open, no timer armed, nothing on the
  // line; and the events already queued leave the main window as it is.
  EXPECT_TRUE(linkIdle());
  EXPECT_EQ(pty.unread(), 0);
  QCoreApplication::processEvents();
  EXPECT_TRUE(main->isVisible());
  EXPECT_TRUE(sim.received.empty());
  EXPECT_TRUE(prompt.calls.empty());
  EXPECT_EQ(st.Comm_port, 15);
}

// A hang-up during the identification: the adapter closes the port on the
// read error, and the watchdog reports the failure as usual.
TEST_F(LinkEndToEnd, HangUpClosesThePortAndIsReported) {
  sim.faults = {{SimReply::Ident, -1, SimFault::HangUp, 0, 0, {}}};
  start();
  // The adapter closes the port long before the watchdog would.
  ASSERT_TRUE(waitFor([&] { return !sim.received.empty() && !main->link->port().isOpen(); }, 800));
  EXPECT_EQ(panel(2), QStringLiteral("Connecting with transceiver... "));
  ASSERT_TRUE(waitFor([&] { return panel(2) == QStringLiteral("Communication fault."); }, 5000));
}

TEST_F(IdentOnVirtualLine, PortDialogConfirmIdentifiesTheRadio) {
  unplug();  // nothing at start-up
  start();
  EXPECT_EQ(st.Comm_port, 1);
  plug(3);
  main->SetPanelText(2, QStringLiteral("old"));
  ASSERT_TRUE(confirm(3));
  EXPECT_EQ(st.Comm_port, 3);
  EXPECT_EQ(panel(3), QStringLiteral("COM3"));
  EXPECT_EQ(panel(2), QString());
  EXPECT_EQ(panel(7), QString());
  EXPECT_EQ(panel(8), QString());
  ASSERT_TRUE(waitFor([&] { return panel(2) == QStringLiteral("Connect well with radio."); }, 3000));
  EXPECT_TRUE(dialog());  // it closes 50 ms later
  EXPECT_EQ(panel(7).toStdString(), "VHF: 144-- 148 MHZ");
  EXPECT_EQ(panel(8).toStdString(), "UHF: 430-- 440 MHZ");
  EXPECT_EQ(st.Freq_uhf_high, 440);
  ASSERT_TRUE(waitFor([&] { return !dialog(); }, 1000));
  EXPECT_EQ(st.Flag_setup, 0);
  EXPECT_EQ(sim.received, kEntryAndRequest);
  EXPECT_TRUE(prompt.calls.empty());
}

TEST_F(IdentOnVirtualLine, PortDialogConfirmWithoutAnswer) {
  unplug();
  start();
  plug(3);
  sim.silent = true;
  const long t0 = clock.now();
  ASSERT_TRUE(confirm(3));
  ASSERT_TRUE(waitFor([&] { return panel(2) == QStringLiteral("Communication fault."); }, 3000));
  EXPECT_EQ(clock.now() - t0, 15 + 1000);
  EXPECT_TRUE(dialog());  // the failure text comes at the watchdog, the close a second later
  ASSERT_TRUE(waitFor([&] { return !dialog(); }, 3000));
  EXPECT_EQ(clock.now() - t0, 15 + 1000 + 1000);
  EXPECT_EQ(st.Comm_port, 3);
  EXPECT_EQ(st.Freq_vhf_low, 130);
}

TEST_F(IdentOnVirtualLine, PortDialogConfirmOnAPortThatDoesNotOpen) {
  start();  // the radio on COM15 is identified at start-up
  ASSERT_TRUE(waitFor([&] { return panel(2) == QStringLiteral("Connect well with radio."); }, 3000));
  ASSERT_TRUE(confirm(4));
  EXPECT_FALSE(dialog());
  ASSERT_EQ(prompt.calls.size(), 1u);
  EXPECT_EQ(prompt.calls[0].text.toStdString(),
            "Communication port is error, please setting right communication port . ！");
  EXPECT_EQ(prompt.calls[0].title, QStringLiteral("Operate prompt"));
  EXPECT_EQ(st.Comm_port, 4);
  EXPECT_EQ(st.Port_err, -1);
  EXPECT_EQ(panel(3), QStringLiteral("COM4"));
  for (int n : {2, 7, 8}) EXPECT_EQ(panel(n), QString()) << n;
}

TEST_F(IdentOnVirtualLine, PortDialogCancelDuringTheIdentification) {
  unplug();
  start();
  plug(3);
  Form_setup* d = confirm(3);
  ASSERT_TRUE(d);
  QTest::mouseClick(d->Command1, Qt::LeftButton);
  EXPECT_FALSE(dialog());
  clock.advance(300);
  EXPECT_EQ(panel(2), QString());
  EXPECT_EQ(panel(7), QString());
  EXPECT_TRUE(sim.received.empty());  // its sender ended with it
}
