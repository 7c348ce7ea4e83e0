#include "channels/chann_view.h"

#include "channels/chann_edit.h"
#include "image/chann_defaults.h"
#include "image/freq_codec.h"
#include "platform/core/numbers.h"

#include <algorithm>
#include <array>
#include <functional>

namespace chann {

namespace {
constexpr Text kPromptTitle{"Operate prompt", "操作提示"};
}  // namespace

const Message kRxRange{{"Over the range of receive frequency .", "接收频率超出范围 ！"}, kPromptTitle};
const Message kTxRange{{"Over the range of transmit frequency .", "发射频率超出范围 ！"}, kPromptTitle};
const Message kTxBeforeRx{{"Please input the receive frequency in advance.", "请先输入接收频率 ！"}, kPromptTitle};
const Message kNameTooLong{{"The letter of channel name max 6 bit . ", "信道名称的字符个数最大为 6 位 ！"},
                           {"Operate Prompt", "操作提示"}};

QString& View::cell(int r, int c) { return cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]; }

QString View::cell(int r, int c) const {
  if (r < 1 || r >= rows || c < 0 || c >= kColumns) return {};
  return cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
}

int Channel_rows(const Session& st) { return std::clamp<int>(st.Chann_total, 0, img::kChannelCount) + 1; }

namespace {

bool IsToneColumn(int c) { return c == kColRxTone || c == kColTxTone; }

// One action: the rules of the old handlers, nested as the controls nest
// them, on a working copy of the image.
class Rules {
 public:
  explicit Rules(const Editor& e) : st(e.st), work(e.image), v(e.view) {}

  Outcome done() { return std::move(outcome); }

  // ---- the controls ------------------------------------------------------

  // The grid's current cell moves; the cell left is committed first.
  void gridSetRow(int r) {
    if (r >= 1 && r < v.rows) moveTo(r, v.col);
  }
  void gridSetCol(int c) {
    if (c >= 0 && c < kColumns) moveTo(v.row, c);
  }
  void moveTo(int r, int c) {
    if (r == v.row && c == v.col) return;
    MSF_Chann_LeaveCell();
    v.row = r;
    v.col = c;
  }
  void gridSetRows(int rows) {
    v.rows = rows;
    v.cells.resize(static_cast<std::size_t>(std::max(rows, 1)));
    const int dataRows = rows - 1;
    if (v.row > dataRows) v.row = dataRows > 0 ? dataRows : 1;
  }

  void focus(Focus f) {
    static const std::array<editor::Control, 3> kControls{kGrid, kTextEdit, kComboEdit};
    outcome.fx.focus = kControls[static_cast<std::size_t>(f) - 1];
    if (v.focus == f) return;
    v.focus = f;
    if (f == Focus::Combo_edit) Combo_edit_GotFocus();
  }

  void listSetText(const QString& text) {
    if (text == v.comboEdit.text) return;
    v.comboEdit.text = text;
    Combo_edit_Change();
  }
  void listClear() {
    const bool hadText = !v.comboEdit.text.isEmpty();
    v.comboEdit.items.clear();
    v.comboEdit.index = -1;
    v.comboEdit.text.clear();
    if (hadText) Combo_edit_Change();
  }
  void listSetIndex(int i) {
    ListEditor& l = v.comboEdit;
    if (i < -1 || i >= l.items.size()) return;
    const QString before = l.text;
    l.index = i;
    l.text = i >= 0 ? l.items[i] : QString();
    if (i >= 0)
      Combo_edit_Click();
    else if (!before.isEmpty())
      Combo_edit_Change();
  }

  // ---- cells and records -------------------------------------------------

  QString cell(int r, int c) const { return v.cell(r, c); }
  void setCell(int r, int c, const QString& text) {
    if (r >= 1 && r < v.rows) v.cell(r, c) = text;
  }
  bool cellBlank(int r, int c) const { return cell(r, c).trimmed().isEmpty(); }
  RowTexts& rowTexts(int r) { return v.cells[static_cast<std::size_t>(r)]; }

  // Changes the records of grid rows first..last in the working image; the
  // edit is stored after the notices raised so far, together with the edits
  // before it since the last notice unless it is to be a change of its own.
  void store(int first, int last, const std::function<void(img::Image&)>& edit, bool ownChange = false) {
    edit(work);
    const std::size_t notices = outcome.fx.notices.size();
    if (!ownChange && !outcome.edits.empty() && outcome.edits.back().afterNotices == notices) {
      Edit& e = outcome.edits.back();
      e.first = std::min(e.first, first);
      e.last = std::max(e.last, last);
      e.image = work;
    } else {
      outcome.edits.push_back({first, last, work, notices});
    }
  }
  void storeChannel(int r, const std::function<void(img::Image&)>& edit) { store(r, r, edit); }

  // Row r drawn again from the image, which an empty channel's records
  // first follow (its row shows nothing).
  void showRow(int r) {
    if (!IsChannelRow(r)) return;
    if (!Chann_is_normal(work, r)) storeChannel(r, [&](img::Image& i) { Chann_normalise(i, r); });
    RowTexts texts = Chann_show(st, work, r);
    texts[kColNumber] = cell(r, kColNumber);
    rowTexts(r) = texts;
  }

  void notice(const Message& m) { outcome.fx.notices.push_back({m}); }

  // ---- editors -------------------------------------------------------------

  void hideEditor(Focus editor) {
    // The focus goes back to the grid, not on to the next control (a button
    // that a following Space would press).
    if (v.focus == editor) focus(Focus::MSF_Chann);
    (editor == Focus::Text_Edit ? v.textEdit.visible : v.comboEdit.visible) = false;
  }
  void closeEditors() {
    hideEditor(Focus::Text_Edit);
    hideEditor(Focus::Combo_edit);
    v.textEdit.text.clear();
    listClear();
    setOwner(-1, -1);
  }
  void setOwner(int r, int c) {
    v.ownerRow = r;
    v.ownerCol = c;
    v.typed = false;
  }
  void placeOverCell(Focus editor) {
    ++v.openings;
    (editor == Focus::Text_Edit ? v.textEdit.visible : v.comboEdit.visible) = true;
  }
  // The cell the list editor's events address: its own cell while it is open.
  void takeEditCell() {
    const bool owned = v.ownerRow >= 0;
    v.Edit_row = static_cast<std::int16_t>(owned ? v.ownerRow : v.row);
    v.Edit_col = static_cast<std::int16_t>(owned ? v.ownerCol : v.col);
  }
  void editCellIsCurrent() {
    v.Edit_row = static_cast<std::int16_t>(v.row);
    v.Edit_col = static_cast<std::int16_t>(v.col);
  }
  bool isNewChannel(int r) const { return cellBlank(r, kColRx) || Chann_is_empty(work, r); }

  // ---- showing -------------------------------------------------------------

  void Form_Load() {
    v.textEdit.visible = false;
    v.comboEdit.visible = false;
    v.progress = 0;
    v.trCount.clear();
    v.progressVisible = false;
    Chann_show_all();
  }

  void Chann_show_all() {
    gridSetRows(Channel_rows(st));
    const int last = v.rows - 1;
    // Each move leaves a cell: the first one commits an editor still open.
    gridSetCol(kColNumber);
    // What the empty rows show is what their records hold: one change of
    // every empty channel that says otherwise.
    bool normal = true;
    for (int r = 1; r <= last && normal; ++r) normal = Chann_is_normal(work, r);
    if (!normal)
      store(
          1, last,
          [&](img::Image& i) {
            for (int r = 1; r <= last; ++r) Chann_normalise(i, r);
          },
          true);
    for (int r = 1; r <= last; ++r) {
      gridSetRow(r);
      RowTexts texts = Chann_show(st, work, r);
      texts[kColNumber] = QString::number(r - 1);
      rowTexts(r) = texts;
    }
  }

  void Image_redraw() {
    // An editor opened on the old data is closed without storing its text (no
    // cell owns an editor any more, so the moves below commit nothing).
    closeEditors();
    const int row = v.row, col = v.col;
    Chann_show_all();
    // The user's place in the grid stays where it was.
    if (row >= 1 && row < v.rows) {
      gridSetRow(row);
      gridSetCol(col);
    }
  }

  // Default's first step: the factory table rewrites every channel, shown
  // or not; nothing is shown yet.
  void Chann_para_init_VHF_bf() {
    store(1, img::kChannelCount, [](img::Image& i) { Chann_defaults_init(i); });
  }

  // Default after its first step: the weather channels, then every row shown
  // again (whose first move commits an editor still open, into the new table).
  void Command_def_Click() {
    store(1, img::kChannelCount, [](img::Image& i) { Wx_chann_init(i); });
    Chann_show_all();
  }

  void Command_Clear_Click() {
    v.progress = 0;
    v.trCount.clear();
    v.progressVisible = false;
    const int last = v.rows - 1;
    store(1, last, [&](img::Image& i) {
      for (int r = 1; r <= last; ++r) Chann_clear_para(i, r);
    });
    for (int r = 1; r <= last; ++r) showRow(r);
  }

  // ---- opening -------------------------------------------------------------

  void Cell_edit_begin() {
    const int r = v.row, c = v.col;
    editCellIsCurrent();
    v.Edit_text = cell(r, c);
    // The band list always; the other lists on a row with a band, the TX
    // tone's only with an RX frequency.
    const bool list =
        c == kColBand || (Is_list_column(c) && !cellBlank(r, kColBand) && !(c == kColTxTone && cellBlank(r, kColRx)));
    if (Is_text_column(c)) {
      hideEditor(Focus::Combo_edit);
      setOwner(r, c);
      placeOverCell(Focus::Text_Edit);
      v.textEdit.text = cell(r, c);
      focus(Focus::Text_Edit);
    } else if (list) {
      openList(r, c);
    } else {
      // No editor for this cell (the channel number; a setting of a channel
      // without band; the TX tone without RX frequency): none stays open over
      // another cell either.
      closeEditors();
    }
  }

  // The list editor over cell (r, c), filled with the column's items. The band
  // and the settings show the cell's text; the tone field starts empty.
  void openList(int r, int c) {
    hideEditor(Focus::Text_Edit);
    setOwner(r, c);
    placeOverCell(Focus::Combo_edit);
    listSetText(cell(r, c));
    focus(Focus::Combo_edit);
    listClear();
    v.comboEdit.items = Chann_list_items(st, c);
    if (!IsToneColumn(c)) listSetText(cell(r, c));
    // The list stands on the item the cell shows (nothing is chosen by it).
    v.comboEdit.index = static_cast<int>(v.comboEdit.items.indexOf(cell(r, c).trimmed()));
  }

  void MSF_Chann_Scroll() {
    if (v.ownerRow >= 0 || v.comboEdit.visible || v.textEdit.visible) Commit_and_close();
  }

  void Commit_and_close() {
    if (v.ownerRow >= 0 && v.ownerRow == v.row && v.ownerCol == v.col) MSF_Chann_LeaveCell();
    closeEditors();
  }

  void Commit_typed() {
    if (v.typed && v.ownerRow >= 0) Commit_and_close();
  }

  void Tab_move(bool next) {
    // Column 0 holds no editor: the move goes along the row, then on to the
    // next (or previous) row, past cells that open no editor (the settings of
    // a channel without band); the first and the last cell stay where they are.
    for (;;) {
      int r = v.row, c = v.col;
      if (next) {
        if (c < kColName)
          ++c;
        else if (r < v.rows - 1)
          r = r + 1, c = kColBand;
      } else {
        if (c > kColBand)
          --c;
        else if (r > 1)
          r = r - 1, c = kColName;
      }
      if (r == v.row && c == v.col) {
        MSF_Chann_LeaveCell();  // the cell is committed all the same
        Cell_edit_begin();
        return;
      }
      gridSetCol(c);  // leaving the cell commits it
      gridSetRow(r);
      Cell_edit_begin();
      if (v.ownerRow >= 0) return;
    }
  }

  // ---- list editor ---------------------------------------------------------

  void Combo_edit_Click() {
    v.Edit_text = v.comboEdit.text;
    takeEditCell();
    const int r = v.Edit_row, col = v.Edit_col, i = v.comboEdit.index;
    if (i < 0 || !IsChannelRow(r) || r >= v.rows) return;
    switch (col) {
      case kColBand: Commit_band(r); break;
      case kColRxTone:
      case kColTxTone:
        if (const auto code = Tone_code_of_choice(i, v.comboEdit.text)) {
          storeChannel(r, [&](img::Image& image) { Chann_tone_store(image, r, col, *code); });
          if (col == kColRxTone) showRow(r);
        }
        break;
      default: storeChannel(r, [&](img::Image& image) { Chann_setting_store(image, r, col, i); }); break;
    }
  }

  void Combo_edit_Change() {
    takeEditCell();
    // Only the tone lists take typing; elsewhere the field returns at once to
    // the last chosen or loaded text.
    if (v.comboEdit.visible && !IsToneColumn(v.Edit_col)) {
      focus(Focus::Combo_edit);
      listSetText(v.Edit_text);
    }
  }

  void Combo_edit_GotFocus() { v.Edit_text = v.comboEdit.text; }

  void Combo_edit_KeyPress(int& key) {
    if (IsToneColumn(v.Edit_col)) {
      // Tone values and DCS names only: digits, the point, D, N and I.
      if (key >= 'a' && key <= 'z') key = key - 'a' + 'A';
      const bool keep = (key >= '0' && key <= '9') || key == '.' || key == 'D' || key == 'N' || key == 'I' || key == 13;
      if (!keep) key = 0;
    }
    if (key != 13 || v.Edit_col < kColRxTone || v.Edit_col > kColSigCode) return;
    // Enter moves on to the next cell of the row and opens its editor.
    if (v.ownerRow != v.row || v.ownerCol != v.col) return;
    gridSetCol(v.col + 1);
    Cell_edit_begin();
  }

  // ---- commit --------------------------------------------------------------

  void MSF_Chann_LeaveCell() {
    const int r = v.row, c = v.col;
    editCellIsCurrent();
    hideEditor(Focus::Text_Edit);
    // Only the cell the editor was opened for takes the editors' texts; any
    // other cell (a keyboard move, the second move of Enter's jump) stays as it is.
    const bool owned = r == v.ownerRow && c == v.ownerCol && IsChannelRow(r) && r < v.rows;
    if (owned) {
      switch (c) {
        case kColBand: Commit_band(r); break;
        case kColRx: Commit_rx(r); break;
        case kColTx: Commit_tx(r); break;
        case kColRxTone:
        case kColTxTone: Commit_tone(r, c); break;
        case kColName: Commit_name(r); break;
        default: setCell(r, c, v.comboEdit.text); break;
      }
    }
    // The band's list stays over its cell until the next editor opens.
    if (!(owned && c == kColBand)) closeEditors();
  }

  void Commit_band(int r) {
    // A band chosen for a channel that had none starts it afresh.
    if (cell(r, kColBand).trimmed() != v.comboEdit.text.trimmed())
      storeChannel(r, [&](img::Image& i) { Chann_clear(i, rowTexts(r), r); });
    setCell(r, kColBand, v.comboEdit.text);
  }

  void Commit_rx(int r) {
    const int n = RecordRow(r);
    const QString t = v.textEdit.text;
    const bool outside = Freq_out_of_range(st, num::Val(t));
    if (outside && t.trimmed().isEmpty()) {
      // The RX frequency was deleted: the channel and its name go.
      setCell(r, kColRx, QString());
      setCell(r, kColTx, QString());
      storeChannel(r, [&](img::Image& i) { Chann_clear_para(i, r); });
    } else if (outside) {
      notice(kRxRange);
      const QString replacement = Freq_replacement(st);
      setCell(r, kColRx, replacement);
      v.textEdit.text = replacement;
      storeChannel(r, [&](img::Image& i) {
        if (Chann_is_empty(i, r)) {
          Chann_new(i, r);
          Freq_to_image(i, replacement, n, 4);
        }
        Freq_to_image(i, replacement, n, 0);
      });
    } else {
      const bool fresh = isNewChannel(r);
      if (fresh) storeChannel(r, [&](img::Image& i) { Chann_new(i, r); });
      setCell(r, kColRx, t);
      if (cellBlank(r, kColTx)) {
        setCell(r, kColTx, cell(r, kColRx));
        focus(Focus::MSF_Chann);
      }
      storeChannel(r, [&](img::Image& i) {
        const std::array<std::int16_t, 4> before{i(n, 0), i(n, 1), i(n, 2), i(n, 3)};
        Freq_to_image(i, cell(r, kColRx), n, 0);
        const std::array<std::int16_t, 4> after{i(n, 0), i(n, 1), i(n, 2), i(n, 3)};
        // A changed RX frequency sets the TX frequency to it; the same
        // frequency committed again (a cell only clicked through) keeps a split TX.
        if (fresh || after != before) Freq_to_image(i, t, n, 4);
      });
    }
    showRow(r);
  }

  void Commit_tx(int r) {
    const int n = RecordRow(r);
    const QString t = v.textEdit.text;
    const bool blank = t.trimmed().isEmpty();
    if (cellBlank(r, kColRx) && !blank) {
      // No TX frequency before the RX frequency: nothing is stored.
      notice(kTxBeforeRx);
      v.textEdit.text.clear();
      return;
    }
    const bool outside = Freq_out_of_range(st, num::Val(t));
    if (outside && blank) {
      // The TX frequency was deleted: a receive-only channel.
      setCell(r, kColTx, QString());
      setCell(r, kColTxTone, QString());
      storeChannel(r, [&](img::Image& i) {
        for (int b = 4; b <= 7; ++b) i(n, b) = img::kEmpty;
        i(n, 10) = i(n, 11) = img::kEmpty;
      });
    } else if (outside) {
      notice(kTxRange);
      const QString replacement = Freq_replacement(st);
      setCell(r, kColTx, replacement);
      v.textEdit.text = replacement;
      setCell(r, kColTxTone, QStringLiteral("OFF"));
      storeChannel(r, [&](img::Image& i) {
        Freq_to_image(i, replacement, n, 4);
        i(n, 10) = i(n, 11) = img::kEmpty;
      });
    } else {
      setCell(r, kColTx, t);
      storeChannel(r, [&](img::Image& i) { Freq_to_image(i, cell(r, kColTx), n, 4); });
    }
    showRow(r);
  }

  void Commit_tone(int r, int c) {
    const QString t = v.comboEdit.text.trimmed();
    if (const auto code = Ctcss_code_of_text(t)) {
      storeChannel(r, [&](img::Image& i) { Chann_tone_store(i, r, c, *code); });
      showRow(r);
      return;
    }
    // OFF and the DCS names are stored by choosing their list item.
    for (int i = 0; i < v.comboEdit.items.size() && i < st.Tone_list.size(); ++i) {
      if (st.Tone_list[i].trimmed() == t) {
        listSetIndex(i);
        setCell(r, c, v.comboEdit.text);
      }
    }
  }

  void Commit_name(int r) {
    QString t = v.textEdit.text.trimmed();
    if (t.toUcs4().size() > kNameWarnAbove) notice(kNameTooLong);
    if (cellBlank(r, kColBand)) {
      // A channel without band gets no name.
      v.textEdit.text.clear();
      t.clear();
    }
    // The same text as shown (a cell only clicked through) keeps the stored bytes.
    if (t != Name_text(work, r)) storeChannel(r, [&](img::Image& i) { Chann_name_store(i, r, t); });
    setCell(r, kColName, Name_text(work, r));
  }

  // ---- Enter in the text editor --------------------------------------------

  void Text_Edit_KeyPress(int key) {
    if (key != 13) return;
    const int r = v.row, c = v.col;
    editCellIsCurrent();
    hideEditor(Focus::Text_Edit);
    if (r != v.ownerRow || c != v.ownerCol || !IsChannelRow(r) || r >= v.rows) return;
    if (c == kColRx) {
      Enter_rx(r, c);
    } else if (c == kColTx) {
      Enter_tx(r, c);
    } else if (c == kColName) {
      // The name is stored and shown; the cell has no editor any more.
      Commit_name(r);
      closeEditors();
    }
  }

  void Enter_rx(int r, int c) {
    const QString t = v.textEdit.text;
    if (!Freq_out_of_range_enter(st, num::Val(t))) {
      if (isNewChannel(r)) storeChannel(r, [&](img::Image& i) { Chann_new(i, r); });
      setCell(r, kColRx, Freq_display_form(t));
    } else if (!t.trimmed().isEmpty()) {
      notice(kRxRange);
      setCell(r, kColRx, Freq_replacement(st));
      storeChannel(r, [&](img::Image& i) {
        if (Chann_is_empty(i, r)) Chann_new(i, r);
      });
    } else {
      setCell(r, kColRx, QString());
      setCell(r, kColTx, QString());
      storeChannel(r, [&](img::Image& i) { Chann_clear_para(i, r); });
    }
    // The editor takes the cell's text on every path.
    v.textEdit.text = cell(r, kColRx);
    if (cellBlank(r, kColTx)) setCell(r, kColTx, cell(r, kColRx));
    // Moving on commits the RX cell with the text checked here.
    gridSetCol(c + 1);
    Cell_edit_begin();
  }

  void Enter_tx(int r, int c) {
    const QString t = v.textEdit.text;
    const bool blank = t.trimmed().isEmpty();
    if (cellBlank(r, kColRx) && !blank) {
      notice(kTxBeforeRx);
    } else if (!Freq_out_of_range_enter(st, num::Val(t))) {
      setCell(r, kColTx, Freq_display_form(t));
    } else if (!blank) {
      notice(kTxRange);
      setCell(r, kColTx, Freq_low_text(st));
      setCell(r, kColTxTone, QStringLiteral("OFF"));
      storeChannel(r, [&](img::Image& i) { i(RecordRow(r), 10) = i(RecordRow(r), 11) = img::kEmpty; });
    } else {
      setCell(r, kColTx, QString());
      setCell(r, kColTxTone, QString());
    }
    // The editor takes the cell's text on every path.
    v.textEdit.text = cell(r, kColTx);
    if (cellBlank(r, kColRx) && cellBlank(r, kColTx)) {
      // A channel without frequencies: on to the band of the next channel.
      gridSetCol(kColBand);
      if (r != v.rows - 1) gridSetRow(r + 1);
    } else {
      gridSetCol(c + 1);
    }
    Cell_edit_begin();
  }

 private:
  const Session& st;
  img::Image work;  // the image as the action has changed it so far
  View& v;
  Outcome outcome;
};

// Runs one action of the rules.
template <class Step>
Outcome Run(const Editor& e, Step step) {
  Rules rules(e);
  step(rules);
  return rules.done();
}

}  // namespace

Outcome Form_Load(const Editor& e) {
  return Run(e, [](Rules& r) { r.Form_Load(); });
}
Outcome Form_Activate(const Editor& e) {
  return Run(e, [](Rules& r) { r.Chann_show_all(); });
}
Outcome Image_redraw(const Editor& e) {
  return Run(e, [](Rules& r) { r.Image_redraw(); });
}
Outcome Chann_para_init_VHF_bf(const Editor& e) {
  return Run(e, [](Rules& r) { r.Chann_para_init_VHF_bf(); });
}
Outcome Command_def_Click(const Editor& e) {
  return Run(e, [](Rules& r) { r.Command_def_Click(); });
}
Outcome Command_Clear_Click(const Editor& e) {
  return Run(e, [](Rules& r) { r.Command_Clear_Click(); });
}
Outcome MSF_Chann_Click(const Editor& e) {
  return Run(e, [](Rules& r) { r.Cell_edit_begin(); });
}
Outcome MSF_Chann_LeaveCell(const Editor& e) {
  return Run(e, [](Rules& r) { r.MSF_Chann_LeaveCell(); });
}
Outcome MSF_Chann_Scroll(const Editor& e) {
  return Run(e, [](Rules& r) { r.MSF_Chann_Scroll(); });
}
Outcome Tab_move(const Editor& e, bool next) {
  return Run(e, [next](Rules& r) { r.Tab_move(next); });
}
Outcome Commit_typed(const Editor& e) {
  return Run(e, [](Rules& r) { r.Commit_typed(); });
}
Outcome Combo_edit_Click(const Editor& e) {
  return Run(e, [](Rules& r) { r.Combo_edit_Click(); });
}
Outcome Combo_edit_Change(const Editor& e) {
  return Run(e, [](Rules& r) { r.Combo_edit_Change(); });
}
Outcome Combo_edit_GotFocus(const Editor& e) {
  return Run(e, [](Rules& r) { r.Combo_edit_GotFocus(); });
}
Outcome Combo_edit_KeyPress(const Editor& e, int& key) {
  return Run(e, [&key](Rules& r) { r.Combo_edit_KeyPress(key); });
}
Outcome Text_Edit_KeyPress(const Editor& e, int key) {
  return Run(e, [key](Rules& r) { r.Text_Edit_KeyPress(key); });
}

void Typed_into(View& v, Focus editor) {
  if (editor == Focus::Text_Edit || (editor == Focus::Combo_edit && IsToneColumn(v.ownerCol))) v.typed = true;
}

}  // namespace chann
