#include "settings/ui/frm_option.h"

#include "platform/choice_buttons.h"
#include "platform/combo_list.h"
#include "platform/text_box.h"
#include "platform/text_fit.h"
#include "platform/window_host.h"
#include "settings/opt_captions.h"
#include "settings/opt_lists.h"
#include "state/image_follower.h"

#include <QAbstractItemView>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <algorithm>
#include <utility>

namespace {

// The unit after the frequency and offset boxes, the same in both languages.
constexpr Caption kUnitCaptions[] = {
    {"Label_unit_freq_a", {"MHZ", "MHZ"}},
    {"Label_unit_offset_a", {"MHZ", "MHZ"}},
    {"Label_unit_freq_b", {"MHZ", "MHZ"}},
    {"Label_unit_offset_b", {"MHZ", "MHZ"}},
};

// The seven setting lists of a VFO frame, by VFO.
struct VfoList {
  vfo::List list;
  std::array<const char*, 2> name;  // A, B
};
constexpr std::array<VfoList, 7> kVfoLists{{
    {vfo::List::Power, {"Combo_txp_a", "Combo_txp_b"}},
    {vfo::List::Bandwidth, {"Combo_wn_a", "Combo_wn_b"}},
    {vfo::List::Step, {"Combo_step_a", "Combo_step_b"}},
    {vfo::List::Shift, {"Combo_sft_d_a", "Combo_sft_d_b"}},
    {vfo::List::SignalCode, {"Combo_S_info_a", "Combo_S_info_b"}},
    {vfo::List::OptSignal, {"Combo_Optsig_a", "Combo_OptSig_b"}},
    {vfo::List::SpeakerMute, {"Combo_Spmute_a", "Combo_Spmute_b"}},
}};
constexpr int kVfoListCount = static_cast<int>(kVfoLists.size());

constexpr vfo::Tone ToneOf(int tone) { return tone % 2 == 0 ? vfo::Tone::Rx : vfo::Tone::Tx; }

// The controls of a VFO frame that the window reaches by name, by VFO; the
// frequency and offset boxes have the names the rules' focus requests use.
struct VfoNames {
  const char *frame, *freq, *band, *range, *offset;
  std::array<const char*, 2> tones;  // receive, transmit
};
constexpr std::array<VfoNames, 2> kVfoNames{{
    {"Frame_A",
     opt::kFreqBoxes[0],
     "Combo_Band_A",
     "Text_Range_A",
     opt::kOffsetBoxes[0],
     {"Combo_r_ctdcs_a", "Combo_t_ctdcs_a"}},
    {"Frame_B",
     opt::kFreqBoxes[1],
     "Combo_Band_B",
     "Text_Range_B",
     opt::kOffsetBoxes[1],
     {"Combo_r_ctdcs_b", "Combo_t_ctdcs_b"}},
}};

// ---- layout ------------------------------------------------------------------
// Design positions, twips. Frames are placed in the window's client area,
// the controls of a frame inside it: a row is a label on the left, its
// control beside it (the label names the control for assistive technology).
// A label too long for its column takes two lines where they fit its row;
// the load widens what is still too narrow (FitTexts). The tables list the
// controls in the order they are created, which is the tab order.
constexpr int kFontPoints = 8;
constexpr double kRowTop = 240, kRowHeight = 315;
constexpr double kRowPitch = 375;    // the left column and the VFO frames
constexpr double kTightPitch = 360;  // the backlight and alarm frames
constexpr double kWidePitch = 420;   // the channel-mode frame
constexpr double kButtonTop = 7440, kButtonWidth = 855, kButtonHeight = 495;
constexpr double kDefLeft = 7440, kCloseLeft = 8880;
constexpr double kLabelGap = 60, kLabelHeight = 390;

// Columns of the rows: where the label starts, where the control starts and
// how wide it is.
struct Columns {
  double labelLeft, controlLeft, controlWidth;
};
constexpr Columns kGeneralCols{120, 2220, 1515};
constexpr Columns kChannCols{120, 1560, 2175};
constexpr Columns kFunctionCols{120, 1080, 1560};
constexpr double kFunctionCheckLeft = 2760, kFunctionCheckWidth = 1020;
constexpr Columns kVfoCols{120, 1200, 1320};
constexpr double kVfoBoxWidth = 1200, kVfoRangeWidth = 1680, kUnitGap = 45, kUnitWidth = 360;
constexpr Columns kBandCols{120, 1680, 1215};
constexpr Columns kAlarmCols{120, 1680, 1215};

enum class Kind : std::uint8_t { List, Text, Check, Option, Label, Button };
// How a control starts: shown and enabled, or hidden, or disabled (a
// display-only box), or both. A row's label shares its control's visibility.
enum Look : std::uint8_t { kShown = 0, kHidden = 1, kDisabled = 2 };

struct Item {
  Kind kind;
  const char* name;
  TwipsRect at;
  const char* label = nullptr;  // a row's label
  TwipsRect labelAt{};
  std::uint8_t look = kShown;
};

constexpr double RowTop(int row, double pitch) { return kRowTop + row * pitch; }

// Row `row` of a frame: the control in its column, the label centred on it
// and no taller than the row's pitch, so that the labels of two rows never
// lie over one another.
constexpr Item Row(Kind kind, const char* control, const char* label, const Columns& c, int row, double pitch,
                   double width = 0, std::uint8_t look = kShown) {
  const double top = RowTop(row, pitch);
  const double height = std::min(kLabelHeight, pitch);
  return {kind,
          control,
          {c.controlLeft, top, width > 0 ? width : c.controlWidth, kRowHeight},
          label,
          {c.labelLeft, top - (height - kRowHeight) / 2, c.controlLeft - c.labelLeft - kLabelGap, height},
          look};
}
constexpr Item ListRow(const char* list, const char* label, const Columns& c, int row, double pitch) {
  return Row(Kind::List, list, label, c, row, pitch);
}
constexpr Item Check(const char* name, double left, int row, double pitch, double width, std::uint8_t look = kShown) {
  return {Kind::Check, name, {left, RowTop(row, pitch), width, kRowHeight}, nullptr, {}, look};
}

constexpr Item kGeneralItems[] = {
    ListRow("Combo_tot", "Label_Tot", kGeneralCols, 0, kRowPitch),
    ListRow("Combo_sql", "Label_Sql", kGeneralCols, 1, kRowPitch),
    ListRow("Combo_vox", "Label_Vox", kGeneralCols, 2, kRowPitch),
    ListRow("Combo_voice", "Label_voice", kGeneralCols, 3, kRowPitch),
    ListRow("Combo_abr", "Label_Abr", kGeneralCols, 4, kRowPitch),
};
constexpr Item kModeItems[] = {
    {Kind::Option, "Option_freq", {240, 330, 1680, kRowHeight}},
    {Kind::Option, "Option_chann", {2040, 330, 1680, kRowHeight}},
};
constexpr Item kChannItems[] = {
    Check("Check_chann_menu", 240, 0, kRowPitch, 1260),
    Check("Check_chann_init", 1560, 0, kRowPitch, 1260),
    Check("Check_chann_syn", 2880, 0, kRowPitch, 900, kHidden),
    {Kind::Label, "Label_Cht", {2880, RowTop(0, kRowPitch), 480, kRowHeight}, nullptr, {}, kHidden},
    {Kind::Text, "Text_chann_total", {3360, RowTop(0, kRowPitch), 420, kRowHeight}, nullptr, {}, kHidden | kDisabled},
    ListRow("Combo_MDF_A", "Label_MDF_A", kChannCols, 1, kWidePitch),
    ListRow("Combo_MDF_B", "Label_MDF_B", kChannCols, 2, kWidePitch),
};
constexpr Item kFunctionItems[] = {
    ListRow("Combo_dtmfst", "Label_Stdtmf", kFunctionCols, 0, kRowPitch),
    ListRow("Combo_save", "Label_save", kFunctionCols, 1, kRowPitch),
    ListRow("Combo_sc_rev", "Label_Scan_rev", kFunctionCols, 2, kRowPitch),
    ListRow("Combo_ptt_id", "Label_ptt_id", kFunctionCols, 3, kRowPitch),
    ListRow("Combo_ptt_lt", "Label_Ptt_Lt", kFunctionCols, 4, kRowPitch),
    Check("Check_Lock", kFunctionCheckLeft, 0, kRowPitch, kFunctionCheckWidth),
    Check("Check_Autolk", kFunctionCheckLeft, 1, kRowPitch, kFunctionCheckWidth),
    Check("Check_bcl", kFunctionCheckLeft, 2, kRowPitch, kFunctionCheckWidth),
    Check("Check_Beep", kFunctionCheckLeft, 3, kRowPitch, kFunctionCheckWidth),
};
// A VFO frame, for VFO A (side 0) or B. The optional-signal and speaker-mute
// rows are never shown, yet filled, shown and written back like the others.
constexpr std::array<Item, 15> VfoItems(int side) {
  const VfoNames& v = kVfoNames[static_cast<std::size_t>(side)];
  const auto n = [side](const char* forA, const char* forB) { return side == 0 ? forA : forB; };
  const auto list = [side](std::size_t k) { return kVfoLists[k].name[static_cast<std::size_t>(side)]; };
  const auto unit = [](const char* name, int row) {
    return Item{Kind::Label,
                name,
                {kVfoCols.controlLeft + kVfoBoxWidth + kUnitGap, RowTop(row, kRowPitch), kUnitWidth, kRowHeight}};
  };
  const double p = kRowPitch;
  return {{
      Row(Kind::Text, v.freq, n("Label_Freq_a", "Label_Freq_b"), kVfoCols, 0, p, kVfoBoxWidth),
      unit(n("Label_unit_freq_a", "Label_unit_freq_b"), 0),
      ListRow(v.band, n("Label_Band_A", "Label_Band_B"), kVfoCols, 1, p),
      Row(Kind::Text, v.range, n("Label_Range_A", "Label_Range_B"), kVfoCols, 2, p, kVfoRangeWidth, kDisabled),
      ListRow(list(0), n("Label_Txp_a", "Label_txp_b"), kVfoCols, 3, p),
      ListRow(v.tones[0], n("Label_r_ctdcs_a", "Label_r_ctdcs_b"), kVfoCols, 4, p),
      ListRow(v.tones[1], n("Label_t_ctdcs_a", "Label_t_ctdcs_b"), kVfoCols, 5, p),
      ListRow(list(1), n("Label_wn_a", "Label_wn_b"), kVfoCols, 6, p),
      ListRow(list(2), n("Label_step_a", "Label_step_b"), kVfoCols, 7, p),
      ListRow(list(3), n("Label_sft_d_a", "Label_sft_d_b"), kVfoCols, 8, p),
      Row(Kind::Text, v.offset, n("Label_Offset_A", "Label_Offset_B"), kVfoCols, 9, p, kVfoBoxWidth),
      unit(n("Label_unit_offset_a", "Label_unit_offset_b"), 9),
      ListRow(list(4), n("Label_S_info_a", "Label_S_info_b"), kVfoCols, 10, p),
      Row(Kind::List, list(5), n("Label_Optsig_a", "Label_OptSig_b"), kVfoCols, 11, p, 0, kHidden),
      Row(Kind::List, list(6), n("Label_Spmute_a", "Label_Spmute_b"), kVfoCols, 12, p, 0, kHidden),
  }};
}
constexpr std::array<Item, 15> kVfoAItems = VfoItems(0), kVfoBItems = VfoItems(1);
constexpr Item kBandItems[] = {
    ListRow("Combo_wt_led", "Label_wt_led", kBandCols, 0, kTightPitch),
    ListRow("Combo_rx_led", "Label_rx_led", kBandCols, 1, kTightPitch),
    ListRow("Combo_tx_led", "Label_tx_led", kBandCols, 2, kTightPitch),
    ListRow("Combo_ste", "Label_ste", kBandCols, 3, kTightPitch),
    ListRow("Combo_Rp_Ste", "Label_rp_ste", kBandCols, 4, kTightPitch),
    ListRow("Combo_RPT_RL", "Label_Rpt_RL", kBandCols, 5, kTightPitch),
    ListRow("Combo_ponmsg", "Label_ponmsg", kBandCols, 6, kTightPitch),
};
constexpr Item kAlarmItems[] = {
    Check("Check_radio", 120, 0, kTightPitch, 2820),
    Check("Check_Alarm_Sound", 120, 1, kTightPitch, 2820),
    ListRow("Combo_AL_Mode", "Label_Alarm_mode", kAlarmCols, 2, kTightPitch),
    ListRow("Combo_roger", "Label_roger", kAlarmCols, 3, kTightPitch),
    ListRow("Combo_ab_Beep", "Label_ab_Beep", kAlarmCols, 4, kTightPitch),
    ListRow("Combo_Tdr_ab", "Label_TX_Band", kAlarmCols, 5, kTightPitch),
    Check("Check_tdr", 120, 6, kTightPitch, 1380),
    Check("Check_db_PTT", 1560, 6, kTightPitch, 1380),
};

struct Frame {
  const char* name;
  TwipsRect at;
  std::span<const Item> items;
};
// The left column: general settings, work mode, channel mode, functions; the
// VFO frames with, under VFO A, the backlight frame and, under VFO B, the
// alarm frame. The VFO frames end where the frames under them begin.
constexpr Frame kGeneral{"Frame_general", {120, 120, 3855, 2175}, kGeneralItems};
constexpr Frame kAlarm{"Frame_alarm", {7200, 4560, 3015, 2775}, kAlarmItems};
constexpr Frame kFrames[] = {
    kGeneral,
    {"Frame_Mode", {120, 2400, 3855, 855}, kModeItems},
    {"Frame_Chann", {120, 3360, 3855, 1575}, kChannItems},
    {"Frame_functions", {120, 5040, 3855, 2295}, kFunctionItems},
    {kVfoNames[0].frame, {4080, 120, 3015, 4440}, kVfoAItems},
    {"Frame_band", {4080, 4560, 3015, 2775}, kBandItems},
    {kVfoNames[1].frame, {7200, 120, 3015, 4440}, kVfoBItems},
    kAlarm,
};
// At the bottom right, under the right end of the alarm frame.
constexpr Item kButtons[] = {
    {Kind::Button, "Command_def", {kDefLeft, kButtonTop, kButtonWidth, kButtonHeight}},
    {Kind::Button, "Command_close", {kCloseLeft, kButtonTop, kButtonWidth, kButtonHeight}},
};

template <class W>
W* Find(const QWidget* w, const char* name) {
  return w->findChild<W*>(QString::fromLatin1(name));
}

}  // namespace

frm_option::frm_option(AppContext& c) : RadioWindow(c), ctx(c) {
  setObjectName(QStringLiteral("frm_option"));
  Captions(Opt_captions_general());
  Captions(Opt_captions_band());
  Captions(Opt_captions_vfo());
  Captions(kUnitCaptions);
  // The design positions are laid out for an 8-point font.
  QFont small = font();
  small.setPointSize(kFontPoints);
  setFont(small);

  Build_controls();

  // The option block's controls.
  for (const OptControl& k : Opt_controls()) {
    QWidget* w = Find<QWidget>(this, k.name);
    opt_[static_cast<std::size_t>(k.id)] = w;
    const int id = static_cast<int>(k.id);
    if (auto* l = qobject_cast<ComboList*>(w)) {
      l->onClick = On(&frm_option::Opt_setting_Click, id);
      l->onKeyPress = On(&frm_option::Opt_setting_KeyPress, id);
    } else if (auto* b = qobject_cast<CheckBox*>(w)) {
      b->onClick = On(&frm_option::Opt_setting_Click, id);
    } else {
      static_cast<OptionButton*>(w)->onClick = On(&frm_option::Opt_setting_Click, id);
    }
  }
  Combo_Tdr_ab = static_cast<ComboList*>(Opt_widget(OptCtl::Combo_Tdr_ab));
  Check_Alarm_Sound = static_cast<CheckBox*>(Opt_widget(OptCtl::Check_Alarm_Sound));
  Check_tdr = static_cast<CheckBox*>(Opt_widget(OptCtl::Check_tdr));
  Text_chann_total = Find<TextBox>(this, "Text_chann_total");
  Command_def = Find<QPushButton>(this, "Command_def");
  Command_close = Find<QPushButton>(this, "Command_close");

  // Every list, in the order Opt_list_init fills them. A list whose key
  // handler drops every key takes no text at all.
  const std::span<const OptList> lists = Opt_lists();
  for (std::size_t i = 0; i < lists.size(); ++i) {
    ComboList* l = Find<ComboList>(this, lists[i].control);
    lists_[i] = l;
    l->setMode(ComboList::Mode::Setting);
    l->setFieldReadOnly(!Opt_list_typed(lists[i]));
  }

  // The VFO frames.
  for (int side = 0; side < 2; ++side) {
    Vfo& v = vfo[static_cast<std::size_t>(side)];
    const VfoNames& n = kVfoNames[static_cast<std::size_t>(side)];
    v.Text_Freq = Find<TextBox>(this, n.freq);
    v.Combo_Band = Find<ComboList>(this, n.band);
    v.Text_Range = Find<TextBox>(this, n.range);
    v.Text_Offset = Find<TextBox>(this, n.offset);
    v.Combo_Band->onClick = On(&frm_option::Combo_Band_Click, side);
    v.Combo_Band->onChange = On(&frm_option::Combo_Band_Change, side);
    v.Combo_Band->onKeyPress = On(&frm_option::Vfo_list_KeyPress, side);
    v.Text_Freq->onChange = On(&frm_option::Text_Freq_Change, side);
    v.Text_Freq->onLostFocus = On(&frm_option::Text_Freq_LostFocus, side);
    v.Text_Freq->onKeyPress = On(&frm_option::Text_Vfo_KeyPress, 2 * side);
    v.Text_Offset->onChange = On(&frm_option::Text_Offset_Change, side);
    v.Text_Offset->onLostFocus = On(&frm_option::Text_Offset_LostFocus, side);
    v.Text_Offset->onKeyPress = On(&frm_option::Text_Vfo_KeyPress, 2 * side + 1);
    for (int k = 0; k < kVfoListCount; ++k) {
      ComboList* l = Find<ComboList>(this, kVfoLists[static_cast<std::size_t>(k)].name[static_cast<std::size_t>(side)]);
      v.lists[static_cast<std::size_t>(k)] = l;
      l->onClick = On(&frm_option::Vfo_list_Click, kVfoListCount * side + k);
      l->onKeyPress = On(&frm_option::Vfo_list_KeyPress, kVfoListCount * side + k);
    }
    for (int t = 0; t < 2; ++t) {
      ComboList* l = Find<ComboList>(this, n.tones[static_cast<std::size_t>(t)]);
      v.tones[static_cast<std::size_t>(t)] = l;
      l->onClick = On(&frm_option::Combo_ctdcs_Click, 2 * side + t);
      l->onKeyPress = On(&frm_option::Combo_ctdcs_KeyPress, 2 * side + t);
      l->onLostFocus = On(&frm_option::Combo_ctdcs_LostFocus, 2 * side + t);
    }
  }
  // The hidden channel-count box's change and lost-focus do nothing.

  connect(Command_def, &QPushButton::clicked, this, On(&frm_option::Command_def_Click));
  connect(Command_close, &QPushButton::clicked, this, On(&frm_option::Command_close_Click));

  // A change of the rows the window edits that the window did not make is
  // shown at once (after a handler that is waiting for a message box, which
  // then stores nothing over it).
  follow_ = new ImageFollower(ctx.image, this, opt::kEditedRows, [this] { Run(opt::Image_changed); });

  // The controls as created: the View's first state.
  Show_view();
}

frm_option::~frm_option() = default;

void frm_option::Build_controls() {
  auto make = [this](const Item& k, QWidget* parent) {
    QWidget* w = nullptr;
    switch (k.kind) {
      case Kind::List: w = Control<ComboList>(k.name, parent); break;
      case Kind::Text: w = Control<TextBox>(k.name, parent); break;
      case Kind::Check: w = Control<CheckBox>(k.name, parent); break;
      case Kind::Option: w = Control<OptionButton>(k.name, parent); break;
      case Kind::Label: w = Control<QLabel>(k.name, parent); break;
      case Kind::Button: w = Control<QPushButton>(k.name, parent); break;
    }
    place(w, k.at);
    QLabel* label = nullptr;
    if (k.label) {
      label = Control<QLabel>(k.label, parent);
      label->setWordWrap(true);
      label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
      place(label, k.labelAt);
      label->setBuddy(w);
    }
    if (k.look & kHidden) {
      w->hide();
      if (label) label->hide();
    }
    if (k.look & kDisabled) w->setEnabled(false);
  };
  for (const Frame& f : kFrames) {
    auto* g = Control<QGroupBox>(f.name);
    place(g, f.at);
    for (const Item& k : f.items) make(k, g);
  }
  for (const Item& k : kButtons) make(k, this);
}

void frm_option::Fit_texts() {
  auto* alarm = Find<QGroupBox>(this, kAlarm.name);
  const QRect alarmDesign = alarm->geometry();
  const FitResult fit = FitTexts(this);
  // The buttons stay at the bottom right, under the right end of the alarm frame.
  const int moved = alarm->geometry().right() - alarmDesign.right();
  for (QPushButton* b : {Command_def, Command_close}) b->move(b->x() + moved, b->y());
  // What the widening added never falls off the window's right edge (what
  // the design itself puts beyond a small window's edge stays cut off).
  if (ctx.main && widenFor(fit, kGeneral.at.left)) centreInMain();
}

// ---- load, activation, unload ------------------------------------------------

void frm_option::Form_Load() {
  // 1. and 2. The host has set the window-loaded flag and applied the captions.
  // 3. and 4. Size from the main window's outer size, centred in its client
  // area with the size the window really got; nothing is clamped.
  if (ctx.main) {
    setTwipsSize(ctx.main->Width() / 1.48, ctx.main->Height() / 1.3);
    centreInMain();
  }
  // 5. The host shows the window once the load has run; its activation
  // comes after that.
  // 6. The lists.
  Opt_list_init();
  // Every list and caption as wide as its texts need in this language.
  Fit_texts();
  // 7. The VFO limits. 8. The show.
  Run(opt::Form_Load);
  loaded_ = true;
  follow_->setFollowing(true);
}

void frm_option::Form_Activate() {
  if (!loaded_ || follow_->handling()) return;
  Run(opt::Form_Activate);
}

void frm_option::Form_Deactivate() { Commit_typed(); }

void frm_option::Form_Unload() {
  // What the user typed into a VFO box goes into the image first; from here
  // on no event of the window reaches it (On() drops them) and no change of
  // the image is shown.
  Commit_typed();
  follow_->setFollowing(false);
}

void frm_option::Commit_typed() {
  if (!loaded_ || follow_->handling()) return;
  // A box keeps the user's change until it is committed (leaving the box
  // commits and forgets it), so at most the box left last holds one.
  for (int side = 0; side < 2; ++side) {
    const Vfo& v = vfo[static_cast<std::size_t>(side)];
    if (v.Text_Freq->ChangedByUser())
      Text_Freq_LostFocus(side);
    else if (v.Text_Offset->ChangedByUser())
      Text_Offset_LostFocus(side);
  }
}

void frm_option::Opt_list_init() {
  const bool zh = chinese();
  const std::span<const OptList> lists = Opt_lists();
  for (std::size_t i = 0; i < lists.size(); ++i) {
    ComboList* l = lists_[i];
    l->Clear();
    const QStringList items = Opt_list_items(lists[i], zh, ctx.st.Tone_list_fine);
    l->AddItems(items);
    if (lists[i].tones) continue;
    // The drop-down part is as wide as the widest item, where the field is narrower.
    const QFontMetrics fm(l->view()->font());
    int widest = 0;
    for (const QString& item : items) widest = std::max(widest, fm.horizontalAdvance(item));
    const int frame = 2 * l->view()->frameWidth() + l->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                      2 * l->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8;
    l->view()->setMinimumWidth(widest + frame);
  }
}

// ---- running the rules ----------------------------------------------------------

void frm_option::Run(const std::function<opt::Effects(opt::Editor&)>& rule) {
  Session& st = ctx.st;
  bool noticesShown = false;
  for (;;) {
    Sync_view();
    img::Image image = ctx.image.image();
    opt::Limits limits{{{st.Freq_vhf_low, st.Freq_vhf_high}, {st.Freq_uhf_low, st.Freq_uhf_high}},
                       {{{st.Freq_a_low, st.Freq_a_high}, {st.Freq_b_low, st.Freq_b_high}}}};
    opt::View view = view_;
    std::int16_t channTotal = st.Chann_total;
    opt::Editor e{image, limits, view, channTotal, st.Tone_list_fine, Unloading()};
    const opt::Effects fx = rule(e);
    if (!fx.notices.empty() && !noticesShown) {
      const int applied = applied_;
      if (!Show_notices(fx.notices)) return;
      noticesShown = true;
      // This window's own handlers ran while a message was open: the rule
      // goes on from what they left.
      if (applied_ != applied) continue;
    }
    // 1. The image, as this window's change.
    ctx.image.replaceRuns(image, opt::kEditedRows, this);
    st.Freq_a_low = limits.vfo[0].low;
    st.Freq_a_high = limits.vfo[0].high;
    st.Freq_b_low = limits.vfo[1].low;
    st.Freq_b_high = limits.vfo[1].high;
    st.Chann_total = channTotal;
    // 2. The controls. 3. The focus.
    view_ = std::move(view);
    ++applied_;
    Show_view();
    Show_focus(fx.focus);
    return;
  }
}

void frm_option::Sync_view() {
  for (std::size_t side = 0; side < 2; ++side) {
    const Vfo& v = vfo[side];
    opt::VfoView& shown = view_.vfo[side];
    shown.freq = v.Text_Freq->Text();
    shown.freqTyped = v.Text_Freq->ChangedByUser();
    shown.offset = v.Text_Offset->Text();
    shown.offsetTyped = v.Text_Offset->ChangedByUser();
    for (std::size_t t = 0; t < 2; ++t) shown.tone[t] = {v.tones[t]->ListIndex(), v.tones[t]->Text()};
  }
  const auto* sql = static_cast<const ComboList*>(Opt_widget(OptCtl::Combo_sql));
  view_.controls[OptCtl::Combo_sql] = static_cast<std::int16_t>(sql->ListIndex());
}

namespace {

void Put(TextBox* b, const QString& text) {
  if (b->Text() != text) b->setText(text);
}
void Put(ComboList* l, int index) {
  if (l->ListIndex() != index) l->setListIndex(index);
}

}  // namespace

void frm_option::Show_view() {
  const ShowingView quiet(*this);
  const opt::View& v = view_;
  for (const OptControl& k : Opt_controls()) {
    QWidget* widget = Opt_widget(k.id);
    const int value = v.controls[k.id];
    if (auto* l = qobject_cast<ComboList*>(widget))
      Put(l, value);
    else if (auto* b = qobject_cast<CheckBox*>(widget)) {
      if (b->Value() != value) b->setValue(value);
    } else if (auto* o = static_cast<OptionButton*>(widget); o->Value() != (value == 1)) {
      o->setValue(value == 1);
    }
  }
  Combo_Tdr_ab->setEnabled(v.controls.Combo_Tdr_ab_enabled);
  Check_Alarm_Sound->setEnabled(v.controls.Check_Alarm_Sound_enabled);
  Put(Text_chann_total, v.channTotal);
  for (std::size_t side = 0; side < 2; ++side) {
    const Vfo& c = vfo[side];
    const opt::VfoView& s = v.vfo[side];
    Put(c.Text_Freq, s.freq);
    if (!s.freqTyped) c.Text_Freq->ForgetUserChange();
    Put(c.Text_Offset, s.offset);
    if (!s.offsetTyped) c.Text_Offset->ForgetUserChange();
    Put(c.Text_Range, s.range);
    Put(c.Combo_Band, s.index(vfo::List::Band));
    for (std::size_t k = 0; k < kVfoLists.size(); ++k) Put(c.lists[k], s.index(kVfoLists[k].list));
    for (std::size_t t = 0; t < 2; ++t) {
      ComboList* l = c.tones[t];
      const vfo::ToneShown& tone = s.tone[t];
      if (tone.index >= 0)
        Put(l, tone.index);
      else if (l->ListIndex() >= 0 || l->Text() != tone.text)
        l->setText(tone.text);
    }
  }
}

bool frm_option::Show_notices(const std::vector<opt::Notice>& notices) {
  const int before = follow_->foreignChanges();
  // A commit that the unload itself runs (Close, the close box) goes on after
  // its message, as leaving the box does; one whose window is unloaded while
  // the message is open stores nothing.
  const bool unloading = Unloading();
  {
    const ImageFollower::Handling busy(*follow_);
    for (const opt::Notice& n : notices) {
      if (Unloading() != unloading) break;
      MsgBox(n.message, n.icon);
    }
  }
  return follow_->foreignChanges() == before && Unloading() == unloading;
}

void frm_option::Show_focus(const std::optional<opt::Control>& focus) {
  if (!focus) return;
  QWidget* w = Find<QWidget>(this, focus->name);
  if (auto* t = qobject_cast<TextBox*>(w))
    t->SetFocus();
  else if (auto* l = qobject_cast<ComboList*>(w))
    l->SetFocus();
}

// ---- buttons -----------------------------------------------------------------

void frm_option::Command_def_Click() { Run(opt::Command_def_Click); }

void frm_option::Command_close_Click() { ctx.host.unloadWindow(this); }

// ---- the option block ------------------------------------------------------------

void frm_option::Opt_setting_Click(int control) {
  const auto c = static_cast<OptCtl>(control);
  QWidget* widget = Opt_widget(c);
  int value = 0;
  if (auto* l = qobject_cast<ComboList*>(widget))
    value = l->ListIndex();
  else if (auto* b = qobject_cast<CheckBox*>(widget))
    value = b->Value();  // a greyed box (2) counts as not checked
  else
    value = static_cast<OptionButton*>(widget)->Value() ? 1 : 0;
  Run([&](opt::Editor& e) { return opt::Opt_setting_Click(e, c, value); });
}

void frm_option::Opt_setting_KeyPress(int control, int& key) {
  key = Opt_list_KeyPress(static_cast<OptCtl>(control), key);
}

// ---- VFO editing ------------------------------------------------------------------

void frm_option::Combo_Band_Click(int side) {
  const int band = vfo[static_cast<std::size_t>(side)].Combo_Band->ListIndex();
  Run([&](opt::Editor& e) { return opt::Combo_Band_Click(e, side, band); });
}

void frm_option::Combo_Band_Change(int side) {
  const int band = vfo[static_cast<std::size_t>(side)].Combo_Band->ListIndex();
  Run([&](opt::Editor& e) { return opt::Combo_Band_Change(e, side, band); });
}

void frm_option::Text_Freq_Change(int side) {
  const QString text = vfo[static_cast<std::size_t>(side)].Text_Freq->Text();
  Run([&](opt::Editor& e) { return opt::Text_Freq_Change(e, side, text); });
}

void frm_option::Text_Offset_Change(int side) {
  const QString text = vfo[static_cast<std::size_t>(side)].Text_Offset->Text();
  Run([&](opt::Editor& e) { return opt::Text_Offset_Change(e, side, text); });
}

void frm_option::Text_Freq_LostFocus(int side) {
  const QString text = vfo[static_cast<std::size_t>(side)].Text_Freq->Text();
  Run([&](opt::Editor& e) { return opt::Text_Freq_LostFocus(e, side, text); });
}

void frm_option::Text_Offset_LostFocus(int side) {
  const QString text = vfo[static_cast<std::size_t>(side)].Text_Offset->Text();
  Run([&](opt::Editor& e) { return opt::Text_Offset_LostFocus(e, side, text); });
}

void frm_option::Text_Vfo_KeyPress(int box, int& key) {
  const Vfo& v = vfo[static_cast<std::size_t>(box / 2)];
  const TextBox* b = box % 2 == 0 ? v.Text_Freq : v.Text_Offset;
  // The rules judge the text the key goes into: a selection that the key
  // replaces is not part of it, so typing over a whole frequency works.
  QString into = b->Text();
  if (b->hasSelectedText()) into.remove(b->selectionStart(), b->selectedText().size());
  if (!vfo::BoxKeyAccepted(key, into)) key = 0;
}

void frm_option::Vfo_list_Click(int list) {
  const int side = list / kVfoListCount;
  const auto place = static_cast<std::size_t>(list % kVfoListCount);
  const int index = vfo[static_cast<std::size_t>(side)].lists[place]->ListIndex();
  Run([&](opt::Editor& e) { return opt::Vfo_list_Click(e, side, kVfoLists[place].list, index); });
}

void frm_option::Vfo_list_KeyPress(int, int& key) { key = 0; }

void frm_option::Combo_ctdcs_Click(int tone) {
  const int side = tone / 2;
  const int index = vfo[static_cast<std::size_t>(side)].tones[static_cast<std::size_t>(tone % 2)]->ListIndex();
  Run([&](opt::Editor& e) { return opt::Combo_ctdcs_Click(e, side, ToneOf(tone), index); });
}

void frm_option::Combo_ctdcs_KeyPress(int, int& key) { key = vfo::ToneKey(key); }

void frm_option::Combo_ctdcs_LostFocus(int tone) {
  Run([&](opt::Editor& e) { return opt::Combo_ctdcs_LostFocus(e, tone / 2, ToneOf(tone)); });
}
