// The window host with small windows of its own: load, reopen and open,
// activation only when the active child changes, a user's close, the exit,
// geometry in twips, a press into an inactive child, and the deferred delete
// of a window unloaded under one of its handlers (watched with a QPointer).
#include "app_fixture.h"

#include <QEventLoop>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include <string>
#include <vector>

namespace {

// A small editor and dialog that count their load, unload and activation.
struct Counts {
  int loads = 0, unloads = 0, activations = 0;
};

class TestEditor : public RadioWindow {
 public:
  explicit TestEditor(WindowContext& c) : RadioWindow(c) {}
  static Counts counts;
  bool isMdiChild() const override { return true; }
  void Form_Load() override {
    ++counts.loads;
    setTwipsGeometry(0, 0, wctx.main->Width() / 1.48, wctx.main->Height() / 1.3);
  }
  void Form_Unload() override { ++counts.unloads; }
  void Form_Activate() override { ++counts.activations; }
};
Counts TestEditor::counts;

class TestEditor2 : public TestEditor {
 public:
  using TestEditor::TestEditor;
};

// An editor that notes its activation and the presses its control gets, in order.
class PressEditor : public TestEditor {
 public:
  class Control : public QWidget {
   public:
    Control(QWidget* parent, std::vector<std::string>& log) : QWidget(parent), log_(log) {}

   protected:
    void mousePressEvent(QMouseEvent* e) override {
      log_.push_back("press");
      QWidget::mousePressEvent(e);
    }

   private:
    std::vector<std::string>& log_;
  };
  explicit PressEditor(WindowContext& c) : TestEditor(c) { control->setGeometry(0, 0, 50, 50); }
  void Form_Activate() override { log.push_back("activate"); }
  std::vector<std::string> log;
  Control* control = new Control(this, log);
};

class TestDialog : public RadioWindow {
 public:
  explicit TestDialog(WindowContext& c) : RadioWindow(c) {}
  void Form_Load() override {
    ++loads;
    setTwipsSize(4000, 3000);
    centreInMain(500);
  }
  int loads = 0;
};

// An editor whose button shows a message box and then goes on with the
// window; its Close button unloads it.
class BoxEditor : public TestEditor {
 public:
  explicit BoxEditor(WindowContext& c) : TestEditor(c) {
    Command_box = Control<QPushButton>("Command_box");
    Command_close = Control<QPushButton>("Command_close");
    connect(Command_box, &QPushButton::clicked, this, On(&BoxEditor::Command_box_Click));
    connect(Command_close, &QPushButton::clicked, this, On(&BoxEditor::Command_close_Click));
  }
  void Command_box_Click() {
    MsgBox(kMessage);
    // After the box: the handler looks at its window, which is still there.
    unloadingAfterBox = Unloading();
    ++boxesDone;
  }
  void Command_close_Click() { wctx.host.unloadWindow(this); }

  static constexpr Message kMessage{{"Box", "Box"}, {"Title", "Title"}};
  QPushButton* Command_box = nullptr;
  QPushButton* Command_close = nullptr;
  bool unloadingAfterBox = false;
  int boxesDone = 0;
};

// An editor whose deactivation commit shows a message box, as the options
// window's does for a typed frequency out of range.
class DeactivateBoxEditor : public TestEditor {
 public:
  using TestEditor::TestEditor;
  void Form_Deactivate() override { MsgBox(BoxEditor::kMessage); }
};

}  // namespace

class WindowHostTest : public AppFixture {
 protected:
  void SetUp() override {
    TestEditor::counts = {};
    start();
  }
  WindowHost& host() { return main->host(); }
  // The MDI frames that hold a window of class W (the channel window, opened
  // at start-up, has its own).
  template <class W>
  QList<QMdiSubWindow*> framesOf() {
    QList<QMdiSubWindow*> out;
    for (QMdiSubWindow* sub : main->mdiArea()->subWindowList())
      if (dynamic_cast<W*>(sub->widget())) out << sub;
    return out;
  }
};

TEST_F(WindowHostTest, ReopenRebuildsOpenDoesNot) {
  TestEditor* first = host().reopen<TestEditor>();
  ASSERT_TRUE(first);
  EXPECT_EQ(TestEditor::counts.loads, 1);
  TestEditor* same = host().open<TestEditor>();
  EXPECT_EQ(same, first);
  EXPECT_EQ(TestEditor::counts.loads, 1);
  TestEditor* fresh = host().reopen<TestEditor>();
  EXPECT_NE(fresh, nullptr);
  EXPECT_EQ(TestEditor::counts.unloads, 1);
  EXPECT_EQ(TestEditor::counts.loads, 2);
  EXPECT_EQ(host().find<TestEditor>(), fresh);
  settle();
  EXPECT_EQ(framesOf<TestEditor>().size(), 1);
}

TEST_F(WindowHostTest, UnloadOfAWindowThatIsNotOpenDoesNothing) {
  host().unload<TestEditor>();
  EXPECT_EQ(TestEditor::counts.unloads, 0);
}

TEST_F(WindowHostTest, ActivationOnlyWhenTheActiveChildChanges) {
  host().load<TestEditor>();
  const int afterLoad = TestEditor::counts.activations;
  EXPECT_GE(afterLoad, 1);
  // The same child activated again (as after a message box closes): nothing.
  QMdiSubWindow* first = framesOf<TestEditor>().front();
  main->mdiArea()->setActiveSubWindow(first);
  EXPECT_EQ(TestEditor::counts.activations, afterLoad);
  host().load<TestEditor2>();
  const int other = TestEditor::counts.activations;
  main->mdiArea()->setActiveSubWindow(first);
  EXPECT_EQ(TestEditor::counts.activations, other + 1);
}

TEST_F(WindowHostTest, UserCloseRunsTheUnloadHandling) {
  host().load<TestEditor>();
  host().find<TestEditor>()->frame()->close();
  EXPECT_EQ(TestEditor::counts.unloads, 1);
  EXPECT_FALSE(host().isLoaded<TestEditor>());
}

TEST_F(WindowHostTest, ExitUnloadsEveryWindow) {
  host().load<TestEditor>();
  host().load<TestDialog>();
  main->MDImain_File_exit_Click();
  EXPECT_EQ(TestEditor::counts.unloads, 1);
  EXPECT_FALSE(host().isLoaded<TestDialog>());
  EXPECT_FALSE(main->isVisible());
}

TEST_F(WindowHostTest, GeometryInTwips) {
  auto* e = host().load<TestEditor>();
  EXPECT_NEAR(e->TwipsWidth(), main->Width() / 1.48, 15);
  EXPECT_NEAR(e->TwipsHeight(), main->Height() / 1.3, 15);
  auto* d = host().load<TestDialog>();
  EXPECT_NEAR(d->TwipsWidth(), 4000, 15);
  EXPECT_NEAR(d->TwipsHeight(), 3000, 15);
}

// A press into an inactive child: the child is activated (and its activation
// handling runs) before the press reaches the widget under the mouse.
TEST_F(WindowHostTest, PressIntoAnInactiveChildActivatesItFirst) {
  main->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
  PressEditor* e = host().load<PressEditor>();
  ASSERT_TRUE(e);
  host().load<TestEditor2>();
  ASSERT_NE(main->mdiArea()->activeSubWindow(), e->frame());
  e->log.clear();
  QTest::mousePress(e->control, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(e->control, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(main->mdiArea()->activeSubWindow(), e->frame());
  EXPECT_EQ(e->log, (std::vector<std::string>{"activate", "press"}));
  // A press into the active child activates nothing.
  QTest::mousePress(e->control, Qt::LeftButton, {}, QPoint(6, 6));
  EXPECT_EQ(e->log, (std::vector<std::string>{"activate", "press", "press"}));
}

// A window unloaded inside the nested event loop of a message box that one
// of its own handlers waits in (by the host, by another handler of its own,
// by a user's close) is deleted only after that handler has returned, and
// then as soon as control is back in the event loop. The box's loop takes
// up whatever the unload hands it meanwhile.
TEST_F(WindowHostTest, WindowUnloadedUnderItsHandlersBoxGoesAfterTheHandler) {
  const std::vector<std::pair<const char*, std::function<void(BoxEditor*)>>> ways = {
      {"by the host", [this](BoxEditor*) { host().unload<BoxEditor>(); }},
      {"by its own handler", [](BoxEditor* e) { e->Command_close->click(); }},
      {"by a user's close", [](BoxEditor* e) { e->frame()->close(); }},
  };
  for (const auto& [name, unload] : ways) {
    SCOPED_TRACE(name);
    QPointer<BoxEditor> e = host().load<BoxEditor>();
    ASSERT_TRUE(e);
    bool aliveInBox = false;
    prompt.onShow = [&, unload = unload](const PromptCall&) {
      QEventLoop loop;
      QTimer::singleShot(0, &loop, [&] {
        unload(e);
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
      });
      loop.exec();
      aliveInBox = !e.isNull();
    };
    QTest::mouseClick(e->Command_box, Qt::LeftButton);
    prompt.onShow = nullptr;
    EXPECT_TRUE(aliveInBox);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->boxesDone, 1);
    EXPECT_TRUE(e->unloadingAfterBox);
    EXPECT_FALSE(host().isLoaded<BoxEditor>());
    EXPECT_EQ(TestEditor::counts.unloads, 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return e.isNull(); }, 2000));
    TestEditor::counts = {};
  }
}

// A press into an inactive child whose arrival makes the active one commit
// with a message box: the child pressed is unloaded in the box's nested event
// loop (a screen reader presses its Close, a file load rebuilds the editors).
// It is deleted only after the activation and the press are over.
TEST_F(WindowHostTest, ChildUnloadedUnderTheBoxOfTheOneItActivatedFromGoesAfterThePress) {
  main->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
  QPointer<PressEditor> pressed = host().load<PressEditor>();
  ASSERT_TRUE(pressed);
  ASSERT_TRUE(host().load<DeactivateBoxEditor>());
  ASSERT_NE(main->mdiArea()->activeSubWindow(), pressed->frame());
  bool aliveInBox = false;
  prompt.onShow = [&](const PromptCall&) {
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [&] {
      host().unload<PressEditor>();
      QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    aliveInBox = !pressed.isNull();
  };
  QTest::mousePress(pressed->control, Qt::LeftButton, {}, QPoint(5, 5));
  prompt.onShow = nullptr;
  EXPECT_EQ(prompt.calls.size(), 1u);
  EXPECT_TRUE(aliveInBox);
  EXPECT_FALSE(host().isLoaded<PressEditor>());
  EXPECT_TRUE(QTest::qWaitFor([&] { return pressed.isNull(); }, 2000));
}

// Unloaded with none of its handlers on the stack, a window goes as before:
// once control is back in the event loop.
TEST_F(WindowHostTest, WindowUnloadedOutsideItsHandlersGoesAtTheNextLoop) {
  QPointer<BoxEditor> e = host().load<BoxEditor>();
  ASSERT_TRUE(e);
  host().unload<BoxEditor>();
  EXPECT_FALSE(e.isNull());
  EXPECT_TRUE(QTest::qWaitFor([&] { return e.isNull(); }, 2000));
}
