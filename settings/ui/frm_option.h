#pragma once
// The options window: the radio's option block (rows 226..229) and its two
// VFO records (rows 240..243) in eight frames. The window owns no data: every
// control is set from the image by Opt_show, and setting a control to another
// state runs its handler exactly as the user's change does, which writes the
// value into the image at once. What each handler writes is the core's
// (settings/opt_block.h, vfo_record.h, vfo_freq.h, vfo_tone.h); the window
// holds the controls, the order in which a show sets them and the focus and
// message handling.
#include "platform/radio_window.h"
#include "settings/opt_block.h"
#include "settings/vfo_freq.h"
#include "settings/vfo_record.h"
#include "settings/vfo_tone.h"
#include "state/ui/app_context.h"

#include <array>

class CheckBox;
class ComboList;
class ImageFollower;
class OptionButton;
class QGroupBox;
class QLabel;
class QPushButton;
class TextBox;

class frm_option : public RadioWindow {
  Q_OBJECT
 public:
  explicit frm_option(AppContext& ctx);
  // The program's context: the session (ctx.st), the image's owner (ctx.image), the host, ...
  AppContext& ctx;
  ~frm_option() override;

  bool isMdiChild() const override { return true; }

  // Load: size and place from the main window, fill the lists, the VFO
  // limits from the band limits, then the show.
  void Form_Load() override;
  // Activation: the VFO limits again, the channel count, the show.
  void Form_Activate() override;
  // Leaving the window (another window, a main-window command) and the
  // unload first commit a VFO box the user typed into, as leaving the box does.
  void Form_Deactivate() override;
  void Form_Unload() override;

  // The show: the block copied into Opt_para, every option control set in
  // the fixed order, then VFO A and VFO B. Re-entered from the frequency
  // commit, which ends with a whole show.
  void Opt_show();
  // Every list emptied and filled in the current language.
  void Opt_list_init();

  // Buttons.
  void Command_def_Click();
  void Command_close_Click();

  // The 35 controls of the option block share one handler (Opt_commit knows
  // what each writes) and its lists one key handler; the control is an OptCtl.
  void Opt_setting_Click(int control);
  void Opt_setting_KeyPress(int control, int& key);

  // VFO handlers; `side` is 0 for VFO A, 1 for VFO B.
  void Combo_Band_Click(int side);
  void Combo_Band_Change(int side);
  void Text_Freq_Change(int side);
  void Text_Freq_LostFocus(int side);
  void Text_Offset_Change(int side);
  void Text_Offset_LostFocus(int side);
  // The four boxes' key filter: box = 2 * side + (0 frequency, 1 offset).
  void Text_Vfo_KeyPress(int box, int& key);
  // The seven setting lists of each VFO: list = 7 * side + its place in
  // kVfoLists (frm_option.cpp). Their key handler drops every key.
  void Vfo_list_Click(int list);
  void Vfo_list_KeyPress(int list, int& key);
  // The tone lists: tone = 2 * side + (0 receive, 1 transmit).
  void Combo_ctdcs_Click(int tone);
  void Combo_ctdcs_KeyPress(int tone, int& key);
  void Combo_ctdcs_LostFocus(int tone);

  // The controls of one VFO frame.
  struct Vfo {
    QGroupBox* Frame = nullptr;
    TextBox* Text_Freq = nullptr;
    ComboList* Combo_Band = nullptr;
    TextBox* Text_Range = nullptr;
    TextBox* Text_Offset = nullptr;
    std::array<ComboList*, 7> lists{};  // in kVfoLists order
    std::array<ComboList*, 2> tones{};  // receive, transmit
  };
  std::array<Vfo, 2> vfo;

  // The controls of the option block, by OptCtl.
  QWidget* Opt_widget(OptCtl c) const { return opt_[static_cast<std::size_t>(c)]; }
  // What it shows: a list its index (-1: none), a check box 0, 1 or 2
  // (greyed), an option button 1 while selected.
  int Opt_state(OptCtl c) const;
  ComboList* Combo_Tdr_ab = nullptr;
  CheckBox* Check_Alarm_Sound = nullptr;
  CheckBox* Check_tdr = nullptr;
  TextBox* Text_chann_total = nullptr;
  QPushButton* Command_def = nullptr;
  QPushButton* Command_close = nullptr;

 private:
  class ShowTarget;
  void Build_controls();
  // Widens what is too narrow for its texts (lists filled, captions set),
  // and the window where the widening would go past its edge.
  void Fit_texts();
  void Vfo_show(int side);
  // What the controls of a VFO frame show.
  vfo::Shown Vfo_shown(int side) const;
  void Tone_show(int side, vfo::Tone t);
  // VFO limits := the editors' band limits, A the first band, B the second.
  void Vfo_limits_reset();
  // What activation shows: the limits, the channel count, the show.
  void Show_image();
  // The frequency or offset box that has the focus, when the user typed into
  // it, is committed as if it were left.
  void Commit_typed();
  // The limits of the band that the VFO's band list shows now.
  vfo::BandLimits Shown_band_limits(int side) const;
  // Changes rows of one VFO record in the image, as this window.
  template <class Edit>
  void Vfo_change(int side, Edit&& edit);
  // The length check of a frequency or offset box.
  void Length_check(TextBox* box, bool tooLong);
  // The commit of a frequency or offset box (`commit(image, text)` stores
  // the text into an image and says what the box shows); false when the
  // image changed while its message was open, and nothing was stored.
  template <class Commit>
  bool Box_commit(int side, TextBox* box, Commit&& commit);
  // A message box; false when the image was changed by someone else while it
  // was open (a read completing), or the window began to unload while it was
  // open: the commit that showed it then stores nothing. A commit run by the
  // unload itself goes on.
  bool message(const Message& m);

  std::array<QWidget*, kOptControlCount> opt_{};
  std::array<ComboList*, 43> lists_{};  // in Opt_lists() order
  ImageFollower* follow_ = nullptr;
  bool loaded_ = false;
};
