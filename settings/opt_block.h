#pragma once
// The option block's controls of the options window frm_option, without the
// window: which byte each control edits, what its handler writes, and what a
// show of the block sets every control to and writes back.
//
// The block is radio 0x0E20..0x0E5F, image rows 226..229, byte k in cell
// (226 + k / 16, k % 16). A handler writes the one entry its control edits
// into the image as it is at that moment, and nothing else: the bytes that no
// control edits (and those that the write preparation or a file load changed
// since the window last showed the block) are never rewritten from an older
// copy.
#include "image/opt_positions.h"
#include "state/image.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

struct OptList;

// The 35 controls that edit the block: ten check boxes, 23 lists and the two
// work-mode option buttons.
enum class OptCtl : std::uint8_t {
  Check_tdr,
  Check_Beep,
  Check_bcl,
  Check_Autolk,
  Check_db_PTT,
  Check_Lock,
  Check_chann_menu,
  Check_chann_init,
  Check_Alarm_Sound,
  Check_radio,
  Combo_sql,
  Combo_save,
  Combo_vox,
  Combo_abr,
  Combo_tot,
  Combo_voice,
  Combo_dtmfst,
  Combo_sc_rev,
  Combo_ptt_id,
  Combo_ptt_lt,
  Combo_MDF_A,
  Combo_MDF_B,
  Combo_wt_led,
  Combo_rx_led,
  Combo_tx_led,
  Combo_AL_Mode,
  Combo_Tdr_ab,
  Combo_ste,
  Combo_Rp_Ste,
  Combo_RPT_RL,
  Combo_ponmsg,
  Combo_roger,
  Combo_ab_Beep,
  Option_chann,
  Option_freq,
};
constexpr int kOptControlCount = 35;

enum class OptKind : std::uint8_t {
  Box,          // 1 checked, 0 not
  FlagBox,      // one bit of the flags byte (Pos_flags)
  List,         // the index of the chosen item
  OptionChann,  // the work mode: 1 while this button is selected
  OptionFreq,   // the work mode: 0 while this button is selected
};

struct OptControl {
  OptCtl id;
  const char* name;  // the control's object name
  OptKind kind;
  std::int16_t position;
  std::uint8_t mask;            // FlagBox: its bit
  const OptList* list() const;  // List: its items (see opt_lists.h); nullptr for the others
};

// All 35, in OptCtl order.
std::span<const OptControl> Opt_controls();
const OptControl& Opt_control(OptCtl c);

// What the controls show. A list holds the index of its selected item (-1:
// none); a check box 1 checked or 0; an option button 1 selected or 0.
struct OptControls {
  std::array<std::int16_t, kOptControlCount> value{};
  bool Combo_Tdr_ab_enabled = true;
  bool Check_Alarm_Sound_enabled = true;
  std::int16_t& operator[](OptCtl c) { return value[static_cast<std::size_t>(c)]; }
  std::int16_t operator[](OptCtl c) const { return value[static_cast<std::size_t>(c)]; }
  bool operator==(const OptControls&) const = default;
};

// The controls of a newly created window: no list has a selection, Check_Beep
// is checked and every other box clear, Option_freq is selected, everything
// enabled.
OptControls Opt_controls_created();

// One entry written into the block.
struct OptWrite {
  int offset;
  std::int16_t value;
  bool operator==(const OptWrite&) const = default;
};

// What a handler did: the entry it wrote (none for a list index outside the
// list), and the enabled state of the control that depends on it.
struct OptCommit {
  std::optional<OptWrite> write;
  std::optional<bool> Combo_Tdr_ab_enabled;       // from Check_tdr
  std::optional<bool> Check_Alarm_Sound_enabled;  // from Combo_AL_Mode
};

// The handler of `control` after its state became `value` (as OptControls
// holds it; a check box that is greyed counts as not checked, so pass 1 only
// for a checked box). Box: the entry := 1 or 0. Flag box: its bit set or
// cleared in the flags byte as it is now, the other seven bits kept (a cell
// outside 0..255 is taken by its low eight bits). List: the entry := the
// index. Option_chann selected writes 1, Option_freq selected writes 0.
// Check_tdr enables Combo_Tdr_ab exactly while it is checked; Combo_AL_Mode
// enables Check_Alarm_Sound while its index is above 0.
OptCommit Opt_commit(img::Image& image, OptCtl control, int value);
OptCommit Opt_commit(std::span<std::int16_t, kOptBlockSize> block, OptCtl control, int value);

// The key handler of a list: the character it lets through, 0 for none. Every
// list but Combo_sql drops every character (its value is set only by choosing
// an item); Combo_sql's text field takes typing, which stores nothing.
int Opt_list_KeyPress(OptCtl list, int KeyAscii);

// The item a list shows for a stored entry: the entry itself when it is an
// index of the list, otherwise the last item (a byte beyond the end, or a
// cell outside 0..255, never indexes past the list).
int Opt_list_index(std::int16_t entry, int count);

// The block of an image, byte k at index k.
std::array<std::int16_t, kOptBlockSize> Opt_block(const img::Image& image);

// The show of the block (the copy of rows 226..229 and the setting of every
// control, in the window's fixed order; the VFO records are shown apart).
// Setting a control to another state runs its handler, exactly as a user's
// change would, and setting it to the state it has runs none (an option
// button: its handler only when it becomes selected). A list, a set-once box
// (Check_tdr, Check_db_PTT) and the option pair are set from their entry;
// the flag boxes are all cleared, then those whose bit the byte (read once,
// before) holds are checked; Check_Lock, Check_Autolk, Check_bcl and
// Check_Beep are cleared, then checked when their entry as read before the
// clear is not 0. Afterwards Combo_Tdr_ab is enabled exactly while Check_tdr
// is checked, and Check_Alarm_Sound while Combo_AL_Mode's index is above 0.
// Last, every control stores what it shows (Opt_store_shown), also one that
// the show did not change: a value beyond a list's end that the list already
// showed as its last item, a box byte of 2 under a box already checked, a
// work mode of 5 while channel mode was already selected. After any show the
// block holds exactly what the controls show, whatever they showed before.
//
// Every control's value stored as `shown` says it shows it, through its
// handler's rule (Opt_commit): a list its index (none: nothing), a box 1 or 0,
// a flag box its bit; of the work-mode buttons only the selected one stores.
// Returns the entries that this changes, in control order.
std::vector<OptWrite> Opt_store_shown(std::span<std::int16_t, kOptBlockSize> block, const OptControls& shown);

// The show on a model of the controls: `before` is what the controls show
// before the show (Opt_controls_created() for the first).
struct OptShow {
  OptControls controls;  // what every control shows
  // The handlers' writes, in order, then the entries that storing what the
  // controls show changes.
  std::vector<OptWrite> writes;
  std::array<std::int16_t, kOptBlockSize> block{};  // the block after them
};
OptShow Opt_show_block(std::span<const std::int16_t, kOptBlockSize> block, const OptControls& before);

// The same on the image: reads rows 226..229, writes the handlers' entries
// back, and leaves `controls` as the show sets them. Returns the writes.
std::vector<OptWrite> Opt_show(img::Image& image, OptControls& controls);
