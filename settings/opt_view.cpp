#include "settings/opt_view.h"

#include "settings/opt_default.h"

#include <utility>

namespace opt {

const RowRuns kEditedRows{{img::kOptFirst, img::kOptLast}, {img::kVfoAFirst, img::kFmLabelsLast}};

namespace {

using vfo::List;
using vfo::Side;
using vfo::Tone;

constexpr Side SideOf(int side) { return side == 0 ? Side::A : Side::B; }
constexpr std::size_t At(int side) { return static_cast<std::size_t>(side); }
constexpr std::size_t At(Tone t) { return t == Tone::Rx ? 0 : 1; }

enum class Box { Freq, Offset };

// One running handler: the editor and the effects it collects.
struct Run {
  Editor& e;
  Effects& fx;
  VfoView& vfo(int side) { return e.view.vfo[At(side)]; }
};

void Notify(Run& r, const Message& m) { r.fx.notices.push_back(Notice{m}); }

// The limits of the band that the VFO's band list shows now.
vfo::BandLimits ShownBandLimits(Run& r, int side) {
  return vfo::LimitsOf(r.e.limits.bands, r.vfo(side).index(List::Band));
}

void ResetVfoLimits(Run& r) { r.e.limits.vfo = {r.e.limits.bands.first, r.e.limits.bands.second}; }

// What a VFO frame shows, as the record's show and store read it.
vfo::Shown ShownOf(const VfoView& v) {
  vfo::Shown sh;
  sh.freq = v.freq;
  sh.offset = v.offset;
  sh.rxTone = v.tone[0];
  sh.txTone = v.tone[1];
  sh.band = v.index(List::Band);
  sh.shift = v.index(List::Shift);
  sh.signalCode = v.index(List::SignalCode);
  sh.speakerMute = v.index(List::SpeakerMute);
  sh.optSignal = v.index(List::OptSignal);
  sh.step = v.index(List::Step);
  sh.power = v.index(List::Power);
  sh.bandwidth = v.index(List::Bandwidth);
  return sh;
}

void BoxChange(Run& r, int side, Box box);
void FreqLostFocus(Run& r, int side);
void BandClick(Run& r, int side);
void Opt_show(Editor& e, Effects& fx);

QString& TextOf(VfoView& v, Box box) { return box == Box::Freq ? v.freq : v.offset; }

// Text put into a frequency or offset box: its change handler on a change.
void PutText(Run& r, int side, Box box, const QString& text) {
  QString& shown = TextOf(r.vfo(side), box);
  if (shown == text) return;
  shown = text;
  BoxChange(r, side, box);
}

// A list of a VFO frame set to `index`: its handler when the index changes;
// a position outside the list shows no item and runs nothing.
void PutList(Run& r, int side, List l, int index) {
  int& shown = r.vfo(side).index(l);
  if (index < 0 || index >= vfo::ListCount(l)) {
    shown = -1;
    return;
  }
  if (shown == index) return;
  shown = index;
  if (l == List::Band)
    BandClick(r, side);
  else
    vfo::ListStore(r.e.image, SideOf(side), l, index);
}

// A tone list set to item `index`: its handler when the index changes; a
// position outside the list shows no item and an empty field, and runs nothing.
void PutToneIndex(Run& r, int side, Tone t, int index) {
  vfo::ToneShown& tone = r.vfo(side).tone[At(t)];
  if (index < 0 || index >= vfo::kToneItems) {
    tone = {-1, {}};
    return;
  }
  if (tone.index == index) return;
  tone = {index, {}};
  vfo::ToneStore(r.e.image, SideOf(side), t, index);
}

// What the show puts into a tone list: OFF and the DCS codes select their
// item; a CTCSS tone is text in the field, which selects nothing and runs nothing.
void PutTone(Run& r, int side, Tone t, const vfo::ToneShown& shown) {
  if (shown.index >= 0)
    PutToneIndex(r, side, t, shown.index);
  else
    r.vfo(side).tone[At(t)] = {-1, shown.text};
}

// The length check of a frequency or offset box: a text too long draws the
// message, then the box is emptied and takes the focus.
void BoxChange(Run& r, int side, Box box) {
  const QString& text = TextOf(r.vfo(side), box);
  if (!(box == Box::Freq ? vfo::FreqTooLong(text) : vfo::OffsetTooLong(text))) return;
  Notify(r, vfo::kLengthMessage);
  if (r.e.unloading) return;
  PutText(r, side, box, QString());
  r.fx.focus = box == Box::Freq ? FreqBox(side) : OffsetBox(side);
}

// The commit of a frequency or offset box: the store, its message (which
// gives the box the focus back) and the box's new text.
template <class Commit>
void BoxCommit(Run& r, int side, Box box, Commit&& commit) {
  VfoView& v = r.vfo(side);
  (box == Box::Freq ? v.freqTyped : v.offsetTyped) = false;
  const vfo::Commit c = commit(r.e.image, TextOf(v, box));
  if (c.message) {
    Notify(r, *c.message);
    r.fx.focus = box == Box::Freq ? FreqBox(side) : OffsetBox(side);
  }
  PutText(r, side, box, c.text);
}

void FreqLostFocus(Run& r, int side) {
  const Side s = SideOf(side);
  const vfo::BandLimits limits = ShownBandLimits(r, side);
  BoxCommit(r, side, Box::Freq,
            [&](img::Image& im, const QString& text) { return vfo::FreqCommit(im, s, text, limits); });
  if (!r.e.unloading) Opt_show(r.e, r.fx);
}

void OffsetLostFocus(Run& r, int side) {
  const Side s = SideOf(side);
  BoxCommit(r, side, Box::Offset, [&](img::Image& im, const QString& text) { return vfo::OffsetCommit(im, s, text); });
}

// The band choice of the index the band list shows.
void BandClick(Run& r, int side) {
  VfoView& v = r.vfo(side);
  const int band = v.index(List::Band);
  if (band < 0) return;
  // The VFO's limits are those of the band chosen, as they stand now.
  const vfo::BandLimits limits = ShownBandLimits(r, side);
  r.e.limits.vfo[At(side)] = limits;
  // A frequency outside the band becomes the band's first one, without a message.
  PutText(r, side, Box::Freq, vfo::BandFreqText(v.freq, limits));
  v.range = vfo::RangeText(limits);
  vfo::SetByte(r.e.image, SideOf(side), vfo::kBand, band);
  FreqLostFocus(r, side);
}

void VfoShow(Run& r, int side) {
  const Side s = SideOf(side);
  const img::Image& im = r.e.image;
  PutText(r, side, Box::Freq, QString());
  PutText(r, side, Box::Freq, vfo::FreqText(im, s));
  PutText(r, side, Box::Offset, vfo::OffsetText(im, s));
  PutTone(r, side, Tone::Rx, vfo::ToneShow(im, s, Tone::Rx));
  PutTone(r, side, Tone::Tx, vfo::ToneShow(im, s, Tone::Tx));
  // A band that changes runs the band choice, which ends with a whole show.
  PutList(r, side, List::Band, vfo::ListShown(im, s, List::Band));
  // The range of the band shown, also when the band limits changed since the
  // band was chosen (an identification of another radio): the range the
  // frequency commit checks.
  r.vfo(side).range = vfo::RangeText(ShownBandLimits(r, side));
  // Byte 28 is read once for both of its lists, byte 29 likewise.
  const int shift = vfo::ListShown(im, s, List::Shift), code = vfo::ListShown(im, s, List::SignalCode);
  PutList(r, side, List::Shift, shift);
  PutList(r, side, List::SignalCode, code);
  const int mute = vfo::ListShown(im, s, List::SpeakerMute), sig = vfo::ListShown(im, s, List::OptSignal);
  PutList(r, side, List::SpeakerMute, mute);
  PutList(r, side, List::OptSignal, sig);
  PutList(r, side, List::Step, vfo::ListShown(im, s, List::Step));
  PutList(r, side, List::Power, vfo::ListShown(im, s, List::Power));
  PutList(r, side, List::Bandwidth, vfo::ListShown(im, s, List::Bandwidth));
  // Last, each value is stored as shown, also where no control changed (a
  // list already on the last item that a nibble beyond the list shows, an
  // unprogrammed frequency under a band list that did not move).
  const QString freq = vfo::ShowStore(r.e.image, s, ShownOf(r.vfo(side)), ShownBandLimits(r, side));
  PutText(r, side, Box::Freq, freq);
}

// The show: the option controls, each from its entry (their handlers write
// back), then VFO A and VFO B.
void Opt_show(Editor& e, Effects& fx) {
  ::Opt_show(e.image, e.view.controls);
  Run r{e, fx};
  VfoShow(r, 0);
  VfoShow(r, 1);
}

// Activation's steps: the limits, the channel count, the show.
void ShowImage(Run& r) {
  ResetVfoLimits(r);
  r.e.view.channTotal = QString::number(r.e.Chann_total);
  Opt_show(r.e, r.fx);
}

// Runs one handler's steps and returns what they raised.
template <class Steps>
Effects Handle(Editor& e, Steps&& steps) {
  Effects fx;
  Run r{e, fx};
  std::forward<Steps>(steps)(r);
  return fx;
}

}  // namespace

Control FreqBox(int side) { return {kFreqBoxes[At(side)]}; }
Control OffsetBox(int side) { return {kOffsetBoxes[At(side)]}; }

Effects Form_Load(Editor& e) {
  return Handle(e, [](Run& r) {
    ResetVfoLimits(r);
    Opt_show(r.e, r.fx);
  });
}

Effects Form_Activate(Editor& e) { return Handle(e, ShowImage); }

Effects Image_changed(Editor& e) {
  return Handle(e, [](Run& r) {
    for (VfoView& v : r.e.view.vfo) v.freqTyped = v.offsetTyped = false;
    ShowImage(r);
  });
}

Effects Command_def_Click(Editor& e) {
  return Handle(e, [](Run& r) {
    Opt_default(r.e.image, r.e.Chann_total);
    Opt_show(r.e, r.fx);
  });
}

Effects Opt_setting_Click(Editor& e, OptCtl control, int value) {
  return Handle(e, [&](Run& r) {
    OptControls& c = r.e.view.controls;
    c[control] = static_cast<std::int16_t>(value);
    // Choosing one work-mode button deselects the other.
    if (value == 1 && control == OptCtl::Option_chann) c[OptCtl::Option_freq] = 0;
    if (value == 1 && control == OptCtl::Option_freq) c[OptCtl::Option_chann] = 0;
    const OptCommit k = Opt_commit(r.e.image, control, value);
    if (k.Combo_Tdr_ab_enabled) c.Combo_Tdr_ab_enabled = *k.Combo_Tdr_ab_enabled;
    if (k.Check_Alarm_Sound_enabled) c.Check_Alarm_Sound_enabled = *k.Check_Alarm_Sound_enabled;
  });
}

Effects Combo_Band_Click(Editor& e, int side, int index) {
  return Handle(e, [&](Run& r) {
    r.vfo(side).index(List::Band) = index;
    BandClick(r, side);
  });
}

Effects Combo_Band_Change(Editor& e, int side, int index) {
  return Handle(e, [&](Run& r) {
    // The field of a band list takes no text; should it ever change, a list
    // without a choice takes the first band.
    r.vfo(side).index(List::Band) = index;
    if (index < 0) PutList(r, side, List::Band, 0);
  });
}

Effects Text_Freq_Change(Editor& e, int side, const QString& text) {
  return Handle(e, [&](Run& r) {
    r.vfo(side).freq = text;
    BoxChange(r, side, Box::Freq);
  });
}

Effects Text_Offset_Change(Editor& e, int side, const QString& text) {
  return Handle(e, [&](Run& r) {
    r.vfo(side).offset = text;
    BoxChange(r, side, Box::Offset);
  });
}

Effects Text_Freq_LostFocus(Editor& e, int side, const QString& text) {
  return Handle(e, [&](Run& r) {
    r.vfo(side).freq = text;
    FreqLostFocus(r, side);
  });
}

Effects Text_Offset_LostFocus(Editor& e, int side, const QString& text) {
  return Handle(e, [&](Run& r) {
    r.vfo(side).offset = text;
    OffsetLostFocus(r, side);
  });
}

Effects Vfo_list_Click(Editor& e, int side, vfo::List list, int index) {
  return Handle(e, [&](Run& r) {
    r.vfo(side).index(list) = index;
    vfo::ListStore(r.e.image, SideOf(side), list, index);
  });
}

Effects Combo_ctdcs_Click(Editor& e, int side, vfo::Tone tone, int index) {
  return Handle(e, [&](Run& r) {
    r.vfo(side).tone[At(tone)] = {index, {}};
    vfo::ToneStore(r.e.image, SideOf(side), tone, index);
  });
}

Effects Combo_ctdcs_LostFocus(Editor& e, int side, vfo::Tone tone) {
  return Handle(e, [&](Run& r) {
    const vfo::ToneShown field = r.vfo(side).tone[At(tone)];
    if (const std::optional<int> item = vfo::ToneLookup(field.text, r.e.Tone_list_fine)) {
      PutToneIndex(r, side, tone, *item);
      return;
    }
    // No such tone: the list is set back to the item it shows (typed text
    // left none: an empty field), then the window shows again what the
    // image holds.
    PutToneIndex(r, side, tone, field.index);
    Opt_show(r.e, r.fx);
  });
}

}  // namespace opt
