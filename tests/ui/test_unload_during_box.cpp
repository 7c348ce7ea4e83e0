// A window unloaded while one of its own handlers waits in a message box.
//
// A real message box is application-modal: the mouse and the keys reach no
// other window while it is open, but a screen reader still presses menu items
// and buttons through their accessibility actions. A main-window command that
// arrives then does nothing, as the mouse and the keys get there. A button of
// the window itself (its Cancel or Close) can still unload it: the window is
// then deleted only after the handler that waits in the box has returned, and
// that handler stops after the box instead of acting on the unloaded window.
//
// Every box here is a real QMessageBox (the program's QtPrompt) over the main
// window, with its own event loop; the recording prompt still notes each one.
#include "alignment/ui/frm_Adj_Txp.h"
#include "channels/chann_codec.h"
#include "channels/ui/frm_chann.h"
#include "link/ui/Form_Comm_Read.h"
#include "options_fixture.h"
#include "platform/grid.h"
#include "platform/qt_services.h"
#include "support/manual_timer.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>

#include <functional>

namespace {

const QString kPortError = QStringLiteral("Communication port is error, please setting right communication port . ！");
const QString kRange = QStringLiteral("当前工作频率超出范围 ！");
const QString kFail = QStringLiteral("Fail connect with transceiver.");
const QString kRxRange = QStringLiteral("Over the range of receive frequency .");

// A screen reader's press: the accessibility action of a button or menu item.
void Press(QAccessibleInterface* i) {
  ASSERT_TRUE(i);
  ASSERT_TRUE(i->actionInterface());
  i->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}
void PressButton(QWidget* button) { Press(QAccessible::queryAccessibleInterface(button)); }
// The accessible item of a menu's action, as a screen reader finds it in its menu.
QAccessibleInterface* MenuItem(QAction* a) {
  QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(a->parent());
  if (!menu) return nullptr;
  for (int k = 0; k < menu->childCount(); ++k)
    if (menu->child(k)->object() == a) return menu->child(k);
  return nullptr;
}

}  // namespace

class UnloadDuringBox : public OptionsFixture {
 protected:
  void TearDown() override { svc.prompt = &prompt; }

  // From here on every message is a real modal box over the main window.
  // Once it is up, `during` runs (as a screen reader acts while it is open),
  // then the box's event loop goes on with what it was handed, and OK closes it. `afterBox` runs as the box has
  // returned, still inside the handler that showed it.
  void realBoxes(std::function<void()> during, std::function<void()> afterBox = {}) {
    real.setParent(main.get());
    prompt.onShow = [this, during, afterBox](const PromptCall& c) {
      QTimer::singleShot(0, main.get(), [this, during] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        boxes.push_back(box->text());
        during();
        // OK comes after whatever the box's event loop has been handed meanwhile.
        QMetaObject::invokeMethod(
            box, [box] { QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton); }, Qt::QueuedConnection);
      });
      real.MsgBox(c.text, c.title, c.icon);
      if (afterBox) afterBox();
    };
  }

  Form_Comm_Read* readDialog() const { return main->host().find<Form_Comm_Read>(); }
  frm_option* optionsWindow() const { return main->host().find<frm_option>(); }
  frm_Adj_Txp* alignmentWindow() const { return main->host().find<frm_Adj_Txp>(); }
  // Program > Read from radio, then its Read button, clicked: no radio is
  // attached, so the port error box opens.
  Form_Comm_Read* pressRead() {
    main->menu(QStringLiteral("Prog_read"))->trigger();
    Form_Comm_Read* d = readDialog();
    if (d) QTest::mouseClick(d->Command_read, Qt::LeftButton);
    return d;
  }
  // 999 typed into VFO A's frequency box, left with Tab: the range box opens.
  void typeOutOfRange(frm_option* o) {
    clickInto(o->vfo[0].Text_Freq);
    retype(o->vfo[0].Text_Freq, QStringLiteral("999"));
    tab();
  }

  // Under the next box, the window's `button` (its Cancel or Close) is
  // pressed through its accessibility action and unloads the window.
  template <class W>
  void pressUnderTheBox(W* window, QWidget* button) {
    const QPointer<W> p(window);
    realBoxes(
        [this, button] {
          PressButton(button);
          ASSERT_TRUE(QTest::qWaitFor([this] { return !main->host().template isLoaded<W>(); }, 2000));
        },
        [this, p] { aliveAfterBox = !p.isNull(); });
  }
  // The window was still there when the box returned into the handler that
  // showed it, and is deleted once that handler has returned.
  template <class W>
  void expectDeletedAfterItsHandler(const QPointer<W>& window) {
    EXPECT_TRUE(aliveAfterBox);
    EXPECT_FALSE(main->host().template isLoaded<W>());
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }, 2000));
  }

  QtPrompt real;
  std::vector<QString> boxes;  // the texts of the real boxes, as they came up
  bool aliveAfterBox = false;
};

// ---- a main-window command while a box is open does nothing -----------------------

// The ways a screen reader reaches a main-window command while the port error
// box of the read dialog is open: the menu item's action, its accessibility
// action, the toolbar button. None reopens the dialog under its box; once the
// box is closed the same command reopens it as usual.
TEST_F(UnloadDuringBox, ReadCommandDuringThePortErrorBoxDoesNothing) {
  const std::vector<std::pair<const char*, std::function<void()>>> ways = {
      {"menu action", [this] { main->menu(QStringLiteral("Prog_read"))->trigger(); }},
      {"accessibility", [this] { Press(MenuItem(main->menu(QStringLiteral("Prog_read")))); }},
      {"toolbar", [this] { main->toolButton(QStringLiteral("read"))->trigger(); }},
  };
  for (const auto& [name, command] : ways) {
    SCOPED_TRACE(name);
    prompt.calls.clear();
    boxes.clear();
    QPointer<Form_Comm_Read> during;
    realBoxes([&, command = command] {
      command();
      during = readDialog();
    });
    QPointer<Form_Comm_Read> d = pressRead();
    ASSERT_TRUE(d);
    EXPECT_EQ(boxes, std::vector<QString>{kPortError});
    EXPECT_EQ(during, d);
    EXPECT_EQ(readDialog(), d);
    EXPECT_FALSE(d->Unloading());
    EXPECT_EQ(st.Port_err, -1);
    EXPECT_EQ(d->Label_tr_count->text(), QString());
    prompt.onShow = nullptr;
    main->menu(QStringLiteral("Prog_read"))->trigger();
    EXPECT_NE(readDialog(), d);
    EXPECT_TRUE(QTest::qWaitFor([&] { return d.isNull(); }, 2000));
  }
}

// Edit > Optional Features, chosen through the menu item's action or its
// accessibility action while the range box of VFO A's frequency is open,
// does nothing: the window that showed the box goes on, stores the band's
// replacement and gives the focus back to the box.
TEST_F(UnloadDuringBox, OptionsCommandDuringTheRangeBoxDoesNothing) {
  const std::vector<std::pair<const char*, std::function<void()>>> ways = {
      {"menu action", [this] { main->menu(QStringLiteral("Optional_edit"))->trigger(); }},
      {"accessibility", [this] { Press(MenuItem(main->menu(QStringLiteral("Optional_edit")))); }},
  };
  for (const auto& [name, command] : ways) {
    SCOPED_TRACE(name);
    boxes.clear();
    ASSERT_TRUE(open());
    QPointer<frm_option> o = w;
    QPointer<frm_option> during;
    realBoxes([&, command = command] {
      command();
      during = optionsWindow();
    });
    typeOutOfRange(o);
    EXPECT_EQ(boxes, std::vector<QString>{kRange});
    EXPECT_EQ(during, o);
    ASSERT_EQ(optionsWindow(), o);
    EXPECT_FALSE(o->Unloading());
    EXPECT_EQ(o->vfo[0].Text_Freq->Text(), QStringLiteral("178.62500"));
    EXPECT_EQ(freqDigits(0), (std::vector<int>{1, 7, 8, 6, 2, 5, 0, 0}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return focus() == o->vfo[0].Text_Freq; }, 2000));
    prompt.onShow = nullptr;
  }
}

// ---- the window's own button unloads it while its handler waits --------------------

// The read dialog's Cancel, pressed through its accessibility action while
// the port error box of its Read button is open, unloads the dialog: the
// dialog still exists when the box returns into the Read handler, which then
// stops (no progress shown, no further box), and it is deleted once that
// handler has returned.
TEST_F(UnloadDuringBox, ReadDialogCancelledUnderItsPortErrorBox) {
  main->menu(QStringLiteral("Prog_read"))->trigger();
  QPointer<Form_Comm_Read> d = readDialog();
  ASSERT_TRUE(d);
  pressUnderTheBox(d.data(), d->Command_Cancel);
  QTest::mouseClick(d->Command_read, Qt::LeftButton);
  EXPECT_EQ(boxes, std::vector<QString>{kPortError});
  EXPECT_EQ(prompt.calls.size(), 1u);
  EXPECT_EQ(st.Flag_comm_read, 0);
  expectDeletedAfterItsHandler(d);
}

// The failure report of a read that got no answer is a box opened by the
// dialog's failure timer. Cancel, pressed through its accessibility action
// while it is open, unloads the dialog; the report then stops (its progress
// label is not written) and the dialog goes once the timer's tick is over.
TEST_F(UnloadDuringBox, ReadDialogCancelledUnderItsFailureReport) {
  ports.present = {1};
  st.Comm_port = 1;
  main->menu(QStringLiteral("Prog_read"))->trigger();
  QPointer<Form_Comm_Read> d = readDialog();
  ASSERT_TRUE(d);
  QTest::mouseClick(d->Command_read, Qt::LeftButton);
  ASSERT_TRUE(d->link->port().isOpen());
  static_cast<ManualTimer&>(d->link->sender()).fire();
  static_cast<ManualTimer&>(d->link->watchdog()).fire();
  ASSERT_TRUE(d->link->failureTimer().enabled());
  QPointer<QLabel> label = d->Label_tr_count;
  pressUnderTheBox(d.data(), d->Command_Cancel);
  static_cast<ManualTimer&>(d->link->failureTimer()).fire();
  EXPECT_EQ(boxes, std::vector<QString>{kFail});
  ASSERT_TRUE(label);
  EXPECT_EQ(label->text(), QString());
  expectDeletedAfterItsHandler(d);
}

// The options window's Close, pressed through its accessibility action while
// the range box of VFO A's frequency is open, unloads the window: the commit
// waiting in the box stores nothing, and the window is deleted only after the
// lost-focus handler has returned.
TEST_F(UnloadDuringBox, OptionsWindowClosedUnderItsRangeBox) {
  ASSERT_TRUE(open());
  QPointer<frm_option> o = w;
  const std::vector<int> before = freqDigits(0);
  pressUnderTheBox(o.data(), o->Command_close);
  typeOutOfRange(o);
  EXPECT_EQ(boxes, std::vector<QString>{kRange});
  EXPECT_EQ(freqDigits(0), before);
  expectDeletedAfterItsHandler(o);
}

// The alignment window's Close, pressed through its accessibility action
// while the range box of a power value is open, unloads the window: the
// handler's display step ends without touching it again, and it is deleted
// only after the handler has returned.
TEST_F(UnloadDuringBox, AlignmentWindowClosedUnderItsRangeBox) {
  main->MDImain_Adj_Edit_Click();
  QPointer<frm_Adj_Txp> a = alignmentWindow();
  ASSERT_TRUE(a);
  TextBox* box = a->Text1[3];
  QTest::mouseClick(box, Qt::LeftButton);
  QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(box, QStringLiteral("25"));
  ASSERT_EQ(st.AdjTable[0][3], 25);
  pressUnderTheBox(a.data(), a->Command_close);
  QTest::keyClick(box, Qt::Key_6);
  ASSERT_EQ(boxes.size(), 1u);
  expectDeletedAfterItsHandler(a);
}

// The channel window's Close, pressed through its accessibility action while
// the range box of an RX frequency (typed, the cell left with Tab) is open,
// unloads the window: the commit waiting in the box stores no replacement
// into the image, and the window goes once the key's handler has returned.
TEST_F(UnloadDuringBox, ChannelWindowClosedUnderItsRangeBox) {
  frm_chann* c = main->host().find<frm_chann>();
  ASSERT_TRUE(c);
  QPointer<frm_chann> p(c);
  main->mdiArea()->setActiveSubWindow(static_cast<QMdiSubWindow*>(c->frame()));
  Grid& grid = *c->MSF_Chann;
  const QModelIndex channel1Rx = grid.model()->index(1, chann::kColRx);
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(channel1Rx).center());
  ASSERT_TRUE(QTest::qWaitFor([&] { return focus() == c->Text_Edit; }, 2000));
  QTest::keyClicks(c->Text_Edit, QStringLiteral("180"));  // the cell's text stands selected
  const img::Image before = image.image();
  pressUnderTheBox(c, c->Command_close);
  QTest::keyClick(c->Text_Edit, Qt::Key_Tab);
  EXPECT_EQ(boxes, std::vector<QString>{kRxRange});
  EXPECT_EQ(ImageDiff(image.image(), before), "");
  expectDeletedAfterItsHandler(p);
}
