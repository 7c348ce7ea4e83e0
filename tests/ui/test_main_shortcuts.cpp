// The main window's menu shortcuts, pressed as a user presses them: real key
// events to the widget that has the focus, with the channel window open and
// the focus on its grid or in one of its cell editors.
#include "chann_fixture.h"
#include "channels/chann_codec.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

#include <string>

namespace {

enum class Focus { Grid, TextEditor, ListEditor };

struct ShortcutCase {
  const char* name;
  QKeyCombination keys;
  const char* opens;  // the window the shortcut opens, "" for none
  Focus focus;
};

void PrintTo(const ShortcutCase& c, std::ostream* os) { *os << c.name; }

const char* const kDialogs[] = {"Form_open_chann", "Form_save_chann", "Form_Comm_Read", "Form_Comm_Write"};

std::vector<ShortcutCase> Cases() {
  struct Key {
    const char* name;
    QKeyCombination keys;
    const char* opens;
  };
  const Key keys[] = {
      {"CtrlN", Qt::CTRL | Qt::Key_N, ""},
      {"CtrlO", Qt::CTRL | Qt::Key_O, "Form_open_chann"},
      {"CtrlS", Qt::CTRL | Qt::Key_S, "Form_save_chann"},
      {"CtrlR", Qt::CTRL | Qt::Key_R, "Form_Comm_Read"},
      {"CtrlW", Qt::CTRL | Qt::Key_W, "Form_Comm_Write"},
  };
  std::vector<ShortcutCase> out;
  for (const Key& k : keys)
    for (Focus f : {Focus::Grid, Focus::TextEditor, Focus::ListEditor}) out.push_back({k.name, k.keys, k.opens, f});
  return out;
}

std::string CaseName(const ::testing::TestParamInfo<ShortcutCase>& info) {
  const char* where[] = {"OnTheGrid", "InTheTextEditor", "InTheListEditor"};
  return std::string(info.param.name) + where[static_cast<int>(info.param.focus)];
}

}  // namespace

class MainShortcuts : public ChannFixture, public ::testing::WithParamInterface<ShortcutCase> {
 protected:
  // Puts the focus where the case says: channel 1's number cell (no editor),
  // its RX cell (text editor) or its band cell (list editor).
  void focusOn(Focus f) {
    switch (f) {
      case Focus::Grid:
        click(2, chann::kColNumber);
        ASSERT_EQ(focus(), &grid());
        break;
      case Focus::TextEditor:
        click(2, chann::kColRx);
        ASSERT_EQ(focus(), w->Text_Edit);
        break;
      case Focus::ListEditor:
        click(2, chann::kColBand);
        ASSERT_EQ(focus(), w->Combo_edit);
        break;
    }
  }
  bool loaded(const char* name) {
    const WindowEntry* e = main->host().registry().find(name);
    return e && main->host().find(*e);
  }
};

TEST_P(MainShortcuts, OpensItsWindowWhereverTheFocusIs) {
  const ShortcutCase& c = GetParam();
  focusOn(c.focus);
  QTest::keyClick(focus(), c.keys.key(), c.keys.keyboardModifiers());
  for (const char* dialog : kDialogs) EXPECT_EQ(loaded(dialog), std::string(dialog) == c.opens) << dialog;
  EXPECT_TRUE(main->host().isLoaded<frm_chann>());
}

INSTANTIATE_TEST_SUITE_P(Keys, MainShortcuts, ::testing::ValuesIn(Cases()), CaseName);

// Ctrl+F4 still closes the active editor, also from inside its cell editor;
// the window goes through its unload.
using EditorShortcuts = ChannFixture;

TEST_F(EditorShortcuts, CtrlF4ClosesTheActiveEditor) {
  // On every desktop the frame's Close item takes Ctrl+F4 and nothing else
  // (a Linux desktop would give it Ctrl+W alone).
  auto* sub = qobject_cast<QMdiSubWindow*>(w->frame());
  ASSERT_TRUE(sub && sub->systemMenu());
  QList<QKeySequence> keys;
  for (QAction* a : sub->systemMenu()->actions()) keys += a->shortcuts();
  EXPECT_EQ(keys, QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_F4)});

  click(2, chann::kColRx);
  ASSERT_EQ(focus(), w->Text_Edit);
  QTest::keyClick(focus(), Qt::Key_F4, Qt::ControlModifier);
  EXPECT_FALSE(main->host().isLoaded<frm_chann>());
  EXPECT_EQ(st.Flag_frm_chann, 0);
  EXPECT_TRUE(main->isVisible());
}
