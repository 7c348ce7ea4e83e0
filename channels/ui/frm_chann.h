#pragma once
// The channel window: the 200 memory channels and their names in a grid,
// one row per channel, edited through two editors laid over the cell being
// edited (a text editor for the frequencies and the name, a drop-down list
// for the band, the tones and the settings). The window owns no data: it
// draws every row from the parameter image and writes each committed edit
// into the image at once.
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

  // Buttons.
  void frm_chann_Command_def_Click();
  void frm_chann_Command_Clear_Click();
  void frm_chann_Command_close_Click();
  // The factory channel table, the same routine the start-up uses.
  void Chann_para_init_VHF_bf();

  // Grid events.
  void frm_chann_MSF_Chann_Click();
  void frm_chann_MSF_Chann_LeaveCell();
  void frm_chann_MSF_Chann_Scroll();
  // Opens the editor for the grid's current cell.
  void Cell_edit_begin();

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

  // Edit state: the cell the handlers last worked on, and the text the list
  // editor returns to when typing there is undone.
  Int16 Edit_row = 0;
  Int16 Edit_col = 0;
  QString Edit_text;

  // The cell the open editor belongs to (row -1: none). Only this cell's
  // commit takes the editors' texts.
  int Owner_row() const { return ownerRow_; }
  int Owner_col() const { return ownerCol_; }

 protected:
  // Tab and Shift+Tab in a cell editor.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Rows := channels + 1; every row labelled with its channel number and drawn.
  void Chann_show_all();
  int channelRows() const;

  // The column steps of the commit.
  void Commit_band(int r);
  void Commit_rx(int r);
  void Commit_tx(int r);
  void Commit_tone(int r, int c);
  void Commit_setting(int r, int c);
  void Commit_name(int r);
  // Enter in the text editor on the RX and TX cells.
  void Enter_rx(int r, int c);
  void Enter_tx(int r, int c);
  // An editor holding text the user typed is committed as leaving its cell
  // commits it; then the editors close.
  void Commit_typed();
  // Commits the open editor's cell and closes the editors.
  void Commit_and_close();
  // Tab (next) and Shift+Tab: commit, move to the next or previous cell that
  // has an editor and open it.
  void Tab_move(bool next);
  // Every column as wide as the widest text its cells or editor can hold.
  void Fit_columns();

  // A channel gets its new-channel settings when its RX cell is empty or its
  // record is empty.
  bool isNewChannel(int r) const;
  QString cellText(int r, int c) const;
  void setCell(int r, int c, const QString& text);
  bool cellBlank(int r, int c) const { return cellText(r, c).trimmed().isEmpty(); }

  // Editors.
  void placeOverCell(QWidget* editor);
  void openList(int r, int c);
  void hideEditor(QWidget* editor);
  void closeEditors();
  void setOwner(int r, int c);
  // The cell the list editor's events address: its own cell while it is open.
  void takeEditCell();

  enum class Msg { Rx, Tx, TxBeforeRx, Name };
  // Shows the message; false when the image was changed by someone else
  // while the box was open (a read, a file load), or the window was unloaded
  // meanwhile: the commit then stores nothing more.
  bool message(Msg m);

  class Handling;
  // A change of the channel or name rows that the window did not make
  // itself redraws every row, closing any open editor without storing it;
  // inside one of the window's handlers the redraw waits for the handler's end.
  void Image_redraw();
  // Changes the records of grid row r in the image, as this window.
  void editChannel(int r, const std::function<void(img::Image&)>& edit);

  int ownerRow_ = -1;
  int ownerCol_ = -1;
  bool loaded_ = false;
  bool unloaded_ = false;
  bool typed_ = false;               // the open editor holds text the user typed
  bool placing_ = false;             // an editor is being laid over its cell
  ImageFollower* follow_ = nullptr;  // the changes of the image made by someone else
};
