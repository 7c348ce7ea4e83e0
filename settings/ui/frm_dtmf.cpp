#include "settings/ui/frm_dtmf.h"

#include "image/settings_defaults.h"
#include "platform/captions.h"
#include "platform/choice_buttons.h"
#include "platform/combo_list.h"
#include "platform/core/twips.h"
#include "platform/text_box.h"
#include "platform/text_fit.h"
#include "platform/window_host.h"
#include "state/image_follower.h"

#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>

#include <algorithm>

using namespace dtmf;

namespace {

// Design positions, twips, of a block that the load centres in the client
// area. The code-group frame on the left, one row per group under the two
// heads; the settings on the right, the ANI frame below them, the buttons at
// the bottom.
constexpr double kBlockWidth = 9060, kBlockHeight = 5880, kMargin = 60;
constexpr double kFrameWidth = 3900;
constexpr double kHeadTop = 300, kHeadHeight = 255;
constexpr double kNumberLeft = 120, kNumberWidth = 1080;
constexpr double kBoxLeft = 1320, kBoxWidth = 2400, kBoxHeight = 315;
constexpr double kRowTop = 600, kRowPitch = 345;
constexpr double kRightLeft = 4140, kLabelWidth = 3600, kFieldLeft = 7860, kFieldWidth = 1200, kListHeight = 345;
constexpr double kOnTop = 180, kOffTop = 660, kGroupCallTop = 1140, kAlarmTop = 1620;
constexpr double kAniTop = 2160, kAniWidth = kBlockWidth - kRightLeft, kAniHeight = 1620;
constexpr double kInnerLeft = 240, kAniBoxTop = 360, kPressTop = 780, kReleaseTop = 1140, kCheckWidth = 4400;
constexpr double kButtonTop = 5400, kButtonWidth = 1275, kButtonHeight = 480, kDefLeft = 5700;
constexpr double kCloseLeft = kBlockWidth - kButtonWidth;

QString Member(const char* array, int index) { return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index); }

}  // namespace

frm_dtmf::frm_dtmf(AppContext& c) : RadioWindow(c), ctx(c) {
  setObjectName(QStringLiteral("frm_dtmf"));
  Captions(dtmf::Captions());

  // Created in the tab order: the groups, the times, the alarm, the ANI with
  // its check boxes, the buttons.
  Frame_encode = Control<QGroupBox>("Frame_encode");
  Frame_encode->hide();  // shown by the load
  Label_encode_xh = Control<QLabel>("Label_encode_xh", Frame_encode);
  Label_tx_encode = Control<QLabel>("Label_tx_encode", Frame_encode);
  for (QLabel* head : {Label_encode_xh, Label_tx_encode}) head->setAlignment(Qt::AlignCenter);
  for (int i = 0; i < kGroups; ++i) {
    const auto k = static_cast<std::size_t>(i);
    Label_xh[k] = Control<QLabel>(Member("Label_xh", i), Frame_encode);
    Label_xh[k]->setAlignment(Qt::AlignCenter);
    Text_tx_Encode[k] = Control<TextBox>(Member("Text_tx_Encode", i), Frame_encode);
    Label_xh[k]->setBuddy(Text_tx_Encode[k]);
    Text_tx_Encode[k]->onKeyPress = On(&frm_dtmf::Text_tx_Encode_KeyPress, i);
    Text_tx_Encode[k]->onLostFocus = On(&frm_dtmf::Text_tx_Encode_LostFocus, i);
  }

  Label_dtmf_ontime = Control<QLabel>("Label_dtmf_ontime");
  Combo_Enc_ys1 = Control<ComboList>("Combo_Enc_ys1");
  Label_dtmf_offtime = Control<QLabel>("Label_dtmf_offtime");
  Combo_Enc_ys2 = Control<ComboList>("Combo_Enc_ys2");
  Label_Group_code = Control<QLabel>("Label_Group_code");
  Combo_Enc_qh = Control<ComboList>("Combo_Enc_qh");
  for (ComboList* list : {Combo_Enc_ys1, Combo_Enc_ys2, Combo_Enc_qh}) list->setMode(ComboList::Mode::Setting);
  // What is typed into a time list's field would never be stored: the
  // field takes no typing, the lists are chosen from.
  Combo_Enc_ys1->setFieldReadOnly(true);
  Combo_Enc_ys2->setFieldReadOnly(true);
  // The group call only shows the stored code.
  Combo_Enc_qh->setEnabled(false);
  Label_dtmf_ontime->setBuddy(Combo_Enc_ys1);
  Label_dtmf_offtime->setBuddy(Combo_Enc_ys2);
  Label_Group_code->setBuddy(Combo_Enc_qh);
  Combo_Enc_ys1->onClick = On(&frm_dtmf::Combo_Enc_ys1_Click);
  Combo_Enc_ys2->onClick = On(&frm_dtmf::Combo_Enc_ys2_Click);

  Label_bj = Control<QLabel>("Label_bj");
  Text_BJ = Control<TextBox>("Text_BJ");
  Label_bj->setBuddy(Text_BJ);
  Text_BJ->onChange = On(&frm_dtmf::Text_BJ_Change);
  Text_BJ->onKeyPress = On(&frm_dtmf::Text_BJ_KeyPress);
  Text_BJ->onLostFocus = On(&frm_dtmf::Text_BJ_LostFocus);

  Frame_ANI_Code = Control<QGroupBox>("Frame_ANI_Code");
  Text_Ani = Control<TextBox>("Text_Ani", Frame_ANI_Code);
  Check_Ptt_P = Control<CheckBox>("Check_Ptt_P", Frame_ANI_Code);
  Check_Ptt_S = Control<CheckBox>("Check_Ptt_S", Frame_ANI_Code);
  Text_Ani->onChange = On(&frm_dtmf::Text_Ani_Change);
  Text_Ani->onKeyPress = On(&frm_dtmf::Text_Ani_KeyPress);
  Text_Ani->onLostFocus = On(&frm_dtmf::Text_Ani_LostFocus);
  Check_Ptt_P->onClick = On(&frm_dtmf::Check_Ptt_P_Click);
  Check_Ptt_S->onClick = On(&frm_dtmf::Check_Ptt_S_Click);

  Command_def = Control<QPushButton>("Command_def");
  Command_close = Control<QPushButton>("Command_close");
  connect(Command_def, &QPushButton::clicked, this, On(&frm_dtmf::Command_def_Click));
  connect(Command_close, &QPushButton::clicked, this, On(&frm_dtmf::Command_close_Click));
  // A code is stored as it is typed, so Default and Close need nothing of the
  // box the user leaves for them: a check that refuses its code (with its
  // message) does not cancel their press, and each acts exactly once.
  PressAlwaysActs(Command_def);
  PressAlwaysActs(Command_close);

  // A change of the block that the window did not make shows at once; text
  // typed into a group box on the old data is dropped.
  follow_ = new ImageFollower(ctx.image, this, {{img::kDtmfFirst, img::kDtmfLast}}, [this] { Show_as_new(); });
}

void frm_dtmf::Lay_out(double left, double top) {
  // Controls of the window stand at the block's origin; those of a frame in the frame.
  const auto at = [&](QWidget* control, double x, double y, double w, double h) {
    place(control, left + x, top + y, w, h);
  };
  at(Frame_encode, 0, 0, kFrameWidth, kBlockHeight);
  place(Label_encode_xh, kNumberLeft, kHeadTop, kNumberWidth, kHeadHeight);
  place(Label_tx_encode, kBoxLeft, kHeadTop, kBoxWidth, kHeadHeight);
  for (int i = 0; i < kGroups; ++i) {
    const auto k = static_cast<std::size_t>(i);
    const double y = kRowTop + i * kRowPitch;
    place(Label_xh[k], kNumberLeft, y, kNumberWidth, kBoxHeight);
    place(Text_tx_Encode[k], kBoxLeft, y, kBoxWidth, kBoxHeight);
  }
  const auto row = [&](QLabel* label, QWidget* field, double y, double height) {
    at(label, kRightLeft, y, kLabelWidth, height);
    at(field, kFieldLeft, y, kFieldWidth, height);
  };
  row(Label_dtmf_ontime, Combo_Enc_ys1, kOnTop, kListHeight);
  row(Label_dtmf_offtime, Combo_Enc_ys2, kOffTop, kListHeight);
  row(Label_Group_code, Combo_Enc_qh, kGroupCallTop, kListHeight);
  row(Label_bj, Text_BJ, kAlarmTop, kBoxHeight);
  at(Frame_ANI_Code, kRightLeft, kAniTop, kAniWidth, kAniHeight);
  place(Text_Ani, kInnerLeft, kAniBoxTop, kFieldWidth, kBoxHeight);
  place(Check_Ptt_P, kInnerLeft, kPressTop, kCheckWidth, kBoxHeight);
  place(Check_Ptt_S, kInnerLeft, kReleaseTop, kCheckWidth, kBoxHeight);
  at(Command_def, kDefLeft, kButtonTop, kButtonWidth, kButtonHeight);
  at(Command_close, kCloseLeft, kButtonTop, kButtonWidth, kButtonHeight);
}

// ---- load, activation, unload -------------------------------------------------

void frm_dtmf::Form_Load() {
  // 1. and 4. The host has set the window-loaded flag and applied the captions.
  // 2. Size from the main window, centred in its client area.
  if (ctx.main) {
    const double w = ctx.main->Width() / 1.3, h = ctx.main->Height() / 1.7;
    setTwipsGeometry((ctx.main->ScaleWidth() - w) / 2, (ctx.main->ScaleHeight() - h) / 2, w, h);
  }
  if (frame()->layout()) frame()->layout()->activate();
  // The controls stand as one block in the middle of the client area.
  const auto centre = [this](double blockWidth) {
    Lay_out(std::max(kMargin, (ScaleWidth() - blockWidth) / 2), std::max(kMargin, (ScaleHeight() - kBlockHeight) / 2));
  };
  centre(kBlockWidth);
  // 3. The host shows the window once the load has run; the group frame now.
  Frame_encode->show();
  // A screen reader names the ANI box after its frame.
  Name_control(Text_Ani, Frame_ANI_Code->title());
  // 5.
  FillDtmfLists();
  // Every list and caption as wide as its texts need; a block that grew is
  // centred again by its new width.
  if (const FitResult fit = FitTexts(this); fit.grown() > 0) {
    centre(kBlockWidth + twips::FromPixels(fit.grown(), wctx.dpi()));
    FitTexts(this);
  }
  ShowDtmfBlock();
  loaded_ = true;
  follow_->setFollowing(true);
}

void frm_dtmf::Form_Activate() {
  if (loaded_) ShowDtmfBlock();
}

void frm_dtmf::Form_Deactivate() { Commit_typed(); }

void frm_dtmf::Form_Unload() {
  Commit_typed();
  follow_->setFollowing(false);
}

void frm_dtmf::Show_as_new() {
  ShowDtmfBlock();
  for (TextBox* box : findChildren<TextBox*>()) box->ForgetUserChange();
}

void frm_dtmf::store(int row, const std::function<void(img::Image&)>& edit) { ctx.image.change(row, row, this, edit); }

int frm_dtmf::typedGroup() const {
  // A group box keeps the user's change until it is stored (leaving the box
  // stores and forgets it): whichever window or key took the focus away, the
  // box typed into last is the one still holding it.
  for (int i = 0; i < kGroups; ++i)
    if (Text_tx_Encode[static_cast<std::size_t>(i)]->ChangedByUser()) return i;
  return -1;
}

void frm_dtmf::Commit_typed() {
  const int i = typedGroup();
  if (i < 0) return;
  TextBox* box = Text_tx_Encode[static_cast<std::size_t>(i)];
  store(GroupRow(i), [&](img::Image& im) { GroupStore(im, i, box->Text()); });
  box->ForgetUserChange();
}

// ---- window procedures ---------------------------------------------------------

void frm_dtmf::FillDtmfLists() {
  for (ComboList* list : {Combo_Enc_ys1, Combo_Enc_ys2}) {
    list->Clear();
    list->AddItems(TimeItems());
  }
  Combo_Enc_qh->Clear();
  Combo_Enc_qh->AddItems(GroupCallItems());
  for (int i = 0; i < kGroups; ++i) Label_xh[static_cast<std::size_t>(i)]->setText(GroupLabel(i));
}

void frm_dtmf::ShowDtmfBlock() {
  // The controls show the block with no handler running (theirs would store
  // what they show, each on its own); the show's one store comes last.
  const Shown sh = ShowBlock(ctx.image.image());
  {
    const ShowingView showing(*this);
    for (int i = 0; i < kGroups; ++i)
      Text_tx_Encode[static_cast<std::size_t>(i)]->setText(sh.groups[static_cast<std::size_t>(i)]);
    Combo_Enc_ys1->setListIndex(sh.onTime);
    Combo_Enc_ys2->setListIndex(sh.offTime);
    Check_Ptt_P->setValue(sh.pttPress ? 1 : 0);
    Check_Ptt_S->setValue(sh.pttRelease ? 1 : 0);
    Text_BJ->setText(sh.alarm);
    Text_Ani->setText(sh.ani);
    Combo_Enc_qh->setText(sh.groupCall);
  }
  // Each value is stored as shown, in one change, also where no control
  // changed: a time above 195 becomes 195 (under a list already on "2000"
  // too), the PTT bits, the alarm and ANI fields with their gaps closed (an
  // alarm code whose text the box already showed too), a code that shows
  // empty as five 0xFF.
  Shown shown;
  shown.onTime = Combo_Enc_ys1->ListIndex();
  shown.offTime = Combo_Enc_ys2->ListIndex();
  shown.pttPress = Check_Ptt_P->Checked();
  shown.pttRelease = Check_Ptt_S->Checked();
  shown.alarm = Text_BJ->Text();
  shown.ani = Text_Ani->Text();
  store(img::kDtmfSettingsRow, [&](img::Image& im) { ShowStore(im, shown); });
}

// ---- buttons -------------------------------------------------------------------

void frm_dtmf::Command_def_Click() {
  ctx.image.change(img::kDtmfFirst, img::kDtmfLast, this, [](img::Image& im) { Dtmf_defaults_init(im); });
  Show_as_new();
}

void frm_dtmf::Command_close_Click() { ctx.host.unloadWindow(this); }

// ---- lists and check boxes -----------------------------------------------------

void frm_dtmf::Combo_Enc_ys1_Click() {
  store(img::kDtmfSettingsRow, [&](img::Image& im) { TimeStore(im, Time::On, Combo_Enc_ys1->ListIndex()); });
}

void frm_dtmf::Combo_Enc_ys2_Click() {
  store(img::kDtmfSettingsRow, [&](img::Image& im) { TimeStore(im, Time::Off, Combo_Enc_ys2->ListIndex()); });
}

void frm_dtmf::Check_Ptt_P_Click() {
  store(img::kDtmfSettingsRow, [&](img::Image& im) { PttStore(im, Ptt::Press, Check_Ptt_P->Checked()); });
}

void frm_dtmf::Check_Ptt_S_Click() {
  store(img::kDtmfSettingsRow, [&](img::Image& im) { PttStore(im, Ptt::Release, Check_Ptt_S->Checked()); });
}

// ---- alarm and ANI codes -------------------------------------------------------

void frm_dtmf::Text_Ani_Change() { Code_Change(Code::Ani, Text_Ani); }
void frm_dtmf::Text_BJ_Change() { Code_Change(Code::Alarm, Text_BJ); }
void frm_dtmf::Text_Ani_KeyPress(int& key) { Code_KeyPress(Box::Ani, Text_Ani, key); }
void frm_dtmf::Text_BJ_KeyPress(int& key) { Code_KeyPress(Box::Alarm, Text_BJ, key); }
void frm_dtmf::Text_Ani_LostFocus() { Code_LostFocus(Text_Ani); }
void frm_dtmf::Text_BJ_LostFocus() { Code_LostFocus(Text_BJ); }

void frm_dtmf::Code_Change(Code code, TextBox* box) {
  store(img::kDtmfSettingsRow, [&](img::Image& im) { CodeStore(im, code, box->Text()); });
}

// Pasted and dropped text reaches this rule one character at a time, as if
// typed, so the alarm and ANI boxes only ever hold digits, five at most; the
// check's messages for a long code or another character stay as a guard.
void frm_dtmf::Code_KeyPress(Box kind, TextBox* box, int& key) {
  const KeyAction a = KeyPress(kind, key, box->Text());
  if (a.empty) box->setText(QString());
  if (!a.pass) key = 0;
}

void frm_dtmf::Code_LostFocus(TextBox* box) {
  // Only a code the user has changed since the box got the focus is checked:
  // an untouched code from the radio, empty or short, lets the user go, and
  // the focus given back to a box is no new visit.
  if (!box->ChangedByUser()) return;
  const Leave leave = LeaveCode(box->Text());
  // Emptied before the message, whose event loop may bring other data.
  if (leave.empty) box->setText(QString());  // its change handler stores five 0xFF
  if (leave.keepFocus) box->SetFocus();
  if (leave.message) MsgBox(*leave.message);
}

// ---- code groups ---------------------------------------------------------------

void frm_dtmf::Text_tx_Encode_KeyPress(int index, int& key) {
  TextBox* box = Text_tx_Encode[static_cast<std::size_t>(index)];
  const KeyAction a = KeyPress(Box::Group, key, box->Text());
  if (a.empty) box->setText(QString());
}

void frm_dtmf::Text_tx_Encode_LostFocus(int index) {
  // Never refused: characters without a code are stored as 0xFF and vanish
  // from the box at the show.
  TextBox* box = Text_tx_Encode[static_cast<std::size_t>(index)];
  box->ForgetUserChange();
  store(GroupRow(index), [&](img::Image& im) { GroupStore(im, index, box->Text()); });
  ShowDtmfBlock();
}
