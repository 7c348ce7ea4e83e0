// The window registry: one line per window gives its loaded flag and its
// places in the language switch, the parameter-file load, the exit and the
// channel window's Close.
#include "app/ui/Form_type.h"
#include "app/ui/frmAbout.h"
#include "app_fixture.h"
#include "channels/ui/frm_chann.h"
#include "image/ui/para_file_dialog.h"

#include <QPushButton>

#include <string>
#include <vector>

namespace {

// What a window saw of the others when it was unloaded.
struct UnloadSeen {
  std::string window;
  Int16 chann_flag;
  bool about_loaded;
  bool model_loaded;
};
std::vector<UnloadSeen> g_unloads;
int g_loads = 0;

// An editor that the program does not have, registered by one line in a test.
class NewEditor : public RadioWindow {
 public:
  explicit NewEditor(AppContext& c) : RadioWindow(c), ctx(c) { setObjectName(QStringLiteral("NewEditor")); }
  AppContext& ctx;
  bool isMdiChild() const override { return true; }
  void Form_Load() override {
    ++g_loads;
    loadedFlagSeen = flag ? *flag : Int16{1};
  }
  void Form_Unload() override {
    g_unloads.push_back(
        {"NewEditor", ctx.st.Flag_frm_chann, ctx.host.isLoaded<frmAbout>(), ctx.host.isLoaded<Form_type>()});
  }
  static inline Int16* flag = nullptr;
  Int16 loadedFlagSeen = 1;
};

}  // namespace

class WindowRegistryTest : public AppFixture {
 protected:
  void SetUp() override {
    g_unloads.clear();
    g_loads = 0;
    start();
  }
  WindowHost& host() { return main->host(); }
  // The one line a new window takes.
  void registerNewEditor(WindowPlaces places) {
    places.flag = &newFlag;
    NewEditor::flag = &newFlag;
    host().registry().add(Registered<NewEditor>(main->context(), "NewEditor", places));
  }
  Int16 newFlag = 0;
};

// The program's windows and their places, written out independently of the table.
TEST_F(WindowRegistryTest, TheProgramsWindowsAndTheirPlaces) {
  struct Expected {
    const char* name;
    Int16* flag;
    int language, fileLoad;
    bool fileLoadOpens;
    int exit, channelClose;
  };
  const Expected all[] = {
      {"frm_option", &st.Flag_frm_option, 1, 2, false, 3, 0},
      {"frm_chann", &st.Flag_frm_chann, 2, 1, true, 2, 0},
      {"Form_setup", &st.Flag_setup, 3, 0, false, 0, 0},
      {"Form_save_chann", &st.Flag_save_chann, 4, 0, false, 0, 2},
      {"Form_open_chann", &st.Flag_open_chann, 5, 0, false, 0, 1},
      {"Form_Comm_Read", &st.Flag_comm_read, 6, 0, false, 0, 0},
      {"Form_Comm_Write", &st.Flag_comm_write, 7, 0, false, 0, 0},
      {"frm_dtmf", &st.Flag_frm_dtmf, 8, 3, false, 0, 0},
      {"Form_type", nullptr, 0, 0, false, 1, 0},
      {"frmAbout", nullptr, 0, 0, false, 4, 0},
      {"Form_Write_PassWord", nullptr, 0, 0, false, 0, 0},
      {"Form_open_adj", nullptr, 0, 0, false, 0, 0},
      {"Form_save_adj", nullptr, 0, 0, false, 0, 0},
      {"frm_Adj_Txp", nullptr, 0, 0, false, 0, 0},
  };
  ASSERT_EQ(host().registry().entries().size(), std::size(all));
  for (const Expected& e : all) {
    const WindowEntry* w = host().registry().find(e.name);
    ASSERT_TRUE(w) << e.name;
    EXPECT_EQ(w->places.flag, e.flag) << e.name;
    EXPECT_EQ(w->places.language, e.language) << e.name;
    EXPECT_EQ(w->places.fileLoad, e.fileLoad) << e.name;
    EXPECT_EQ(w->places.fileLoadOpens, e.fileLoadOpens) << e.name;
    EXPECT_EQ(w->places.exit, e.exit) << e.name;
    EXPECT_EQ(w->places.channelClose, e.channelClose) << e.name;
    // The historic name is the window's class and object name.
    RadioWindow* loaded = host().load(*w);
    ASSERT_TRUE(loaded) << e.name;
    EXPECT_EQ(loaded->objectName().toStdString(), e.name);
    EXPECT_EQ(std::string(loaded->metaObject()->className()), e.name);
    if (e.flag) {
      EXPECT_EQ(*e.flag, -1) << e.name;
    }
    host().unload(*w);
    if (e.flag) {
      EXPECT_EQ(*e.flag, 0) << e.name;
    }
  }
}

// The host keeps the flag: -1 already while the window loads, 0 after its
// unload, whichever way it is closed.
TEST_F(WindowRegistryTest, TheHostKeepsTheLoadedFlag) {
  registerNewEditor({});
  auto* w = host().load<NewEditor>();
  ASSERT_TRUE(w);
  EXPECT_EQ(w->loadedFlagSeen, -1);
  EXPECT_EQ(newFlag, -1);
  w->frame()->close();  // the user's close box
  EXPECT_EQ(newFlag, 0);
  host().load<NewEditor>();
  EXPECT_EQ(newFlag, -1);
  host().unload<NewEditor>();
  EXPECT_EQ(newFlag, 0);
}

// A new window takes its places in every order by its one line.
TEST_F(WindowRegistryTest, OneLineGivesANewWindowItsPlaces) {
  registerNewEditor({.language = 9, .fileLoad = 9, .exit = 3, .channelClose = 3});

  // Language switch: rebuilt when open, left closed when closed.
  main->MDImain_Language_chn_Click();
  EXPECT_FALSE(host().isLoaded<NewEditor>());
  NewEditor* first = host().load<NewEditor>();
  main->MDImain_Language_eng_Click();
  ASSERT_TRUE(host().isLoaded<NewEditor>());
  EXPECT_NE(host().find<NewEditor>(), first);
  EXPECT_EQ(g_unloads.size(), 1u);

  // Parameter-file load: rebuilt when open; a closed one stays closed.
  NewEditor* second = host().find<NewEditor>();
  Para_file_reload_editors(main->context());
  EXPECT_NE(host().find<NewEditor>(), second);
  host().unload<NewEditor>();
  Para_file_reload_editors(main->context());
  EXPECT_FALSE(host().isLoaded<NewEditor>());

  // The channel window's Close takes it along.
  host().load<NewEditor>();
  main->MDImain_Channel_edit_Click();
  host().find<frm_chann>()->Command_close->click();
  EXPECT_FALSE(host().isLoaded<NewEditor>());
  EXPECT_EQ(newFlag, 0);

  // The exit: after the model dialog and the channel window, before the About box.
  g_unloads.clear();
  host().load<NewEditor>();
  main->MDImain_Channel_edit_Click();
  main->MDImain_Band_Range_Click();
  main->MDImain_about_Click();
  main->MDImain_File_exit_Click();
  ASSERT_EQ(g_unloads.size(), 1u);
  EXPECT_EQ(g_unloads[0].chann_flag, 0);
  EXPECT_FALSE(g_unloads[0].model_loaded);
  EXPECT_TRUE(g_unloads[0].about_loaded);
}

// A parameter-file load opens a window marked so also when it was closed.
TEST_F(WindowRegistryTest, FileLoadOpensWhatItIsToldTo) {
  registerNewEditor({.fileLoad = 9, .fileLoadOpens = true});
  host().unload<frm_chann>();
  Para_file_reload_editors(main->context());
  EXPECT_TRUE(host().isLoaded<frm_chann>());
  EXPECT_TRUE(host().isLoaded<NewEditor>());
  EXPECT_EQ(newFlag, -1);
}
