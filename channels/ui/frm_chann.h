#pragma once
// The channel window: the 200 memory channels and their names in a grid,
// one row per channel, edited through two editors laid over the cell being
// edited (a text editor for the frequencies and the name, a drop-down list
// for the band, the tones and the settings). The window owns no data and no
// rules: its handlers run the rules of channels/chann_view.h on the image
// and the View (what the grid and the editors show), then show the messages
// and store the edits through the image's owner, each edit after the
// messages that come before it, and last show the View the rules left.
// An action stops at a box behind which the image changed, by this window's
// own handlers too (a screen reader pressing Clear): its edits are whole rows
// worked out before the box, and storing them could undo that change.
#include "channels/chann_view.h"
#include "platform/radio_window.h"
#include "state/ui/app_context.h"

#include <functional>

class ComboList;
class Grid;
class ImageFollower;
class QLabel;
class QProgressBar;
class QPushButton;
class TextBox;

class frm_chann : public RadioWindow {
  Q_OBJECT
 public:
  explicit frm_chann(AppContext& ctx);
  // The program's context: the session (ctx.st), the image's owner (ctx.image), the host, ...
  AppContext& ctx;
  ~frm_chann() override;

  bool isMdiChild() const override { return true; }

  // Load: flag, captions by language, size and place, every row drawn.
  void Form_Load() override;
  void Form_Unload() override;
  // Activation (the active child changed to this window): every row redrawn.
  void Form_Activate() override;
  // Another window becomes active or a command of the main window runs: an
  // editor holding typed text is committed as leaving its cell commits it.
  void Form_Deactivate() override;

  // Buttons. Default: the factory channel table, then the weather channels
  // and every row drawn again.
  void frm_chann_Command_def_Click();
  void frm_chann_Command_Clear_Click();
  void frm_chann_Command_close_Click();
  // The factory channel table, the same routine the start-up uses.
  void Chann_para_init_VHF_bf();

  // Grid events.
  void frm_chann_MSF_Chann_Click();
  void frm_chann_MSF_Chann_LeaveCell();
  void frm_chann_MSF_Chann_Scroll();

  // Editor events.
  void frm_chann_Combo_edit_Click();
  void frm_chann_Combo_edit_Change();
  void frm_chann_Combo_edit_GotFocus();
  void frm_chann_Combo_edit_KeyPress(int& key);
  void frm_chann_Text_Edit_KeyPress(int& key);

  // Controls.
  Grid* MSF_Chann = nullptr;
  TextBox* Text_Edit = nullptr;
  ComboList* Combo_edit = nullptr;
  QPushButton* Command_def = nullptr;
  QPushButton* Command_Clear = nullptr;
  QPushButton* Command_close = nullptr;
  QPushButton* Command_read = nullptr;   // hidden
  QPushButton* Command_Write = nullptr;  // hidden
  QLabel* Label_tr_count = nullptr;
  QProgressBar* ProgressBar1 = nullptr;

  // The cell the open editor belongs to (row -1: none). Only this cell's
  // commit takes the editors' texts.
  int Owner_row() const { return view_.ownerRow; }
  int Owner_col() const { return view_.ownerCol; }

 protected:
  // Tab and Shift+Tab in a cell editor.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  using Rule = std::function<chann::Outcome(const chann::Editor&)>;
  // Runs a rule on the image and the View as the controls show them, shows
  // its messages and stores its edits in their order, then shows the View it
  // leaves and moves the focus. A commit made by the unload itself goes on
  // through its message boxes; any other stops once the window is unloading.
  void Run(const Rule& rule, bool atUnload = false);
  // What the user changed in the controls since the View was last shown.
  void Take_view();
  // The View onto the controls; no handler runs meanwhile.
  void Show_view();
  // False when the action stopped behind one of its message boxes.
  bool Store_and_tell(const chann::Outcome& out, bool atUnload);
  // One message; false when the image was changed behind it (a read, a
  // file load, another of this window's own handlers) or the window was
  // unloaded meanwhile: the action then stores nothing more.
  bool Show_notice(const editor::Notice& n, bool atUnload);
  void Store(const chann::Edit& edit);
  void Focus_on(const editor::Control& c);

  void placeOverCell(QWidget* editor);
  // Every column as wide as the widest text its cells or editor can hold.
  void Fit_columns();
  // A change of the channel or name rows that the window did not make
  // itself redraws every row, closing any open editor without storing it;
  // inside one of the window's handlers the redraw waits for the handler's end.
  void Image_redraw();

  chann::View view_;
  bool loaded_ = false;
  int placed_ = 0;                   // the View's opening the open editor was laid over its cell for
  int stores_ = 0;                   // edits this window stored
  ImageFollower* follow_ = nullptr;  // the changes of the image made by someone else
};
