#pragma once
// The alignment window's controls as data, and its handlers as functions on
// them. A window holds real controls; it runs these functions from its
// controls' events and then shows the View they leave, with the messages and
// the focus request they return. Everything that one user action sets off —
// a page display that puts every value into its control, each of which runs
// its own handler at once, nested, and writes the value back — happens here,
// before any message box is shown, so no event can run between two of the
// nested steps.
//
// Rules that the controls follow:
// - putting a value into a control runs its handler, nested, as a user's
//   change would; putting the value it already shows runs nothing;
// - a list set to a value beyond its last item shows no item and runs no
//   handler, so the cell keeps its value (0xFF from an unprogrammed radio);
// - emptying and refilling a list leaves it showing no item;
// - the page display shows the text lines without storing them (their show
//   does not give the cells back as they were); typing into a line stores it.
#include "alignment/adj_rules.h"
#include "alignment/adj_table.h"
#include "alignment/adj_texts.h"
#include "platform/core/editor_effects.h"
#include "platform/core/prompt.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace adj {

// ---- Lists.
enum class List {
  Combo_dev_voice,
  Combo_dev_ctcss,
  Combo_dev_dcs,
  Combo_dev_tone,
  Combo_RX_VH,
  Combo_RX_VL,
  Combo_OSC_Add,
  Combo_OSC_Dec,
  Combo_vox,
  Combo_batt_comp
};
constexpr int kListKinds = 10;
constexpr int kMaxMembers = 11;
struct ListSpec {
  const char* name;
  int members;
  int items;  // item k shows " k" and stands for the value k
  int row;
  int col;         // the cell of member i is (row, col + i)
  bool keysTyped;  // only the tone-gain list's edit field takes typed characters
};
const ListSpec& Spec(List l);
constexpr int kNoItem = -1;

// ---- Number boxes.
enum class Box { Text1, Text2, Text_SQ_VHF, Text_Sq_Offset_VHF, Text_SQ_UHF, Text_Sq_Offset_UHF };
constexpr int kBoxKinds = 6;
struct BoxSpec {
  const char* name;
  int members;
  int maximum;
  const Message* message;
};
const BoxSpec& Spec(Box b);
// The table row a box writes: power boxes by the page shown (Text1 rows 0, 2,
// 4; Text2 rows 1, 3, 5), squelch boxes their own row.
int BoxRow(Box b, int page);

// ---- Text lines.
enum class Line { Text_PON_MSG_U, Text_PON_MSG_D, Text_info_0, Text_info_1 };
constexpr int kLines = 4;
struct LineSpec {
  const char* name;
  int row;
  int col;
  bool rawCodes;    // shows the character with the cell's code
  bool digitsOnly;  // takes only typed digits
};
const LineSpec& Spec(Line l);

// What each control shows.
struct View {
  int page = 0;                    // Adj_page
  Bands bands = Adj_bands(false);  // Adj_band_low / Adj_band_high
  QString windowCaption = QString::fromUtf8(kWindowTitle.chinese);
  QString frameFrameCaption = QString::fromUtf8(kWindowTitle.chinese);
  Group shown = Group::Frame_Frame;

  std::array<QString, 2> frameB0;  // Frame_B0(0), Frame_B0(1)
  QString frameSqlUhf;
  bool checkBand = false;  // Check_Band, created unchecked with the 400..520 captions
  QString checkBandCaption = QString::fromUtf8(CheckBandCaption(false).chinese);
  QString labelF1 = QString::fromUtf8(LabelF1Caption(false).chinese);
  std::array<QString, 16> label1, labelUhf, labelSqOffsetVhf, labelSqOffsetUhf;
  std::array<bool, 16> pointUhfVisible{};  // Label_UHF(i) and Text2(i)
  std::array<QString, 10> labelSqlVhf, labelSqlUhf;
  std::array<QString, 11> labelVox;
  std::array<int, kListKinds> listItems{};  // number of items each list holds

  std::array<std::array<QString, 16>, kBoxKinds> box;
  std::array<std::array<int, kMaxMembers>, kListKinds> list;
  std::array<QString, 2> freqL{QStringLiteral("240"), QStringLiteral("200")};  // Text_Freq_L
  std::array<QString, 2> freqH{QStringLiteral("280"), QStringLiteral("270")};  // Text_Freq_H
  std::array<bool, 2> checkTx{};
  std::array<QString, kLines> line{QStringLiteral("KELMOR"), QStringLiteral("COMM"), QStringLiteral("Text5"),
                                   QStringLiteral("Text6")};

  View();
  QString& text(Box b, int member) { return box[static_cast<std::size_t>(b)][static_cast<std::size_t>(member)]; }
  int& index(List l, int member) { return list[static_cast<std::size_t>(l)][static_cast<std::size_t>(member)]; }
  QString& text(Line l) { return line[static_cast<std::size_t>(l)]; }
};

// The messages and the focus request a handler returns (the shape every
// editor's rules share).
using editor::Control;
using editor::Effects;
using editor::Notice;

// What the handlers work on: the alignment table and its factory defaults,
// the second-band flag (Band220Selected) and the controls.
struct Editor {
  Table& table;
  const Table& defaults;
  std::int16_t& Band220Selected;
  View& view;
};

// The window's load: band edges, page set-up, first page shown and displayed.
Effects Adj_Form_Load(Editor& e);
// Band captions, point labels and list items of all pages; sets Check_Band
// from Band220Selected (running its click when that changes it).
void Adj_Page_Init(Editor& e, Effects& fx);
// Shows the current page from the table, each shown value through its handler
// (the text lines excepted: they are shown and not stored).
void Adj_Show(Editor& e, Effects& fx);
Effects Adj_Show(Editor& e);

// The page of a tab key; nothing for an unknown key.
std::optional<int> PageOfKey(const QString& key);
// A click on a tab: page, captions, group, display.
Effects TabStrip1_Click(Editor& e, int page);

// The user's change of a control's value: puts it into the control (which
// runs the handler when it differs from what the control shows).
Effects SelectItem(Editor& e, List l, int member, int index);
Effects SetBoxText(Editor& e, Box b, int member, const QString& text);
Effects SetLineText(Editor& e, Line l, const QString& text);
Effects SetCheckBand(Editor& e, bool checked);
// Leaving a text line shows the page again.
Effects LineLostFocus(Editor& e, Line l);
// Leaving a limit box: the checks, then the store of all four limits.
Effects Text_Freq_L_LostFocus(Editor& e, int band);
Effects Text_Freq_H_LostFocus(Editor& e, int band);

// A loaded file: sets Check_Band from the file's band line (running its
// click when that changes it), then rows 0..15 from the file, which replace
// what the click put into row 12, then shows the page and reports success.
Effects ApplyLoadedTable(Editor& e, bool bandChecked, const FileRows& rows);

}  // namespace adj
