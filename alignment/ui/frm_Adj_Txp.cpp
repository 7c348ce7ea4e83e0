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
#include <span>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

using adj::Box;
using adj::Line;
using adj::List;
using adj::Same;

namespace {

// ---- the layout: every control the window makes, in the order it makes them
// (the tab order), where it lies (twips from the top left corner of its
// parent) and what it is --------------------------------------------------

// What a row makes.
enum class Make {
  Tabs,          // the tab strip
  Page,          // a page's group, placed at the load from the window's size
  Group,         // a group
  Label,         // a label, its text on the left
  CentredLabel,  // a label, its text in the middle
  Box,           // a number or text box
  List,          // a list of numbers, chosen from
  Check,         // a check box
  Progress,      // the progress bar
  Button,        // a push button
};

// How a row's controls are named: the row's name alone; the name with the
// member's index as the "Index" property (an array's member); or the name
// with "_" and the index appended (a control of its own in each member).
enum class Naming { Single, Indexed, Suffixed };

// A label's buddy: the member of the row before or after it in its run.
enum class Buddy { None, Previous, Next };

struct Step {
  double dx = 0, dy = 0;
};

// The window's member that keeps a made control (a control or an array),
// and the group a row's controls lie in.
using Slot = void (*)(frm_Adj_Txp& w, int member, QWidget* control);
using Parent = QWidget* (*)(const frm_Adj_Txp& w);

template <auto Member>
void Into(frm_Adj_Txp& w, int member, QWidget* control) {
  auto& m = w.*Member;
  if constexpr (requires { m.size(); }) {
    m.at(static_cast<std::size_t>(member)) = static_cast<std::remove_reference_t<decltype(m[0])>>(control);
  } else {
    m = static_cast<std::remove_reference_t<decltype(m)>>(control);
  }
}
template <auto Member, int Index = -1>
QWidget* In(const frm_Adj_Txp& w) {
  if constexpr (Index < 0)
    return w.*Member;
  else
    return (w.*Member)[Index];
}

// One row of the layout: `count` controls, member i at `at` moved by
// `along` for each place before it in its line (i % perLine) and by
// `across` for each line before its own (i / perLine). Rows marked
// `withNext` form a run with the rows after them: the run makes its
// members one index at a time (member 0 of every row, then member 1, ...).
struct LayoutRow {
  Make make;
  const char* name;
  Parent in = nullptr;  // null: the window
  TwipsRect at{};
  Slot into = nullptr;  // null: a control the window does not name
  Naming naming = Naming::Single;
  int count = 1;
  int perLine = 1;
  Step along{}, across{};
  Buddy buddy = Buddy::None;
  bool withNext = false;
  int firstIndex = 0;   // Naming::Indexed: the first member's index
  bool enabled = true;  // false: shown, never used
  bool hidden = false;  // made hidden and never shown
  bool raised = false;  // above the groups, however large they grow
};

constexpr TwipsRect kTabStrip{200, 100, 10095, 7455};
constexpr int kGroupLeft = 300, kGroupTop = 600;
constexpr TwipsRect kLabelTrCount{7800, 7800, 2415, 255};
constexpr int kLabelMargin = 120;

constexpr double kBoxHeight = 330, kLabelHeight = 255, kListHeight = 360;

// The modulation and volume page: a label and its list per line.
constexpr TwipsRect DevLabel(int line) { return {200, 430 + line * 420.0, 1900, kLabelHeight}; }
constexpr TwipsRect DevList(int line) { return {2150, 380 + line * 420.0, 1300, kListHeight}; }

// The frequency range page's band lines, the text lines' boxes.
constexpr Step kBandLine{0, 360};
constexpr TwipsRect kLineLeft{150, 330, 1500, kBoxHeight};
constexpr TwipsRect kLineRight{1800, 330, 1500, kBoxHeight};

using Win = frm_Adj_Txp;

// One row a line or two, as the design is read.
// clang-format off
constexpr LayoutRow kLayout[] = {
    // The tab strip first: the page groups lie over its panel.
    {.make = Make::Tabs, .name = "TabStrip1", .at = kTabStrip, .into = Into<&Win::TabStrip1>},
    {.make = Make::Page, .name = "Frame_Frame", .into = Into<&Win::Frame_Frame>},
    {.make = Make::Page, .name = "Frame_Sql", .into = Into<&Win::Frame_Sql>},
    {.make = Make::Page, .name = "Frame_Dev", .into = Into<&Win::Frame_Dev>},
    {.make = Make::Page, .name = "Frame_Other", .into = Into<&Win::Frame_Other>},

    // Pages 0..2: each band's sixteen power points in two lines of eight,
    // the point's label above its box; the members of both bands in turn.
    {.make = Make::Group, .name = "Frame_B0", .in = In<&Win::Frame_Frame>, .at = {150, 300, 9100, 2000},
     .into = Into<&Win::Frame_B0>, .naming = Naming::Indexed, .count = 2, .across = {0, 2150}},
    {.make = Make::CentredLabel, .name = "Label1", .in = In<&Win::Frame_B0, 0>, .at = {120, 330, 1050, kLabelHeight},
     .into = Into<&Win::Label1>, .naming = Naming::Indexed, .count = 16, .perLine = 8, .along = {1120, 0},
     .across = {0, 850}, .buddy = Buddy::Next, .withNext = true},
    {.make = Make::Box, .name = "Text1", .in = In<&Win::Frame_B0, 0>, .at = {210, 600, 870, kBoxHeight},
     .into = Into<&Win::Text1>, .naming = Naming::Indexed, .count = 16, .perLine = 8, .along = {1120, 0},
     .across = {0, 850}, .withNext = true},
    {.make = Make::CentredLabel, .name = "Label_UHF", .in = In<&Win::Frame_B0, 1>, .at = {120, 330, 1050, kLabelHeight},
     .into = Into<&Win::Label_UHF>, .naming = Naming::Indexed, .count = 16, .perLine = 8, .along = {1120, 0},
     .across = {0, 850}, .buddy = Buddy::Next, .withNext = true},
    {.make = Make::Box, .name = "Text2", .in = In<&Win::Frame_B0, 1>, .at = {210, 600, 870, kBoxHeight},
     .into = Into<&Win::Text2>, .naming = Naming::Indexed, .count = 16, .perLine = 8, .along = {1120, 0},
     .across = {0, 850}},

    // Page 3: per band the headings, the ten levels, then the sixteen points
    // in two columns of eight.
    {.make = Make::Group, .name = "Frame1", .in = In<&Win::Frame_Sql>, .at = {150, 300, 4500, 4300},
     .into = Into<&Win::Frame1>},
    {.make = Make::Group, .name = "Frame_Sql_UHF", .in = In<&Win::Frame_Sql>, .at = {4800, 300, 4500, 4300},
     .into = Into<&Win::Frame_Sql_UHF>},
    {.make = Make::CentredLabel, .name = "Label_Level_VHF", .in = In<&Win::Frame1>,
     .at = {150, 300, 500, kLabelHeight}},
    {.make = Make::CentredLabel, .name = "Label_Open_VHF", .in = In<&Win::Frame1>, .at = {650, 300, 800, kLabelHeight}},
    {.make = Make::CentredLabel, .name = "Label_Point_VHF_0", .in = In<&Win::Frame1>,
     .at = {1550, 300, 650, kLabelHeight}},
    {.make = Make::CentredLabel, .name = "Label_Offset_VHF_0", .in = In<&Win::Frame1>,
     .at = {2200, 300, 700, kLabelHeight}},
    {.make = Make::CentredLabel, .name = "Label_Point_VHF_1", .in = In<&Win::Frame1>,
     .at = {2950, 300, 650, kLabelHeight}},
    {.make = Make::CentredLabel, .name = "Label_Offset_VHF_1", .in = In<&Win::Frame1>,
     .at = {3600, 300, 700, kLabelHeight}},
    {.make = Make::CentredLabel, .name = "Label_Sql_VHF", .in = In<&Win::Frame1>, .at = {150, 600, 450, kLabelHeight},
     .into = Into<&Win::Label_Sql_VHF>, .naming = Naming::Indexed, .count = 10, .across = {0, 360},
     .buddy = Buddy::Next, .withNext = true},
    {.make = Make::Box, .name = "Text_SQ_VHF", .in = In<&Win::Frame1>, .at = {650, 570, 750, kBoxHeight},
     .into = Into<&Win::Text_SQ_VHF>, .naming = Naming::Indexed, .count = 10, .across = {0, 360}},
    {.make = Make::CentredLabel, .name = "Label_Sq_Offset_Vhf", .in = In<&Win::Frame1>,
     .at = {1550, 600, 600, kLabelHeight},
     .into = Into<&Win::Label_Sq_Offset_Vhf>, .naming = Naming::Indexed, .count = 16, .perLine = 8, .along = {0, 360},
     .across = {1400, 0}, .buddy = Buddy::Next, .withNext = true},
    {.make = Make::Box, .name = "Text_Sq_Offset_VHF", .in = In<&Win::Frame1>, .at = {2200, 570, 650, kBoxHeight},
     .into = Into<&Win::Text_Sq_Offset_VHF>, .naming = Naming::Indexed, .count = 16, .perLine = 8, .along = {0, 360},
     .across = {1400, 0}},
    {.make = Make::CentredLabel, .name = "Label_Level_UHF", .in = In<&Win::Frame_Sql_UHF>,
     .at = {150, 300, 500, kLabelHeight}},
    {.make = Make::CentredLabel, .name = "Label_Open_UHF", .in = In<&Win::Frame_Sql_UHF>,
     .at = {650, 300, 800, kLabelHeight}},
    {.make = Make::CentredLabel, .name = "Label_Point_UHF_0", .in = In<&Win::Frame_Sql_UHF>,
     .at = {1550, 300, 650, kLabelHeight}},
    {.make = Make::CentredLabel, .name = "Label_Offset_UHF_0", .in = In<&Win::Frame_Sql_UHF>,
     .at = {2200, 300, 700, kLabelHeight}},
    {.make = Make::CentredLabel, .name = "Label_Point_UHF_1", .in = In<&Win::Frame_Sql_UHF>,
     .at = {2950, 300, 650, kLabelHeight}},
    {.make = Make::CentredLabel, .name = "Label_Offset_UHF_1", .in = In<&Win::Frame_Sql_UHF>,
     .at = {3600, 300, 700, kLabelHeight}},
    {.make = Make::CentredLabel, .name = "Label_Sql_UHF", .in = In<&Win::Frame_Sql_UHF>,
     .at = {150, 600, 450, kLabelHeight},
     .into = Into<&Win::Label_Sql_UHF>, .naming = Naming::Indexed, .count = 10, .across = {0, 360},
     .buddy = Buddy::Next, .withNext = true},
    {.make = Make::Box, .name = "Text_SQ_UHF", .in = In<&Win::Frame_Sql_UHF>, .at = {650, 570, 750, kBoxHeight},
     .into = Into<&Win::Text_SQ_UHF>, .naming = Naming::Indexed, .count = 10, .across = {0, 360}},
    {.make = Make::CentredLabel, .name = "Label_Sq_Offset_UHF", .in = In<&Win::Frame_Sql_UHF>,
     .at = {1550, 600, 600, kLabelHeight}, .into = Into<&Win::Label_Sq_Offset_UHF>, .naming = Naming::Indexed,
     .count = 16, .perLine = 8, .along = {0, 360}, .across = {1400, 0}, .buddy = Buddy::Next, .withNext = true},
    {.make = Make::Box, .name = "Text_Sq_Offset_UHF", .in = In<&Win::Frame_Sql_UHF>, .at = {2200, 570, 650, kBoxHeight},
     .into = Into<&Win::Text_Sq_Offset_UHF>, .naming = Naming::Indexed, .count = 16, .perLine = 8,
     .along = {0, 360}, .across = {1400, 0}},

    // Page 4: deviation, tone gain and oscillator lists; the receive volumes.
    {.make = Make::Group, .name = "Frame_Dev_1", .in = In<&Win::Frame_Dev>, .at = {150, 300, 4300, 3000},
     .into = Into<&Win::Frame_Dev_1>, .naming = Naming::Indexed},
    {.make = Make::Group, .name = "Frame_Dev_2", .in = In<&Win::Frame_Dev>, .at = {4600, 300, 4300, 3000},
     .into = Into<&Win::Frame_Dev_2>, .naming = Naming::Indexed, .firstIndex = 1},
    {.make = Make::Label, .name = "Label_dev_voice", .in = In<&Win::Frame_Dev_1>, .at = DevLabel(0),
     .buddy = Buddy::Next,
     .withNext = true},
    {.make = Make::List, .name = "Combo_dev_voice", .in = In<&Win::Frame_Dev_1>, .at = DevList(0),
     .into = Into<&Win::Combo_dev_voice>, .naming = Naming::Indexed},
    {.make = Make::Label, .name = "Label_dev_ctcss", .in = In<&Win::Frame_Dev_1>, .at = DevLabel(1),
     .buddy = Buddy::Next,
     .withNext = true},
    {.make = Make::List, .name = "Combo_dev_ctcss", .in = In<&Win::Frame_Dev_1>, .at = DevList(1),
     .into = Into<&Win::Combo_dev_ctcss>, .naming = Naming::Indexed},
    {.make = Make::Label, .name = "Label_dev_dcs", .in = In<&Win::Frame_Dev_1>, .at = DevLabel(2), .buddy = Buddy::Next,
     .withNext = true},
    {.make = Make::List, .name = "Combo_dev_dcs", .in = In<&Win::Frame_Dev_1>, .at = DevList(2),
     .into = Into<&Win::Combo_dev_dcs>, .naming = Naming::Indexed},
    {.make = Make::Label, .name = "Label_dev_tone", .in = In<&Win::Frame_Dev_1>, .at = DevLabel(3),
     .buddy = Buddy::Next,
     .withNext = true},
    {.make = Make::List, .name = "Combo_dev_tone", .in = In<&Win::Frame_Dev_1>, .at = DevList(3),
     .into = Into<&Win::Combo_dev_tone>},
    {.make = Make::Label, .name = "Label_OSC_Add", .in = In<&Win::Frame_Dev_1>, .at = DevLabel(4), .buddy = Buddy::Next,
     .withNext = true},
    {.make = Make::List, .name = "Combo_OSC_Add", .in = In<&Win::Frame_Dev_1>, .at = DevList(4),
     .into = Into<&Win::Combo_OSC_Add>},
    {.make = Make::Label, .name = "Label_OSC_Dec", .in = In<&Win::Frame_Dev_1>, .at = DevLabel(5), .buddy = Buddy::Next,
     .withNext = true},
    {.make = Make::List, .name = "Combo_OSC_Dec", .in = In<&Win::Frame_Dev_1>, .at = DevList(5),
     .into = Into<&Win::Combo_OSC_Dec>},
    // Wide band then narrow band, each coarse then fine: a list, then its label.
    {.make = Make::List, .name = "Combo_RX_VH", .in = In<&Win::Frame_Dev_2>, .at = DevList(0),
     .into = Into<&Win::Combo_RX_VH>,
     .naming = Naming::Indexed, .count = 2, .across = {0, 840}, .withNext = true},
    {.make = Make::Label, .name = "Label_RX_VH", .in = In<&Win::Frame_Dev_2>, .at = DevLabel(0),
     .naming = Naming::Suffixed,
     .count = 2, .across = {0, 840}, .buddy = Buddy::Previous, .withNext = true},
    {.make = Make::List, .name = "Combo_RX_VL", .in = In<&Win::Frame_Dev_2>, .at = DevList(1),
     .into = Into<&Win::Combo_RX_VL>,
     .naming = Naming::Indexed, .count = 2, .across = {0, 840}, .withNext = true},
    {.make = Make::Label, .name = "Label_RX_VL", .in = In<&Win::Frame_Dev_2>, .at = DevLabel(1),
     .naming = Naming::Suffixed,
     .count = 2, .across = {0, 840}, .buddy = Buddy::Previous},

    // Page 5: the band limits, battery thresholds, VOX levels, the text lines.
    {.make = Make::Label, .name = "Label_band", .in = In<&Win::Frame_Other>, .at = {150, 300, 700, kLabelHeight}},
    {.make = Make::Label, .name = "Label_band_range", .in = In<&Win::Frame_Other>,
     .at = {850, 300, 2300, kLabelHeight}},
    {.make = Make::Label, .name = "Label_band_limit", .in = In<&Win::Frame_Other>,
     .at = {3200, 300, 2600, kLabelHeight}},
    {.make = Make::Label, .name = "Label_band_tx", .in = In<&Win::Frame_Other>, .at = {5900, 300, 1300, kLabelHeight}},
    {.make = Make::Label, .name = "Label_F0", .in = In<&Win::Frame_Other>, .at = {150, 640, 3000, kLabelHeight},
     .into = Into<&Win::Label_F0>},
    {.make = Make::Label, .name = "Label_F1", .in = In<&Win::Frame_Other>, .at = {150, 1000, 3000, kLabelHeight},
     .into = Into<&Win::Label_F1>},
    {.make = Make::Label, .name = "Label_from", .in = In<&Win::Frame_Other>, .at = {3200, 640, 250, kLabelHeight},
     .naming = Naming::Suffixed, .count = 2, .across = kBandLine, .buddy = Buddy::Next, .withNext = true},
    {.make = Make::Box, .name = "Text_Freq_L", .in = In<&Win::Frame_Other>, .at = {3450, 610, 800, 315},
     .into = Into<&Win::Text_Freq_L>, .naming = Naming::Indexed, .count = 2, .across = kBandLine, .withNext = true},
    {.make = Make::Label, .name = "Label_to", .in = In<&Win::Frame_Other>, .at = {4350, 640, 250, kLabelHeight},
     .naming = Naming::Suffixed, .count = 2, .across = kBandLine, .buddy = Buddy::Next, .withNext = true},
    {.make = Make::Box, .name = "Text_Freq_H", .in = In<&Win::Frame_Other>, .at = {4600, 610, 800, 315},
     .into = Into<&Win::Text_Freq_H>, .naming = Naming::Indexed, .count = 2, .across = kBandLine, .withNext = true},
    // Shows the radio's transmit permission only.
    {.make = Make::Check, .name = "Check_Tx", .in = In<&Win::Frame_Other>, .at = {6200, 625, 300, 300},
     .into = Into<&Win::Check_Tx>, .naming = Naming::Indexed, .count = 2, .across = kBandLine, .enabled = false},
    {.make = Make::Group, .name = "Frame2", .in = In<&Win::Frame_Other>, .at = {150, 1450, 2400, 2650},
     .into = Into<&Win::Frame2>},
    {.make = Make::Label, .name = "Label_batt", .in = In<&Win::Frame2>, .at = {120, 330, 1050, kLabelHeight},
     .naming = Naming::Suffixed, .count = 6, .across = {0, 380}, .buddy = Buddy::Next, .withNext = true},
    {.make = Make::List, .name = "Combo_batt_comp", .in = In<&Win::Frame2>, .at = {1200, 285, 1050, kListHeight},
     .into = Into<&Win::Combo_batt_comp>, .naming = Naming::Indexed, .count = 6, .across = {0, 380}},
    {.make = Make::Group, .name = "Frame_vox", .in = In<&Win::Frame_Other>, .at = {2700, 1450, 4550, 2650},
     .into = Into<&Win::Frame_vox>},
    {.make = Make::CentredLabel, .name = "Label_vox_level_0", .in = In<&Win::Frame_vox>,
     .at = {100, 270, 900, kLabelHeight}},
    {.make = Make::CentredLabel, .name = "Label_vox_value_0", .in = In<&Win::Frame_vox>,
     .at = {1000, 270, 1100, kLabelHeight}},
    {.make = Make::CentredLabel, .name = "Label_vox_level_1", .in = In<&Win::Frame_vox>,
     .at = {2300, 270, 900, kLabelHeight}},
    {.make = Make::CentredLabel, .name = "Label_vox_value_1", .in = In<&Win::Frame_vox>,
     .at = {3200, 270, 1100, kLabelHeight}},
    {.make = Make::CentredLabel, .name = "Label_Vox", .in = In<&Win::Frame_vox>, .at = {150, 600, 800, kLabelHeight},
     .into = Into<&Win::Label_Vox>, .naming = Naming::Indexed, .count = 11, .perLine = 6, .along = {0, 330},
     .across = {2200, 0}, .buddy = Buddy::Next, .withNext = true},
    {.make = Make::List, .name = "Combo_vox", .in = In<&Win::Frame_vox>, .at = {1050, 555, 1000, kBoxHeight},
     .into = Into<&Win::Combo_vox>, .naming = Naming::Indexed, .count = 11, .perLine = 6, .along = {0, 330},
     .across = {2200, 0}},
    {.make = Make::Group, .name = "Frame3", .in = In<&Win::Frame_Other>, .at = {150, 4200, 3500, 800},
     .into = Into<&Win::Frame3>},
    {.make = Make::Box, .name = "Text_PON_MSG_U", .in = In<&Win::Frame3>, .at = kLineLeft,
     .into = Into<&Win::Text_PON_MSG_U>},
    {.make = Make::Box, .name = "Text_PON_MSG_D", .in = In<&Win::Frame3>, .at = kLineRight,
     .into = Into<&Win::Text_PON_MSG_D>},
    {.make = Make::Group, .name = "Frame4", .in = In<&Win::Frame_Other>, .at = {3750, 4200, 3500, 800},
     .into = Into<&Win::Frame4>},
    {.make = Make::Box, .name = "Text_info_0", .in = In<&Win::Frame4>, .at = kLineLeft,
     .into = Into<&Win::Text_info_0>},
    {.make = Make::Box, .name = "Text_info_1", .in = In<&Win::Frame4>, .at = kLineRight,
     .into = Into<&Win::Text_info_1>},

    // Made hidden and never shown: the squelch registers of row 15 and the
    // passwords, which the window carries unchanged.
    {.make = Make::Group, .name = "Frame9", .in = In<&Win::Frame_Sql>, .at = {150, 4700, 9100, 1500},
     .into = Into<&Win::Frame9>,
     .hidden = true},
    {.make = Make::Box, .name = "Text_Sq_Reg", .in = In<&Win::Frame9>, .at = {150, 300, 1300, kBoxHeight},
     .naming = Naming::Indexed, .count = 12, .perLine = 6, .along = {1450, 0}, .across = {0, 360}},
    {.make = Make::Check, .name = "Check_Rssi_Det", .in = In<&Win::Frame9>, .at = {150, 1050, 1000, 300}},
    {.make = Make::Check, .name = "Check_Noise_Det", .in = In<&Win::Frame9>, .at = {1250, 1050, 1000, 300}},
    {.make = Make::Check, .name = "Check_Modu_Det", .in = In<&Win::Frame9>, .at = {2350, 1050, 1000, 300}},
    {.make = Make::Check, .name = "Check_Pkdet_Det", .in = In<&Win::Frame9>, .at = {3450, 1050, 1000, 300}},
    {.make = Make::List, .name = "Combo_Pkdet_Count", .in = In<&Win::Frame9>, .at = {4600, 1020, 850, kListHeight},
     .enabled = false},
    {.make = Make::List, .name = "Combo_Rssi_Count", .in = In<&Win::Frame9>, .at = {5500, 1020, 850, kListHeight},
     .enabled = false},
    {.make = Make::List, .name = "Combo_Modu_Count", .in = In<&Win::Frame9>, .at = {6400, 1020, 850, kListHeight},
     .enabled = false},
    {.make = Make::List, .name = "Combo_Sif_COunt", .in = In<&Win::Frame9>, .at = {7300, 1020, 850, kListHeight},
     .enabled = false},
    {.make = Make::List, .name = "Combo_Noise_Count", .in = In<&Win::Frame9>, .at = {8200, 1020, 850, kListHeight},
     .enabled = false},
    {.make = Make::Group, .name = "Frame5", .in = In<&Win::Frame_Other>, .at = {150, 5050, 7100, 550},
     .into = Into<&Win::Frame5>,
     .hidden = true},
    {.make = Make::Label, .name = "Label_PassWord_User", .in = In<&Win::Frame5>, .at = {150, 220, 900, kLabelHeight}},
    {.make = Make::Box, .name = "Text_PassWord_User", .in = In<&Win::Frame5>, .at = {1100, 190, 1500, kBoxHeight}},
    {.make = Make::Label, .name = "Label_PassWord_Super", .in = In<&Win::Frame5>, .at = {3000, 220, 900, kLabelHeight}},
    {.make = Make::Box, .name = "Text_PassWord_Super", .in = In<&Win::Frame5>, .at = {3950, 190, 1500, kBoxHeight}},

    // Below the groups, over the tab strip's panel: it shows on every page.
    {.make = Make::Check, .name = "Check_Band", .at = {300, 7150, 6000, 300}, .into = Into<&Win::Check_Band>,
     .raised = true},
    {.make = Make::Progress, .name = "ProgressBar1", .at = {120, 7680, 7575, 495}, .into = Into<&Win::ProgressBar1>,
     .raised = true},
    {.make = Make::Label, .name = "Label_tr_count", .at = kLabelTrCount, .into = Into<&Win::Label_tr_count>,
     .raised = true},
    {.make = Make::Button, .name = "Command_read", .at = {600, 8160, 855, 495}, .into = Into<&Win::Command_read>,
     .raised = true},
    {.make = Make::Button, .name = "Command_Write", .at = {1920, 8160, 855, 495}, .into = Into<&Win::Command_Write>,
     .raised = true},
    {.make = Make::Button, .name = "Command_save", .at = {4560, 8160, 855, 495}, .into = Into<&Win::Command_save>,
     .raised = true},
    {.make = Make::Button, .name = "Command_open", .at = {5880, 8160, 855, 495}, .into = Into<&Win::Command_open>,
     .raised = true},
    {.make = Make::Button, .name = "Command_close", .at = {7200, 8160, 855, 495}, .into = Into<&Win::Command_close>,
     .raised = true},
};
// clang-format on

// Makes the control of a row for one member, in its place.
QWidget* MakeMember(frm_Adj_Txp& w, const LayoutRow& row, int i) {
  QWidget* parent = row.in ? row.in(w) : &w;
  QWidget* c = nullptr;
  switch (row.make) {
    case Make::Tabs: c = new TabStrip(parent); break;
    case Make::Page:
    case Make::Group: c = new QGroupBox(parent); break;
    case Make::Label:
    case Make::CentredLabel: {
      auto* l = new QLabel(parent);
      l->setAlignment((row.make == Make::Label ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter);
      c = l;
      break;
    }
    case Make::Box: c = new TextBox(parent); break;
    case Make::List: {
      auto* l = new ComboList(parent);
      l->setMode(ComboList::Mode::Setting);
      c = l;
      break;
    }
    case Make::Check: c = new CheckBox(parent); break;
    case Make::Progress: c = new QProgressBar(parent); break;
    case Make::Button: c = new QPushButton(parent); break;
  }
  QString name = QString::fromLatin1(row.name);
  if (row.naming == Naming::Suffixed) name += u'_' + QString::number(i);
  c->setObjectName(name);
  if (row.naming == Naming::Indexed) c->setProperty("Index", row.firstIndex + i);
  if (row.make != Make::Page) {
    const int inLine = i % row.perLine, line = i / row.perLine;
    w.place(c, {row.at.left + inLine * row.along.dx + line * row.across.dx,
                row.at.top + inLine * row.along.dy + line * row.across.dy, row.at.width, row.at.height});
  }
  if (!row.enabled) c->setEnabled(false);
  if (row.hidden) c->hide();
  if (row.into) row.into(w, i, c);
  return c;
}

// Makes the window's controls row by row, a run member by member; then the
// controls outside the groups go above them.
void LayOut(frm_Adj_Txp& w, std::span<const LayoutRow> rows) {
  std::vector<QWidget*> raised;
  for (std::size_t first = 0; first < rows.size();) {
    std::size_t end = first + 1;
    while (rows[end - 1].withNext) ++end;
    const std::span<const LayoutRow> run = rows.subspan(first, end - first);
    for (int i = 0; i < run.front().count; ++i) {
      std::vector<QWidget*> made;
      for (const LayoutRow& row : run) {
        made.push_back(MakeMember(w, row, i));
        if (row.raised) raised.push_back(made.back());
      }
      for (std::size_t k = 0; k < run.size(); ++k) {
        if (run[k].buddy == Buddy::None) continue;
        static_cast<QLabel*>(made[k])->setBuddy(made[run[k].buddy == Buddy::Next ? k + 1 : k - 1]);
      }
    }
    first = end;
  }
  for (QWidget* c : raised) c->raise();
}

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

}  // namespace

// ---- construction ------------------------------------------------------------

frm_Adj_Txp::frm_Adj_Txp(AppContext& c)
    : RadioWindow(c), ctx(c), editor_{c.st.AdjTable, c.st.AdjDefaults, c.st.Band220Selected, view_} {
  setObjectName(QStringLiteral("frm_Adj_Txp"));
  Captions(adj::kFixedCaptions);
  Captions(kLayoutCaptions);
  Captions(kDetectCaptions);

  LayOut(*this, kLayout);
  for (const adj::PageSpec& p : adj::kPageSpecs) TabStrip1->AddTab(QString::fromLatin1(p.key), p.tab.in(true));
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setValue(0);
  ProgressBar1->setTextVisible(false);
  // The lists that take no typing get a field that nothing typed, deleted or
  // pasted changes; the mouse and the arrow keys still choose.
  for (int l = 0; l < adj::kListKinds; ++l) {
    const adj::ListSpec& s = adj::Spec(static_cast<List>(l));
    for (int m = 0; m < s.members; ++m) list(static_cast<List>(l), m)->setFieldReadOnly(!s.keysTyped);
  }
  Connect_handlers();

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

void frm_Adj_Txp::Connect_handlers() {
  TabStrip1->onClick = On(&frm_Adj_Txp::TabStrip1_Click);
  for (int i = 0; i < 16; ++i) {
    Text1[static_cast<std::size_t>(i)]->onChange = On(&frm_Adj_Txp::Text1_Change, i);
    Text2[static_cast<std::size_t>(i)]->onChange = On(&frm_Adj_Txp::Text2_Change, i);
    Text_Sq_Offset_VHF[static_cast<std::size_t>(i)]->onChange = On(&frm_Adj_Txp::Text_Sq_Offset_VHF_Change, i);
    Text_Sq_Offset_UHF[static_cast<std::size_t>(i)]->onChange = On(&frm_Adj_Txp::Text_Sq_Offset_UHF_Change, i);
  }
  for (int i = 0; i < 10; ++i) {
    Text_SQ_VHF[static_cast<std::size_t>(i)]->onChange = On(&frm_Adj_Txp::Text_SQ_VHF_Change, i);
    Text_SQ_UHF[static_cast<std::size_t>(i)]->onChange = On(&frm_Adj_Txp::Text_SQ_UHF_Change, i);
  }

  Combo_dev_voice[0]->onClick = On(&frm_Adj_Txp::Combo_dev_voice_Click, 0);
  Combo_dev_ctcss[0]->onClick = On(&frm_Adj_Txp::Combo_dev_ctcss_Click, 0);
  Combo_dev_dcs[0]->onClick = On(&frm_Adj_Txp::Combo_dev_dcs_Click, 0);
  Combo_dev_tone->onClick = On(&frm_Adj_Txp::Combo_dev_tone_Click);
  Combo_OSC_Add->onClick = On(&frm_Adj_Txp::Combo_OSC_Add_Click);
  Combo_OSC_Dec->onClick = On(&frm_Adj_Txp::Combo_OSC_Dec_Click);
  Combo_dev_voice[0]->onKeyPress = On(&frm_Adj_Txp::Combo_dev_voice_KeyPress, 0);
  Combo_dev_ctcss[0]->onKeyPress = On(&frm_Adj_Txp::Combo_dev_ctcss_KeyPress, 0);
  Combo_dev_dcs[0]->onKeyPress = On(&frm_Adj_Txp::Combo_dev_dcs_KeyPress, 0);
  Combo_OSC_Add->onKeyPress = On(&frm_Adj_Txp::Combo_OSC_Add_KeyPress);
  Combo_OSC_Dec->onKeyPress = On(&frm_Adj_Txp::Combo_OSC_Dec_KeyPress);
  // The tone gain's field takes typing, which changes only what it shows.
  Combo_dev_tone->onChange = On(&frm_Adj_Txp::Typed_into_tone_gain);
  for (int i = 0; i < 2; ++i) {
    Combo_RX_VH[static_cast<std::size_t>(i)]->onClick = On(&frm_Adj_Txp::Combo_RX_VH_Click, i);
    Combo_RX_VL[static_cast<std::size_t>(i)]->onClick = On(&frm_Adj_Txp::Combo_RX_VL_Click, i);
    Combo_RX_VH[static_cast<std::size_t>(i)]->onKeyPress = On(&frm_Adj_Txp::Combo_RX_VH_KeyPress, i);
    Combo_RX_VL[static_cast<std::size_t>(i)]->onKeyPress = On(&frm_Adj_Txp::Combo_RX_VL_KeyPress, i);
  }

  for (int b = 0; b < 2; ++b) {
    const auto k = static_cast<std::size_t>(b);
    Text_Freq_L[k]->onKeyPress = On(&frm_Adj_Txp::Text_Freq_L_KeyPress, b);
    Text_Freq_H[k]->onKeyPress = On(&frm_Adj_Txp::Text_Freq_H_KeyPress, b);
    Text_Freq_L[k]->onLostFocus = On(&frm_Adj_Txp::Text_Freq_L_LostFocus, b);
    Text_Freq_H[k]->onLostFocus = On(&frm_Adj_Txp::Text_Freq_H_LostFocus, b);
  }
  for (int i = 0; i < 6; ++i) {
    Combo_batt_comp[static_cast<std::size_t>(i)]->onClick = On(&frm_Adj_Txp::Combo_batt_comp_Click, i);
    Combo_batt_comp[static_cast<std::size_t>(i)]->onKeyPress = On(&frm_Adj_Txp::Combo_batt_comp_KeyPress, i);
  }
  for (int i = 0; i < 11; ++i) {
    Combo_vox[static_cast<std::size_t>(i)]->onClick = On(&frm_Adj_Txp::Combo_vox_Click, i);
    Combo_vox[static_cast<std::size_t>(i)]->onKeyPress = On(&frm_Adj_Txp::Combo_vox_KeyPress, i);
  }
  Text_PON_MSG_U->onChange = On(&frm_Adj_Txp::Text_PON_MSG_U_Change);
  Text_PON_MSG_D->onChange = On(&frm_Adj_Txp::Text_PON_MSG_D_Change);
  Text_info_0->onChange = On(&frm_Adj_Txp::Text_info_0_Change);
  Text_info_1->onChange = On(&frm_Adj_Txp::Text_info_1_Change);
  Text_PON_MSG_U->onKeyPress = On(&frm_Adj_Txp::Text_PON_MSG_U_KeyPress);
  Text_PON_MSG_D->onKeyPress = On(&frm_Adj_Txp::Text_PON_MSG_D_KeyPress);
  Text_info_0->onKeyPress = On(&frm_Adj_Txp::Text_info_0_KeyPress);
  Text_info_1->onKeyPress = On(&frm_Adj_Txp::Text_info_1_KeyPress);
  Text_PON_MSG_U->onLostFocus = On(&frm_Adj_Txp::Text_PON_MSG_U_LostFocus);
  Text_PON_MSG_D->onLostFocus = On(&frm_Adj_Txp::Text_PON_MSG_D_LostFocus);
  Text_info_0->onLostFocus = On(&frm_Adj_Txp::Text_info_0_LostFocus);
  Text_info_1->onLostFocus = On(&frm_Adj_Txp::Text_info_1_LostFocus);

  Check_Band->onClick = On(&frm_Adj_Txp::Check_Band_Click);
  connect(Command_read, &QPushButton::clicked, this, On(&frm_Adj_Txp::Command_read_Click));
  connect(Command_Write, &QPushButton::clicked, this, On(&frm_Adj_Txp::Command_Write_Click));
  connect(Command_save, &QPushButton::clicked, this, On(&frm_Adj_Txp::Command_save_Click));
  connect(Command_open, &QPushButton::clicked, this, On(&frm_Adj_Txp::Command_open_Click));
  connect(Command_close, &QPushButton::clicked, this, On(&frm_Adj_Txp::Command_close_Click));
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
  place(TabStrip1, kTabStrip);
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
  // page; the page groups keep their sizes where their contents fit. (At 96
  // dpi the frequency-range page's battery and VOX lists need more than
  // designed; on a 1024 x 768 screen that page's group grows past W / 1.4.)
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
  const ShowingView showing(*this);
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
