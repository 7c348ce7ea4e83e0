#pragma once
// The DTMF window: the fifteen code groups, the tone timing, when the ANI is
// sent, the alarm and ANI codes and the group-call code of the DTMF block
// (image rows 208..223). The window owns no data: list choices and check
// boxes are stored at once, the alarm and ANI boxes on every change of their
// text, a code group when its box is left; every activation, and every change
// of the block made elsewhere, shows the block again.
#include "platform/radio_window.h"
#include "settings/dtmf_block.h"
#include "state/ui/app_context.h"

#include <array>
#include <functional>

class CheckBox;
class ImageFollower;
class ComboList;
class QGroupBox;
class QLabel;
class QPushButton;
class TextBox;

class frm_dtmf : public RadioWindow {
  Q_OBJECT
 public:
  explicit frm_dtmf(AppContext& ctx);
  // The program's context: the session (ctx.st), the image's owner (ctx.image), the host, ...
  AppContext& ctx;

  bool isMdiChild() const override { return true; }

  // Size and place from the main window, the group frame shown, lists
  // filled, the block shown.
  void Form_Load() override;
  // Every activation shows the block again.
  void Form_Activate() override;
  // Another window becomes active or a command of the main window runs: a
  // code group the user has typed into is stored as leaving its box stores it.
  void Form_Deactivate() override;
  // The same for a close by the title bar; then the window's events are off.
  void Form_Unload() override;

  // Window procedures.
  void ShowDtmfBlock();
  void FillDtmfLists();

  // Handlers.
  void Command_def_Click();
  void Command_close_Click();
  void Combo_Enc_ys1_Click();
  void Combo_Enc_ys2_Click();
  void Check_Ptt_P_Click();
  void Check_Ptt_S_Click();
  void Text_Ani_Change();
  void Text_Ani_KeyPress(int& key);
  void Text_Ani_LostFocus();
  void Text_BJ_Change();
  void Text_BJ_KeyPress(int& key);
  void Text_BJ_LostFocus();
  void Text_tx_Encode_KeyPress(int index, int& key);
  void Text_tx_Encode_LostFocus(int index);

  // Controls. The arrays' members are named "Text_tx_Encode(i)" and "Label_xh(i)".
  QGroupBox* Frame_encode = nullptr;
  QLabel* Label_encode_xh = nullptr;
  QLabel* Label_tx_encode = nullptr;
  std::array<QLabel*, dtmf::kGroups> Label_xh{};
  std::array<TextBox*, dtmf::kGroups> Text_tx_Encode{};
  QLabel* Label_dtmf_ontime = nullptr;
  ComboList* Combo_Enc_ys1 = nullptr;
  QLabel* Label_dtmf_offtime = nullptr;
  ComboList* Combo_Enc_ys2 = nullptr;
  QLabel* Label_Group_code = nullptr;
  ComboList* Combo_Enc_qh = nullptr;
  QLabel* Label_bj = nullptr;
  TextBox* Text_BJ = nullptr;
  QGroupBox* Frame_ANI_Code = nullptr;
  TextBox* Text_Ani = nullptr;
  CheckBox* Check_Ptt_P = nullptr;
  CheckBox* Check_Ptt_S = nullptr;
  QPushButton* Command_def = nullptr;
  QPushButton* Command_close = nullptr;

 private:
  // Changes the settings row or a group row in the image, as this window.
  void store(int row, const std::function<void(img::Image&)>& edit);
  void Code_Change(dtmf::Code code, TextBox* box);
  void Code_KeyPress(dtmf::Box kind, TextBox* box, int& key);
  void Code_LostFocus(TextBox* box);
  // The group box holding text the user typed and nothing has stored yet, or -1.
  int typedGroup() const;
  // Stores what the user typed into a group box that still has the focus.
  void Commit_typed();
  // Shows the block and takes every box's text as the window's, not the user's.
  void Show_as_new();
  // The controls, the block's top left corner at (left, top) twips.
  void Lay_out(double left, double top);

  bool loaded_ = false;
  ImageFollower* follow_ = nullptr;  // the changes of the block made by someone else
};
