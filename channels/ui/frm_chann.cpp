#include "channels/ui/frm_chann.h"

#include "channels/chann_codec.h"
#include "channels/chann_edit.h"
#include "image/chann_defaults.h"
#include "image/freq_codec.h"
#include "platform/captions.h"
#include "platform/combo_list.h"
#include "platform/core/numbers.h"
#include "platform/grid.h"
#include "platform/text_box.h"
#include "platform/text_fit.h"
#include "platform/window_host.h"
#include "state/image_follower.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>
#include <array>

using namespace chann;

namespace {

// Captions, applied on every load.
constexpr Caption kCaptions[] = {
    {"frm_chann", {"Channel Information", "信道参数编辑"}},
    {"MSF_Chann",
     {"^Channel|^  Band  |^RX Frequency|^TX Frequency|^CTCSS/DCS Dec|^CTCSS/DCS Enc|^TX Power|^ W/N "
      "|^PTT-ID|^BusyLock|^Scan_Add|^SigCode|^CH-Name",
      "^信道号|^ 工作频段 |^接收频率(MHZ)|^发射频率(MHZ)|^QT/DQT 解码|^QT/DQT "
      "编码|^发射功率|^信道带宽|^PTT-ID|^繁忙锁定"
      "|^扫描添加|^信令码|^信 道 名 称"}},
    {"Command_read", {"Read", "读 取"}},
    {"Command_Write", {"Write", "写 入"}},
    {"Command_Clear", {"Clear", "清 除"}},
    {"Command_def", {"Default", "出厂值"}},
    {"Command_close", {"Close", "关 闭"}},
};

// Messages of the cell commit.
constexpr Text kPromptTitle{"Operate prompt", "操作提示"};
constexpr Message kMessages[] = {
    {{"Over the range of receive frequency .", "接收频率超出范围 ！"}, kPromptTitle},
    {{"Over the range of transmit frequency .", "发射频率超出范围 ！"}, kPromptTitle},
    {{"Please input the receive frequency in advance.", "请先输入接收频率 ！"}, kPromptTitle},
    {{"The letter of channel name max 6 bit . ", "信道名称的字符个数最大为 6 位 ！"}, {"Operate Prompt", "操作提示"}},
};

// Design positions, twips.
constexpr double kGridLeft = 120, kGridTop = 0, kGridHeight = 7335;
constexpr double kButtonTop = 7560, kButtonWidth = 855, kButtonHeight = 495;
constexpr double kDefLeft = 8160, kClearLeft = 9600, kCloseLeft = 11040;
constexpr double kLabelLeft = 4560, kLabelTop = 8160, kLabelWidth = 3000, kLabelHeight = 255;
constexpr int kFontPoints = 8;

bool IsTextColumn(int c) { return c == kColRx || c == kColTx || c == kColName; }
bool IsListColumn(int c) { return c == kColBand || (c >= kColRxTone && c <= kColSigCode); }
bool IsToneColumn(int c) { return c == kColRxTone || c == kColTxTone; }

}  // namespace

// Held while a handler of the editor works, so neither an activation nor a
// change of the image redraws the grid in the middle of it (a message box may
// let one through). A change of the image announced meanwhile is drawn as
// soon as control is back in the event loop (the handler may run inside a
// move of the grid, which must end first), and at the latest before the next
// click on a cell is handled.
class frm_chann::Handling : public ImageFollower::Handling {
 public:
  explicit Handling(frm_chann& w) : ImageFollower::Handling(*w.follow_) {}
};

frm_chann::frm_chann(AppContext& c) : RadioWindow(c), ctx(c) {
  setObjectName(QStringLiteral("frm_chann"));
  Captions(kCaptions);
  // The design positions are laid out for an 8-point font: with it the 13
  // columns, each as wide as its header text, fit the grid.
  QFont small = font();
  small.setPointSize(kFontPoints);
  setFont(small);

  MSF_Chann = new Grid(this);
  MSF_Chann->setObjectName(QStringLiteral("MSF_Chann"));
  Text_Edit = new TextBox(this);
  Text_Edit->setObjectName(QStringLiteral("Text_Edit"));
  Combo_edit = new ComboList(this);
  Combo_edit->setObjectName(QStringLiteral("Combo_edit"));
  Combo_edit->hide();
  Command_def = Control<QPushButton>("Command_def");
  Command_Clear = Control<QPushButton>("Command_Clear");
  Command_close = Control<QPushButton>("Command_close");
  Command_read = Control<QPushButton>("Command_read");
  Command_Write = Control<QPushButton>("Command_Write");
  Command_read->hide();
  Command_Write->hide();
  Label_tr_count = new QLabel(this);
  Label_tr_count->setObjectName(QStringLiteral("Label_tr_count"));
  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));

  // Rows exactly as high as the editors laid over them.
  MSF_Chann->setDefaultRowHeight(std::max(Text_Edit->sizeHint().height(), Combo_edit->sizeHint().height()));

  place(Command_def, kDefLeft, kButtonTop, kButtonWidth, kButtonHeight);
  place(Command_Clear, kClearLeft, kButtonTop, kButtonWidth, kButtonHeight);
  place(Command_close, kCloseLeft, kButtonTop, kButtonWidth, kButtonHeight);
  place(Label_tr_count, kLabelLeft, kLabelTop, kLabelWidth, kLabelHeight);

  // Every event of an unloaded window is dropped: nothing it holds may reach
  // the image. (The commit at the unload still gets its editors' events.)
  // While a handler runs the window is not deleted.
  auto on = [this](void (frm_chann::*handler)()) {
    return [this, handler] {
      if (unloaded_) return;
      const HandlerScope running(this);
      (this->*handler)();
    };
  };
  auto onKey = [this](void (frm_chann::*handler)(int&)) {
    return [this, handler](int& key) {
      if (unloaded_) return;
      const HandlerScope running(this);
      (this->*handler)(key);
    };
  };
  MSF_Chann->onClick = on(&frm_chann::frm_chann_MSF_Chann_Click);
  MSF_Chann->onLeaveCell = on(&frm_chann::frm_chann_MSF_Chann_LeaveCell);
  MSF_Chann->onScroll = on(&frm_chann::frm_chann_MSF_Chann_Scroll);
  Combo_edit->onClick = on(&frm_chann::frm_chann_Combo_edit_Click);
  Combo_edit->onChange = on(&frm_chann::frm_chann_Combo_edit_Change);
  Combo_edit->onGotFocus = on(&frm_chann::frm_chann_Combo_edit_GotFocus);
  Combo_edit->onKeyPress = onKey(&frm_chann::frm_chann_Combo_edit_KeyPress);
  Text_Edit->onKeyPress = onKey(&frm_chann::frm_chann_Text_Edit_KeyPress);
  // What the user types (keys, Delete, pasting) is held until the cell's commit.
  connect(Text_Edit, &QLineEdit::textEdited, this, [this] { typed_ = true; });
  connect(Combo_edit->lineEdit(), &QLineEdit::textEdited, this, [this] {
    if (IsToneColumn(ownerCol_)) typed_ = true;
  });
  // Tab and Shift+Tab stay in the grid while an editor is open.
  for (QObject* editor : {static_cast<QObject*>(Text_Edit), static_cast<QObject*>(Combo_edit),
                          static_cast<QObject*>(Combo_edit->lineEdit())})
    editor->installEventFilter(this);
  connect(Command_def, &QPushButton::clicked, this, on(&frm_chann::frm_chann_Command_def_Click));
  connect(Command_Clear, &QPushButton::clicked, this, on(&frm_chann::frm_chann_Command_Clear_Click));
  connect(Command_close, &QPushButton::clicked, this, on(&frm_chann::frm_chann_Command_close_Click));
  // The window follows every change of its rows that it did not make itself.
  follow_ =
      new ImageFollower(ctx.image, this, {{img::kChannelFirst, img::kChannelLast}, {img::kNameFirst, img::kNameLast}},
                        [this] { Image_redraw(); });
}

frm_chann::~frm_chann() {
  unloaded_ = true;
  MSF_Chann->setEventsEnabled(false);
}

// ---- load, activation, unload -------------------------------------------------

void frm_chann::Form_Load() {
  // 1. and 2. The host has set the window-loaded flag and applied the
  // captions; the columns then widen to what their cells and editors show.
  Fit_columns();

  // 3. Size from the main window, centred in its client area.
  if (ctx.main) {
    const double w = ctx.main->Width() / 1.24, h = ctx.main->Height() / 1.26;
    setTwipsGeometry((ctx.main->ScaleWidth() - w) / 2, (ctx.main->ScaleHeight() - h) / 2, w, h);
  }
  // 4. The window host shows the window once the load has run; its client
  // area is laid out now so the grid can take its width from it.
  if (frame()->layout()) frame()->layout()->activate();

  // 5. The grid, as wide as the client area allows.
  place(MSF_Chann, kGridLeft, kGridTop, ScaleWidth() / 1.02, kGridHeight);

  // 6. The editors start hidden.
  Text_Edit->hide();
  Combo_edit->hide();

  // 8. Progress display empty and hidden.
  ProgressBar1->setValue(0);
  Label_tr_count->clear();
  ProgressBar1->hide();

  // 7. and 9. Rows labelled 0..199 and drawn from the image.
  Chann_show_all();
  loaded_ = true;
  follow_->setFollowing(true);
}

void frm_chann::Form_Activate() {
  if (!loaded_ || follow_->handling()) return;
  Chann_show_all();
}

void frm_chann::Form_Deactivate() { Commit_typed(); }

void frm_chann::Image_redraw() {
  if (!loaded_ || unloaded_) return;
  // An editor opened on the old data is closed without storing its text (no
  // cell owns an editor any more, so the moves below commit nothing).
  closeEditors();
  const int row = MSF_Chann->Row(), col = MSF_Chann->Col();
  Chann_show_all();
  // The user's place in the grid stays where it was.
  if (row >= 1 && row < MSF_Chann->Rows()) {
    MSF_Chann->setRow(row);
    MSF_Chann->setCol(col);
  }
}

void frm_chann::editChannel(int r, const std::function<void(img::Image&)>& edit) {
  ctx.image.change(RecordRow(r), NameRecordRow(r), this, edit);
}

void frm_chann::Form_Unload() {
  // What the user typed is committed first (Close, the close box, a reload,
  // the language switch, the exit); an editor that a change of the image has
  // closed holds nothing any more.
  Commit_typed();
  // From here on no event of this window reaches the image, and no change
  // of the image is drawn.
  unloaded_ = true;
  follow_->setFollowing(false);
  MSF_Chann->setEventsEnabled(false);
}

int frm_chann::channelRows() const { return std::clamp<int>(ctx.st.Chann_total, 0, img::kChannelCount); }

void frm_chann::Chann_show_all() {
  const int total = channelRows();
  MSF_Chann->setRows(total + 1);
  // Each move leaves a cell: the first one commits an editor still open.
  MSF_Chann->setCol(kColNumber);
  for (int r = 1; r <= total; ++r) {
    MSF_Chann->setRow(r);
    MSF_Chann->setText(QString::number(r - 1));
    editChannel(r, [&](img::Image& im) { Chann_show(ctx.st, im, *MSF_Chann, r); });
  }
}

// ---- buttons -------------------------------------------------------------------

void frm_chann::Chann_para_init_VHF_bf() {
  ctx.image.change(img::kChannelFirst, img::kNameLast, this, [](img::Image& im) { Chann_defaults_init(im); });
}

void frm_chann::frm_chann_Command_def_Click() {
  Chann_para_init_VHF_bf();
  ctx.image.change(img::kChannelFirst, img::kNameLast, this, [](img::Image& im) { Wx_chann_init(im); });
  Chann_show_all();
}

void frm_chann::frm_chann_Command_Clear_Click() {
  ProgressBar1->setValue(0);
  Label_tr_count->clear();
  ProgressBar1->hide();
  for (int r = 1; r <= channelRows(); ++r) {
    setCell(r, kColRx, QString());
    setCell(r, kColTx, QString());
    setCell(r, kColName, QString());
    editChannel(r, [&](img::Image& im) { Chann_clear_para(im, *MSF_Chann, r); });
  }
}

void frm_chann::frm_chann_Command_close_Click() {
  ctx.host.unloadWindow(this);
  // The windows that close with the channel window (the parameter-file
  // dialogs: open, then save).
  ctx.host.Unload_each(&WindowPlaces::channelClose);
}

// ---- cells ---------------------------------------------------------------------

QString frm_chann::cellText(int r, int c) const { return MSF_Chann->TextMatrix(r, c); }

void frm_chann::setCell(int r, int c, const QString& text) { MSF_Chann->setTextMatrix(r, c, text); }

bool frm_chann::isNewChannel(int r) const { return cellBlank(r, kColRx) || Chann_is_empty(ctx.image.image(), r); }

// ---- editors -------------------------------------------------------------------

void frm_chann::placeOverCell(QWidget* editor) {
  // The cell comes into full view first (Enter and Tab move to cells out of
  // sight); this scroll belongs to the opening and commits nothing.
  placing_ = true;
  MSF_Chann->scrollTo(MSF_Chann->model()->index(MSF_Chann->Row() - 1, MSF_Chann->Col()));
  placing_ = false;
  // Rows are as high as the editors (see the constructor), so either editor
  // covers the cell exactly.
  const QRect cell = MSF_Chann->CellRect().translated(MSF_Chann->pos());
  editor->setGeometry(cell);
  // A screen reader names the editor after the column it edits.
  Name_control(editor, MSF_Chann->ColumnHeader(MSF_Chann->Col()));
  editor->show();
  editor->raise();
}

void frm_chann::hideEditor(QWidget* editor) {
  // The focus goes back to the grid, not on to the next control (a button
  // that a following Space would press).
  if (editor->hasFocus()) MSF_Chann->setFocus();
  editor->hide();
}

void frm_chann::closeEditors() {
  hideEditor(Text_Edit);
  hideEditor(Combo_edit);
  Text_Edit->clear();
  Combo_edit->Clear();
  setOwner(-1, -1);
}

void frm_chann::setOwner(int r, int c) {
  ownerRow_ = r;
  ownerCol_ = c;
  typed_ = false;
}

void frm_chann::takeEditCell() {
  const bool owned = ownerRow_ >= 0;
  Edit_row = static_cast<Int16>(owned ? ownerRow_ : MSF_Chann->Row());
  Edit_col = static_cast<Int16>(owned ? ownerCol_ : MSF_Chann->Col());
}

void frm_chann::frm_chann_MSF_Chann_Click() {
  // A change of the image still waiting to be drawn is drawn first: the
  // editor opens on what the image holds.
  follow_->redrawIfPending();
  Cell_edit_begin();
}

void frm_chann::Cell_edit_begin() {
  const int r = MSF_Chann->Row(), c = MSF_Chann->Col();
  Edit_row = static_cast<Int16>(r);
  Edit_col = static_cast<Int16>(c);
  Edit_text = MSF_Chann->Text();

  const bool listColumn = c >= kColRxTone && c <= kColSigCode;
  if (c == kColBand) {
    openList(r, c);
  } else if (c == kColRx || c == kColTx || c == kColName) {
    hideEditor(Combo_edit);
    setOwner(r, c);
    placeOverCell(Text_Edit);
    Text_Edit->setText(MSF_Chann->Text());
    Text_Edit->setFocus();
    // The cell's text stands selected, so what the user types replaces it
    // (typed after it, "151.94000146.5" would read as 151.94 MHz).
    Text_Edit->selectAll();
  } else if (listColumn && !cellBlank(r, kColBand) && !(c == kColTxTone && cellBlank(r, kColRx))) {
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
void frm_chann::openList(int r, int c) {
  hideEditor(Text_Edit);
  setOwner(r, c);
  placeOverCell(Combo_edit);
  Combo_edit->setText(MSF_Chann->Text());
  Combo_edit->setFocus();
  Combo_edit->Clear();
  const QStringList items = Chann_list_items(ctx.st, c);
  for (const QString& item : items) Combo_edit->AddItem(item);
  if (!IsToneColumn(c)) Combo_edit->setText(MSF_Chann->Text());
  // The list stands on the item the cell shows (nothing is chosen by it): the
  // drop-down part opens there and the arrow keys go on from it.
  Combo_edit->PositionOn(static_cast<int>(items.indexOf(MSF_Chann->Text().trimmed())));
}

void frm_chann::frm_chann_MSF_Chann_Scroll() {
  // An editor belongs to its cell: a scroll commits it as leaving the cell
  // does and closes it, so no editor is left over another channel.
  if (placing_ || follow_->handling() || unloaded_) return;
  if (ownerRow_ >= 0 || Combo_edit->isVisible() || Text_Edit->isVisible()) Commit_and_close();
}

void frm_chann::Commit_and_close() {
  if (ownerRow_ >= 0 && ownerRow_ == MSF_Chann->Row() && ownerCol_ == MSF_Chann->Col()) frm_chann_MSF_Chann_LeaveCell();
  closeEditors();
}

void frm_chann::Commit_typed() {
  // Not inside a commit: a message box of the commit itself starts no other.
  if (!loaded_ || unloaded_ || follow_->handling() || !typed_ || ownerRow_ < 0) return;
  Commit_and_close();
}

bool frm_chann::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && !unloaded_ && ownerRow_ >= 0) {
    const auto* k = static_cast<QKeyEvent*>(event);
    const bool command = k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!command && (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab)) {
      const bool next = k->key() == Qt::Key_Tab && !(k->modifiers() & Qt::ShiftModifier);
      const HandlerScope running(this);
      Tab_move(next);
      return true;
    }
  }
  return RadioWindow::eventFilter(watched, event);
}

void frm_chann::Tab_move(bool next) {
  const Handling busy(*this);
  // Column 0 holds no editor: the move goes along the row, then on to the
  // next (or previous) row, past cells that open no editor (the settings of
  // a channel without band); the first and the last cell stay where they are.
  for (;;) {
    int r = MSF_Chann->Row(), c = MSF_Chann->Col();
    if (next) {
      if (c < kColName)
        ++c;
      else if (r < channelRows())
        r = r + 1, c = kColBand;
    } else {
      if (c > kColBand)
        --c;
      else if (r > 1)
        r = r - 1, c = kColName;
    }
    if (r == MSF_Chann->Row() && c == MSF_Chann->Col()) {
      frm_chann_MSF_Chann_LeaveCell();  // the cell is committed all the same
      Cell_edit_begin();
      return;
    }
    MSF_Chann->setCol(c);  // leaving the cell commits it
    MSF_Chann->setRow(r);
    Cell_edit_begin();
    if (ownerRow_ >= 0 || unloaded_) return;
  }
}

void frm_chann::Fit_columns() {
  const int textExtra = BoxTextExtra(Text_Edit), listExtra = ListTextExtra(Combo_edit);
  const QFontMetrics textFm(Text_Edit->font()), listFm(Combo_edit->font());
  for (int c = 0; c < MSF_Chann->Cols(); ++c) {
    // The header shows whole with the header's own margins.
    MSF_Chann->widenColumn(c, MSF_Chann->horizontalHeader()->sectionSizeHint(c));
    for (const QString& t : Chann_column_texts(ctx.st, c)) {
      MSF_Chann->fitColumn(c, t);
      if (IsTextColumn(c))
        MSF_Chann->widenColumn(c, textFm.horizontalAdvance(t) + textExtra);
      else if (IsListColumn(c))
        MSF_Chann->widenColumn(c, listFm.horizontalAdvance(t) + listExtra);
    }
  }
}

// ---- list editor ---------------------------------------------------------------

void frm_chann::frm_chann_Combo_edit_Click() {
  const Handling busy(*this);
  Edit_text = Combo_edit->Text();
  takeEditCell();
  const int r = Edit_row, i = Combo_edit->ListIndex();
  if (i < 0 || !IsChannelRow(r)) return;
  switch (Edit_col) {
    case kColBand:
      // A band chosen for a channel that had none starts it afresh.
      if (cellText(r, kColBand).trimmed() != Combo_edit->Text().trimmed())
        editChannel(r, [&](img::Image& im) { Chann_clear(im, *MSF_Chann, r); });
      setCell(r, kColBand, Combo_edit->Text());
      break;
    case kColRxTone:
    case kColTxTone:
      if (const auto code = Tone_code_of_choice(i, Combo_edit->Text())) {
        editChannel(r, [&](img::Image& im) {
          Chann_tone_store(im, r, Edit_col, *code);
          if (Edit_col == kColRxTone) Chann_show(ctx.st, im, *MSF_Chann, r);
        });
      }
      break;
    default: editChannel(r, [&](img::Image& im) { Chann_setting_store(im, r, Edit_col, i); }); break;
  }
}

void frm_chann::frm_chann_Combo_edit_Change() {
  takeEditCell();
  // Only the tone lists take typing; elsewhere the field returns at once to
  // the last chosen or loaded text.
  if (Combo_edit->isVisible() && Edit_col != kColRxTone && Edit_col != kColTxTone) {
    Combo_edit->setFocus();
    Combo_edit->setText(Edit_text);
  }
}

void frm_chann::frm_chann_Combo_edit_GotFocus() { Edit_text = Combo_edit->Text(); }

void frm_chann::frm_chann_Combo_edit_KeyPress(int& key) {
  const Handling busy(*this);
  if (Edit_col == kColRxTone || Edit_col == kColTxTone) {
    // Tone values and DCS names only: digits, the point, D, N and I.
    if (key >= 'a' && key <= 'z') key = key - 'a' + 'A';
    const bool keep = (key >= '0' && key <= '9') || key == '.' || key == 'D' || key == 'N' || key == 'I' || key == 13;
    if (!keep) key = 0;
  }
  if (key != 13 || Edit_col < kColRxTone || Edit_col > kColSigCode) return;
  // Enter moves on to the next cell of the row and opens its editor.
  if (ownerRow_ != MSF_Chann->Row() || ownerCol_ != MSF_Chann->Col()) return;
  MSF_Chann->setCol(MSF_Chann->Col() + 1);
  Cell_edit_begin();
}

// ---- commit --------------------------------------------------------------------

void frm_chann::frm_chann_MSF_Chann_LeaveCell() {
  const Handling busy(*this);
  const int r = MSF_Chann->Row(), c = MSF_Chann->Col();
  Edit_row = static_cast<Int16>(r);
  Edit_col = static_cast<Int16>(c);
  hideEditor(Text_Edit);
  // Only the cell the editor was opened for takes the editors' texts; any
  // other cell (a keyboard move, the second move of Enter's jump) stays as it is.
  const bool owned = r == ownerRow_ && c == ownerCol_ && IsChannelRow(r);
  if (owned) {
    switch (c) {
      case kColBand: Commit_band(r); break;
      case kColRx: Commit_rx(r); break;
      case kColTx: Commit_tx(r); break;
      case kColRxTone:
      case kColTxTone: Commit_tone(r, c); break;
      case kColName: Commit_name(r); break;
      default: Commit_setting(r, c); break;
    }
  }
  // The band's list stays over its cell until the next editor opens.
  if (!(owned && c == kColBand)) closeEditors();
}

void frm_chann::Commit_band(int r) {
  if (cellText(r, kColBand).trimmed() != Combo_edit->Text().trimmed())
    editChannel(r, [&](img::Image& im) { Chann_clear(im, *MSF_Chann, r); });
  setCell(r, kColBand, Combo_edit->Text());
}

void frm_chann::Commit_rx(int r) {
  const Session& st = ctx.st;
  const int n = RecordRow(r);
  const QString t = Text_Edit->text();
  const bool out = Freq_out_of_range(st, num::Val(t));
  if (out && t.trimmed().isEmpty()) {
    // The RX frequency was deleted: the channel and its name go.
    setCell(r, kColRx, QString());
    setCell(r, kColTx, QString());
    editChannel(r, [&](img::Image& im) { Chann_clear_para(im, *MSF_Chann, r); });
  } else if (out) {
    if (!message(Msg::Rx)) return;
    const QString replacement = Freq_replacement(st);
    setCell(r, kColRx, replacement);
    Text_Edit->setText(replacement);
    editChannel(r, [&](img::Image& im) {
      if (Chann_is_empty(im, r)) {
        Chann_new(im, *MSF_Chann, r);
        Freq_to_image(im, replacement, n, 4);
      }
      Freq_to_image(im, replacement, n, 0);
    });
  } else {
    const bool fresh = isNewChannel(r);
    if (fresh) editChannel(r, [&](img::Image& im) { Chann_new(im, *MSF_Chann, r); });
    setCell(r, kColRx, t);
    if (cellBlank(r, kColTx)) {
      setCell(r, kColTx, cellText(r, kColRx));
      MSF_Chann->setFocus();
    }
    editChannel(r, [&](img::Image& im) {
      const std::array<std::int16_t, 4> before{im(n, 0), im(n, 1), im(n, 2), im(n, 3)};
      Freq_to_image(im, cellText(r, kColRx), n, 0);
      const std::array<std::int16_t, 4> after{im(n, 0), im(n, 1), im(n, 2), im(n, 3)};
      // A changed RX frequency sets the TX frequency to it; the same frequency
      // committed again (a cell only clicked through) keeps a split TX.
      if (fresh || after != before) Freq_to_image(im, t, n, 4);
    });
  }
  editChannel(r, [&](img::Image& im) { Chann_show(st, im, *MSF_Chann, r); });
}

void frm_chann::Commit_tx(int r) {
  const Session& st = ctx.st;
  const int n = RecordRow(r);
  const QString t = Text_Edit->text();
  const bool blank = t.trimmed().isEmpty();
  if (cellBlank(r, kColRx) && !blank) {
    // No TX frequency before the RX frequency: nothing is stored.
    if (message(Msg::TxBeforeRx)) Text_Edit->clear();
    return;
  }
  const bool out = Freq_out_of_range(st, num::Val(t));
  if (out && blank) {
    // The TX frequency was deleted: a receive-only channel.
    setCell(r, kColTx, QString());
    setCell(r, kColTxTone, QString());
    editChannel(r, [&](img::Image& im) {
      for (int b = 4; b <= 7; ++b) im(n, b) = img::kEmpty;
      im(n, 10) = im(n, 11) = img::kEmpty;
    });
  } else if (out) {
    if (!message(Msg::Tx)) return;
    const QString replacement = Freq_replacement(st);
    setCell(r, kColTx, replacement);
    Text_Edit->setText(replacement);
    setCell(r, kColTxTone, QStringLiteral("OFF"));
    editChannel(r, [&](img::Image& im) {
      Freq_to_image(im, replacement, n, 4);
      im(n, 10) = im(n, 11) = img::kEmpty;
    });
  } else {
    setCell(r, kColTx, t);
    editChannel(r, [&](img::Image& im) { Freq_to_image(im, cellText(r, kColTx), n, 4); });
  }
  editChannel(r, [&](img::Image& im) { Chann_show(st, im, *MSF_Chann, r); });
}

void frm_chann::Commit_tone(int r, int c) {
  const QString t = Combo_edit->Text().trimmed();
  if (const auto code = Ctcss_code_of_text(t)) {
    editChannel(r, [&](img::Image& im) {
      Chann_tone_store(im, r, c, *code);
      Chann_show(ctx.st, im, *MSF_Chann, r);
    });
    return;
  }
  // OFF and the DCS names are stored by choosing their list item.
  for (int i = 0; i < Combo_edit->ListCount() && i < ctx.st.Tone_list.size(); ++i) {
    if (ctx.st.Tone_list[i].trimmed() == t) {
      Combo_edit->setListIndex(i);
      setCell(r, c, Combo_edit->Text());
    }
  }
}

void frm_chann::Commit_setting(int r, int c) { setCell(r, c, Combo_edit->Text()); }

void frm_chann::Commit_name(int r) {
  QString t = Text_Edit->text().trimmed();
  if (t.toUcs4().size() > kNameWarnAbove && !message(Msg::Name)) return;
  if (cellBlank(r, kColBand)) {
    // A channel without band gets no name.
    Text_Edit->clear();
    t.clear();
  }
  // The same text as shown (a cell only clicked through) keeps the stored bytes.
  if (t != Name_text(ctx.image.image(), r)) editChannel(r, [&](img::Image& im) { Chann_name_store(im, r, t); });
  setCell(r, kColName, Name_text(ctx.image.image(), r));
}

// ---- Enter in the text editor --------------------------------------------------

void frm_chann::frm_chann_Text_Edit_KeyPress(int& key) {
  if (key != 13) return;
  const Handling busy(*this);
  const int r = MSF_Chann->Row(), c = MSF_Chann->Col();
  Edit_row = static_cast<Int16>(r);
  Edit_col = static_cast<Int16>(c);
  hideEditor(Text_Edit);
  if (r != ownerRow_ || c != ownerCol_ || !IsChannelRow(r)) return;
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

void frm_chann::Enter_rx(int r, int c) {
  const Session& st = ctx.st;
  const QString t = Text_Edit->text();
  if (!Freq_out_of_range_enter(st, num::Val(t))) {
    if (isNewChannel(r)) editChannel(r, [&](img::Image& im) { Chann_new(im, *MSF_Chann, r); });
    Text_Edit->setText(t.left(9));
    setCell(r, kColRx, Freq_display_form(t));
  } else if (!t.trimmed().isEmpty()) {
    if (!message(Msg::Rx)) return;
    const QString replacement = Freq_replacement(st);
    setCell(r, kColRx, replacement);
    Text_Edit->setText(replacement);
    editChannel(r, [&](img::Image& im) {
      if (Chann_is_empty(im, r)) Chann_new(im, *MSF_Chann, r);
    });
  } else {
    setCell(r, kColRx, QString());
    setCell(r, kColTx, QString());
    editChannel(r, [&](img::Image& im) { Chann_clear_para(im, *MSF_Chann, r); });
  }
  Text_Edit->setText(cellText(r, kColRx));
  if (cellBlank(r, kColTx)) setCell(r, kColTx, cellText(r, kColRx));
  // Moving on commits the RX cell with the text checked here.
  MSF_Chann->setCol(c + 1);
  Cell_edit_begin();
}

void frm_chann::Enter_tx(int r, int c) {
  const Session& st = ctx.st;
  const QString t = Text_Edit->text();
  const bool blank = t.trimmed().isEmpty();
  if (cellBlank(r, kColRx) && !blank) {
    if (!message(Msg::TxBeforeRx)) return;
    Text_Edit->clear();
  } else if (!Freq_out_of_range_enter(st, num::Val(t))) {
    Text_Edit->setText(t.left(9));
    setCell(r, kColTx, Freq_display_form(t));
  } else if (!blank) {
    if (!message(Msg::Tx)) return;
    setCell(r, kColTx, Freq_low_text(st));
    setCell(r, kColTxTone, QStringLiteral("OFF"));
    editChannel(r, [&](img::Image& im) { im(RecordRow(r), 10) = im(RecordRow(r), 11) = img::kEmpty; });
  } else {
    setCell(r, kColTx, QString());
    setCell(r, kColTxTone, QString());
  }
  Text_Edit->setText(cellText(r, kColTx));
  if (cellBlank(r, kColRx) && cellBlank(r, kColTx)) {
    // A channel without frequencies: on to the band of the next channel.
    MSF_Chann->setCol(kColBand);
    if (r != channelRows()) MSF_Chann->setRow(r + 1);
  } else {
    MSF_Chann->setCol(c + 1);
  }
  Cell_edit_begin();
}

// ---- messages ------------------------------------------------------------------

bool frm_chann::message(Msg m) {
  const int before = follow_->foreignChanges();
  MsgBox(kMessages[static_cast<int>(m)]);
  // A commit goes on only on the image it was working on, and only while the
  // window is there: it may have been unloaded while the box was open.
  return follow_->foreignChanges() == before && !unloaded_;
}
