#pragma once
// The channel window's grid and its two cell editors as data, and the
// window's handlers as functions on them. The window (channels/ui/frm_chann)
// holds the real controls: each of its handlers takes what the user changed
// in them into the View, runs the function of the same name here, shows the
// messages and stores the edits in the order they come, then shows the View
// the function left and moves the focus as asked. Everything that one user
// action sets off happens here, before any message box opens its event loop.
//
// The controls, simulated as the live ones behave:
// - the grid (`MSF_Chann`): moving its current cell by code runs the
//   leave-cell handler (the commit) for the cell being left, nested, while
//   `row`/`col` still name it, and only then moves; a move to the cell that
//   is current runs nothing;
// - the list editor (`Combo_edit`): setting its text runs its change handler
//   when the text changes; setting its list position runs its click handler
//   (also for the item shown); emptying it runs the change handler when it
//   held text; adding items and putting the position on an item (PositionOn)
//   run nothing; taking the focus runs its got-focus handler;
// - the text editor (`Text_Edit`) has no handler of its own but Enter; hiding
//   an editor that has the focus gives the focus to the grid.
//
// The rules:
// - An editor belongs to the cell it was opened for (`ownerRow`, `ownerCol`):
//   only that cell's commit takes the editors' texts; leaving any other cell
//   (a keyboard move, the second move of Enter's jump, a redraw) only closes
//   the editors. After the band column's commit the list stays over the band
//   cell until the next editor opens.
// - Opening (`Cell_edit_begin`): the band list always; the text editor on the
//   RX, TX and name cells (its text selected); the tone and setting lists only
//   on a row with a band, the TX tone list only with an RX frequency; any
//   other cell opens nothing and closes what was open. A list opens on the
//   item its cell shows (nothing is chosen by it); the tone fields start empty.
// - A list choice is stored at once (`Combo_edit_Click`): a band chosen for a
//   channel that had none starts it afresh; an RX tone sets both tones and the
//   row is drawn again; a setting changes only its own bits.
// - The commit (`MSF_Chann_LeaveCell`) checks and stores the typed RX and TX
//   frequency (out of range: the message, then the first band's lower limit;
//   deleted RX: the channel goes; deleted TX: a receive-only channel; TX before
//   RX: the message, nothing stored), a typed tone (60..259.9 Hz or a list
//   item; anything else is dropped silently) and the name (more than six
//   characters: the message, stored all the same; no band: no name). A
//   changed RX sets the TX to it; the same RX committed again keeps a split TX.
// - Enter in the text editor (`Text_Edit_KeyPress`) checks the RX or TX with
//   the narrower first band, puts the text in its display form and moves on,
//   which commits; on a channel without frequencies it jumps to the next
//   channel's band. Enter in the name stores it and closes the editor. Enter in
//   a tone or setting list moves to the next cell; in the band list nothing.
// - Tab and Shift+Tab (`Tab_move`) commit the cell as leaving it does and open
//   the next or previous cell that has an editor; the first and last stay.
// - A scroll commits the open editor as leaving its cell does and closes it.
//   A deactivation or an unload commits an editor that holds typed text
//   (`Commit_typed`). A focus change alone commits nothing, and a commit's
//   own message box starts no other commit.
// - Showing the image (`Form_Load`, `Form_Activate`, `Image_redraw`, Default)
//   draws every row from the image; the empty channels' records are made all
//   0xFF first (one edit), since that is what their empty rows show. A redraw
//   after someone else's change closes the editors without storing and keeps
//   the current cell.
//
// Edits and messages come in the order the rules make them: an edit carries
// how many of the action's notices come before it (a commit's message comes
// before its store; Default's table is stored before the message of the
// commit its redraw makes). The window shows each notice and stores the
// edits after it only while the image was not changed behind the box (and
// the window is still there); an action stopped so shows nothing more.
#include "channels/chann_codec.h"
#include "platform/core/editor_effects.h"
#include "state/image.h"
#include "state/image_store.h"
#include "state/session.h"

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace chann {

// The control that has the window's focus, as far as the rules care.
enum class Focus { Other, MSF_Chann, Text_Edit, Combo_edit };
// The controls a focus request names, by the window's names for them.
inline constexpr editor::Control kGrid{"MSF_Chann"};
inline constexpr editor::Control kTextEdit{"Text_Edit"};
inline constexpr editor::Control kComboEdit{"Combo_edit"};

struct TextEditor {
  bool visible = false;
  QString text;
};

struct ListEditor {
  bool visible = false;
  QString text;       // the edit field
  QStringList items;  // the list
  int index = -1;     // the list position (-1: none)
};

// What the grid, the editors and the progress display show, and the edit
// state the handlers keep.
struct View {
  int rows = 1;                             // MSF_Chann.Rows, the header row included
  std::vector<RowTexts> cells{1};           // cells[r] for rows 1..rows-1 (cells[0]: the header, unused)
  int row = 1, col = 0;                     // the grid's current cell
  TextEditor textEdit;                      // Text_Edit
  ListEditor comboEdit;                     // Combo_edit
  int ownerRow = -1, ownerCol = -1;         // the cell the open editor belongs to (-1: none)
  bool typed = false;                       // the open editor holds text the user typed
  int openings = 0;                         // counts the openings: each lays its editor over its cell
  std::int16_t Edit_row = 0, Edit_col = 0;  // the cell the handlers last worked on
  QString Edit_text;                        // the list editor's text to return to when typing is undone
  Focus focus = Focus::Other;
  int progress = 0;  // ProgressBar1
  bool progressVisible = false;
  QString trCount;  // Label_tr_count

  QString& cell(int r, int c);
  QString cell(int r, int c) const;
};

// The channel records and name records of grid rows first..last as one
// action leaves them, stored once `afterNotices` of its notices were shown.
struct Edit {
  int first, last;   // grid rows
  img::Image image;  // only those rows' records and name records are taken
  std::size_t afterNotices;
  // The image rows it replaces: the records, then the name records.
  RowRuns runs() const { return {{RecordRow(first), RecordRow(last)}, {NameRecordRow(first), NameRecordRow(last)}}; }
};

// What an action does besides the View: the edits in order, the messages
// and the focus request (the shape every editor's rules share).
struct Outcome {
  std::vector<Edit> edits;
  editor::Effects fx;
};

// What the handlers work on.
struct Editor {
  const Session& st;
  const img::Image& image;
  View& view;
};

// The messages of the commit.
extern const Message kRxRange, kTxRange, kTxBeforeRx, kNameTooLong;

// ---- showing the image
Outcome Form_Load(const Editor& e);
Outcome Form_Activate(const Editor& e);
// After a change of the channels by someone else.
Outcome Image_redraw(const Editor& e);
// Default: first the factory channel table (Chann_para_init_VHF_bf, the same
// routine the start-up uses), then Command_def_Click: the weather channels
// and every row shown again.
Outcome Chann_para_init_VHF_bf(const Editor& e);
Outcome Command_def_Click(const Editor& e);
Outcome Command_Clear_Click(const Editor& e);

// ---- the grid
Outcome MSF_Chann_Click(const Editor& e);
Outcome MSF_Chann_LeaveCell(const Editor& e);
Outcome MSF_Chann_Scroll(const Editor& e);
Outcome Tab_move(const Editor& e, bool next);
Outcome Commit_typed(const Editor& e);

// ---- the editors
Outcome Combo_edit_Click(const Editor& e);
Outcome Combo_edit_Change(const Editor& e);
Outcome Combo_edit_GotFocus(const Editor& e);
// The key filter may drop (0) or replace the key.
Outcome Combo_edit_KeyPress(const Editor& e, int& key);
Outcome Text_Edit_KeyPress(const Editor& e, int key);
// The user typed into an editor (keys, Delete, pasting): the text editor and
// the tone lists hold it until the cell's commit.
void Typed_into(View& v, Focus editor);

// The rows the grid shows: Chann_total + 1, at most 201.
int Channel_rows(const Session& st);

}  // namespace chann
