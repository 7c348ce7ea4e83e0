// The read and write dialogs end to end: the real dialogs, opened from the
// main window, talk to the simulated radio on the virtual clock. A full read
// and a full write also run through the production serial adapter to the
// radio behind a pseudo-terminal, on real timers.
#include "image/opt_positions.h"
#include "link/ui/Form_Comm_Read.h"
#include "link/ui/Form_Comm_Write.h"
#include "platform/core/twips.h"
#include "radio_pty_fixture.h"
#include "radio_virtual_fixture.h"
#include "support/image_diff.h"
#include "support/transfer_bench.h"

#include <QAction>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>

#include <string>

namespace {

using Bytes = std::vector<std::uint8_t>;

enum class Which { Read, Write };

constexpr int kFakePort = 3;
const QString kConnecting = QStringLiteral("Connecting with transceiver. ");
const QString kFail = QStringLiteral("Fail connect with transceiver.");
const QString kReadDone = QStringLiteral("Complete reading the data from transceiver.");
const QString kWriteDone = QStringLiteral("Complete writing parameters to the transceiver.");
const QString kBusy = QStringLiteral("Read-write operating with transceiver .");
const QString kBusyClose = QStringLiteral("Read-write operating，don't close the window. ,");

// The loaded read or write dialog of a program, and its start button.
TransferDialog* Find(MDImain& m, Which w) {
  if (w == Which::Read) return m.host().find<Form_Comm_Read>();
  return m.host().find<Form_Comm_Write>();
}
QPushButton* StartButton(TransferDialog* d, Which w) {
  return d->findChild<QPushButton*>(w == Which::Read ? QStringLiteral("Command_read")
                                                     : QStringLiteral("Command_Write"));
}

}  // namespace

template <class Line>
class ReadWriteOn : public Line {
 protected:
  // Reopens the dialog from the Program menu.
  TransferDialog* open(Which w) {
    if (w == Which::Read)
      this->main->MDImain_Prog_read_Click();
    else
      this->main->MDImain_Prog_write_Click();
    return Find(*this->main, w);
  }
  static QPushButton* startButton(TransferDialog* d, Which w) { return StartButton(d, w); }
  // A radio whose memory differs from the factory image everywhere.
  void fillRadio() {
    for (std::size_t i = 0; i < this->sim.memory.size(); ++i)
      this->sim.memory[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
  }
  // Bytes the radio got after the handshake (entry sequence, 0x02, 0x06).
  Bytes afterHandshake() const { return Bytes(this->sim.received.begin() + 9, this->sim.received.end()); }
  static bool idle(TransferDialog* d) {
    return !d->link->Busy() && !d->link->port().isOpen() && !d->link->sender().enabled() &&
           !d->link->watchdog().enabled() && !d->link->failureTimer().enabled();
  }
  MDImain& window() { return *this->main; }
  void fullRead();
  void fullWrite();
};

using ReadWriteDialogs = ReadWriteOn<RadioOnVirtualLine>;
using ReadWriteOnPty = ReadWriteOn<RadioOnPty>;

// Both dialogs as they load, in both languages: texts, controls by name at
// their design places, size and place from the main window, loaded flag.
TEST_F(ReadWriteDialogs, AsLoaded) {
  struct Case {
    Which which;
    Int16 lang;
    const char *title, *start, *cancel, *help;
  };
  const Case cases[] = {
      {Which::Read, 0, "Read Data From Radio", "Read", "Cancel", "Help"},
      {Which::Read, -1, "从对讲机读取数据", "读取", "取消", "帮助"},
      {Which::Write, 0, "Write Data to Radio", "Write", "Cancel", "Help"},
      {Which::Write, -1, "写数据到对讲机", "写入", "取消", "帮助"},
  };
  startWithRadio();
  for (const Case& c : cases) {
    st.Lang_chn = c.lang;
    TransferDialog* d = open(c.which);
    ASSERT_TRUE(d);
    const Int16& flag = c.which == Which::Read ? st.Flag_comm_read : st.Flag_comm_write;
    EXPECT_EQ(flag, -1);
    EXPECT_EQ(d->windowTitle(), QString::fromUtf8(c.title));
    QPushButton* start = startButton(d, c.which);
    ASSERT_TRUE(start);
    EXPECT_EQ(start->text(), QString::fromUtf8(c.start));
    EXPECT_EQ(d->findChild<QPushButton*>(QStringLiteral("Command_Cancel"))->text(), QString::fromUtf8(c.cancel));
    EXPECT_EQ(d->findChild<QPushButton*>(QStringLiteral("Command_Help"))->text(), QString::fromUtf8(c.help));

    // Design places in twips (15 twips a pixel here).
    struct Place {
      const char* name;
      int left, top, width, height;
    };
    const Place places[] = {
        {"ProgressBar1", 120, 240, 5775, 495},
        {"Label_tr_count", 120, 840, 5775, 375},
        {c.which == Which::Read ? "Command_read" : "Command_Write", 1320, 1320, 975, 495},
        {"Command_Cancel", 2760, 1320, 975, 495},
        {"Command_Help", 4200, 1320, 975, 495},
    };
    for (const Place& p : places) {
      auto* w = d->findChild<QWidget*>(QString::fromLatin1(p.name));
      ASSERT_TRUE(w) << p.name;
      EXPECT_EQ(w->geometry(), QRect(twips::ToPixels(p.left, 96), twips::ToPixels(p.top, 96),
                                     twips::ToPixels(p.width, 96), twips::ToPixels(p.height, 96)))
          << p.name;
    }
    EXPECT_TRUE(d->ProgressBar1->isVisibleTo(d));
    EXPECT_EQ(d->ProgressBar1->value(), 0);
    EXPECT_EQ(d->Label_tr_count->text(), QString());
    EXPECT_TRUE(idle(d));

    // A child window of the main window: width / 2.5 by height / 4, centred
    // on the main window's width, top at (height - dialog height) / 1.45.
    auto* sub = qobject_cast<QMdiSubWindow*>(d->parentWidget());
    ASSERT_TRUE(sub);
    const double mw = main->Width(), mh = main->Height();
    const QRect want(twips::ToPixels((mw - mw / 2.5) / 2, 96), twips::ToPixels((mh - mh / 4) / 1.45, 96),
                     twips::ToPixels(mw / 2.5, 96), twips::ToPixels(mh / 4, 96));
    EXPECT_EQ(sub->geometry(), want);

    // Help does nothing; Cancel while idle unloads the dialog.
    d->Command_Help->click();
    EXPECT_TRUE(prompt.calls.empty());
    QPointer<TransferDialog> guard(d);
    d->Command_Cancel->click();
    settle();
    EXPECT_FALSE(guard);
    EXPECT_EQ(flag, 0);
  }
}

// The menu commands and the toolbar keys rebuild the dialog each time.
TEST_F(ReadWriteDialogs, MenuAndToolbarReopen) {
  startWithRadio();
  for (Which w : {Which::Read, Which::Write}) {
    const QString menu = w == Which::Read ? QStringLiteral("Prog_read") : QStringLiteral("Prog_write");
    const QString key = w == Which::Read ? QStringLiteral("read") : QStringLiteral("write");
    main->menu(menu)->trigger();
    TransferDialog* first = Find(*main, w);
    ASSERT_TRUE(first);
    first->Label_tr_count->setText(QStringLiteral("stale"));
    QPointer<TransferDialog> guard(first);
    main->toolButton(key)->trigger();
    settle();
    EXPECT_FALSE(guard) << key.toStdString();
    TransferDialog* second = Find(*main, w);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->Label_tr_count->text(), QString());
  }
}

// A full read fills image rows 0..479 with the radio's memory and leaves row
// 480 alone. While it runs, Read and Cancel refuse with their messages.
template <class Line>
void ReadWriteOn<Line>::fullRead() {
  this->startWithRadio();
  fillRadio();
  this->edit([&](img::Image& im) { im.fillRows(480, 480, 0x42); });
  img::Image want = this->image.image();
  for (int r = 0; r <= 479; ++r)
    for (int c = 0; c < 16; ++c)
      want(r, c) = this->sim.memory[static_cast<std::size_t>(r) * 16 + static_cast<std::size_t>(c)];

  window().MDImain_Toolbar1_ButtonClick(QStringLiteral("read"));
  auto* d = window().host().template find<Form_Comm_Read>();
  ASSERT_TRUE(d);
  d->Command_read->click();
  EXPECT_EQ(d->Label_tr_count->text(), kConnecting);
  EXPECT_EQ(d->ProgressBar1->value(), 0);

  ASSERT_TRUE(this->waitFor([&] { return d->Label_tr_count->text().startsWith(QStringLiteral("Reading")); }, 5000));
  d->Command_read->click();
  d->Command_Cancel->click();
  ASSERT_EQ(this->prompt.calls.size(), 2u);
  EXPECT_EQ(this->prompt.calls[0].text, kBusy);
  EXPECT_EQ(this->prompt.calls[0].title, QStringLiteral("Operate prompt"));
  EXPECT_EQ(this->prompt.calls[1].text, kBusyClose);
  EXPECT_EQ(this->prompt.calls[1].title, QStringLiteral("Operate prompt"));
  EXPECT_EQ(window().host().template find<Form_Comm_Read>(), d);
  EXPECT_EQ(this->st.Flag_comm_read, -1);

  ASSERT_TRUE(this->waitFor([&] { return this->shown(kReadDone); }, 30000));
  EXPECT_EQ(ImageDiff(this->image.image(), want), "");
  EXPECT_EQ(this->prompt.calls.size(), 3u);
  EXPECT_EQ(this->prompt.calls.back().title, QStringLiteral("Operate Prompt"));
  EXPECT_EQ(d->Label_tr_count->text(), QStringLiteral("Read Signal parameters in gear. "));
  EXPECT_EQ(d->ProgressBar1->value(), 100);
  EXPECT_TRUE(d->ProgressBar1->isVisibleTo(d));
  EXPECT_EQ(window().PanelText(2), QStringLiteral("Connect well with radio."));
  EXPECT_EQ(window().PanelText(7), QStringLiteral("VHF: 136-- 174 MHZ"));
  EXPECT_EQ(window().PanelText(8), QStringLiteral("UHF: 400-- 520 MHZ"));
  EXPECT_EQ(this->sim.readRequests.size(), 120u);
  EXPECT_TRUE(idle(d));
}

TEST_F(ReadWriteDialogs, FullRead) { fullRead(); }
TEST_F(ReadWriteOnPty, FullRead) { fullRead(); }

// A full write runs the preparation, then sends exactly the frames of rows
// 0..448; the radio's memory then equals the image there, and rows 449 on
// are not touched. A refused press does not run the preparation.
template <class Line>
void ReadWriteOn<Line>::fullWrite() {
  this->startWithRadio();
  // Varied rows, and channels 1..199 empty or programmed.
  this->edit([&](img::Image& im) {
    for (int r = 200; r <= 479; ++r)
      for (int c = 0; c < 16; ++c) im(r, c) = static_cast<std::int16_t>((r * 13 + c) & 0xFF);
    for (int c = 0; c < 16; ++c) im(150, c) = static_cast<std::int16_t>(0x20 + c);
    im(img::kChannAbRow, 6) = 0xFF;
  });
  std::fill(this->sim.memory.begin() + 0x1C10, this->sim.memory.begin() + 0x1E00, 0x5A);

  window().MDImain_Prog_write_Click();
  auto* d = window().host().template find<Form_Comm_Write>();
  ASSERT_TRUE(d);
  d->Command_Write->click();
  EXPECT_EQ(d->Label_tr_count->text(), kConnecting);
  EXPECT_EQ(this->image.image()(img::kChannAbRow, 6), 1);  // the preparation has run
  // What the write sends: the image as the preparation left it. An edit
  // while it runs stays in the image but is not sent.
  const img::Image sent = this->image.image();
  this->edit([&](img::Image& im) { im(img::kChannAbRow, 1) = 0x42; });
  d->Command_Write->click();
  EXPECT_EQ(this->image.image()(img::kChannAbRow, 1), 0x42);  // refused: no preparation
  d->Command_Cancel->click();
  ASSERT_EQ(this->prompt.calls.size(), 2u);
  EXPECT_EQ(this->prompt.calls[0].text, kBusy);
  EXPECT_EQ(this->prompt.calls[1].text, kBusyClose);
  const img::Image edited = this->image.image();

  ASSERT_TRUE(this->waitFor([&] { return this->shown(kWriteDone); }, 30000));
  EXPECT_EQ(this->prompt.calls.back().title, QStringLiteral("Operate Prompt"));
  EXPECT_EQ(afterHandshake(), Write_frames_expected(sent));
  for (int r = 0; r <= 448; ++r) {
    const bool empty = r >= 1 && r <= 199 && sent(r, 0) == 0xFF;
    for (int c = 0; c < 16; ++c)
      ASSERT_EQ(this->sim.memory[static_cast<std::size_t>(r) * 16 + static_cast<std::size_t>(c)],
                empty && c > 0 ? 0xFF : sent(r, c))
          << r << "," << c;
  }
  for (int a = 0x1C10; a < 0x1E00; ++a) ASSERT_EQ(this->sim.memory[static_cast<std::size_t>(a)], 0x5A) << a;
  EXPECT_EQ(ImageDiff(this->image.image(), edited), "");
  EXPECT_EQ(d->Label_tr_count->text(), QStringLiteral("Complete writing parameters "));
  EXPECT_EQ(d->ProgressBar1->value(), 100);
  EXPECT_EQ(window().PanelText(2), QStringLiteral("Connect well with radio."));
  EXPECT_TRUE(idle(d));
}

TEST_F(ReadWriteDialogs, FullWrite) { fullWrite(); }
TEST_F(ReadWriteOnPty, FullWrite) { fullWrite(); }

// The preparation runs before the port opens, so it changes the image also
// when the port cannot be opened. Nothing reaches the line then.
TEST_F(ReadWriteDialogs, PreparationAlsoWhenThePortFails) {
  struct Case {
    const char* name;
    std::vector<int> programmed;  // channels with a receive frequency; all others empty
    int a, b, wantA, wantB;
    bool opt44Cleared;
  };
  const Case cases[] = {
      {"both sides programmed", {3, 9}, 3, 9, 3, 9, false},
      {"side B empty", {4, 6}, 6, 5, 6, 4, false},
      {"both out of range", {2}, 130, 255, 2, 2, false},
      {"nothing among 0..127", {128}, 7, 8, 0, 0, true},
  };
  start();  // no radio: every port fails
  for (const Case& c : cases) {
    prompt.calls.clear();
    edit([&](img::Image& im) {
      im.fillRows(0, 199, 0xFF);
      for (int n : c.programmed)
        for (int k = 0; k < 4; ++k) im(n, k) = 0x10;
      im(img::kChannAbRow, 6) = static_cast<std::int16_t>(c.a);
      im(img::kChannAbRow, 7) = static_cast<std::int16_t>(c.b);
      im(img::kChannAbRow, 1) = 0x33;
      im.at(img::OptionCell(Pos_spare44)) = 0x44;
      im.fillRows(img::kFmLabelsFirst, img::kFmLabelsLast, 0x00);
    });

    main->MDImain_Prog_write_Click();
    auto* d = main->host().find<Form_Comm_Write>();
    ASSERT_TRUE(d);
    d->Command_Write->click();
    ASSERT_EQ(prompt.calls.size(), 1u) << c.name;
    EXPECT_EQ(prompt.calls[0].text,
              QStringLiteral("Communication port is error, please setting right communication port . ！"));
    EXPECT_EQ(st.Port_err, -1);
    EXPECT_EQ(image.image()(img::kChannAbRow, 6), c.wantA) << c.name;
    EXPECT_EQ(image.image()(img::kChannAbRow, 7), c.wantB) << c.name;
    EXPECT_EQ(image.image()(img::kChannAbRow, 1), 0) << c.name;
    EXPECT_EQ(image.image().at(img::OptionCell(Pos_spare44)), c.opt44Cleared ? 0 : 0x44) << c.name;
    EXPECT_NE(image.image()(img::kFmLabelsFirst, 0), 0) << c.name;  // labels written again
    // Label and bar keep what they showed; nothing was sent.
    EXPECT_EQ(d->Label_tr_count->text(), QString()) << c.name;
    EXPECT_TRUE(idle(d)) << c.name;
  }
  EXPECT_TRUE(sim.received.empty());
}

// Failures leave the image as it was (after the write preparation) and are
// reported once: bar hidden, the message, then "Communication fault.".
struct FailureCase {
  const char* name;
  Which which;
  SimFault fault;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class ReadWriteFailures : public ReadWriteDialogs, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(ReadWriteFailures, ImageUnchangedAndReportedOnce) {
  const FailureCase& c = GetParam();
  startWithRadio();
  fillRadio();
  sim.faults = {c.fault};
  TransferDialog* d = open(c.which);
  ASSERT_TRUE(d);
  startButton(d, c.which)->click();
  const img::Image before = image.image();  // after the preparation of a write

  ASSERT_TRUE(waitFor([&] { return !prompt.calls.empty(); }, 15000));
  ASSERT_EQ(prompt.calls.size(), 1u);
  EXPECT_EQ(prompt.calls[0].text, kFail);
  EXPECT_EQ(prompt.calls[0].title, QStringLiteral("Operate prompt"));
  EXPECT_EQ(ImageDiff(image.image(), before), "");
  EXPECT_EQ(d->Label_tr_count->text(), QStringLiteral("Communication fault."));
  EXPECT_FALSE(d->ProgressBar1->isVisibleTo(d));
  EXPECT_EQ(d->ProgressBar1->value(), 0);
  EXPECT_TRUE(idle(d));  // nothing left that could report again
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadWriteFailures,
    ::testing::Values(
        FailureCase{"SilenceMidRead", Which::Read, {SimReply::Block, 20, SimFault::Silence, 0, 0, {}}},
        FailureCase{"ReplyWithoutItsLeading06", Which::Read, {SimReply::BlockAck, 8, SimFault::Silence, 0, 0, {}}},
        FailureCase{"WrongAddress", Which::Read, {SimReply::Block, 30, SimFault::Wrong, 2, 0x40, {}}},
        FailureCase{
            "MissingAcknowledgementMidWrite", Which::Write, {SimReply::WriteAck, 60, SimFault::Silence, 0, 0, {}}}),
    [](const ::testing::TestParamInfo<FailureCase>& i) { return std::string(i.param.name); });

// Reloading or closing a dialog during its exchange ends the exchange: its
// port is closed at once (the next dialog can open it) and nothing of it
// reports later; the dialog that loads next is idle.
TEST_F(ReadWriteDialogs, ReloadEndsTheExchange) {
  struct Case {
    const char* name;
    Which which;
    void (MDImain::*action)();
  };
  const Case cases[] = {
      {"read dialog reopened from the menu", Which::Read, &MDImain::MDImain_Prog_read_Click},
      {"write dialog reloaded by the language switch", Which::Write, &MDImain::MDImain_Language_chn_Click},
      {"read dialog reloaded by the language switch", Which::Read, &MDImain::MDImain_Language_eng_Click},
  };
  startWithRadio();
  fillRadio();
  for (const Case& c : cases) {
    prompt.calls.clear();
    TransferDialog* d = open(c.which);
    ASSERT_TRUE(d) << c.name;
    startButton(d, c.which)->click();
    const img::Image before = image.image();
    ASSERT_TRUE(waitFor([&] { return d->ProgressBar1->value() >= 5; }, 10000)) << c.name;
    QPointer<TransferDialog> guard(d);
    (main.get()->*c.action)();
    settle();
    EXPECT_FALSE(guard) << c.name;
    TransferDialog* next = Find(*main, c.which);
    ASSERT_TRUE(next) << c.name;
    EXPECT_TRUE(idle(next)) << c.name;
    EXPECT_EQ(c.which == Which::Read ? st.Flag_comm_read : st.Flag_comm_write, -1) << c.name;
    EXPECT_EQ(ImageDiff(image.image(), before), "") << c.name;

    // The new dialog starts: the old port is closed. (The radio's answers to
    // what the old exchange sent last are let in first; the new port's open
    // discards them.)
    pause(50);
    const std::size_t entries = static_cast<std::size_t>(sim.entries);
    startButton(next, c.which)->click();
    EXPECT_EQ(next->Label_tr_count->text(), st.Lang_chn ? QStringLiteral("正在与对讲机联络 ！") : kConnecting)
        << c.name;
    ASSERT_TRUE(waitFor([&] { return static_cast<std::size_t>(sim.entries) > entries; }, 2000)) << c.name;
    EXPECT_TRUE(prompt.calls.empty()) << c.name;
    if (c.which == Which::Write)
      main->MDImain_Prog_write_Click();
    else
      main->MDImain_Prog_read_Click();
    settle();
  }
  // Nothing of the abandoned exchanges reports later.
  pause(3200);
  EXPECT_TRUE(prompt.calls.empty());
}

// The exit asks nothing while an exchange runs; it ends the exchange with the
// dialog.
TEST_F(ReadWriteDialogs, ExitDuringAnExchange) {
  startWithRadio();
  auto* d = static_cast<Form_Comm_Read*>(open(Which::Read));
  d->Command_read->click();
  ASSERT_TRUE(waitFor([&] { return d->ProgressBar1->value() >= 3; }, 5000));
  const img::Image before = image.image();
  main->MDImain_Menu_Exit_Click();
  EXPECT_FALSE(main->isVisible());
  EXPECT_EQ(st.Flag_comm_read, 0);
  settle();
  EXPECT_FALSE(main->host().find<Form_Comm_Read>());
  // A request that had gone out before the exit may still be on its way to
  // the radio: let it arrive before counting.
  pause(200);
  const int requests = static_cast<int>(sim.readRequests.size());
  pause(300);
  EXPECT_EQ(static_cast<int>(sim.readRequests.size()), requests);
  EXPECT_TRUE(prompt.calls.empty());
  EXPECT_EQ(ImageDiff(image.image(), before), "");
}

// Hand-fired timers, no radio: after the watchdog has expired the failure
// report is still pending, and the dialog refuses Read, Write and Cancel
// until it has come.
class TransferDialogTimers : public AppFixture {};

TEST_F(TransferDialogTimers, RefusesUntilTheFailureReportHasCome) {
  ports.present = {kFakePort};
  start();
  st.Comm_port = kFakePort;
  for (Which which : {Which::Read, Which::Write}) {
    prompt.calls.clear();
    if (which == Which::Read)
      main->MDImain_Prog_read_Click();
    else
      main->MDImain_Prog_write_Click();
    TransferDialog* d = Find(*main, which);
    ASSERT_TRUE(d);
    auto& sender = static_cast<ManualTimer&>(d->link->sender());
    auto& watchdog = static_cast<ManualTimer&>(d->link->watchdog());
    auto& failure = static_cast<ManualTimer&>(d->link->failureTimer());
    QPushButton* startButton = StartButton(d, which);
    startButton->click();
    EXPECT_EQ(sender.interval(), 15);
    sender.fire();  // the entry sequence goes out
    EXPECT_EQ(watchdog.interval(), which == Which::Read ? 2000 : 1000);
    watchdog.fire();  // no answer
    EXPECT_FALSE(d->link->port().isOpen());
    EXPECT_FALSE(d->link->engine().Busy_reading());
    EXPECT_FALSE(d->link->engine().Busy_writing());
    EXPECT_TRUE(failure.enabled());
    EXPECT_EQ(failure.interval(), 1000);
    startButton->click();
    d->Command_Cancel->click();
    ASSERT_EQ(prompt.calls.size(), 2u);
    EXPECT_EQ(prompt.calls[0].text, kBusy);
    EXPECT_EQ(prompt.calls[1].text, kBusyClose);
    failure.fire();
    ASSERT_EQ(prompt.calls.size(), 3u);
    EXPECT_EQ(prompt.calls[2].text, kFail);
    EXPECT_EQ(d->Label_tr_count->text(), QStringLiteral("Communication fault."));
    // Now idle: Cancel closes the dialog.
    d->Command_Cancel->click();
    settle();
    EXPECT_EQ(prompt.calls.size(), 3u);
    EXPECT_EQ(which == Which::Read ? st.Flag_comm_read : st.Flag_comm_write, 0);
  }
}
