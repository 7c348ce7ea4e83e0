#include "settings/opt_block.h"

#include "settings/opt_lists.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace {

using K = OptKind;
using C = OptCtl;

constexpr std::uint8_t kMenu = 0x01, kInit = 0x02, kAlarmSound = 0x08, kRadio = 0x10;

constexpr std::array<OptControl, kOptControlCount> kControls{{
    {C::Check_tdr, "Check_tdr", K::Box, Pos_tdr, 0},
    {C::Check_Beep, "Check_Beep", K::Box, Pos_beep, 0},
    {C::Check_bcl, "Check_bcl", K::Box, Pos_bcl, 0},
    {C::Check_Autolk, "Check_Autolk", K::Box, Pos_autolk, 0},
    {C::Check_db_PTT, "Check_db_PTT", K::Box, Pos_db_ptt, 0},
    {C::Check_Lock, "Check_Lock", K::Box, Pos_lock, 0},
    {C::Check_chann_menu, "Check_chann_menu", K::FlagBox, Pos_flags, kMenu},
    {C::Check_chann_init, "Check_chann_init", K::FlagBox, Pos_flags, kInit},
    {C::Check_Alarm_Sound, "Check_Alarm_Sound", K::FlagBox, Pos_flags, kAlarmSound},
    {C::Check_radio, "Check_radio", K::FlagBox, Pos_flags, kRadio},
    {C::Combo_sql, "Combo_sql", K::List, Pos_sql, 0},
    {C::Combo_save, "Combo_save", K::List, Pos_save, 0},
    {C::Combo_vox, "Combo_vox", K::List, Pos_vox, 0},
    {C::Combo_abr, "Combo_abr", K::List, Pos_abr, 0},
    {C::Combo_tot, "Combo_tot", K::List, Pos_tot, 0},
    {C::Combo_voice, "Combo_voice", K::List, Pos_voice, 0},
    {C::Combo_dtmfst, "Combo_dtmfst", K::List, Pos_dtmfst, 0},
    {C::Combo_sc_rev, "Combo_sc_rev", K::List, Pos_sc_rev, 0},
    {C::Combo_ptt_id, "Combo_ptt_id", K::List, Pos_ptt_id, 0},
    {C::Combo_ptt_lt, "Combo_ptt_lt", K::List, Pos_ptt_lt, 0},
    {C::Combo_MDF_A, "Combo_MDF_A", K::List, Pos_mdf_a, 0},
    {C::Combo_MDF_B, "Combo_MDF_B", K::List, Pos_mdf_b, 0},
    {C::Combo_wt_led, "Combo_wt_led", K::List, Pos_wt_led, 0},
    {C::Combo_rx_led, "Combo_rx_led", K::List, Pos_rx_led, 0},
    {C::Combo_tx_led, "Combo_tx_led", K::List, Pos_tx_led, 0},
    {C::Combo_AL_Mode, "Combo_AL_Mode", K::List, Pos_al_mode, 0},
    {C::Combo_Tdr_ab, "Combo_Tdr_ab", K::List, Pos_tdr_ab, 0},
    {C::Combo_ste, "Combo_ste", K::List, Pos_ste, 0},
    {C::Combo_Rp_Ste, "Combo_Rp_Ste", K::List, Pos_rp_ste, 0},
    {C::Combo_RPT_RL, "Combo_RPT_RL", K::List, Pos_rpt_rl, 0},
    {C::Combo_ponmsg, "Combo_ponmsg", K::List, Pos_ponmsg, 0},
    {C::Combo_roger, "Combo_roger", K::List, Pos_roger, 0},
    {C::Combo_ab_Beep, "Combo_ab_Beep", K::List, Pos_ab_beep, 0},
    {C::Option_chann, "Option_chann", K::OptionChann, Pos_work_mode, 0},
    {C::Option_freq, "Option_freq", K::OptionFreq, Pos_work_mode, 0},
}};

constexpr bool TableInOrder() {
  for (std::size_t i = 0; i < kControls.size(); ++i)
    if (static_cast<std::size_t>(kControls[i].id) != i) return false;
  return true;
}
static_assert(TableInOrder());

// The show's steps, in order.
enum class Step : std::uint8_t { List, OptionPair, SetOnce, FlagBoxes, ClearedThenSet };
struct ShowStep {
  Step step;
  OptCtl control;  // OptionPair: Option_chann; FlagBoxes: the first of the four
};
constexpr std::array<ShowStep, 31> kShowSteps{{
    {Step::List, C::Combo_tot},
    {Step::List, C::Combo_sql},
    {Step::List, C::Combo_vox},
    {Step::OptionPair, C::Option_chann},
    {Step::SetOnce, C::Check_tdr},
    {Step::SetOnce, C::Check_db_PTT},
    {Step::FlagBoxes, C::Check_chann_menu},
    {Step::List, C::Combo_MDF_A},
    {Step::List, C::Combo_MDF_B},
    {Step::List, C::Combo_dtmfst},
    {Step::List, C::Combo_abr},
    {Step::List, C::Combo_voice},
    {Step::List, C::Combo_wt_led},
    {Step::List, C::Combo_rx_led},
    {Step::List, C::Combo_tx_led},
    {Step::List, C::Combo_ste},
    {Step::List, C::Combo_Rp_Ste},
    {Step::List, C::Combo_RPT_RL},
    {Step::List, C::Combo_sc_rev},
    {Step::List, C::Combo_ptt_id},
    {Step::List, C::Combo_ptt_lt},
    {Step::ClearedThenSet, C::Check_Lock},
    {Step::ClearedThenSet, C::Check_Autolk},
    {Step::ClearedThenSet, C::Check_bcl},
    {Step::ClearedThenSet, C::Check_Beep},
    {Step::List, C::Combo_save},
    {Step::List, C::Combo_ponmsg},
    {Step::List, C::Combo_roger},
    {Step::List, C::Combo_Tdr_ab},
    {Step::List, C::Combo_AL_Mode},
    {Step::List, C::Combo_ab_Beep},
}};
constexpr std::array<OptCtl, 4> kFlagBoxes{C::Check_chann_menu, C::Check_chann_init, C::Check_Alarm_Sound,
                                           C::Check_radio};

}  // namespace

const OptList* OptControl::list() const { return kind == K::List ? Opt_list(name) : nullptr; }

std::span<const OptControl> Opt_controls() { return kControls; }

const OptControl& Opt_control(OptCtl c) { return kControls[static_cast<std::size_t>(c)]; }

OptControls Opt_controls_created() {
  OptControls c;
  for (const OptControl& k : kControls) c[k.id] = k.kind == K::List ? -1 : 0;
  c[C::Check_Beep] = 1;
  c[C::Option_freq] = 1;
  return c;
}

OptCommit Opt_commit(std::span<std::int16_t, kOptBlockSize> block, OptCtl control, int value) {
  const OptControl& k = Opt_control(control);
  std::int16_t& entry = block[static_cast<std::size_t>(k.position)];
  OptCommit r;
  std::optional<std::int16_t> v;
  switch (k.kind) {
    case K::Box:
      v = value == 1 ? 1 : 0;
      if (control == C::Check_tdr) r.Combo_Tdr_ab_enabled = value == 1;
      break;
    case K::FlagBox: {
      const int byte = entry & 0xFF;
      v = static_cast<std::int16_t>(value == 1 ? (byte | k.mask) : (byte & ~k.mask & 0xFF));
      break;
    }
    case K::List:
      if (value >= 0 && value < k.list()->size()) v = static_cast<std::int16_t>(value);
      if (control == C::Combo_AL_Mode) r.Check_Alarm_Sound_enabled = value > 0;
      break;
    case K::OptionChann: v = value == 1 ? 1 : 0; break;
    case K::OptionFreq: v = value == 1 ? 0 : 1; break;
  }
  if (v) {
    entry = *v;
    r.write = OptWrite{k.position, *v};
  }
  return r;
}

OptCommit Opt_commit(img::Image& image, OptCtl control, int value) {
  std::array<std::int16_t, kOptBlockSize> block = Opt_block(image);
  const OptCommit r = Opt_commit(std::span(block), control, value);
  if (r.write) image.at(img::OptionCell(r.write->offset)) = r.write->value;
  return r;
}

int Opt_list_KeyPress(OptCtl list, int KeyAscii) {
  if (Opt_control(list).kind != K::List || list == C::Combo_sql) return KeyAscii;
  return 0;
}

int Opt_list_index(std::int16_t entry, int count) { return entry >= 0 && entry < count ? entry : count - 1; }

std::array<std::int16_t, kOptBlockSize> Opt_block(const img::Image& image) {
  std::array<std::int16_t, kOptBlockSize> block{};
  for (int k = 0; k < kOptBlockSize; ++k) block[static_cast<std::size_t>(k)] = image.at(img::OptionCell(k));
  return block;
}

std::vector<OptWrite> Opt_store_shown(std::span<std::int16_t, kOptBlockSize> block, const OptControls& shown) {
  std::vector<OptWrite> changed;
  for (const OptControl& k : kControls) {
    const int value = shown[k.id];
    // A deselected work-mode button stores nothing: the selected one does.
    if ((k.kind == K::OptionChann || k.kind == K::OptionFreq) && value != 1) continue;
    const std::int16_t before = block[static_cast<std::size_t>(k.position)];
    const OptCommit r = Opt_commit(block, k.id, value);
    if (r.write && r.write->value != before) changed.push_back(*r.write);
  }
  return changed;
}

namespace {

// The controls as data: a change runs the handler on the show's own block.
class ModelTarget {
 public:
  explicit ModelTarget(OptShow& s) : s_(s) {}
  std::int16_t state(OptCtl c) const { return s_.controls[c]; }
  int listCount(OptCtl list) const { return Opt_control(list).list()->size(); }
  void set(OptCtl c, int value) {
    if (s_.controls[c] == value) return;
    s_.controls[c] = static_cast<std::int16_t>(value);
    const OptKind kind = Opt_control(c).kind;
    if (value == 0 && (kind == K::OptionChann || kind == K::OptionFreq)) return;  // deselected
    const OptCommit r = Opt_commit(std::span(s_.block), c, value);
    if (r.write) s_.writes.push_back(*r.write);
  }
  void setEnabled(OptCtl c, bool enabled) {
    if (c == C::Combo_Tdr_ab) s_.controls.Combo_Tdr_ab_enabled = enabled;
    if (c == C::Check_Alarm_Sound) s_.controls.Check_Alarm_Sound_enabled = enabled;
  }
  // Every control stores what it shows.
  void storeShown() {
    const std::vector<OptWrite> changed = Opt_store_shown(std::span(s_.block), s_.controls);
    s_.writes.insert(s_.writes.end(), changed.begin(), changed.end());
  }

 private:
  OptShow& s_;
};

// The show's steps, each entry read from `block`, which holds the block as
// the show copied it.
void ShowSteps(std::span<const std::int16_t, kOptBlockSize> block, ModelTarget& target) {
  auto entry = [&block](OptCtl c) { return block[static_cast<std::size_t>(Opt_control(c).position)]; };
  for (const ShowStep& step : kShowSteps) {
    switch (step.step) {
      case Step::List:
        target.set(step.control, Opt_list_index(entry(step.control), target.listCount(step.control)));
        break;
      case Step::OptionPair:
        // The button that becomes selected runs its handler; the other is
        // deselected, which runs none.
        if (entry(C::Option_chann) != 0) {
          target.set(C::Option_chann, 1);
          target.set(C::Option_freq, 0);
        } else {
          target.set(C::Option_chann, 0);
          target.set(C::Option_freq, 1);
        }
        break;
      case Step::SetOnce: target.set(step.control, entry(step.control) != 0 ? 1 : 0); break;
      case Step::FlagBoxes: {
        const std::int16_t flags = entry(C::Check_chann_menu);
        for (OptCtl c : kFlagBoxes) target.set(c, 0);
        for (OptCtl c : kFlagBoxes)
          if (flags & Opt_control(c).mask) target.set(c, 1);
        break;
      }
      case Step::ClearedThenSet: {
        // Clearing the box runs its handler, which zeroes the entry: the
        // byte that decides is the one read before.
        const std::int16_t stored = entry(step.control);
        target.set(step.control, 0);
        if (stored != 0) target.set(step.control, 1);
        break;
      }
    }
  }
  target.setEnabled(C::Combo_Tdr_ab, target.state(C::Check_tdr) == 1);
  target.setEnabled(C::Check_Alarm_Sound, target.state(C::Combo_AL_Mode) > 0);
  target.storeShown();
}

}  // namespace

OptShow Opt_show_block(std::span<const std::int16_t, kOptBlockSize> block, const OptControls& before) {
  OptShow s;
  std::copy(block.begin(), block.end(), s.block.begin());
  s.controls = before;
  ModelTarget target(s);
  ShowSteps(block, target);
  return s;
}

std::vector<OptWrite> Opt_show(img::Image& image, OptControls& controls) {
  const std::array<std::int16_t, kOptBlockSize> block = Opt_block(image);
  OptShow s = Opt_show_block(block, controls);
  for (const OptWrite& w : s.writes) image.at(img::OptionCell(w.offset)) = w.value;
  controls = s.controls;
  return std::move(s.writes);
}
