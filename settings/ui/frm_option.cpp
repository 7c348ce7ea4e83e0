#include "settings/ui/frm_option.h"

#include "platform/choice_buttons.h"
#include "platform/combo_list.h"
#include "platform/text_box.h"
#include "platform/text_fit.h"
#include "platform/window_host.h"
#include "settings/opt_captions.h"
#include "settings/opt_default.h"
#include "settings/opt_lists.h"
#include "settings/vfo_freq.h"
#include "state/image_follower.h"

#include <QAbstractItemView>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <algorithm>
#include <utility>

using vfo::Side;

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
std::size_t VfoListPlace(vfo::List l) {
  for (std::size_t k = 0; k < kVfoLists.size(); ++k)
    if (kVfoLists[k].list == l) return k;
  return 0;
}

constexpr Side SideOf(int side) { return side == 0 ? Side::A : Side::B; }
constexpr vfo::Tone ToneOf(int tone) { return tone % 2 == 0 ? vfo::Tone::Rx : vfo::Tone::Tx; }

// Design positions, twips. Frames are placed in the window's client area,
// the rows of a frame inside it: a label on the left, its control beside it.
constexpr int kFontPoints = 8;
constexpr double kRowTop = 240, kRowHeight = 315;
constexpr double kRowPitch = 375;    // the left column and the VFO frames
constexpr double kTightPitch = 360;  // the backlight and alarm frames
constexpr double kWidePitch = 420;   // the channel-mode frame
constexpr double kButtonTop = 7440, kButtonWidth = 855, kButtonHeight = 495;
constexpr double kDefLeft = 7440, kCloseLeft = 8880;

struct FrameSpec {
  const char* name;
  double left, top, width, height;
};
constexpr FrameSpec kGeneral{"Frame_general", 120, 120, 3855, 2175};
constexpr FrameSpec kMode{"Frame_Mode", 120, 2400, 3855, 855};
constexpr FrameSpec kChann{"Frame_Chann", 120, 3360, 3855, 1575};
constexpr FrameSpec kFunctions{"Frame_functions", 120, 5040, 3855, 2295};
// The VFO frames end where the frames under them begin.
constexpr std::array<FrameSpec, 2> kVfoFrames{{{"Frame_A", 4080, 120, 3015, 4440}, {"Frame_B", 7200, 120, 3015, 4440}}};
constexpr FrameSpec kBand{"Frame_band", 4080, 4560, 3015, 2775};
constexpr FrameSpec kAlarm{"Frame_alarm", 7200, 4560, 3015, 2775};

// Columns of the rows: where the label starts, where the control starts and
// how wide it is. A label too long for its column takes two lines where they
// fit its row; the load widens what is still too narrow (FitTexts).
struct Columns {
  double labelLeft, controlLeft, controlWidth;
};
constexpr double kLabelGap = 60, kLabelHeight = 390;
constexpr Columns kGeneralCols{120, 2220, 1515};
constexpr Columns kChannCols{120, 1560, 2175};
constexpr Columns kFunctionCols{120, 1080, 1560};
constexpr double kFunctionCheckLeft = 2760, kFunctionCheckWidth = 1020;
constexpr Columns kVfoCols{120, 1200, 1320};
constexpr double kVfoBoxWidth = 1200, kVfoRangeWidth = 1680, kUnitGap = 45, kUnitWidth = 360;
constexpr Columns kBandCols{120, 1680, 1215};
constexpr Columns kAlarmCols{120, 1680, 1215};

template <class W>
W* Make(QWidget* parent, const char* name) {
  auto* w = new W(parent);
  w->setObjectName(QString::fromLatin1(name));
  return w;
}

}  // namespace

// The option controls as the show sets them: the window's own controls, whose
// handlers run when a setting changes their state.
class frm_option::ShowTarget : public OptShowTarget {
 public:
  explicit ShowTarget(frm_option& w) : w_(w) {}
  std::int16_t state(OptCtl c) const override { return static_cast<std::int16_t>(w_.Opt_state(c)); }
  int listCount(OptCtl list) const override { return static_cast<ComboList*>(w_.Opt_widget(list))->ListCount(); }
  void set(OptCtl c, int value) override {
    QWidget* widget = w_.Opt_widget(c);
    if (auto* l = qobject_cast<ComboList*>(widget))
      l->setListIndex(value);
    else if (auto* b = qobject_cast<CheckBox*>(widget))
      b->setValue(value);
    else
      static_cast<OptionButton*>(widget)->setValue(value != 0);
  }
  void setEnabled(OptCtl c, bool enabled) override { w_.Opt_widget(c)->setEnabled(enabled); }
  void storeShown(const OptControls& shown) override {
    w_.ctx.image.change(img::kOptFirst, img::kOptLast, &w_, [&](img::Image& im) { Opt_store_shown(im, shown); });
  }

 private:
  frm_option& w_;
};

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
    QWidget* w = findChild<QWidget*>(QString::fromLatin1(k.name));
    opt_[static_cast<std::size_t>(k.id)] = w;
    const int id = static_cast<int>(k.id);
    if (auto* l = qobject_cast<ComboList*>(w)) {
      l->onClick = On(&frm_option::Opt_setting_Click, id);
      // Only the squelch list takes typing (which stores nothing).
      if (k.id != OptCtl::Combo_sql) l->onKeyPress = On(&frm_option::Opt_setting_KeyPress, id);
    } else if (auto* b = qobject_cast<CheckBox*>(w)) {
      b->onClick = On(&frm_option::Opt_setting_Click, id);
    } else {
      static_cast<OptionButton*>(w)->onClick = On(&frm_option::Opt_setting_Click, id);
    }
  }
  Combo_Tdr_ab = static_cast<ComboList*>(Opt_widget(OptCtl::Combo_Tdr_ab));
  Check_Alarm_Sound = static_cast<CheckBox*>(Opt_widget(OptCtl::Check_Alarm_Sound));
  Check_tdr = static_cast<CheckBox*>(Opt_widget(OptCtl::Check_tdr));

  // Every list, in the order Opt_list_init fills them. A list whose key
  // handler drops every key takes no text at all.
  const std::span<const OptList> lists = Opt_lists();
  for (std::size_t i = 0; i < lists.size(); ++i) {
    ComboList* l = findChild<ComboList*>(QString::fromLatin1(lists[i].control));
    lists_[i] = l;
    l->setMode(ComboList::Mode::Setting);
    const bool typed = lists[i].tones || QLatin1String(lists[i].control) == QLatin1String("Combo_sql");
    l->setFieldReadOnly(!typed);
  }

  // The VFO frames.
  for (int side = 0; side < 2; ++side) {
    Vfo& v = vfo[static_cast<std::size_t>(side)];
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
      ComboList* l = v.lists[static_cast<std::size_t>(k)];
      l->onClick = On(&frm_option::Vfo_list_Click, kVfoListCount * side + k);
      l->onKeyPress = On(&frm_option::Vfo_list_KeyPress, kVfoListCount * side + k);
    }
    for (int t = 0; t < 2; ++t) {
      ComboList* l = v.tones[static_cast<std::size_t>(t)];
      l->onClick = On(&frm_option::Combo_ctdcs_Click, 2 * side + t);
      l->onKeyPress = On(&frm_option::Combo_ctdcs_KeyPress, 2 * side + t);
      l->onLostFocus = On(&frm_option::Combo_ctdcs_LostFocus, 2 * side + t);
    }
  }
  // The hidden channel-count box's change and lost-focus do nothing.

  connect(Command_def, &QPushButton::clicked, this, On(&frm_option::Command_def_Click));
  connect(Command_close, &QPushButton::clicked, this, On(&frm_option::Command_close_Click));

  // A change of the block or the VFO records that the window did not make
  // is shown at once (after a handler that is waiting for a message box).
  follow_ =
      new ImageFollower(ctx.image, this, {{img::kOptFirst, img::kOptLast}, {img::kVfoAFirst, img::kVfoBLast}}, [this] {
        // What the user typed is replaced by the image's
        // values: nothing typed is left to commit.
        for (const Vfo& v : vfo) {
          v.Text_Freq->ForgetUserChange();
          v.Text_Offset->ForgetUserChange();
        }
        Show_image();
      });
}

frm_option::~frm_option() = default;

// ---- layout ------------------------------------------------------------------

void frm_option::Build_controls() {
  auto frame = [this](const FrameSpec& f) {
    auto* g = Make<QGroupBox>(this, f.name);
    place(g, f.left, f.top, f.width, f.height);
    return g;
  };
  auto rowTop = [](int row, double pitch) { return kRowTop + row * pitch; };
  // A row of a frame: its label, then its control (which the label names
  // for assistive technology).
  auto row = [&](QGroupBox* f, int r, double pitch, const Columns& cols, const char* labelName, QWidget* control,
                 double width = 0) {
    auto* label = Make<QLabel>(f, labelName);
    const double top = rowTop(r, pitch);
    // Centred on its control, and no taller than the row's pitch, so that
    // the labels of two rows never lie over one another.
    const double height = std::min(kLabelHeight, pitch);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    place(label, cols.labelLeft, top - (height - kRowHeight) / 2, cols.controlLeft - cols.labelLeft - kLabelGap,
          height);
    place(control, cols.controlLeft, top, width > 0 ? width : cols.controlWidth, kRowHeight);
    label->setBuddy(control);
    return label;
  };
  auto list = [](QGroupBox* f, const char* name) { return Make<ComboList>(f, name); };
  // Rows of a label and a list, from row `first` down.
  struct ListRow {
    const char* label;
    const char* list;
  };
  auto listRows = [&](QGroupBox* f, int first, double pitch, const Columns& cols, std::initializer_list<ListRow> rows) {
    for (const ListRow& r : rows) row(f, first++, pitch, cols, r.label, list(f, r.list));
  };
  // Check boxes one under the other, from row `first` down.
  auto checks = [&](QGroupBox* f, double left, int first, double pitch, double width,
                    std::initializer_list<const char*> names) {
    CheckBox* last = nullptr;
    for (const char* name : names) {
      last = Make<CheckBox>(f, name);
      place(last, left, rowTop(first++, pitch), width, kRowHeight);
    }
    return last;
  };

  // The left column: general settings, work mode, channel mode, functions.
  listRows(frame(kGeneral), 0, kRowPitch, kGeneralCols,
           {{"Label_Tot", "Combo_tot"},
            {"Label_Sql", "Combo_sql"},
            {"Label_Vox", "Combo_vox"},
            {"Label_voice", "Combo_voice"},
            {"Label_Abr", "Combo_abr"}});

  QGroupBox* mode = frame(kMode);
  auto* freqMode = Make<OptionButton>(mode, "Option_freq");
  auto* channMode = Make<OptionButton>(mode, "Option_chann");
  place(freqMode, 240, 330, 1680, kRowHeight);
  place(channMode, 2040, 330, 1680, kRowHeight);
  freqMode->setValue(true);

  QGroupBox* chann = frame(kChann);
  checks(chann, 240, 0, kRowPitch, 1260, {"Check_chann_menu"});
  checks(chann, 1560, 0, kRowPitch, 1260, {"Check_chann_init"});
  checks(chann, 2880, 0, kRowPitch, 900, {"Check_chann_syn"})->hide();
  auto* channTotal = Make<QLabel>(chann, "Label_Cht");
  Text_chann_total = Make<TextBox>(chann, "Text_chann_total");
  place(channTotal, 2880, rowTop(0, kRowPitch), 480, kRowHeight);
  place(Text_chann_total, 3360, rowTop(0, kRowPitch), 420, kRowHeight);
  channTotal->hide();
  Text_chann_total->setEnabled(false);
  Text_chann_total->hide();
  listRows(chann, 1, kWidePitch, kChannCols, {{"Label_MDF_A", "Combo_MDF_A"}, {"Label_MDF_B", "Combo_MDF_B"}});

  QGroupBox* functions = frame(kFunctions);
  listRows(functions, 0, kRowPitch, kFunctionCols,
           {{"Label_Stdtmf", "Combo_dtmfst"},
            {"Label_save", "Combo_save"},
            {"Label_Scan_rev", "Combo_sc_rev"},
            {"Label_ptt_id", "Combo_ptt_id"},
            {"Label_Ptt_Lt", "Combo_ptt_lt"}});
  checks(functions, kFunctionCheckLeft, 0, kRowPitch, kFunctionCheckWidth,
         {"Check_Lock", "Check_Autolk", "Check_bcl", "Check_Beep"})
      ->setValue(1);  // Check_Beep starts checked

  // The VFO frames and, under VFO A, the backlight frame; under VFO B the alarm frame.
  auto vfoFrame = [&](int side) {
    const bool a = side == 0;
    Vfo& v = vfo[static_cast<std::size_t>(side)];
    QGroupBox* f = v.Frame = frame(kVfoFrames[static_cast<std::size_t>(side)]);
    auto name = [a](const char* forA, const char* forB) { return a ? forA : forB; };
    auto unit = [&](const char* labelName, int r) {
      auto* u = Make<QLabel>(f, labelName);
      place(u, kVfoCols.controlLeft + kVfoBoxWidth + kUnitGap, rowTop(r, kRowPitch), kUnitWidth, kRowHeight);
    };
    auto vfoList = [&](vfo::List l) {
      ComboList* c = list(f, kVfoLists[VfoListPlace(l)].name[static_cast<std::size_t>(side)]);
      v.lists[VfoListPlace(l)] = c;
      return c;
    };
    v.Text_Freq = Make<TextBox>(f, name("Text_Freq_a", "Text_Freq_b"));
    row(f, 0, kRowPitch, kVfoCols, name("Label_Freq_a", "Label_Freq_b"), v.Text_Freq, kVfoBoxWidth);
    unit(name("Label_unit_freq_a", "Label_unit_freq_b"), 0);
    v.Combo_Band = list(f, name("Combo_Band_A", "Combo_Band_B"));
    row(f, 1, kRowPitch, kVfoCols, name("Label_Band_A", "Label_Band_B"), v.Combo_Band);
    v.Text_Range = Make<TextBox>(f, name("Text_Range_A", "Text_Range_B"));
    row(f, 2, kRowPitch, kVfoCols, name("Label_Range_A", "Label_Range_B"), v.Text_Range, kVfoRangeWidth);
    v.Text_Range->setEnabled(false);  // shows the band's range only
    row(f, 3, kRowPitch, kVfoCols, name("Label_Txp_a", "Label_txp_b"), vfoList(vfo::List::Power));
    v.tones[0] = list(f, name("Combo_r_ctdcs_a", "Combo_r_ctdcs_b"));
    row(f, 4, kRowPitch, kVfoCols, name("Label_r_ctdcs_a", "Label_r_ctdcs_b"), v.tones[0]);
    v.tones[1] = list(f, name("Combo_t_ctdcs_a", "Combo_t_ctdcs_b"));
    row(f, 5, kRowPitch, kVfoCols, name("Label_t_ctdcs_a", "Label_t_ctdcs_b"), v.tones[1]);
    row(f, 6, kRowPitch, kVfoCols, name("Label_wn_a", "Label_wn_b"), vfoList(vfo::List::Bandwidth));
    row(f, 7, kRowPitch, kVfoCols, name("Label_step_a", "Label_step_b"), vfoList(vfo::List::Step));
    row(f, 8, kRowPitch, kVfoCols, name("Label_sft_d_a", "Label_sft_d_b"), vfoList(vfo::List::Shift));
    v.Text_Offset = Make<TextBox>(f, name("Text_Offset_A", "Text_Offset_B"));
    row(f, 9, kRowPitch, kVfoCols, name("Label_Offset_A", "Label_Offset_B"), v.Text_Offset, kVfoBoxWidth);
    unit(name("Label_unit_offset_a", "Label_unit_offset_b"), 9);
    row(f, 10, kRowPitch, kVfoCols, name("Label_S_info_a", "Label_S_info_b"), vfoList(vfo::List::SignalCode));
    // Never shown, yet filled, shown and written back like the others.
    ComboList* optSig = vfoList(vfo::List::OptSignal);
    row(f, 11, kRowPitch, kVfoCols, name("Label_Optsig_a", "Label_OptSig_b"), optSig)->hide();
    optSig->hide();
    ComboList* mute = vfoList(vfo::List::SpeakerMute);
    row(f, 12, kRowPitch, kVfoCols, name("Label_Spmute_a", "Label_Spmute_b"), mute)->hide();
    mute->hide();
  };

  vfoFrame(0);
  listRows(frame(kBand), 0, kTightPitch, kBandCols,
           {{"Label_wt_led", "Combo_wt_led"},
            {"Label_rx_led", "Combo_rx_led"},
            {"Label_tx_led", "Combo_tx_led"},
            {"Label_ste", "Combo_ste"},
            {"Label_rp_ste", "Combo_Rp_Ste"},
            {"Label_Rpt_RL", "Combo_RPT_RL"},
            {"Label_ponmsg", "Combo_ponmsg"}});

  vfoFrame(1);
  QGroupBox* alarm = frame(kAlarm);
  checks(alarm, 120, 0, kTightPitch, 2820, {"Check_radio", "Check_Alarm_Sound"});
  listRows(alarm, 2, kTightPitch, kAlarmCols,
           {{"Label_Alarm_mode", "Combo_AL_Mode"},
            {"Label_roger", "Combo_roger"},
            {"Label_ab_Beep", "Combo_ab_Beep"},
            {"Label_TX_Band", "Combo_Tdr_ab"}});
  checks(alarm, 120, 6, kTightPitch, 1380, {"Check_tdr"});
  checks(alarm, 1560, 6, kTightPitch, 1380, {"Check_db_PTT"});

  Command_def = Control<QPushButton>("Command_def");
  Command_close = Control<QPushButton>("Command_close");
  place(Command_def, kDefLeft, kButtonTop, kButtonWidth, kButtonHeight);
  place(Command_close, kCloseLeft, kButtonTop, kButtonWidth, kButtonHeight);
}

void frm_option::Fit_texts() {
  auto* alarm = findChild<QGroupBox*>(QString::fromLatin1(kAlarm.name));
  const QRect alarmDesign = alarm->geometry();
  const FitResult fit = FitTexts(this);
  // The buttons stay at the bottom right, under the right end of the alarm frame.
  const int moved = alarm->geometry().right() - alarmDesign.right();
  for (QPushButton* b : {Command_def, Command_close}) b->move(b->x() + moved, b->y());
  // What the widening added never falls off the window's right edge (what
  // the design itself puts beyond a small window's edge stays cut off).
  if (ctx.main && widenFor(fit, kGeneral.left)) centreInMain();
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
  // 7. The VFO limits.
  Vfo_limits_reset();
  // 8. The show.
  Opt_show();
  loaded_ = true;
  follow_->setFollowing(true);
}

void frm_option::Form_Activate() {
  if (!loaded_ || follow_->handling()) return;
  Show_image();
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

void frm_option::Show_image() {
  Vfo_limits_reset();
  Text_chann_total->setText(QString::number(ctx.st.Chann_total));
  Opt_show();
}

void frm_option::Vfo_limits_reset() {
  Session& st = ctx.st;
  st.Freq_a_low = st.Freq_vhf_low;
  st.Freq_a_high = st.Freq_vhf_high;
  st.Freq_b_low = st.Freq_uhf_low;
  st.Freq_b_high = st.Freq_uhf_high;
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

// ---- the show -----------------------------------------------------------------

void frm_option::Opt_show() {
  // 1. The working copy, from the image as it is now.
  std::array<std::int16_t, kOptBlockSize> block = Opt_block(ctx.image.image());
  std::copy(block.begin(), block.end(), ctx.st.Opt_para.begin());
  // 2. The option controls, each from its entry; their handlers write back.
  ShowTarget target(*this);
  Opt_show_steps(block, target);
  // 3. The VFO records.
  Vfo_show(0);
  Vfo_show(1);
}

void frm_option::Vfo_show(int side) {
  const Side s = SideOf(side);
  const Vfo& v = vfo[static_cast<std::size_t>(side)];
  // Each step reads the record as the handlers run before have left it.
  const img::Image& im = ctx.image.image();
  auto show = [&](vfo::List l, int index) { v.lists[VfoListPlace(l)]->setListIndex(index); };
  v.Text_Freq->setText(QString());
  v.Text_Freq->setText(vfo::FreqText(im, s));
  v.Text_Offset->setText(vfo::OffsetText(im, s));
  Tone_show(side, vfo::Tone::Rx);
  Tone_show(side, vfo::Tone::Tx);
  // A band that changes runs the band choice, which ends with a whole show.
  v.Combo_Band->setListIndex(vfo::ListShown(im, s, vfo::List::Band));
  // The range of the band shown, also when the band limits changed since the
  // band was chosen (an identification of another radio): the range the
  // frequency commit checks.
  v.Text_Range->setText(vfo::RangeText(Shown_band_limits(side)));
  // Byte 28 is read once for both of its lists, byte 29 likewise.
  const int shift = vfo::ListShown(im, s, vfo::List::Shift), code = vfo::ListShown(im, s, vfo::List::SignalCode);
  show(vfo::List::Shift, shift);
  show(vfo::List::SignalCode, code);
  const int mute = vfo::ListShown(im, s, vfo::List::SpeakerMute), sig = vfo::ListShown(im, s, vfo::List::OptSignal);
  show(vfo::List::SpeakerMute, mute);
  show(vfo::List::OptSignal, sig);
  show(vfo::List::Step, vfo::ListShown(im, s, vfo::List::Step));
  show(vfo::List::Power, vfo::ListShown(im, s, vfo::List::Power));
  show(vfo::List::Bandwidth, vfo::ListShown(im, s, vfo::List::Bandwidth));
  // Last, each value is stored as shown, also where no control changed (a
  // list already on the last item that a nibble beyond the list shows, an
  // unprogrammed frequency under a band list that did not move).
  QString freq;
  Vfo_change(side,
             [&](img::Image& image) { freq = vfo::ShowStore(image, s, Vfo_shown(side), Shown_band_limits(side)); });
  if (freq != v.Text_Freq->Text()) v.Text_Freq->setText(freq);
}

vfo::Shown frm_option::Vfo_shown(int side) const {
  const Vfo& v = vfo[static_cast<std::size_t>(side)];
  const auto index = [&](vfo::List l) { return v.lists[VfoListPlace(l)]->ListIndex(); };
  const auto tone = [&](int t) {
    const ComboList* l = v.tones[static_cast<std::size_t>(t)];
    return vfo::ToneShown{l->ListIndex(), l->Text()};
  };
  vfo::Shown sh;
  sh.freq = v.Text_Freq->Text();
  sh.offset = v.Text_Offset->Text();
  sh.rxTone = tone(0);
  sh.txTone = tone(1);
  sh.band = v.Combo_Band->ListIndex();
  sh.shift = index(vfo::List::Shift);
  sh.signalCode = index(vfo::List::SignalCode);
  sh.speakerMute = index(vfo::List::SpeakerMute);
  sh.optSignal = index(vfo::List::OptSignal);
  sh.step = index(vfo::List::Step);
  sh.power = index(vfo::List::Power);
  sh.bandwidth = index(vfo::List::Bandwidth);
  return sh;
}

void frm_option::Tone_show(int side, vfo::Tone t) {
  ComboList* l = vfo[static_cast<std::size_t>(side)].tones[t == vfo::Tone::Rx ? 0 : 1];
  const vfo::ToneShown shown = vfo::ToneShow(ctx.image.image(), SideOf(side), t);
  // OFF and the DCS codes select their item (a change runs the choice); a
  // CTCSS tone is shown as text, which selects nothing and writes nothing.
  if (shown.index >= 0)
    l->setListIndex(shown.index);
  else
    l->setText(shown.text);
}

// ---- buttons -----------------------------------------------------------------

void frm_option::Command_def_Click() {
  Session& st = ctx.st;
  ctx.image.change(img::kOptFirst, img::kFmLabelsLast, this, [&](img::Image& im) {
    Opt_default(im, std::span<std::int16_t, kOptBlockSize>(st.Opt_para.data(), kOptBlockSize), st.Chann_total);
  });
  Opt_show();
}

void frm_option::Command_close_Click() { ctx.host.unloadWindow(this); }

// ---- the option block ------------------------------------------------------------

int frm_option::Opt_state(OptCtl c) const {
  QWidget* widget = Opt_widget(c);
  if (auto* l = qobject_cast<ComboList*>(widget)) return l->ListIndex();
  if (auto* b = qobject_cast<CheckBox*>(widget)) return b->Value();
  return static_cast<OptionButton*>(widget)->Value() ? 1 : 0;
}

void frm_option::Opt_setting_Click(int control) {
  const auto c = static_cast<OptCtl>(control);
  // A greyed box (2) counts as not checked.
  const int value = Opt_state(c);
  OptCommit r;
  ctx.image.change(img::kOptFirst, img::kOptLast, this, [&](img::Image& im) { r = Opt_commit(im, c, value); });
  if (r.Combo_Tdr_ab_enabled) Combo_Tdr_ab->setEnabled(*r.Combo_Tdr_ab_enabled);
  if (r.Check_Alarm_Sound_enabled) Check_Alarm_Sound->setEnabled(*r.Check_Alarm_Sound_enabled);
}

void frm_option::Opt_setting_KeyPress(int control, int& key) {
  key = Opt_list_KeyPress(static_cast<OptCtl>(control), key);
}

// ---- VFO editing ------------------------------------------------------------------

template <class Edit>
void frm_option::Vfo_change(int side, Edit&& edit) {
  const int first = vfo::FirstRow(SideOf(side));
  ctx.image.change(first, first + 1, this, std::forward<Edit>(edit));
}

vfo::BandLimits frm_option::Shown_band_limits(int side) const {
  const Session& st = ctx.st;
  const vfo::Bands bands{{st.Freq_vhf_low, st.Freq_vhf_high}, {st.Freq_uhf_low, st.Freq_uhf_high}};
  return vfo::LimitsOf(bands, vfo[static_cast<std::size_t>(side)].Combo_Band->ListIndex());
}

bool frm_option::message(const Message& m) {
  const int before = follow_->foreignChanges();
  // A commit that the unload itself runs (Close, the close box) goes on after
  // its message, as leaving the box does; one whose window is unloaded while
  // the message is open stores nothing.
  const bool unloading = Unloading();
  {
    const ImageFollower::Handling busy(*follow_);
    MsgBox(m);
  }
  return follow_->foreignChanges() == before && Unloading() == unloading;
}

void frm_option::Combo_Band_Click(int side) {
  const Vfo& v = vfo[static_cast<std::size_t>(side)];
  const int band = v.Combo_Band->ListIndex();
  if (band < 0) return;
  // The VFO's limits are those of the band chosen, as they stand now.
  const vfo::BandLimits limits = Shown_band_limits(side);
  Session& st = ctx.st;
  (side == 0 ? st.Freq_a_low : st.Freq_b_low) = limits.low;
  (side == 0 ? st.Freq_a_high : st.Freq_b_high) = limits.high;
  // A frequency outside the band becomes the band's first one, without a message.
  v.Text_Freq->setText(vfo::BandFreqText(v.Text_Freq->Text(), limits));
  v.Text_Range->setText(vfo::RangeText(limits));
  Vfo_change(side, [&](img::Image& im) { vfo::SetByte(im, SideOf(side), vfo::kBand, band); });
  Text_Freq_LostFocus(side);
}

void frm_option::Combo_Band_Change(int side) {
  // The field of a band list takes no text; should it ever change, a list
  // without a choice takes the first band.
  ComboList* l = vfo[static_cast<std::size_t>(side)].Combo_Band;
  if (l->ListIndex() < 0) l->setListIndex(0);
}

void frm_option::Length_check(TextBox* box, bool tooLong) {
  if (!tooLong) return;
  message(vfo::kLengthMessage);
  if (Unloading()) return;
  box->setText(QString());
  box->SetFocus();
}

void frm_option::Text_Freq_Change(int side) {
  TextBox* box = vfo[static_cast<std::size_t>(side)].Text_Freq;
  Length_check(box, vfo::FreqTooLong(box->Text()));
}

void frm_option::Text_Offset_Change(int side) {
  TextBox* box = vfo[static_cast<std::size_t>(side)].Text_Offset;
  Length_check(box, vfo::OffsetTooLong(box->Text()));
}

template <class Commit>
bool frm_option::Box_commit(int side, TextBox* box, Commit&& commit) {
  box->ForgetUserChange();
  // What the commit makes of the text, before anything is stored: its range
  // message comes first, and a change of the image while it is open ends
  // the commit.
  img::Image probe = ctx.image.image();
  const vfo::Commit c = commit(probe, box->Text());
  if (c.message) {
    if (!message(*c.message)) return false;
    box->SetFocus();
  }
  if (c.stored) Vfo_change(side, [&](img::Image& im) { commit(im, c.text); });
  box->setText(c.text);
  return true;
}

void frm_option::Text_Freq_LostFocus(int side) {
  const Side s = SideOf(side);
  const vfo::BandLimits limits = Shown_band_limits(side);
  const bool done =
      Box_commit(side, vfo[static_cast<std::size_t>(side)].Text_Freq,
                 [&](img::Image& im, const QString& text) { return vfo::FreqCommit(im, s, text, limits); });
  if (done && !Unloading()) Opt_show();
}

void frm_option::Text_Offset_LostFocus(int side) {
  const Side s = SideOf(side);
  Box_commit(side, vfo[static_cast<std::size_t>(side)].Text_Offset,
             [&](img::Image& im, const QString& text) { return vfo::OffsetCommit(im, s, text); });
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
  Vfo_change(side, [&](img::Image& im) { vfo::ListStore(im, SideOf(side), kVfoLists[place].list, index); });
}

void frm_option::Vfo_list_KeyPress(int, int& key) { key = 0; }

void frm_option::Combo_ctdcs_Click(int tone) {
  const int side = tone / 2;
  const int index = vfo[static_cast<std::size_t>(side)].tones[static_cast<std::size_t>(tone % 2)]->ListIndex();
  Vfo_change(side, [&](img::Image& im) { vfo::ToneStore(im, SideOf(side), ToneOf(tone), index); });
}

void frm_option::Combo_ctdcs_KeyPress(int, int& key) { key = vfo::ToneKey(key); }

void frm_option::Combo_ctdcs_LostFocus(int tone) {
  ComboList* l = vfo[static_cast<std::size_t>(tone / 2)].tones[static_cast<std::size_t>(tone % 2)];
  const int saved = l->ListIndex();
  if (const std::optional<int> item = vfo::ToneLookup(l->Text(), ctx.st.Tone_list_fine)) {
    l->setListIndex(*item);
    return;
  }
  // No such tone: the window shows again what the image holds.
  l->setListIndex(saved);
  Opt_show();
}
