#include "alignment/ui/frm_Adj_Txp.h"

#include "alignment/adj_file.h"
#include "alignment/ui/Form_open_adj.h"
#include "alignment/ui/Form_save_adj.h"
#include "link/ui/window_link.h"
#include "platform/choice_buttons.h"
#include "platform/combo_list.h"
#include "platform/tab_strip.h"
#include "platform/text_box.h"
#include "platform/text_fit.h"
#include "platform/window_host.h"

#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <QLayout>

#include <algorithm>
#include <string_view>
#include <utility>

using adj::Box;
using adj::Line;
using adj::List;
using adj::Same;

namespace {

// ---- design places, twips from the top left corner of the parent ----------

struct Place {
  int left, top, width, height;
};

constexpr Place kTabStrip{200, 100, 10095, 7455};
constexpr int kGroupLeft = 300, kGroupTop = 600;
constexpr Place kProgress{120, 7680, 7575, 495};
constexpr Place kLabelTrCount{7800, 7800, 2415, 255};
constexpr int kLabelMargin = 120;
constexpr Place kCommandRead{600, 8160, 855, 495};
constexpr Place kCommandWrite{1920, 8160, 855, 495};
constexpr Place kCommandSave{4560, 8160, 855, 495};
constexpr Place kCommandOpen{5880, 8160, 855, 495};
constexpr Place kCommandClose{7200, 8160, 855, 495};
// Below the groups, over the tab strip's panel: it shows on every page.
constexpr Place kCheckBand{300, 7150, 6000, 300};

constexpr int kBoxHeight = 330, kLabelHeight = 255, kListHeight = 360;

// Power pages: each band's sixteen points in two rows of eight, the point's
// label above its box.
constexpr Place kFrameB0[2]{{150, 300, 9100, 2000}, {150, 2450, 9100, 2000}};
constexpr int kPointPitch = 1120, kPointRowPitch = 850;
constexpr Place PowerLabel(int i) {
  return {120 + (i % 8) * kPointPitch, 330 + (i / 8) * kPointRowPitch, 1050, kLabelHeight};
}
constexpr Place PowerBox(int i) {
  return {210 + (i % 8) * kPointPitch, 600 + (i / 8) * kPointRowPitch, 870, kBoxHeight};
}

// Squelch page: per band the ten levels, then the sixteen points in two
// columns of eight.
constexpr Place kFrame1{150, 300, 4500, 4300};
constexpr Place kFrameSqlUhf{4800, 300, 4500, 4300};
constexpr Place kFrame9{150, 4700, 9100, 1500};
constexpr int kSqRowTop = 600, kSqRowPitch = 360;
constexpr Place SqLevelLabel(int i) { return {150, kSqRowTop + i * kSqRowPitch, 450, kLabelHeight}; }
constexpr Place SqLevelBox(int i) { return {650, kSqRowTop - 30 + i * kSqRowPitch, 750, kBoxHeight}; }
constexpr Place SqPointLabel(int i) {
  return {1550 + (i / 8) * 1400, kSqRowTop + (i % 8) * kSqRowPitch, 600, kLabelHeight};
}
constexpr Place SqPointBox(int i) {
  return {2200 + (i / 8) * 1400, kSqRowTop - 30 + (i % 8) * kSqRowPitch, 650, kBoxHeight};
}
constexpr Place kSqHeadings[6]{{150, 300, 500, kLabelHeight},  {650, 300, 800, kLabelHeight},
                               {1550, 300, 650, kLabelHeight}, {2200, 300, 700, kLabelHeight},
                               {2950, 300, 650, kLabelHeight}, {3600, 300, 700, kLabelHeight}};

// Modulation and volume page: a label and its list per row.
constexpr Place kFrameDev1{150, 300, 4300, 3000};
constexpr Place kFrameDev2{4600, 300, 4300, 3000};
constexpr Place DevLabel(int row) { return {200, 430 + row * 420, 1900, kLabelHeight}; }
constexpr Place DevList(int row) { return {2150, 380 + row * 420, 1300, kListHeight}; }

// Frequency range page.
constexpr Place kOtherHeadings[4]{{150, 300, 700, kLabelHeight},
                                  {850, 300, 2300, kLabelHeight},
                                  {3200, 300, 2600, kLabelHeight},
                                  {5900, 300, 1300, kLabelHeight}};
constexpr int kBandRowTop[2]{640, 1000};
constexpr Place BandName(int b) { return {150, kBandRowTop[b], 3000, kLabelHeight}; }
constexpr Place BandFrom(int b) { return {3200, kBandRowTop[b], 250, kLabelHeight}; }
constexpr Place BandLower(int b) { return {3450, kBandRowTop[b] - 30, 800, 315}; }
constexpr Place BandTo(int b) { return {4350, kBandRowTop[b], 250, kLabelHeight}; }
constexpr Place BandUpper(int b) { return {4600, kBandRowTop[b] - 30, 800, 315}; }
constexpr Place BandTx(int b) { return {6200, kBandRowTop[b] - 15, 300, 300}; }
constexpr Place kFrame2{150, 1450, 2400, 2650};
constexpr Place BattLabel(int i) { return {120, 330 + i * 380, 1050, kLabelHeight}; }
constexpr Place BattList(int i) { return {1200, 285 + i * 380, 1050, kListHeight}; }
constexpr Place kFrameVox{2700, 1450, 4550, 2650};
constexpr Place kVoxHeadings[4]{{100, 270, 900, kLabelHeight},
                                {1000, 270, 1100, kLabelHeight},
                                {2300, 270, 900, kLabelHeight},
                                {3200, 270, 1100, kLabelHeight}};
constexpr Place VoxLabel(int i) { return {150 + (i / 6) * 2200, 600 + (i % 6) * 330, 800, kLabelHeight}; }
constexpr Place VoxList(int i) { return {1050 + (i / 6) * 2200, 555 + (i % 6) * 330, 1000, kBoxHeight}; }
constexpr Place kFrame3{150, 4200, 3500, 800};
constexpr Place kFrame4{3750, 4200, 3500, 800};
constexpr Place kLineLeft{150, 330, 1500, kBoxHeight};
constexpr Place kLineRight{1800, 330, 1500, kBoxHeight};
constexpr Place kFrame5{150, 5050, 7100, 550};

// ---- captions of the controls that never change (Chinese only) -----------

constexpr Caption kLayoutCaptions[] = {
    {"Label_Level_VHF", Same("级别")},
    {"Label_Open_VHF", Same("打开值")},
    {"Label_Point_VHF_0", Same("频点")},
    {"Label_Offset_VHF_0", Same("补偿")},
    {"Label_Point_VHF_1", Same("频点")},
    {"Label_Offset_VHF_1", Same("补偿")},
    {"Label_Level_UHF", Same("级别")},
    {"Label_Open_UHF", Same("打开值")},
    {"Label_Point_UHF_0", Same("频点")},
    {"Label_Offset_UHF_0", Same("补偿")},
    {"Label_Point_UHF_1", Same("频点")},
    {"Label_Offset_UHF_1", Same("补偿")},
    {"Label_dev_voice", Same("宽带话音")},
    {"Label_dev_ctcss", Same("宽带模拟")},
    {"Label_dev_dcs", Same("宽带数字")},
    {"Label_dev_tone", Same("TONE 增益")},
    {"Label_OSC_Add", Same("温补晶体上补偿")},
    {"Label_OSC_Dec", Same("温补晶体下补偿")},
    {"Label_RX_VH_0", Same("宽带音量粗调")},
    {"Label_RX_VL_0", Same("宽带音量细调")},
    {"Label_RX_VH_1", Same("窄带音量粗调")},
    {"Label_RX_VL_1", Same("窄带音量细调")},
    {"Label_band", Same("频段")},
    {"Label_band_range", Same("最大工作频率范围(MHZ)")},
    {"Label_band_limit", Same("限制工作频率范围(MHZ)")},
    {"Label_band_tx", Same("发射允许 ")},
    {"Label_from_0", Same("从")},
    {"Label_to_0", Same("到")},
    {"Label_from_1", Same("从")},
    {"Label_to_1", Same("到")},
    {"Label_batt_0", Same("禁发闪烁")},
    {"Label_batt_1", Same("显示外框")},
    {"Label_batt_2", Same("显示 1 条")},
    {"Label_batt_3", Same("显示 2 条")},
    {"Label_batt_4", Same("满格显示")},
    {"Label_batt_5", Same("超压禁发")},
    {"Label_vox_level_0", Same("声控等级")},
    {"Label_vox_value_0", Same("起控值")},
    {"Label_vox_level_1", Same("声控等级")},
    {"Label_vox_value_1", Same("起控值")},
    {"Label_PassWord_User", Same("用户密码")},
    {"Label_PassWord_Super", Same("超级密码")},
};

// The hidden squelch register group: the detection bits of row 15, column 12.
constexpr Caption kDetectCaptions[] = {
    {"Check_Rssi_Det", Same("rssi")},
    {"Check_Noise_Det", Same("noise")},
    {"Check_Modu_Det", Same("modu")},
    {"Check_Pkdet_Det", Same("pkdet")},
};

// The list items " 0" .. " n-1".
QStringList Items(int n) {
  QStringList items;
  items.reserve(n);
  for (int k = 0; k < n; ++k) items << adj::ListItem(k);
  return items;
}

void Put(QLabel* l, const QString& text) {
  if (l->text() != text) l->setText(text);
}
void Put(QGroupBox* g, const QString& text) {
  if (g->title() != text) g->setTitle(text);
}
void Put(TextBox* b, const QString& text) {
  if (b->Text() != text) b->putText(text);
}
void Visible(QWidget* w, bool visible) {
  if (w->isHidden() == visible) w->setVisible(visible);
}
// Places a control of `window` at its design place.
void At(RadioWindow* window, QWidget* control, const Place& p) {
  window->place(control, p.left, p.top, p.width, p.height);
}

}  // namespace

// ---- construction ------------------------------------------------------------

template <class... Args>
auto frm_Adj_Txp::Ev(void (frm_Adj_Txp::*handler)(Args...)) {
  return [this, f = On(handler)](Args... args) mutable {
    if (!syncing_) f(std::forward<Args>(args)...);
  };
}

template <class... Args>
auto frm_Adj_Txp::Ev(void (frm_Adj_Txp::*handler)(int, Args...), int index) {
  return [this, f = On(handler, index)](Args... args) mutable {
    if (!syncing_) f(std::forward<Args>(args)...);
  };
}

frm_Adj_Txp::frm_Adj_Txp(AppContext& c)
    : RadioWindow(c), ctx(c), editor_{c.st.AdjTable, c.st.AdjDefaults, c.st.Band220Selected, view_} {
  setObjectName(QStringLiteral("frm_Adj_Txp"));
  Captions(adj::kFixedCaptions);
  Captions(kLayoutCaptions);
  Captions(kDetectCaptions);

  auto at = [this](QWidget* w, const Place& p) { At(this, w, p); };

  // The tab strip first: the page groups lie over its panel.
  TabStrip1 = Control<TabStrip>("TabStrip1");
  at(TabStrip1, kTabStrip);
  for (const adj::PageSpec& p : adj::kPageSpecs) TabStrip1->AddTab(QString::fromLatin1(p.key), p.tab.in(true));
  TabStrip1->onClick = Ev(&frm_Adj_Txp::TabStrip1_Click);

  Build_pages();
  Build_hidden_groups();

  Check_Band = Control<CheckBox>("Check_Band");
  at(Check_Band, kCheckBand);
  Check_Band->onClick = Ev(&frm_Adj_Txp::Check_Band_Click);

  ProgressBar1 = Control<QProgressBar>("ProgressBar1");
  at(ProgressBar1, kProgress);
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setValue(0);
  ProgressBar1->setTextVisible(false);
  Label_tr_count = Control<QLabel>("Label_tr_count");
  at(Label_tr_count, kLabelTrCount);
  const std::pair<QPushButton**, std::pair<const char*, Place>> buttons[] = {
      {&Command_read, {"Command_read", kCommandRead}},    {&Command_Write, {"Command_Write", kCommandWrite}},
      {&Command_save, {"Command_save", kCommandSave}},    {&Command_open, {"Command_open", kCommandOpen}},
      {&Command_close, {"Command_close", kCommandClose}},
  };
  for (const auto& [button, spec] : buttons) {
    *button = Control<QPushButton>(spec.first);
    at(*button, spec.second);
  }
  connect(Command_read, &QPushButton::clicked, this, Ev(&frm_Adj_Txp::Command_read_Click));
  connect(Command_Write, &QPushButton::clicked, this, Ev(&frm_Adj_Txp::Command_Write_Click));
  connect(Command_save, &QPushButton::clicked, this, Ev(&frm_Adj_Txp::Command_save_Click));
  connect(Command_open, &QPushButton::clicked, this, Ev(&frm_Adj_Txp::Command_open_Click));
  connect(Command_close, &QPushButton::clicked, this, Ev(&frm_Adj_Txp::Command_close_Click));
  // What lies outside the groups stays above them, however large the groups grow.
  for (QWidget* w : std::initializer_list<QWidget*>{Check_Band, ProgressBar1, Label_tr_count, Command_read,
                                                    Command_Write, Command_save, Command_open, Command_close})
    w->raise();

  link = Window_link(c, link_profiles::kAlignment, this);
  read.store = [this](const adj::AdjRead& r) {
    // The one place where a read changes the table: rows 0..19 once all five
    // blocks are in, then the page shown again (its notices come before the
    // read's completion message).
    Run([&] {
      r.Adj_Unpack(ctx.st.AdjTable);
      return adj::Adj_Show(editor_);
    });
  };
  Timer4 = c.svc.timers->create();
  Timer4->onTick = On(&frm_Adj_Txp::Timer4_Timer);

  // The controls as created: the View's first state.
  Show_view();
}

frm_Adj_Txp::~frm_Adj_Txp() = default;

void frm_Adj_Txp::Build_pages() {
  auto at = [this](QWidget* w, const Place& p) { At(this, w, p); };
  auto child = [&]<class W>(W* w, QWidget* parent, const char* name, const Place& p) {
    w->setParent(parent);
    w->setObjectName(QString::fromLatin1(name));
    at(w, p);
    return w;
  };
  auto label = [&](QWidget* parent, const char* name, const Place& p, Qt::Alignment a = Qt::AlignLeft) {
    auto* l = child(new QLabel, parent, name, p);
    l->setAlignment(a | Qt::AlignVCenter);
    return l;
  };
  auto textBox = [&](QWidget* parent, const char* name, const Place& p) { return child(new TextBox, parent, name, p); };
  auto listBox = [&](QWidget* parent, const char* name, const Place& p) {
    auto* l = child(new ComboList, parent, name, p);
    l->setMode(ComboList::Mode::Setting);
    return l;
  };
  auto framed = [&](QWidget* parent, const char* name, const Place& p) {
    return child(new QGroupBox, parent, name, p);
  };

  Frame_Frame = Control<QGroupBox>("Frame_Frame");
  Frame_Sql = Control<QGroupBox>("Frame_Sql");
  Frame_Dev = Control<QGroupBox>("Frame_Dev");
  Frame_Other = Control<QGroupBox>("Frame_Other");

  // Pages 0..2: the power points of both bands.
  for (int b = 0; b < 2; ++b) {
    Frame_B0[static_cast<std::size_t>(b)] = framed(Frame_Frame, "Frame_B0", kFrameB0[b]);
    Frame_B0[static_cast<std::size_t>(b)]->setProperty("Index", b);
  }
  for (int i = 0; i < 16; ++i) {
    const auto k = static_cast<std::size_t>(i);
    Label1[k] = label(Frame_B0[0], "Label1", PowerLabel(i), Qt::AlignHCenter);
    Text1[k] = textBox(Frame_B0[0], "Text1", PowerBox(i));
    Label_UHF[k] = label(Frame_B0[1], "Label_UHF", PowerLabel(i), Qt::AlignHCenter);
    Text2[k] = textBox(Frame_B0[1], "Text2", PowerBox(i));
    Text1[k]->onChange = Ev(&frm_Adj_Txp::Text1_Change, i);
    Text2[k]->onChange = Ev(&frm_Adj_Txp::Text2_Change, i);
  }

  // Page 3: squelch levels and offsets of both bands.
  Frame1 = framed(Frame_Sql, "Frame1", kFrame1);
  Frame_Sql_UHF = framed(Frame_Sql, "Frame_Sql_UHF", kFrameSqlUhf);
  const char* headings[2][6] = {{"Label_Level_VHF", "Label_Open_VHF", "Label_Point_VHF_0", "Label_Offset_VHF_0",
                                 "Label_Point_VHF_1", "Label_Offset_VHF_1"},
                                {"Label_Level_UHF", "Label_Open_UHF", "Label_Point_UHF_0", "Label_Offset_UHF_0",
                                 "Label_Point_UHF_1", "Label_Offset_UHF_1"}};
  for (int b = 0; b < 2; ++b) {
    QGroupBox* g = b == 0 ? Frame1 : Frame_Sql_UHF;
    for (int h = 0; h < 6; ++h) label(g, headings[b][h], kSqHeadings[h], Qt::AlignHCenter);
    for (int i = 0; i < 10; ++i) {
      const auto k = static_cast<std::size_t>(i);
      (b == 0 ? Label_Sql_VHF : Label_Sql_UHF)[k] =
          label(g, b == 0 ? "Label_Sql_VHF" : "Label_Sql_UHF", SqLevelLabel(i), Qt::AlignHCenter);
      (b == 0 ? Text_SQ_VHF : Text_SQ_UHF)[k] = textBox(g, b == 0 ? "Text_SQ_VHF" : "Text_SQ_UHF", SqLevelBox(i));
    }
    for (int i = 0; i < 16; ++i) {
      const auto k = static_cast<std::size_t>(i);
      (b == 0 ? Label_Sq_Offset_Vhf : Label_Sq_Offset_UHF)[k] =
          label(g, b == 0 ? "Label_Sq_Offset_Vhf" : "Label_Sq_Offset_UHF", SqPointLabel(i), Qt::AlignHCenter);
      (b == 0 ? Text_Sq_Offset_VHF : Text_Sq_Offset_UHF)[k] =
          textBox(g, b == 0 ? "Text_Sq_Offset_VHF" : "Text_Sq_Offset_UHF", SqPointBox(i));
    }
  }
  for (int i = 0; i < 10; ++i) {
    Text_SQ_VHF[static_cast<std::size_t>(i)]->onChange = Ev(&frm_Adj_Txp::Text_SQ_VHF_Change, i);
    Text_SQ_UHF[static_cast<std::size_t>(i)]->onChange = Ev(&frm_Adj_Txp::Text_SQ_UHF_Change, i);
  }
  for (int i = 0; i < 16; ++i) {
    Text_Sq_Offset_VHF[static_cast<std::size_t>(i)]->onChange = Ev(&frm_Adj_Txp::Text_Sq_Offset_VHF_Change, i);
    Text_Sq_Offset_UHF[static_cast<std::size_t>(i)]->onChange = Ev(&frm_Adj_Txp::Text_Sq_Offset_UHF_Change, i);
  }

  // Page 4: deviation, tone gain, oscillator and receive volume lists.
  Frame_Dev_1 = framed(Frame_Dev, "Frame_Dev_1", kFrameDev1);
  Frame_Dev_1->setProperty("Index", 0);
  Frame_Dev_2 = framed(Frame_Dev, "Frame_Dev_2", kFrameDev2);
  Frame_Dev_2->setProperty("Index", 1);
  const char* devLabels[] = {"Label_dev_voice", "Label_dev_ctcss", "Label_dev_dcs",
                             "Label_dev_tone",  "Label_OSC_Add",   "Label_OSC_Dec"};
  ComboList** devLists[] = {&Combo_dev_voice[0], &Combo_dev_ctcss[0], &Combo_dev_dcs[0],
                            &Combo_dev_tone,     &Combo_OSC_Add,      &Combo_OSC_Dec};
  const char* devNames[] = {"Combo_dev_voice", "Combo_dev_ctcss", "Combo_dev_dcs",
                            "Combo_dev_tone",  "Combo_OSC_Add",   "Combo_OSC_Dec"};
  for (int r = 0; r < 6; ++r) {
    QLabel* l = label(Frame_Dev_1, devLabels[r], DevLabel(r));
    *devLists[r] = listBox(Frame_Dev_1, devNames[r], DevList(r));
    l->setBuddy(*devLists[r]);
  }
  const char* volLabels[] = {"Label_RX_VH_0", "Label_RX_VL_0", "Label_RX_VH_1", "Label_RX_VL_1"};
  for (int r = 0; r < 4; ++r) {
    const auto member = static_cast<std::size_t>(r / 2);
    ComboList*& l = r % 2 == 0 ? Combo_RX_VH[member] : Combo_RX_VL[member];
    l = listBox(Frame_Dev_2, r % 2 == 0 ? "Combo_RX_VH" : "Combo_RX_VL", DevList(r));
    l->setProperty("Index", static_cast<int>(member));
    label(Frame_Dev_2, volLabels[r], DevLabel(r))->setBuddy(l);
  }
  Combo_dev_voice[0]->onClick = Ev(&frm_Adj_Txp::Combo_dev_voice_Click, 0);
  Combo_dev_ctcss[0]->onClick = Ev(&frm_Adj_Txp::Combo_dev_ctcss_Click, 0);
  Combo_dev_dcs[0]->onClick = Ev(&frm_Adj_Txp::Combo_dev_dcs_Click, 0);
  Combo_dev_tone->onClick = Ev(&frm_Adj_Txp::Combo_dev_tone_Click);
  Combo_OSC_Add->onClick = Ev(&frm_Adj_Txp::Combo_OSC_Add_Click);
  Combo_OSC_Dec->onClick = Ev(&frm_Adj_Txp::Combo_OSC_Dec_Click);
  Combo_dev_voice[0]->onKeyPress = Ev(&frm_Adj_Txp::Combo_dev_voice_KeyPress, 0);
  Combo_dev_ctcss[0]->onKeyPress = Ev(&frm_Adj_Txp::Combo_dev_ctcss_KeyPress, 0);
  Combo_dev_dcs[0]->onKeyPress = Ev(&frm_Adj_Txp::Combo_dev_dcs_KeyPress, 0);
  Combo_OSC_Add->onKeyPress = Ev(&frm_Adj_Txp::Combo_OSC_Add_KeyPress);
  Combo_OSC_Dec->onKeyPress = Ev(&frm_Adj_Txp::Combo_OSC_Dec_KeyPress);
  // The tone gain's field takes typing, which changes only what it shows.
  Combo_dev_tone->onChange = Ev(&frm_Adj_Txp::Typed_into_tone_gain);
  for (int i = 0; i < 2; ++i) {
    Combo_RX_VH[static_cast<std::size_t>(i)]->onClick = Ev(&frm_Adj_Txp::Combo_RX_VH_Click, i);
    Combo_RX_VL[static_cast<std::size_t>(i)]->onClick = Ev(&frm_Adj_Txp::Combo_RX_VL_Click, i);
    Combo_RX_VH[static_cast<std::size_t>(i)]->onKeyPress = Ev(&frm_Adj_Txp::Combo_RX_VH_KeyPress, i);
    Combo_RX_VL[static_cast<std::size_t>(i)]->onKeyPress = Ev(&frm_Adj_Txp::Combo_RX_VL_KeyPress, i);
  }

  // Page 5: band limits, battery thresholds, VOX levels, the text lines.
  const char* otherHeadings[] = {"Label_band", "Label_band_range", "Label_band_limit", "Label_band_tx"};
  for (int h = 0; h < 4; ++h) label(Frame_Other, otherHeadings[h], kOtherHeadings[h]);
  Label_F0 = label(Frame_Other, "Label_F0", BandName(0));
  Label_F1 = label(Frame_Other, "Label_F1", BandName(1));
  for (int b = 0; b < 2; ++b) {
    const auto k = static_cast<std::size_t>(b);
    QLabel* from = label(Frame_Other, b == 0 ? "Label_from_0" : "Label_from_1", BandFrom(b));
    Text_Freq_L[k] = textBox(Frame_Other, "Text_Freq_L", BandLower(b));
    QLabel* to = label(Frame_Other, b == 0 ? "Label_to_0" : "Label_to_1", BandTo(b));
    Text_Freq_H[k] = textBox(Frame_Other, "Text_Freq_H", BandUpper(b));
    from->setBuddy(Text_Freq_L[k]);
    to->setBuddy(Text_Freq_H[k]);
    Check_Tx[k] = child(new CheckBox, Frame_Other, "Check_Tx", BandTx(b));
    Check_Tx[k]->setEnabled(false);  // shows the radio's transmit permission only
    Text_Freq_L[k]->onKeyPress = Ev(&frm_Adj_Txp::Text_Freq_L_KeyPress, b);
    Text_Freq_H[k]->onKeyPress = Ev(&frm_Adj_Txp::Text_Freq_H_KeyPress, b);
    Text_Freq_L[k]->onLostFocus = Ev(&frm_Adj_Txp::Text_Freq_L_LostFocus, b);
    Text_Freq_H[k]->onLostFocus = Ev(&frm_Adj_Txp::Text_Freq_H_LostFocus, b);
  }
  Frame2 = framed(Frame_Other, "Frame2", kFrame2);
  for (int i = 0; i < 6; ++i) {
    const auto k = static_cast<std::size_t>(i);
    static constexpr const char* kBattLabels[] = {"Label_batt_0", "Label_batt_1", "Label_batt_2",
                                                  "Label_batt_3", "Label_batt_4", "Label_batt_5"};
    QLabel* l = label(Frame2, kBattLabels[i], BattLabel(i));
    Combo_batt_comp[k] = listBox(Frame2, "Combo_batt_comp", BattList(i));
    l->setBuddy(Combo_batt_comp[k]);
    Combo_batt_comp[k]->onClick = Ev(&frm_Adj_Txp::Combo_batt_comp_Click, i);
    Combo_batt_comp[k]->onKeyPress = Ev(&frm_Adj_Txp::Combo_batt_comp_KeyPress, i);
  }
  Frame_vox = framed(Frame_Other, "Frame_vox", kFrameVox);
  const char* voxHeadings[] = {"Label_vox_level_0", "Label_vox_value_0", "Label_vox_level_1", "Label_vox_value_1"};
  for (int h = 0; h < 4; ++h) label(Frame_vox, voxHeadings[h], kVoxHeadings[h], Qt::AlignHCenter);
  for (int i = 0; i < 11; ++i) {
    const auto k = static_cast<std::size_t>(i);
    Label_Vox[k] = label(Frame_vox, "Label_Vox", VoxLabel(i), Qt::AlignHCenter);
    Combo_vox[k] = listBox(Frame_vox, "Combo_vox", VoxList(i));
    Label_Vox[k]->setBuddy(Combo_vox[k]);
    Combo_vox[k]->onClick = Ev(&frm_Adj_Txp::Combo_vox_Click, i);
    Combo_vox[k]->onKeyPress = Ev(&frm_Adj_Txp::Combo_vox_KeyPress, i);
  }
  Frame3 = framed(Frame_Other, "Frame3", kFrame3);
  Text_PON_MSG_U = textBox(Frame3, "Text_PON_MSG_U", kLineLeft);
  Text_PON_MSG_D = textBox(Frame3, "Text_PON_MSG_D", kLineRight);
  Frame4 = framed(Frame_Other, "Frame4", kFrame4);
  Text_info_0 = textBox(Frame4, "Text_info_0", kLineLeft);
  Text_info_1 = textBox(Frame4, "Text_info_1", kLineRight);
  Text_PON_MSG_U->onChange = Ev(&frm_Adj_Txp::Text_PON_MSG_U_Change);
  Text_PON_MSG_D->onChange = Ev(&frm_Adj_Txp::Text_PON_MSG_D_Change);
  Text_info_0->onChange = Ev(&frm_Adj_Txp::Text_info_0_Change);
  Text_info_1->onChange = Ev(&frm_Adj_Txp::Text_info_1_Change);
  Text_PON_MSG_U->onKeyPress = Ev(&frm_Adj_Txp::Text_PON_MSG_U_KeyPress);
  Text_PON_MSG_D->onKeyPress = Ev(&frm_Adj_Txp::Text_PON_MSG_D_KeyPress);
  Text_info_0->onKeyPress = Ev(&frm_Adj_Txp::Text_info_0_KeyPress);
  Text_info_1->onKeyPress = Ev(&frm_Adj_Txp::Text_info_1_KeyPress);
  Text_PON_MSG_U->onLostFocus = Ev(&frm_Adj_Txp::Text_PON_MSG_U_LostFocus);
  Text_PON_MSG_D->onLostFocus = Ev(&frm_Adj_Txp::Text_PON_MSG_D_LostFocus);
  Text_info_0->onLostFocus = Ev(&frm_Adj_Txp::Text_info_0_LostFocus);
  Text_info_1->onLostFocus = Ev(&frm_Adj_Txp::Text_info_1_LostFocus);

  // Array members: the name is the array's, the index tells them apart.
  auto indexed = [](auto& members) {
    int i = 0;
    for (QWidget* w : members) w->setProperty("Index", i++);
  };
  indexed(Label1), indexed(Text1), indexed(Label_UHF), indexed(Text2);
  indexed(Label_Sql_VHF), indexed(Text_SQ_VHF), indexed(Label_Sql_UHF), indexed(Text_SQ_UHF);
  indexed(Label_Sq_Offset_Vhf), indexed(Text_Sq_Offset_VHF), indexed(Label_Sq_Offset_UHF), indexed(Text_Sq_Offset_UHF);
  indexed(Combo_dev_voice), indexed(Combo_dev_ctcss), indexed(Combo_dev_dcs);
  indexed(Text_Freq_L), indexed(Text_Freq_H), indexed(Check_Tx), indexed(Combo_batt_comp), indexed(Label_Vox),
      indexed(Combo_vox);
  for (int i = 0; i < 16; ++i) {
    const auto k = static_cast<std::size_t>(i);
    Label1[k]->setBuddy(Text1[k]);
    Label_UHF[k]->setBuddy(Text2[k]);
    Label_Sq_Offset_Vhf[k]->setBuddy(Text_Sq_Offset_VHF[k]);
    Label_Sq_Offset_UHF[k]->setBuddy(Text_Sq_Offset_UHF[k]);
  }
  for (int i = 0; i < 10; ++i) {
    const auto k = static_cast<std::size_t>(i);
    Label_Sql_VHF[k]->setBuddy(Text_SQ_VHF[k]);
    Label_Sql_UHF[k]->setBuddy(Text_SQ_UHF[k]);
  }
  // The lists that take no typing get a field that nothing typed, deleted or
  // pasted changes; the mouse and the arrow keys still choose.
  for (int l = 0; l < adj::kListKinds; ++l) {
    const adj::ListSpec& s = adj::Spec(static_cast<List>(l));
    for (int m = 0; m < s.members; ++m) list(static_cast<List>(l), m)->setFieldReadOnly(!s.keysTyped);
  }
}

void frm_Adj_Txp::Build_hidden_groups() {
  auto at = [this](QWidget* w, const Place& p) { At(this, w, p); };
  // Created hidden and never shown: the squelch registers of row 15 and the
  // passwords, which the window carries unchanged.
  Frame9 = new QGroupBox(Frame_Sql);
  Frame9->setObjectName(QStringLiteral("Frame9"));
  at(Frame9, kFrame9);
  Frame9->hide();
  for (int i = 0; i < 12; ++i) {
    auto* t = new TextBox(Frame9);
    t->setObjectName(QStringLiteral("Text_Sq_Reg"));
    t->setProperty("Index", i);
    at(t, {150 + (i % 6) * 1450, 300 + (i / 6) * 360, 1300, kBoxHeight});
  }
  const char* detects[] = {"Check_Rssi_Det", "Check_Noise_Det", "Check_Modu_Det", "Check_Pkdet_Det"};
  for (int i = 0; i < 4; ++i) {
    auto* cb = new CheckBox(Frame9);
    cb->setObjectName(QString::fromLatin1(detects[i]));
    at(cb, {150 + i * 1100, 1050, 1000, 300});
  }
  const char* counts[] = {"Combo_Pkdet_Count", "Combo_Rssi_Count", "Combo_Modu_Count", "Combo_Sif_COunt",
                          "Combo_Noise_Count"};
  for (int i = 0; i < 5; ++i) {
    auto* cl = new ComboList(Frame9);
    cl->setObjectName(QString::fromLatin1(counts[i]));
    cl->setMode(ComboList::Mode::Setting);
    cl->setEnabled(false);
    at(cl, {4600 + i * 900, 1020, 850, kListHeight});
  }

  Frame5 = new QGroupBox(Frame_Other);
  Frame5->setObjectName(QStringLiteral("Frame5"));
  at(Frame5, kFrame5);
  Frame5->hide();
  auto* user = new QLabel(Frame5);
  user->setObjectName(QStringLiteral("Label_PassWord_User"));
  at(user, {150, 220, 900, kLabelHeight});
  auto* userBox = new TextBox(Frame5);
  userBox->setObjectName(QStringLiteral("Text_PassWord_User"));
  at(userBox, {1100, 190, 1500, kBoxHeight});
  auto* super = new QLabel(Frame5);
  super->setObjectName(QStringLiteral("Label_PassWord_Super"));
  at(super, {3000, 220, 900, kLabelHeight});
  auto* superBox = new TextBox(Frame5);
  superBox->setObjectName(QStringLiteral("Text_PassWord_Super"));
  at(superBox, {3950, 190, 1500, kBoxHeight});
}

// ---- the controls of the core's names -----------------------------------------

TextBox* frm_Adj_Txp::box(Box b, int m) const {
  const auto k = static_cast<std::size_t>(m);
  switch (b) {
    case Box::Text1: return Text1.at(k);
    case Box::Text2: return Text2.at(k);
    case Box::Text_SQ_VHF: return Text_SQ_VHF.at(k);
    case Box::Text_Sq_Offset_VHF: return Text_Sq_Offset_VHF.at(k);
    case Box::Text_SQ_UHF: return Text_SQ_UHF.at(k);
    case Box::Text_Sq_Offset_UHF: return Text_Sq_Offset_UHF.at(k);
  }
  return nullptr;
}

ComboList* frm_Adj_Txp::list(List l, int m) const {
  const auto k = static_cast<std::size_t>(m);
  switch (l) {
    case List::Combo_dev_voice: return Combo_dev_voice.at(k);
    case List::Combo_dev_ctcss: return Combo_dev_ctcss.at(k);
    case List::Combo_dev_dcs: return Combo_dev_dcs.at(k);
    case List::Combo_dev_tone: return Combo_dev_tone;
    case List::Combo_RX_VH: return Combo_RX_VH.at(k);
    case List::Combo_RX_VL: return Combo_RX_VL.at(k);
    case List::Combo_OSC_Add: return Combo_OSC_Add;
    case List::Combo_OSC_Dec: return Combo_OSC_Dec;
    case List::Combo_vox: return Combo_vox.at(k);
    case List::Combo_batt_comp: return Combo_batt_comp.at(k);
  }
  return nullptr;
}

TextBox* frm_Adj_Txp::line(Line l) const {
  switch (l) {
    case Line::Text_PON_MSG_U: return Text_PON_MSG_U;
    case Line::Text_PON_MSG_D: return Text_PON_MSG_D;
    case Line::Text_info_0: return Text_info_0;
    case Line::Text_info_1: return Text_info_1;
  }
  return nullptr;
}

QWidget* frm_Adj_Txp::control(const adj::Control& c) const {
  const std::string_view name(c.name);
  const int m = c.member < 0 ? 0 : c.member;
  for (int b = 0; b < adj::kBoxKinds; ++b)
    if (name == adj::Spec(static_cast<Box>(b)).name) return box(static_cast<Box>(b), m);
  for (int l = 0; l < adj::kListKinds; ++l)
    if (name == adj::Spec(static_cast<List>(l)).name) return list(static_cast<List>(l), m);
  for (int l = 0; l < adj::kLines; ++l)
    if (name == adj::Spec(static_cast<Line>(l)).name) return line(static_cast<Line>(l));
  if (name == "Text_Freq_L") return Text_Freq_L.at(static_cast<std::size_t>(m));
  if (name == "Text_Freq_H") return Text_Freq_H.at(static_cast<std::size_t>(m));
  return nullptr;
}

// ---- load and unload ------------------------------------------------------------

void frm_Adj_Txp::Form_Load() {
  // Size and centre from the main window (its outer size and client area).
  if (ctx.main) {
    const double w = ctx.main->Width() / 1.48, h = ctx.main->Height() / 1.2;
    setTwipsGeometry((ctx.main->ScaleWidth() - w) / 2, (ctx.main->ScaleHeight() - h) / 2, w, h);
  }
  At(this, TabStrip1, kTabStrip);
  // The page groups from the window's outer size (Frame_Frame's height from
  // its width, as it was designed).
  const double W = TwipsWidth(), H = TwipsHeight();
  place(Frame_Frame, kGroupLeft, kGroupTop, W / 1.1, W / 2);
  place(Frame_Sql, kGroupLeft, kGroupTop, W / 1.1, H / 1.49);
  place(Frame_Dev, kGroupLeft, kGroupTop, W / 1.15, H / 1.6);
  place(Frame_Other, kGroupLeft, kGroupTop, W / 1.4, H / 1.7);
  // The progress label keeps its place and takes the room the window has to
  // its right, so that the English progress texts are not cut where there
  // is room for them.
  if (frame()->layout()) frame()->layout()->activate();
  place(Label_tr_count, kLabelTrCount.left, kLabelTrCount.top,
        std::max<double>(kLabelTrCount.width, ScaleWidth() - kLabelTrCount.left - kLabelMargin), kLabelTrCount.height);
  // A new window has a new session: no exchange, timers off, its own reply
  // buffer empty.
  ProgressBar1->hide();
  // Band edges, page set-up, the first page and its display.
  Run([this] { return adj::Adj_Form_Load(editor_); });
  // Every list (filled now) and caption as wide as its texts need, on every
  // page; the page groups keep their sizes where their contents fit.
  FitTexts(this);
  Timer4->arm(500);
}

void frm_Adj_Txp::Form_Unload() {
  Timer4->stop();
  link->End();
}

// ---- running a handler ----------------------------------------------------------

void frm_Adj_Txp::Run(const std::function<adj::Effects()>& step) {
  ++handling_;
  // The limit boxes have no change event: what is typed in them is only
  // in the boxes until they are left.
  for (int b = 0; b < 2; ++b) {
    const auto k = static_cast<std::size_t>(b);
    view_.freqL[k] = Text_Freq_L[k]->Text();
    view_.freqH[k] = Text_Freq_H[k]->Text();
  }
  const adj::Effects fx = step();
  Show_view();
  Show_effects(fx);
  --handling_;
}

void frm_Adj_Txp::Show_view() {
  syncing_ = true;
  const adj::View& v = view_;
  setWindowTitle(v.windowCaption);
  Put(Frame_Frame, v.frameFrameCaption);
  Visible(Frame_Frame, v.shown == adj::Group::Frame_Frame);
  Visible(Frame_Sql, v.shown == adj::Group::Frame_Sql);
  Visible(Frame_Dev, v.shown == adj::Group::Frame_Dev);
  Visible(Frame_Other, v.shown == adj::Group::Frame_Other);
  if (TabStrip1->SelectedIndex() != v.page) TabStrip1->setSelectedIndex(v.page);
  for (int b = 0; b < 2; ++b) Put(Frame_B0[static_cast<std::size_t>(b)], v.frameB0[static_cast<std::size_t>(b)]);
  Put(Frame_Sql_UHF, v.frameSqlUhf);
  Check_Band->setValue(v.checkBand ? 1 : 0);
  if (Check_Band->text() != v.checkBandCaption) Check_Band->setText(v.checkBandCaption);
  Put(Label_F1, v.labelF1);
  for (std::size_t i = 0; i < 16; ++i) {
    Put(Label1[i], v.label1[i]);
    Put(Label_UHF[i], v.labelUhf[i]);
    Put(Label_Sq_Offset_Vhf[i], v.labelSqOffsetVhf[i]);
    Put(Label_Sq_Offset_UHF[i], v.labelSqOffsetUhf[i]);
    Visible(Label_UHF[i], v.pointUhfVisible[i]);
    Visible(Text2[i], v.pointUhfVisible[i]);
  }
  for (std::size_t i = 0; i < 10; ++i) {
    Put(Label_Sql_VHF[i], v.labelSqlVhf[i]);
    Put(Label_Sql_UHF[i], v.labelSqlUhf[i]);
  }
  for (std::size_t i = 0; i < 11; ++i) Put(Label_Vox[i], v.labelVox[i]);
  for (int b = 0; b < adj::kBoxKinds; ++b) {
    const adj::BoxSpec& s = adj::Spec(static_cast<Box>(b));
    for (int m = 0; m < s.members; ++m) Put(box(static_cast<Box>(b), m), view_.text(static_cast<Box>(b), m));
  }
  for (int l = 0; l < adj::kListKinds; ++l) {
    const adj::ListSpec& s = adj::Spec(static_cast<List>(l));
    const int items = v.listItems[static_cast<std::size_t>(l)];
    for (int m = 0; m < s.members; ++m) {
      ComboList* c = list(static_cast<List>(l), m);
      if (c->ListCount() != items) {
        c->Clear();
        c->AddItems(Items(items));
      }
      const int index = view_.index(static_cast<List>(l), m);
      if (c->ListIndex() != index) c->setListIndex(index);
    }
  }
  for (int b = 0; b < 2; ++b) {
    const auto k = static_cast<std::size_t>(b);
    Put(Text_Freq_L[k], v.freqL[k]);
    Put(Text_Freq_H[k], v.freqH[k]);
    Check_Tx[k]->setValue(v.checkTx[k] ? 1 : 0);
  }
  for (int l = 0; l < adj::kLines; ++l) Put(line(static_cast<Line>(l)), view_.text(static_cast<Line>(l)));
  syncing_ = false;
}

void frm_Adj_Txp::Show_effects(const adj::Effects& fx) {
  // The focus first, so that the box the message is about has it when the
  // message box gives the window back.
  if (fx.focus) {
    QWidget* w = control(*fx.focus);
    if (auto* t = qobject_cast<TextBox*>(w))
      t->SetFocus();
    else if (auto* c = qobject_cast<ComboList*>(w))
      c->SetFocus();
  }
  // A message box runs a nested event loop in which the window may be
  // unloaded: it is still there afterwards (the host deletes it once this
  // handler has returned), but the notices after it are not shown.
  for (const adj::Notice& n : fx.notices) {
    if (Unloading()) return;
    MsgBox(n.message, n.icon);
  }
}

// ---- pages ----------------------------------------------------------------------

void frm_Adj_Txp::TabStrip1_Click() {
  const std::optional<int> page = adj::PageOfKey(TabStrip1->SelectedKey());
  if (!page) return;
  Run([&] { return adj::TabStrip1_Click(editor_, *page); });
}

// ---- number boxes ---------------------------------------------------------------

void frm_Adj_Txp::Box_change(Box b, int index) {
  const QString text = box(b, index)->Text();
  Run([&] { return adj::SetBoxText(editor_, b, index, text); });
}

void frm_Adj_Txp::Text1_Change(int index) { Box_change(Box::Text1, index); }
void frm_Adj_Txp::Text2_Change(int index) { Box_change(Box::Text2, index); }
void frm_Adj_Txp::Text_SQ_VHF_Change(int index) { Box_change(Box::Text_SQ_VHF, index); }
void frm_Adj_Txp::Text_Sq_Offset_VHF_Change(int index) { Box_change(Box::Text_Sq_Offset_VHF, index); }
void frm_Adj_Txp::Text_SQ_UHF_Change(int index) { Box_change(Box::Text_SQ_UHF, index); }
void frm_Adj_Txp::Text_Sq_Offset_UHF_Change(int index) { Box_change(Box::Text_Sq_Offset_UHF, index); }

// ---- lists ------------------------------------------------------------------------

void frm_Adj_Txp::List_click(List l, int index) {
  const int chosen = list(l, index)->ListIndex();
  Run([&] { return adj::SelectItem(editor_, l, index, chosen); });
}

void frm_Adj_Txp::Combo_dev_voice_Click(int index) { List_click(List::Combo_dev_voice, index); }
void frm_Adj_Txp::Combo_dev_ctcss_Click(int index) { List_click(List::Combo_dev_ctcss, index); }
void frm_Adj_Txp::Combo_dev_dcs_Click(int index) { List_click(List::Combo_dev_dcs, index); }
void frm_Adj_Txp::Combo_dev_tone_Click() { List_click(List::Combo_dev_tone, 0); }
void frm_Adj_Txp::Combo_RX_VH_Click(int index) { List_click(List::Combo_RX_VH, index); }
void frm_Adj_Txp::Combo_RX_VL_Click(int index) { List_click(List::Combo_RX_VL, index); }
void frm_Adj_Txp::Combo_OSC_Add_Click() { List_click(List::Combo_OSC_Add, 0); }
void frm_Adj_Txp::Combo_OSC_Dec_Click() { List_click(List::Combo_OSC_Dec, 0); }
void frm_Adj_Txp::Combo_vox_Click(int index) { List_click(List::Combo_vox, index); }
void frm_Adj_Txp::Combo_batt_comp_Click(int index) { List_click(List::Combo_batt_comp, index); }

void frm_Adj_Txp::Combo_dev_voice_KeyPress(int, int& key) { key = 0; }
void frm_Adj_Txp::Combo_dev_ctcss_KeyPress(int, int& key) { key = 0; }
void frm_Adj_Txp::Combo_dev_dcs_KeyPress(int, int& key) { key = 0; }
void frm_Adj_Txp::Combo_RX_VH_KeyPress(int, int& key) { key = 0; }
void frm_Adj_Txp::Combo_RX_VL_KeyPress(int, int& key) { key = 0; }
void frm_Adj_Txp::Combo_OSC_Add_KeyPress(int& key) { key = 0; }
void frm_Adj_Txp::Combo_OSC_Dec_KeyPress(int& key) { key = 0; }
void frm_Adj_Txp::Combo_vox_KeyPress(int, int& key) { key = 0; }
void frm_Adj_Txp::Combo_batt_comp_KeyPress(int, int& key) { key = 0; }

void frm_Adj_Txp::Typed_into_tone_gain() {
  // Typed text leaves the list showing no item; only a choice stores.
  view_.index(List::Combo_dev_tone, 0) = adj::kNoItem;
}

// ---- band check box and limits -------------------------------------------------

void frm_Adj_Txp::Check_Band_Click() {
  const bool checked = Check_Band->Checked();
  Run([&] { return adj::SetCheckBand(editor_, checked); });
}

void frm_Adj_Txp::Text_Freq_L_KeyPress(int index, int& key) {
  if (!adj::LimitKeyAccepted(Text_Freq_L.at(static_cast<std::size_t>(index))->Text())) key = 0;
}

void frm_Adj_Txp::Text_Freq_H_KeyPress(int index, int& key) {
  if (!adj::LimitKeyAccepted(Text_Freq_H.at(static_cast<std::size_t>(index))->Text())) key = 0;
}

void frm_Adj_Txp::Text_Freq_L_LostFocus(int index) {
  Run([&] { return adj::Text_Freq_L_LostFocus(editor_, index); });
}

void frm_Adj_Txp::Text_Freq_H_LostFocus(int index) {
  Run([&] { return adj::Text_Freq_H_LostFocus(editor_, index); });
}

// ---- text lines -------------------------------------------------------------------

void frm_Adj_Txp::Line_change(Line l) {
  const QString text = line(l)->Text();
  Run([&] { return adj::SetLineText(editor_, l, text); });
}

void frm_Adj_Txp::Line_key(Line l, int& key) {
  if (!adj::LineKeyAccepted(line(l)->Text(), static_cast<char16_t>(key), adj::Spec(l).digitsOnly)) key = 0;
}

void frm_Adj_Txp::Text_PON_MSG_U_Change() { Line_change(Line::Text_PON_MSG_U); }
void frm_Adj_Txp::Text_PON_MSG_D_Change() { Line_change(Line::Text_PON_MSG_D); }
void frm_Adj_Txp::Text_info_0_Change() { Line_change(Line::Text_info_0); }
void frm_Adj_Txp::Text_info_1_Change() { Line_change(Line::Text_info_1); }
void frm_Adj_Txp::Text_PON_MSG_U_KeyPress(int& key) { Line_key(Line::Text_PON_MSG_U, key); }
void frm_Adj_Txp::Text_PON_MSG_D_KeyPress(int& key) { Line_key(Line::Text_PON_MSG_D, key); }
void frm_Adj_Txp::Text_info_0_KeyPress(int& key) { Line_key(Line::Text_info_0, key); }
void frm_Adj_Txp::Text_info_1_KeyPress(int& key) { Line_key(Line::Text_info_1, key); }
void frm_Adj_Txp::Text_PON_MSG_U_LostFocus() {
  Run([this] { return adj::LineLostFocus(editor_, Line::Text_PON_MSG_U); });
}
void frm_Adj_Txp::Text_PON_MSG_D_LostFocus() {
  Run([this] { return adj::LineLostFocus(editor_, Line::Text_PON_MSG_D); });
}
void frm_Adj_Txp::Text_info_0_LostFocus() {
  Run([this] { return adj::LineLostFocus(editor_, Line::Text_info_0); });
}
void frm_Adj_Txp::Text_info_1_LostFocus() {
  Run([this] { return adj::LineLostFocus(editor_, Line::Text_info_1); });
}

// ---- buttons -----------------------------------------------------------------------

void frm_Adj_Txp::Command_read_Click() { read.Start(*link); }

void frm_Adj_Txp::Command_Write_Click() { write.Start(*link, ctx.st.AdjTable); }

void frm_Adj_Txp::Command_open_Click() {
  if (link->Refused_while_busy()) return;
  ctx.host.openAndShow<Form_open_adj>();
}

void frm_Adj_Txp::Command_save_Click() {
  if (link->Refused_while_busy()) return;
  ctx.host.openAndShow<Form_save_adj>();
}

void frm_Adj_Txp::Command_close_Click() {
  // Refused while an exchange runs; otherwise the port is closed.
  if (!link->Close_request()) return;
  ctx.host.unloadWindow(this);
  // No .adj dialog stays open without its window.
  ctx.host.unload<Form_open_adj>();
  ctx.host.unload<Form_save_adj>();
}

// ---- the alignment file ------------------------------------------------------------

void frm_Adj_Txp::Timer4_Timer() {
  // One poll at a time, and none while a handler or a display runs (its
  // message box may be open): the request waits for the next tick.
  if (handling_ > 0) return;
  ++handling_;
  for (const adj::AdjRequest& r :
       adj::Adj_file_poll(ctx.st.File_load_req, ctx.st.File_save_req, ctx.st.Adj_file_requests)) {
    if (Unloading()) break;
    if (r.op == adj::AdjFileOp::Load)
      Adj_File_Load(r.path);
    else
      Adj_File_Save(r.path);
  }
  --handling_;
}

void frm_Adj_Txp::Adj_File_Load(const QString& path) {
  adj::AdjFileData file;
  const adj::AdjFileResult result = adj::Adj_file_load(path, file);
  if (!result.ok()) {
    // All or nothing: the table and the display stay as they were.
    ctx.MsgBox(adj::Adj_file_error_text(result, chinese()), adj::kFileTitle.in(chinese()));
    return;
  }
  Run([&] { return adj::ApplyLoadedTable(editor_, file.bandChecked, file.rows); });
  if (Unloading()) return;
  Progress_hide();
  Label_tr_count->clear();
}

void frm_Adj_Txp::Adj_File_Save(const QString& path) {
  // The completion is reported only once the file is wholly on disk; a failed
  // save (the old file kept) says why, naming a folder that is not writable.
  NumberSaveFailure why;
  if (adj::Adj_file_save(path, ctx.st.AdjTable, view_.checkBand, &why))
    MsgBox(adj::kFileSavedMsg);
  else
    ctx.MsgBox(adj::Adj_file_save_error_text(why, chinese()), adj::kFileTitle.in(chinese()));
}

// ---- TransferView ----------------------------------------------------------------

void frm_Adj_Txp::Progress_show(int value) {
  ProgressBar1->setValue(value);
  ProgressBar1->setVisible(true);
}

void frm_Adj_Txp::Progress_hide() {
  ProgressBar1->setValue(0);
  ProgressBar1->setVisible(false);
}

void frm_Adj_Txp::Label_set(const QString& text) { Label_tr_count->setText(text); }
