#include "channels/ui/frm_chann.h"

#include "channels/chann_codec.h"
#include "channels/chann_edit.h"
#include "platform/captions.h"
#include "platform/combo_list.h"
#include "platform/grid.h"
#include "platform/text_box.h"
#include "platform/text_fit.h"
#include "platform/window_host.h"
#include "state/image_follower.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>

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

// Design positions, twips.
constexpr double kGridLeft = 120, kGridTop = 0, kGridHeight = 7335;
constexpr double kButtonTop = 7560, kButtonWidth = 855, kButtonHeight = 495;
constexpr double kDefLeft = 8160, kClearLeft = 9600, kCloseLeft = 11040;
constexpr double kLabelLeft = 4560, kLabelTop = 8160, kLabelWidth = 3000, kLabelHeight = 255;
constexpr int kFontPoints = 8;

}  // namespace

frm_chann::frm_chann(AppContext& c) : RadioWindow(c), ctx(c) {
  setObjectName(QStringLiteral("frm_chann"));
  Captions(kCaptions);
  // The design positions are laid out for an 8-point font: with it the 13
  // columns, each as wide as its header text, fit the grid.
  QFont small = font();
  small.setPointSize(kFontPoints);
  setFont(small);

  MSF_Chann = new Grid(this);
  MSF_Chann->setObjectName(QLatin1String(kGrid.name));
  Text_Edit = new TextBox(this);
  Text_Edit->setObjectName(QLatin1String(kTextEdit.name));
  Combo_edit = new ComboList(this);
  Combo_edit->setObjectName(QLatin1String(kComboEdit.name));
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

  // Every event goes to its handler through On: dropped once the window is
  // unloading and while the window shows its View; while a handler runs the
  // window is not deleted.
  MSF_Chann->onClick = On(&frm_chann::frm_chann_MSF_Chann_Click);
  MSF_Chann->onLeaveCell = On(&frm_chann::frm_chann_MSF_Chann_LeaveCell);
  MSF_Chann->onScroll = On(&frm_chann::frm_chann_MSF_Chann_Scroll);
  Combo_edit->onClick = On(&frm_chann::frm_chann_Combo_edit_Click);
  Combo_edit->onChange = On(&frm_chann::frm_chann_Combo_edit_Change);
  Combo_edit->onGotFocus = On(&frm_chann::frm_chann_Combo_edit_GotFocus);
  Combo_edit->onKeyPress = On(&frm_chann::frm_chann_Combo_edit_KeyPress);
  Text_Edit->onKeyPress = On(&frm_chann::frm_chann_Text_Edit_KeyPress);
  // What the user types (keys, Delete, pasting) is held until the cell's commit.
  connect(Text_Edit, &QLineEdit::textEdited, this, [this] { Typed_into(view_, Focus::Text_Edit); });
  connect(Combo_edit->lineEdit(), &QLineEdit::textEdited, this, [this] { Typed_into(view_, Focus::Combo_edit); });
  // Tab and Shift+Tab stay in the grid while an editor is open.
  for (QObject* editor : {static_cast<QObject*>(Text_Edit), static_cast<QObject*>(Combo_edit),
                          static_cast<QObject*>(Combo_edit->lineEdit())})
    editor->installEventFilter(this);
  connect(Command_def, &QPushButton::clicked, this, On(&frm_chann::frm_chann_Command_def_Click));
  connect(Command_Clear, &QPushButton::clicked, this, On(&frm_chann::frm_chann_Command_Clear_Click));
  connect(Command_close, &QPushButton::clicked, this, On(&frm_chann::frm_chann_Command_close_Click));
  // The window follows every change of its rows that it did not make itself.
  follow_ =
      new ImageFollower(ctx.image, this, {{img::kChannelFirst, img::kChannelLast}, {img::kNameFirst, img::kNameLast}},
                        [this] { Image_redraw(); });
}

frm_chann::~frm_chann() { MSF_Chann->setEventsEnabled(false); }

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

  // 6. to 9. The editors hidden, the progress display empty and hidden, the
  // rows labelled 0..199 and drawn from the image.
  Run(chann::Form_Load);
  loaded_ = true;
  follow_->setFollowing(true);
}

void frm_chann::Form_Activate() {
  if (!loaded_ || follow_->handling()) return;
  Run(chann::Form_Activate);
}

void frm_chann::Form_Deactivate() {
  // Not inside a commit: a message box of the commit itself starts no other.
  if (!loaded_ || Unloading() || follow_->handling()) return;
  Run(chann::Commit_typed);
}

void frm_chann::Image_redraw() {
  if (!loaded_ || Unloading()) return;
  Run(chann::Image_redraw);
}

void frm_chann::Form_Unload() {
  // What the user typed is committed first (Close, the close box, a reload,
  // the language switch, the exit), with its messages, although the window
  // is unloading; an editor that a change of the image has closed holds
  // nothing any more.
  if (loaded_ && !follow_->handling()) Run(chann::Commit_typed, true);
  // From here on no change of the image is drawn, and no event of this
  // window reaches the image (On drops them).
  follow_->setFollowing(false);
  MSF_Chann->setEventsEnabled(false);
}

// ---- running the rules -----------------------------------------------------------

void frm_chann::Run(const Rule& rule, bool atUnload) {
  // Neither an activation nor a change of the image redraws the grid in the
  // middle of a handler (a message box may let one through): a change of the
  // image announced meanwhile is drawn as soon as control is back in the
  // event loop, and at the latest before the next click on a cell.
  const ImageFollower::Handling busy(*follow_);
  Take_view();
  chann::View next = view_;
  const chann::Outcome out = rule({ctx.st, ctx.image.image(), next});
  // The messages come first, as the action raised them, with the edits in
  // between; meanwhile the controls show what they showed. An action that
  // stopped behind a box shows nothing of its own: the image it was
  // working on is gone (the redraw that follows shows the new one), or the
  // window is.
  if (!Store_and_tell(out, atUnload)) return;
  view_ = std::move(next);
  Show_view();
  if (out.fx.focus) {
    const ShowingView showing(*this);
    Focus_on(*out.fx.focus);
  }
}

void frm_chann::Take_view() {
  view_.row = MSF_Chann->Row();
  view_.col = MSF_Chann->Col();
  view_.textEdit.text = Text_Edit->text();
  view_.comboEdit.text = Combo_edit->Text();
  view_.comboEdit.index = Combo_edit->ListIndex();
  if (Text_Edit->hasFocus())
    view_.focus = Focus::Text_Edit;
  else if (Combo_edit->hasFocus() || Combo_edit->lineEdit()->hasFocus())
    view_.focus = Focus::Combo_edit;
  else if (MSF_Chann->hasFocus())
    view_.focus = Focus::MSF_Chann;
  else
    view_.focus = Focus::Other;
}

void frm_chann::Show_view() {
  const ShowingView showing(*this);
  const chann::View& v = view_;
  if (MSF_Chann->Rows() != v.rows) MSF_Chann->setRows(v.rows);
  for (int r = 1; r < v.rows; ++r)
    for (int c = 0; c < kColumns; ++c)
      if (MSF_Chann->TextMatrix(r, c) != v.cell(r, c)) MSF_Chann->setTextMatrix(r, c, v.cell(r, c));
  if (MSF_Chann->Row() != v.row) MSF_Chann->setRow(v.row);
  if (MSF_Chann->Col() != v.col) MSF_Chann->setCol(v.col);

  // An editor that closes gives the focus to the grid first, not on to the
  // next control (a button that a following Space would press).
  for (QWidget* editor : {static_cast<QWidget*>(Text_Edit), static_cast<QWidget*>(Combo_edit)}) {
    const bool shown = editor == Text_Edit ? v.textEdit.visible : v.comboEdit.visible;
    if (!shown && !editor->isHidden()) {
      if (editor->hasFocus() || editor->isAncestorOf(QApplication::focusWidget())) MSF_Chann->setFocus();
      editor->hide();
    }
  }
  // The list editor's items, position and field.
  QStringList items;
  for (int i = 0; i < Combo_edit->ListCount(); ++i) items << Combo_edit->List(i);
  if (items != v.comboEdit.items) {
    Combo_edit->Clear();
    Combo_edit->AddItems(v.comboEdit.items);
  }
  if (Combo_edit->ListIndex() != v.comboEdit.index) Combo_edit->PositionOn(v.comboEdit.index);
  if (Combo_edit->Text() != v.comboEdit.text) Combo_edit->setText(v.comboEdit.text);
  if (Text_Edit->text() != v.textEdit.text) Text_Edit->setText(v.textEdit.text);
  // An editor opened anew lies over its cell; the text editor's text stands
  // selected, so what the user types replaces it (typed after it,
  // "151.94000146.5" would read as 151.94 MHz).
  if (placed_ != v.openings) {
    placed_ = v.openings;
    if (v.textEdit.visible) {
      placeOverCell(Text_Edit);
      Text_Edit->selectAll();
    } else if (v.comboEdit.visible) {
      placeOverCell(Combo_edit);
    }
  }

  if (ProgressBar1->value() != v.progress) ProgressBar1->setValue(v.progress);
  ProgressBar1->setVisible(v.progressVisible);
  if (Label_tr_count->text() != v.trCount) Label_tr_count->setText(v.trCount);
}

bool frm_chann::Store_and_tell(const chann::Outcome& out, bool atUnload) {
  // Each message is shown before the edits that come after it; a message
  // box runs a nested event loop in which the image may change or the window
  // be unloaded, and the action then stores nothing more.
  std::size_t shown = 0;
  for (const chann::Edit& edit : out.edits) {
    while (shown < edit.afterNotices)
      if (!Show_notice(out.fx.notices[shown++], atUnload)) return false;
    Store(edit);
  }
  while (shown < out.fx.notices.size())
    if (!Show_notice(out.fx.notices[shown++], atUnload)) return false;
  return true;
}

bool frm_chann::Show_notice(const editor::Notice& n, bool atUnload) {
  const int foreign = follow_->foreignChanges(), own = stores_;
  MsgBox(n.message, n.icon);
  // A commit goes on only on the image it was working on, and only while the
  // window is there: it may have been unloaded while the box was open.
  return follow_->foreignChanges() == foreign && stores_ == own && (atUnload || !Unloading());
}

void frm_chann::Store(const chann::Edit& edit) {
  ++stores_;
  ctx.image.replaceRuns(edit.image, edit.runs(), this);
}

void frm_chann::Focus_on(const editor::Control& c) {
  if (c == kTextEdit)
    Text_Edit->setFocus();
  else if (c == kComboEdit)
    Combo_edit->setFocus();
  else
    MSF_Chann->setFocus();
}

// ---- buttons -------------------------------------------------------------------

void frm_chann::frm_chann_Command_def_Click() {
  Chann_para_init_VHF_bf();
  if (!Unloading()) Run(chann::Command_def_Click);
}

void frm_chann::Chann_para_init_VHF_bf() { Run(chann::Chann_para_init_VHF_bf); }

void frm_chann::frm_chann_Command_Clear_Click() { Run(chann::Command_Clear_Click); }

void frm_chann::frm_chann_Command_close_Click() {
  ctx.host.unloadWindow(this);
  // The windows that close with the channel window (the parameter-file
  // dialogs: open, then save).
  ctx.host.Unload_each(&WindowPlaces::channelClose);
}

// ---- editors -------------------------------------------------------------------

void frm_chann::placeOverCell(QWidget* editor) {
  // The cell comes into full view first (Enter and Tab move to cells out of
  // sight); this scroll belongs to the opening and commits nothing.
  MSF_Chann->scrollTo(MSF_Chann->model()->index(MSF_Chann->Row() - 1, MSF_Chann->Col()));
  // Rows are as high as the editors (see the constructor), so either editor
  // covers the cell exactly.
  const QRect cell = MSF_Chann->CellRect().translated(MSF_Chann->pos());
  editor->setGeometry(cell);
  // A screen reader names the editor after the column it edits.
  Name_control(editor, MSF_Chann->ColumnHeader(MSF_Chann->Col()));
  editor->show();
  editor->raise();
}

// Each column as wide as its header (the header's own size hint) and as the
// widest text its cells or editor can hold, measured with the editors' fonts
// and, in the columns with an editor, with the editor's frame and margins
// (and the list's drop-down button). At 1280 x 1024 every column fits the
// grid; at 1024 x 768 the grid scrolls sideways.
void frm_chann::Fit_columns() {
  const int textExtra = BoxTextExtra(Text_Edit), listExtra = ListTextExtra(Combo_edit);
  const QFontMetrics textFm(Text_Edit->font()), listFm(Combo_edit->font());
  for (int c = 0; c < MSF_Chann->Cols(); ++c) {
    // The header shows whole with the header's own margins.
    MSF_Chann->widenColumn(c, MSF_Chann->horizontalHeader()->sectionSizeHint(c));
    for (const QString& t : Chann_column_texts(ctx.st, c)) {
      MSF_Chann->fitColumn(c, t);
      if (Is_text_column(c))
        MSF_Chann->widenColumn(c, textFm.horizontalAdvance(t) + textExtra);
      else if (Is_list_column(c))
        MSF_Chann->widenColumn(c, listFm.horizontalAdvance(t) + listExtra);
    }
  }
}

// ---- handlers ------------------------------------------------------------------

void frm_chann::frm_chann_MSF_Chann_Click() {
  // A change of the image still waiting to be drawn is drawn first: the
  // editor opens on what the image holds.
  follow_->redrawIfPending();
  Run(chann::MSF_Chann_Click);
}

void frm_chann::frm_chann_MSF_Chann_LeaveCell() { Run(chann::MSF_Chann_LeaveCell); }

void frm_chann::frm_chann_MSF_Chann_Scroll() {
  // Not a scroll from inside another handler (its message box).
  if (follow_->handling()) return;
  Run(chann::MSF_Chann_Scroll);
}

bool frm_chann::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && !Unloading() && view_.ownerRow >= 0) {
    const auto* k = static_cast<QKeyEvent*>(event);
    const bool command = k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!command && (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab)) {
      const bool next = k->key() == Qt::Key_Tab && !(k->modifiers() & Qt::ShiftModifier);
      On([this, next] { Run([next](const chann::Editor& e) { return chann::Tab_move(e, next); }); })();
      return true;
    }
  }
  return RadioWindow::eventFilter(watched, event);
}

void frm_chann::frm_chann_Combo_edit_Click() { Run(chann::Combo_edit_Click); }

void frm_chann::frm_chann_Combo_edit_Change() { Run(chann::Combo_edit_Change); }

void frm_chann::frm_chann_Combo_edit_GotFocus() { Run(chann::Combo_edit_GotFocus); }

void frm_chann::frm_chann_Combo_edit_KeyPress(int& key) {
  Run([&key](const chann::Editor& e) { return chann::Combo_edit_KeyPress(e, key); });
}

void frm_chann::frm_chann_Text_Edit_KeyPress(int& key) {
  if (key != 13) return;
  Run([key](const chann::Editor& e) { return chann::Text_Edit_KeyPress(e, key); });
}
