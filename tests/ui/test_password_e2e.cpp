// The password change end to end on a real serial line: the main window and
// the password dialog with the production serial adapter and timers, the
// simulated radio behind a pseudo-terminal at 9600 baud. Waits are bounded.
#include "app/ui/MDImain.h"
#include "link/ui/Form_Write_PassWord.h"
#include "platform/qt_services.h"
#include "state/image_store.h"
#include "state/session.h"
#include "support/radio_sim.h"
#include "support/recording_prompt.h"
#include "support/sim_pty.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

using Bytes = std::vector<std::uint8_t>;

// The radio on COM15 of a program of its own.
struct Rig {
  Rig() : pty(sim), ports([this](int n) { return n == 15 ? pty.slavePath() : QStringLiteral("/nonexistent/tty"); }) {
    svc.prompt = &prompt;
    svc.ports = &ports;
    svc.timers = &timers;
    svc.screen = [] { return ScreenInfo{1024, 768, 96}; };
    svc.clock = [] { return DateTime{2026, 12, 10, 9, 30, 0}; };
    pty.paced = true;
  }
  ~Rig() {
    main.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  RadioSim sim;
  SimPty pty;
  Session st;
  ImageStore image;
  RecordingPrompt prompt;
  QtSerialPortFactory ports;
  QtTimerFactory timers;
  Services svc;
  std::unique_ptr<MDImain> main;
};

}  // namespace

TEST(PassWordEndToEnd, ChangesThePasswordOnARealLine) {
  struct Case {
    const char* name;
    bool echoing;
  } cases[] = {{"radio", false}, {"echoing radio", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Rig r;
    ASSERT_TRUE(r.pty.isOpen()) << "no pseudo-terminal";
    r.sim.setPasswords("Old1", "Super9");
    r.sim.memory[0x1FFC] = 0x81;
    r.sim.memory[0x1FFF] = 0x5A;
    r.sim.answerEveryAck = c.echoing;
    r.main = std::make_unique<MDImain>(r.st, r.image, r.svc);
    r.main->MDImain_MDIForm_Load();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return r.main->PanelText(2) == QStringLiteral("Connect well with radio."); }, 3000));

    r.main->MDImain_PC_PassWord_Click();
    Form_Write_PassWord* d = r.main->host().find<Form_Write_PassWord>();
    ASSERT_TRUE(d);
    QTest::keyClicks(d->Text_Old_PassWord, QStringLiteral("Old1"));
    QTest::keyClicks(d->Text_New_Password_1, QStringLiteral("New2"));
    QTest::keyClicks(d->Text_New_PassWord_2, QStringLiteral("New2"));
    bool closeTimerDuringMessage = true;
    r.prompt.onShow = [&](const PromptCall&) { closeTimerDuringMessage = d->Timer4->enabled(); };
    QTest::mouseClick(d->Command_Write, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !r.prompt.calls.empty(); }, 5000));
    r.prompt.onShow = nullptr;

    EXPECT_EQ(r.prompt.calls[0].text, QStringLiteral("PassWord Modify Success ! "));
    EXPECT_FALSE(closeTimerDuringMessage);
    const Bytes record(r.sim.memory.begin() + 0x1FF0, r.sim.memory.end());
    EXPECT_EQ(record, (Bytes{'N', 'e', 'w', '2', ' ', ' ', 'S', 'u', 'p', 'e', 'r', '9', 0x81, 0xFF, 0xFF, 0x5A}));
    EXPECT_EQ(r.sim.writes, (std::vector<std::pair<int, int>>{{0x1FF0, 16}}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !r.main->host().isLoaded<Form_Write_PassWord>(); }, 2000));
    EXPECT_EQ(r.prompt.calls.size(), 1u);
    EXPECT_EQ(r.main->PanelText(2), QStringLiteral("Connect well with radio."));
  }
}
