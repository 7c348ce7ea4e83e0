#pragma once
// The options window: the radio's option block (rows 226..229) and its two
// VFO records (rows 240..243) in eight frames. The window owns no data: what
// its controls show and what each handler writes are the core's
// (settings/opt_view.h, whose header tells the rules). Each handler runs a
// rule of the core on the image, the limits and the View, shows its messages,
// then applies what it left: the image edit as this window's change, the
// limits, the View onto the controls (no handler runs meanwhile), the focus.
// When this window's own handlers change the image while a message is open (a
// screen reader pressing a check box), the rule runs again on what they left:
// its edits are single entries and the text it commits is still in its box,
// so both changes stay.
#include "platform/radio_window.h"
#include "settings/opt_view.h"
#include "state/ui/app_context.h"

#include <array>
#include <functional>
#include <optional>
#include <vector>

class CheckBox;
class ComboList;
class ImageFollower;
class OptionButton;
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
  ComboList* Combo_Tdr_ab = nullptr;
  CheckBox* Check_Alarm_Sound = nullptr;
  CheckBox* Check_tdr = nullptr;
  TextBox* Text_chann_total = nullptr;
  QPushButton* Command_def = nullptr;
  QPushButton* Command_close = nullptr;

 private:
  void Build_controls();
  // Widens what is too narrow for its texts (lists filled, captions set),
  // and the window where the widening would go past its edge.
  void Fit_texts();
  // Runs a rule of the core on copies of what it works on, then applies what
  // it left. Its messages come first: when the image was changed by someone
  // else, or the window began to unload, while one was open, nothing is
  // applied; when this window's own handlers changed it meanwhile, the rule
  // runs again on what they left and that is applied.
  void Run(const std::function<opt::Effects(opt::Editor&)>& rule);
  // What the user typed or chose without a handler into the View: the VFO
  // boxes' texts, the tone lists' fields, the squelch list's field.
  void Sync_view();
  // The View onto the controls, comparing with what each shows; no handler runs.
  void Show_view();
  // The messages; false when the image was changed by someone else or the
  // window began to unload while one was open.
  bool Show_notices(const std::vector<opt::Notice>& notices);
  void Show_focus(const std::optional<opt::Control>& focus);
  // The frequency or offset box that has the focus, when the user typed into
  // it, is committed as if it were left.
  void Commit_typed();

  opt::View view_;
  std::array<QWidget*, kOptControlCount> opt_{};
  std::array<ComboList*, 43> lists_{};  // in Opt_lists() order
  ImageFollower* follow_ = nullptr;
  bool loaded_ = false;
  int applied_ = 0;  // results applied so far
};
