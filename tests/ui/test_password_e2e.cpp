// The password change end to end on a real serial line: the main window and
// the password dialog with the production serial adapter and timers, the
// simulated radio behind a pseudo-terminal at 9600 baud. Waits are bounded.
#include "link/ui/Form_Write_PassWord.h"
#include "radio_pty_fixture.h"

#include <gtest/gtest.h>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Case {
  const char* name;
  bool echoing;
};

}  // namespace

// The radio on COM15, plugged in before the start-up, on a paced line.
class PassWordEndToEnd : public RadioOnPty, public ::testing::WithParamInterface<Case> {
 protected:
  PassWordEndToEnd() : RadioOnPty(15) {
    plugged = true;
    pty.paced = true;
  }
};

TEST_P(PassWordEndToEnd, ChangesThePasswordOnARealLine) {
  sim.setPasswords("Old1", "Super9");
  sim.memory[0x1FFC] = 0x81;
  sim.memory[0x1FFF] = 0x5A;
  sim.answerEveryAck = GetParam().echoing;
  start();
  ASSERT_TRUE(waitFor([&] { return main->PanelText(2) == QStringLiteral("Connect well with radio."); }, 3000));

  main->MDImain_PC_PassWord_Click();
  Form_Write_PassWord* d = main->host().find<Form_Write_PassWord>();
  ASSERT_TRUE(d);
  QTest::keyClicks(d->Text_Old_PassWord, QStringLiteral("Old1"));
  QTest::keyClicks(d->Text_New_Password_1, QStringLiteral("New2"));
  QTest::keyClicks(d->Text_New_PassWord_2, QStringLiteral("New2"));
  bool closeTimerDuringMessage = true;
  prompt.onShow = [&](const PromptCall&) { closeTimerDuringMessage = d->Timer4->enabled(); };
  QTest::mouseClick(d->Command_Write, Qt::LeftButton);
  ASSERT_TRUE(waitFor([&] { return !prompt.calls.empty(); }, 5000));
  prompt.onShow = nullptr;

  EXPECT_EQ(prompt.calls[0].text, QStringLiteral("PassWord Modify Success ! "));
  EXPECT_FALSE(closeTimerDuringMessage);
  const Bytes record(sim.memory.begin() + 0x1FF0, sim.memory.end());
  EXPECT_EQ(record, (Bytes{'N', 'e', 'w', '2', ' ', ' ', 'S', 'u', 'p', 'e', 'r', '9', 0x81, 0xFF, 0xFF, 0x5A}));
  EXPECT_EQ(sim.writes, (std::vector<std::pair<int, int>>{{0x1FF0, 16}}));
  ASSERT_TRUE(waitFor([&] { return !main->host().isLoaded<Form_Write_PassWord>(); }, 2000));
  EXPECT_EQ(prompt.calls.size(), 1u);
  EXPECT_EQ(main->PanelText(2), QStringLiteral("Connect well with radio."));
}

INSTANTIATE_TEST_SUITE_P(Radios, PassWordEndToEnd, ::testing::Values(Case{"radio", false}, Case{"echoing_radio", true}),
                         [](const ::testing::TestParamInfo<Case>& i) { return std::string(i.param.name); });
