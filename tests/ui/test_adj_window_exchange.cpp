// The alignment window's read and write: its buttons, progress bar and
// label, the table and the display, the busy refusals, a retry, the frame's
// close during a read and a radio whose area is all 0xFF, with the simulated
// radio on the virtual clock; one read and one write through the production
// serial adapter to the radio behind a pseudo-terminal. The exchange's own
// rules (frames, checks, retries) are tested on the session in
// tests/core/test_adj_exchange.cpp.
#include "adj_window_fixture.h"
#include "alignment/adj_exchange.h"
#include "alignment/adj_file.h"
#include "alignment/ui/Form_open_adj.h"
#include "alignment/ui/Form_save_adj.h"
#include "alignment/ui/adj_file_dialog.h"
#include "radio_pty_fixture.h"
#include "radio_virtual_fixture.h"
#include "support/adj_frames.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>

#include <string>
#include <vector>

namespace {

using adj::Cell;

const QString kBusy = QStringLiteral("Read-write operating with transceiver .");
const QString kBusyClose = QStringLiteral("Read-write operating，don't close the window.,");
const QString kPortError = QStringLiteral("Communication Port Open Error ！");

using namespace adj_frames;

// The radio's alignment area, different everywhere; values a page shows
// without complaint (offsets 0..20, list values within their lists).
void FillRadio(RadioSim& sim) {
  for (int a = 0x1EC0; a < 0x2000; ++a)
    sim.memory[static_cast<std::size_t>(a)] = static_cast<std::uint8_t>((a * 7 + a / 16) % 21);
}

}  // namespace

template <class Line>
class AdjExchangeOn : public AdjWindowOn<Line> {
 protected:
  void SetUp() override {
    this->startWithRadio();
    this->activate();
    ASSERT_TRUE(this->open());
    // The bar's values as they are shown.
    QObject::connect(this->w->ProgressBar1, &QProgressBar::valueChanged, this->w, [this](int v) { bars.push_back(v); });
  }
  bool idle() const {
    LinkSession& l = *this->w->link;
    return !l.Busy() && !l.port().isOpen() && !l.sender().enabled() && !l.watchdog().enabled() &&
           !l.failureTimer().enabled();
  }
  // What the radio holds where table row k goes.
  Cell radio(int k, int c) const {
    return this->sim.memory[static_cast<std::size_t>(kWriteAddress[k]) + static_cast<std::size_t>(c)];
  }
  // The table a read must leave: rows 0..15 from where the write puts them,
  // rows 16..19 from 0x1EC0..0x1EFF.
  std::vector<Cell> radioRows() const {
    std::vector<Cell> out;
    for (int r = 0; r < 20; ++r)
      for (int c = 0; c < 16; ++c)
        out.push_back(
            r < 16 ? radio(r, c)
                   : this->sim.memory[0x1EC0 + 16 * static_cast<std::size_t>(r - 16) + static_cast<std::size_t>(c)]);
    return out;
  }
  std::vector<int> bars;
};

using AdjExchange = AdjExchangeOn<RadioOnVirtualLine>;
using AdjExchangeOnPty = AdjExchangeOn<RadioOnPty>;

// A full read, in both languages: the bytes sent, the bar and label, the
// table and the page, the status panels, the completion message last.
TEST_F(AdjExchange, FullRead) {
  struct Lang {
    Int16 flag;
    const char *connecting, *done, *message, *title, *connected;
  } langs[] = {
      {0, "Connecting with transceiver. ", "Read optional parameters in gear. ",
       "Complete reading the data from transceiver.", "Operate Prompt", "Connect well with radio."},
      {-1, "正在与对讲机联络 ！", "调整参数读出正常 ！", "从对讲机中读取调整数据完毕 ！", "操作提示",
       "与对讲机数据通讯正常"},
  };
  FillRadio(sim);
  clickTab(3);
  for (const Lang& l : langs) {
    SCOPED_TRACE(l.flag);
    st.Lang_chn = l.flag;
    // In English, an offset beyond 20 at 0x1F70 (row 7): the page shown
    // reports it before the completion message.
    const bool badOffset = l.flag == 0;
    sim.memory[0x1F70] = badOffset ? 30 : 4;
    sim.received.clear();
    prompt.calls.clear();
    click(w->Command_read);
    EXPECT_TRUE(w->ProgressBar1->isVisible());
    EXPECT_EQ(w->ProgressBar1->value(), 0);
    EXPECT_EQ(w->Label_tr_count->text(), QString::fromUtf8(l.connecting));
    bars.clear();
    const std::vector<Cell> before = rows();
    ASSERT_TRUE(waitFor([&] { return !w->link->Busy(); }, 10000));
    EXPECT_TRUE(idle());
    EXPECT_EQ(sim.received, Read_bytes());
    std::vector<Cell> want = radioRows();
    if (badOffset) want[std::size_t{7} * 16] = def(7, 0);  // refused by its box
    EXPECT_EQ(rows(), want);
    EXPECT_NE(rows(), before);
    EXPECT_EQ(w->Text_Sq_Offset_VHF[1]->text(), QString::number(radio(7, 1)));
    EXPECT_EQ(w->Text_Sq_Offset_VHF[0]->text(), QString::number(want[std::size_t{7} * 16]));
    EXPECT_EQ(bars, (std::vector<int>{50, 66, 83, 100}));
    EXPECT_TRUE(w->ProgressBar1->isVisible());
    EXPECT_EQ(w->Label_tr_count->text(), QString::fromUtf8(l.done));
    std::vector<std::string> want_messages;
    if (badOffset) want_messages.push_back(" 输入数字范围为 0 - 20 ！");
    want_messages.push_back(l.message);
    EXPECT_EQ(messages(), want_messages);
    EXPECT_EQ(prompt.calls.back().title, QString::fromUtf8(l.title));
    EXPECT_EQ(prompt.calls.back().icon, PromptIcon::Exclamation);
    EXPECT_EQ(main->PanelText(2), QString::fromUtf8(l.connected));
    EXPECT_EQ(main->PanelText(7), QStringLiteral("VHF: 136-- 174 MHZ"));
    EXPECT_EQ(main->PanelText(8), QStringLiteral("UHF: 400-- 520 MHZ"));
    // The second round reads something else.
    for (int a = 0x1EC0; a < 0x2000; ++a)
      sim.memory[static_cast<std::size_t>(a)] =
          static_cast<std::uint8_t>((sim.memory[static_cast<std::size_t>(a)] + 1) % 21);
  }
}

// A full write: the bytes of the table as it was at the press, each frame
// after the radio's 0x06; 0x1FD0..0x1FEF untouched, the marker at 0x0DF0;
// the message before the label's last text.
TEST_F(AdjExchange, FullWrite) {
  for (int r = 0; r < 16; ++r)
    for (int c = 0; c < 16; ++c) at(r, c) = static_cast<Cell>((r * 16 + c + 5) % 21);
  const adj::Table pressed = st.AdjTable;
  const std::vector<std::uint8_t> untouched(sim.memory.begin() + 0x1FD0, sim.memory.begin() + 0x1FF0);
  QString labelAtMessage;
  prompt.onShow = [&](const PromptCall&) { labelAtMessage = w->Label_tr_count->text(); };
  click(w->Command_Write);
  EXPECT_EQ(w->Label_tr_count->text(), QStringLiteral("Connecting with transceiver. "));
  EXPECT_TRUE(w->ProgressBar1->isVisible());
  EXPECT_EQ(w->ProgressBar1->value(), 0);
  bars.clear();
  ASSERT_TRUE(waitFor([&] { return !w->link->Busy(); }, 10000));
  EXPECT_TRUE(idle());
  EXPECT_EQ(sim.received, Write_bytes(pressed));
  for (int k = 0; k < 16; ++k)
    for (int c = 0; c < 16; ++c)
      EXPECT_EQ(radio(k, c), pressed[static_cast<std::size_t>(k)][static_cast<std::size_t>(c)]) << k;
  EXPECT_EQ(std::vector<std::uint8_t>(sim.memory.begin() + 0x1FD0, sim.memory.begin() + 0x1FF0), untouched);
  EXPECT_EQ(Bytes(sim.memory.begin() + 0x0DF0, sim.memory.begin() + 0x0E00), Marker());
  EXPECT_EQ(bars, (std::vector<int>{6, 12, 18, 25, 31, 37, 43, 50, 56, 62, 68, 75, 81, 87, 93, 100}));
  EXPECT_EQ(messages(), std::vector<std::string>{"Complete writing optional parameters to the transceiver."});
  EXPECT_EQ(labelAtMessage, QStringLiteral("Writing  16  Data Block"));
  EXPECT_EQ(w->Label_tr_count->text(), QStringLiteral("Complete writing optional parameters "));
  EXPECT_EQ(w->ProgressBar1->value(), 100);
}

// Edits and a file load during a write reach the table, not the radio: the
// write sends the copy taken at the press.
TEST_F(AdjExchange, EditsAndALoadDuringAWriteAreNotSent) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  adj::Table other{};
  for (std::size_t r = 0; r < 16; ++r)
    for (std::size_t c = 0; c < 16; ++c) other[r][c] = static_cast<Cell>(c + 1);
  const QString path = dir.filePath(QStringLiteral("other.adj"));
  ASSERT_TRUE(adj::Adj_file_save(path, other, false));
  const adj::Table pressed = st.AdjTable;
  line.replyDelayMs = 200;  // a slow radio: the write lasts some seconds
  click(w->Command_Write);
  ASSERT_TRUE(waitFor([&] { return sim.writes.size() >= 3; }, 5000));
  paste(w->Text1[0], QStringLiteral("99"));
  EXPECT_EQ(at(0, 0), 99);
  Adj_dialog_request_load(st, path);  // as the open dialog's Confirm does
  ASSERT_TRUE(waitFor([&] { return st.File_load_req == 0; }, 1000));
  EXPECT_TRUE(w->link->Busy());
  EXPECT_EQ(at(15, 0), 1);
  ASSERT_TRUE(waitFor([&] { return !w->link->Busy(); }, 10000));
  EXPECT_EQ(sim.received, Write_bytes(pressed));
  EXPECT_EQ(radio(0, 0), pressed[0][0]);
  EXPECT_EQ(at(0, 0), 1);
  EXPECT_EQ(messages(), (std::vector<std::string>{"Succeed fold the optional parameters from file.",
                                                  "Complete writing optional parameters to the transceiver."}));
}

// While an exchange runs, and in the pause before a retry, every button
// refuses with its message and the exchange goes on undisturbed; the Close
// refusal has no space before its final comma. After the last attempt only
// panel 2 reports the fault.
TEST_F(AdjExchange, BusyRefusalsAndASilentRadio) {
  sim.silent = true;
  click(w->Command_read);
  const auto pressAll = [&] {
    prompt.calls.clear();
    for (QPushButton* b : {w->Command_read, w->Command_Write, w->Command_open, w->Command_save, w->Command_close})
      click(b);
    settle();
    EXPECT_EQ(messages(), (std::vector<std::string>{kBusy.toStdString(), kBusy.toStdString(), kBusy.toStdString(),
                                                    kBusy.toStdString(), kBusyClose.toStdString()}));
    for (const PromptCall& c : prompt.calls) {
      EXPECT_EQ(c.title, QStringLiteral("Operate prompt"));
      EXPECT_EQ(c.icon, PromptIcon::Exclamation);
    }
    EXPECT_TRUE(loaded());
    EXPECT_FALSE(main->host().isLoaded<Form_open_adj>());
    EXPECT_FALSE(main->host().isLoaded<Form_save_adj>());
  };
  pressAll();
  pause(1500);  // the watchdog has run out: a retry is pending
  EXPECT_FALSE(w->link->port().isOpen());
  EXPECT_TRUE(w->link->failureTimer().enabled());
  pressAll();
  prompt.calls.clear();
  ASSERT_TRUE(waitFor([&] { return idle(); }, 20000));
  EXPECT_EQ(sim.entries, 4);
  EXPECT_EQ(main->PanelText(2), QStringLiteral("Communication fault."));
  EXPECT_TRUE(prompt.calls.empty());
  // Bar and label keep what they showed.
  EXPECT_TRUE(w->ProgressBar1->isVisible());
  EXPECT_EQ(w->ProgressBar1->value(), 0);
  EXPECT_EQ(w->Label_tr_count->text(), QStringLiteral("Connecting with transceiver. "));
  // Idle again: the buttons work.
  click(w->Command_open);
  EXPECT_TRUE(main->host().isLoaded<Form_open_adj>());
}

// Only a complete read changes the table and the page: a reply one byte
// short is retried from the entry sequence and the retry completes; replies
// at the wrong address on every attempt leave both as they were.
TEST_F(AdjExchange, OnlyACompleteReadChangesTheTable) {
  FillRadio(sim);
  const std::vector<Cell> factory = rows();
  sim.faults = {{SimReply::Block, 1, SimFault::Short, 1, 0, {}}};
  std::vector<Cell> atMessage;
  prompt.onShow = [&](const PromptCall&) { atMessage = rows(); };
  click(w->Command_read);
  ASSERT_TRUE(waitFor([&] { return sim.entries == 2; }, 10000));
  EXPECT_EQ(rows(), factory);
  EXPECT_EQ(w->Text1[0]->text(), QString::number(factory[0]));
  ASSERT_TRUE(waitFor([&] { return idle(); }, 10000));
  EXPECT_EQ(rows(), radioRows());
  EXPECT_EQ(atMessage, radioRows());
  EXPECT_EQ(w->Text1[0]->text(), QString::number(radio(0, 0)));
  EXPECT_EQ(messages(), std::vector<std::string>{"Complete reading the data from transceiver."});

  prompt.calls.clear();
  const std::vector<Cell> read = rows();
  for (int a = 0x1EC0; a < 0x2000; ++a) sim.memory[static_cast<std::size_t>(a)] = 7;
  sim.faults = {{SimReply::Block, -1, SimFault::Wrong, 2, 0x40, {}}};
  click(w->Command_read);
  ASSERT_TRUE(waitFor([&] { return idle(); }, 20000));
  EXPECT_EQ(sim.entries, 6);
  EXPECT_EQ(rows(), read);
  EXPECT_EQ(w->Text1[0]->text(), QString::number(read[0]));
  EXPECT_TRUE(prompt.calls.empty());
  EXPECT_EQ(main->PanelText(2), QStringLiteral("Communication fault."));
}

// Closed by its frame during a read: no question, the exchange ended (port
// closed, timers stopped), the table as it was, nothing more on the line.
TEST_F(AdjExchange, FrameCloseMidRead) {
  FillRadio(sim);
  const std::vector<Cell> before = rows();
  click(w->Command_read);
  ASSERT_TRUE(waitFor([&] { return sim.readRequests.size() >= 2; }, 5000));
  QPointer<frm_Adj_Txp> window(w);
  w->frame()->close();
  EXPECT_TRUE(prompt.calls.empty());
  ASSERT_TRUE(window);  // deleted once control is back in the event loop
  EXPECT_TRUE(idle());
  EXPECT_FALSE(w->Timer4->enabled());
  settle();
  EXPECT_FALSE(window);
  EXPECT_FALSE(loaded());
  const std::size_t sent = sim.received.size();
  pause(10000);
  EXPECT_EQ(sim.received.size(), sent);
  EXPECT_EQ(rows(), before);
  EXPECT_TRUE(prompt.calls.empty());
}

// A port that does not reopen for a retry: its message once, the retries end
// there without the fault text.
TEST_F(AdjExchange, PortGoneBeforeARetry) {
  sim.silent = true;
  click(w->Command_read);
  pause(1500);
  ports.present.clear();
  ASSERT_TRUE(waitFor([&] { return idle(); }, 20000));
  EXPECT_EQ(messages(), std::vector<std::string>{kPortError.toStdString()});
  EXPECT_EQ(sim.entries, 1);
  EXPECT_NE(main->PanelText(2), QStringLiteral("Communication fault."));
  pause(10000);
  EXPECT_EQ(prompt.calls.size(), 1u);
}

// A port that does not open at the press: the message, neither bar nor label.
TEST_F(AdjExchange, PortErrorAtThePress) {
  ports.present.clear();
  click(w->Command_Write);
  EXPECT_EQ(messages(), std::vector<std::string>{kPortError.toStdString()});
  EXPECT_TRUE(w->ProgressBar1->isHidden());
  EXPECT_EQ(w->Label_tr_count->text(), QString());
  EXPECT_TRUE(idle());
}

// An unprogrammed radio (all 0xFF): no crash; the cells beyond their lists
// keep 255 and show no item; the squelch offsets are reported and replaced.
TEST_F(AdjExchange, AllFFRadio) {
  for (int a = 0x1EC0; a < 0x2000; ++a) sim.memory[static_cast<std::size_t>(a)] = 0xFF;
  click(w->Command_read);
  ASSERT_TRUE(waitFor([&] { return !w->link->Busy(); }, 10000));
  EXPECT_EQ(messages(), std::vector<std::string>{"Complete reading the data from transceiver."});
  EXPECT_EQ(w->Text1[0]->text(), QStringLiteral("255"));
  prompt.calls.clear();
  clickTab(4);
  EXPECT_EQ(prompt.calls.size(), 32u);  // the 32 offset boxes, filled on page 4 too
  for (int c = 0; c < 16; ++c) {
    EXPECT_EQ(at(7, c), def(7, c));
    EXPECT_EQ(at(9, c), def(9, c));
  }
  for (int c = 0; c < 16; ++c) {
    if (c == 4 || c == 5) continue;  // the volume nibbles: 15 and 15
    EXPECT_EQ(at(10, c), 255) << c;
    EXPECT_EQ(at(11, c), 255) << c;
  }
  EXPECT_EQ(w->Combo_dev_voice[0]->ListIndex(), -1);
  EXPECT_EQ(w->Combo_OSC_Dec->Text(), QString());
  EXPECT_EQ(w->Combo_RX_VL[1]->Text(), QStringLiteral(" 15"));
  prompt.calls.clear();
  clickTab(5);
  EXPECT_TRUE(prompt.calls.empty());
  EXPECT_EQ(w->Combo_vox[0]->ListIndex(), -1);
  EXPECT_EQ(w->Combo_batt_comp[0]->Text(), QStringLiteral(" 255"));
  EXPECT_EQ(w->Text_Freq_L[0]->text(), QStringLiteral("151515"));
}

// The poll does not look at the busy flags: a load is served during a read,
// which then, complete, replaces the table again.
TEST_F(AdjExchange, PollServesDuringAnExchange) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  adj::Table other{};
  for (std::size_t r = 0; r < 16; ++r)
    for (std::size_t c = 0; c < 16; ++c) other[r][c] = 2;
  const QString path = dir.filePath(QStringLiteral("during.adj"));
  ASSERT_TRUE(adj::Adj_file_save(path, other, false));
  FillRadio(sim);
  line.replyDelayMs = 300;  // a slow radio: the read lasts some seconds
  click(w->Command_read);
  ASSERT_TRUE(waitFor([&] { return sim.readRequests.size() >= 1; }, 5000));
  Adj_dialog_request_load(st, path);
  ASSERT_TRUE(waitFor([&] { return st.File_load_req == 0; }, 1000));
  EXPECT_TRUE(w->link->Busy());
  EXPECT_EQ(at(3, 3), 2);
  ASSERT_TRUE(waitFor([&] { return !w->link->Busy(); }, 10000));
  EXPECT_EQ(rows(), radioRows());
}

// ---- on the pseudo-terminal, production port adapter and timers -------------

TEST_F(AdjExchangeOnPty, ReadAndWrite) {
  FillRadio(sim);
  sim.received.clear();
  click(w->Command_read);
  ASSERT_TRUE(waitFor([&] { return !w->link->Busy(); }, 15000));
  EXPECT_TRUE(idle());
  // The read's last acknowledgement may still be on its way through the
  // pseudo-terminal when the exchange ends: wait for all of it.
  ASSERT_TRUE(waitFor([&] { return sim.received == Read_bytes(); }, 2000));
  EXPECT_EQ(rows(), radioRows());
  EXPECT_EQ(w->Text1[3]->text(), QString::number(radio(0, 3)));
  EXPECT_EQ(messages(), std::vector<std::string>{"Complete reading the data from transceiver."});

  clickTab(1);
  paste(w->Text2[4], QStringLiteral("19"));
  ASSERT_EQ(at(3, 4), 19);
  const adj::Table pressed = st.AdjTable;
  sim.received.clear();
  prompt.calls.clear();
  click(w->Command_Write);
  ASSERT_TRUE(waitFor([&] { return !w->link->Busy(); }, 15000));
  EXPECT_TRUE(idle());
  EXPECT_EQ(sim.received, Write_bytes(pressed));
  EXPECT_EQ(radio(3, 4), 19);
  EXPECT_EQ(messages(), std::vector<std::string>{"Complete writing optional parameters to the transceiver."});
  EXPECT_EQ(w->Label_tr_count->text(), QStringLiteral("Complete writing optional parameters "));
}
