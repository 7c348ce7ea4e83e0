#pragma once
// The options window's controls as data, and its handlers as functions on
// them. The window (settings/ui/frm_option) holds real controls; each event
// runs one of these functions on a copy of the image, the band and VFO
// limits and the View, and the window then applies what they leave: the rows
// the window edits through ImageStore as its own change, the VFO limits and
// the channel count into the session, the View onto its controls (no handler
// runs meanwhile), the focus request, and the messages. Every nested step
// that one user action sets off happens here, before any message box opens.
//
// Rules the controls follow, as the live controls do:
// - putting a value into a control runs its handler at once, nested, as a
//   user's change would; putting the value it already shows runs nothing;
// - a list set to a position past its end shows no item and runs nothing;
//   text put into a list's field selects no item and runs no click handler;
// - an option button that becomes selected runs its handler and deselects
//   the other one of its frame, which runs none;
// - a text box runs its change handler on every real change of its text.
//
// The show (Opt_show): the option block's controls in their fixed order
// (opt_block.h), then VFO A and VFO B. Each VFO step reads the record as the
// handlers run before it have left it: the frequency box emptied and set,
// the offset box, the two tones (OFF and the DCS codes select their item, a
// CTCSS tone is text in the field), the band list, the range display of the
// band shown, the setting lists (byte 28 read once for both its lists, byte
// 29 likewise), and last each value stored as shown (vfo::ShowStore). A band
// list whose index changes runs the band choice: the VFO's limits become the
// chosen band's, a frequency outside the band becomes the band's first one,
// byte 26 is stored, and the frequency commit runs, which ends with a whole
// show (nested); in that show the band list already holds its index, so it
// runs nothing and the recursion ends. The nested show's writes come in the
// order the live controls made them.
//
// A frequency or offset commit (the box left, the window left or unloaded
// with typed text) stores what it makes of the text, raises its range
// message, puts that text into the box and (frequency, unless the window is
// unloading) runs the whole show. The window
// shows the messages before it applies anything, and applies nothing when
// the image was changed by someone else or the window began to unload while
// a message was open. Where its own handlers (a screen reader pressing a
// control while the message is open) changed the image meanwhile, the window
// runs the same handler again on what they left and applies that.
//
// Default runs at once: the channel count 200, the factory block (the bytes
// without a factory value keep what the image holds now), the factory VFO
// fields and FM labels, the show.
//
// The working copy of the block that a show and Default use is local to them.
#include "platform/core/editor_effects.h"
#include "settings/opt_block.h"
#include "settings/vfo_freq.h"
#include "settings/vfo_record.h"
#include "settings/vfo_tone.h"
#include "state/image.h"
#include "state/image_store.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

namespace opt {

using editor::Control;
using editor::Effects;
using editor::Notice;

// The rows the window edits: the option block, the VFO records and the FM
// band labels (which Default writes).
extern const RowRuns kEditedRows;

// What one VFO frame's controls show.
struct VfoView {
  QString freq, offset;  // Text_Freq, Text_Offset
  // The user changed the box's text since it last got the focus, and no
  // commit has taken it yet.
  bool freqTyped = false, offsetTyped = false;
  QString range;  // Text_Range
  // The lists by vfo::List (the band list included): the item shown, -1 none.
  std::array<int, 8> list{-1, -1, -1, -1, -1, -1, -1, -1};
  // The receive and transmit tone lists: the item shown, or none and the
  // field's text (the window puts the field's text here before a handler
  // runs, also while an item is shown).
  std::array<vfo::ToneShown, 2> tone{};
  int& index(vfo::List l) { return list[static_cast<std::size_t>(l)]; }
  int index(vfo::List l) const { return list[static_cast<std::size_t>(l)]; }
};

// What every control of the window shows. A new window: no list has an item,
// Check_Beep checked, Option_freq selected, the boxes empty.
struct View {
  OptControls controls = Opt_controls_created();
  std::array<VfoView, 2> vfo{};
  QString channTotal;  // Text_chann_total (hidden)
};

// The session's limits: the editors' band limits (read) and the VFO limits
// Freq_a_low .. Freq_b_high (A, B), which the window sets.
struct Limits {
  vfo::Bands bands;
  std::array<vfo::BandLimits, 2> vfo;
};

// What the handlers work on.
struct Editor {
  img::Image& image;
  Limits& limits;
  View& view;
  std::int16_t& Chann_total;
  const QStringList& Tone_list_fine;
  bool unloading = false;  // the window's unload has begun
};

// The VFO frames' frequency and offset boxes by side (0 VFO A, 1 VFO B): the
// window's names for them.
inline constexpr std::array<const char*, 2> kFreqBoxes{"Text_Freq_a", "Text_Freq_b"};
inline constexpr std::array<const char*, 2> kOffsetBoxes{"Text_Offset_A", "Text_Offset_B"};

// The controls that a focus request names.
Control FreqBox(int side);
Control OffsetBox(int side);

// The load's last steps: the VFO limits from the band limits, the show.
Effects Form_Load(Editor& e);
// Activation: the VFO limits, the channel count, the show.
Effects Form_Activate(Editor& e);
// A change of the image that the window did not make: what the user typed
// into the VFO boxes is replaced (nothing is left to commit), then as
// activation.
Effects Image_changed(Editor& e);
Effects Command_def_Click(Editor& e);

// A user's change of an option-block control to `value` (a list's index, a
// check box 1 or 0, an option button 1 when it became selected).
Effects Opt_setting_Click(Editor& e, OptCtl control, int value);

// VFO handlers; `side` 0 is VFO A, 1 VFO B.
Effects Combo_Band_Click(Editor& e, int side, int index);
// The band list's field changed and it shows item `index` (-1: none).
Effects Combo_Band_Change(Editor& e, int side, int index);
Effects Text_Freq_Change(Editor& e, int side, const QString& text);
Effects Text_Offset_Change(Editor& e, int side, const QString& text);
// The box is left holding `text`.
Effects Text_Freq_LostFocus(Editor& e, int side, const QString& text);
Effects Text_Offset_LostFocus(Editor& e, int side, const QString& text);
Effects Vfo_list_Click(Editor& e, int side, vfo::List list, int index);
Effects Combo_ctdcs_Click(Editor& e, int side, vfo::Tone tone, int index);
// The tone list is left: its field's text looked up, else the image shown again.
Effects Combo_ctdcs_LostFocus(Editor& e, int side, vfo::Tone tone);

}  // namespace opt
