#pragma once
// The alignment window: the factory alignment values of the radio on six
// pages, read from and written to the radio over the window's own link
// session, saved and loaded as .adj files through the two .adj dialogs.
//
// The window holds the controls; the rules are the core's (alignment/):
// each control event runs the core handler on the window's View, then the
// controls are made to show what the View holds, then the handler's messages
// and focus request follow. So a display that sets off a chain of nested
// handlers has finished before any message box opens its event loop.
//
// It works on the shared alignment table (ctx.st.AdjTable), never on the
// parameter image. It keeps no window-loaded flag: the main window's Adj_Edit
// loads it when it is not loaded.
//
// Open and Save are refused while an exchange runs; otherwise they open their
// .adj dialog (one already open is only brought forward). Close asks the
// session (refused while busy) and takes the dialogs with it; closing by the
// frame's close button asks nothing and ends the exchange.
#include "alignment/adj_exchange.h"
#include "alignment/adj_view.h"
#include "link/link_session.h"
#include "link/transfer.h"
#include "platform/radio_window.h"
#include "state/ui/app_context.h"

#include <array>
#include <functional>
#include <memory>

class CheckBox;
class ComboList;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class TabStrip;
class TextBox;
class Timer;

class frm_Adj_Txp : public RadioWindow, public TransferView {
  Q_OBJECT
 public:
  explicit frm_Adj_Txp(AppContext& ctx);
  // The program's context: the session (ctx.st), the image's owner (ctx.image), the host, ...
  AppContext& ctx;
  ~frm_Adj_Txp() override;
  bool isMdiChild() const override { return true; }

  // Size and place from the main window, the page set-up and the first page.
  void Form_Load() override;
  // However the window goes (Close, the frame's close button, the exit): the
  // exchange ends (timers stopped, port closed) and the poll stops.
  void Form_Unload() override;

  // ---- event handlers
  void TabStrip1_Click();
  void Text1_Change(int index);
  void Text2_Change(int index);
  void Text_SQ_VHF_Change(int index);
  void Text_Sq_Offset_VHF_Change(int index);
  void Text_SQ_UHF_Change(int index);
  void Text_Sq_Offset_UHF_Change(int index);
  void Combo_dev_voice_Click(int index);
  void Combo_dev_ctcss_Click(int index);
  void Combo_dev_dcs_Click(int index);
  void Combo_dev_tone_Click();
  void Combo_RX_VH_Click(int index);
  void Combo_RX_VL_Click(int index);
  void Combo_OSC_Add_Click();
  void Combo_OSC_Dec_Click();
  void Combo_vox_Click(int index);
  void Combo_batt_comp_Click(int index);
  // Every list but the tone gain's takes no typed character.
  void Combo_dev_voice_KeyPress(int index, int& key);
  void Combo_dev_ctcss_KeyPress(int index, int& key);
  void Combo_dev_dcs_KeyPress(int index, int& key);
  void Combo_RX_VH_KeyPress(int index, int& key);
  void Combo_RX_VL_KeyPress(int index, int& key);
  void Combo_OSC_Add_KeyPress(int& key);
  void Combo_OSC_Dec_KeyPress(int& key);
  void Combo_vox_KeyPress(int index, int& key);
  void Combo_batt_comp_KeyPress(int index, int& key);
  void Check_Band_Click();
  void Text_Freq_L_KeyPress(int index, int& key);
  void Text_Freq_H_KeyPress(int index, int& key);
  void Text_Freq_L_LostFocus(int index);
  void Text_Freq_H_LostFocus(int index);
  void Text_PON_MSG_U_Change();
  void Text_PON_MSG_D_Change();
  void Text_info_0_Change();
  void Text_info_1_Change();
  void Text_PON_MSG_U_KeyPress(int& key);
  void Text_PON_MSG_D_KeyPress(int& key);
  void Text_info_0_KeyPress(int& key);
  void Text_info_1_KeyPress(int& key);
  void Text_PON_MSG_U_LostFocus();
  void Text_PON_MSG_D_LostFocus();
  void Text_info_0_LostFocus();
  void Text_info_1_LostFocus();
  void Command_read_Click();
  void Command_Write_Click();
  void Command_open_Click();
  void Command_save_Click();
  void Command_close_Click();
  // Every 500 ms: serves the .adj dialogs' load and save requests.
  void Timer4_Timer();
  // The file work of a request, with the path it was made with.
  void Adj_File_Load(const QString& path);
  void Adj_File_Save(const QString& path);

  // TransferView: what the exchange shows.
  void Progress_show(int value) override;
  void Progress_hide() override;
  void Label_set(const QString& text) override;

  // ---- controls (an array's members share the control's name)
  TabStrip* TabStrip1 = nullptr;
  QGroupBox *Frame_Frame = nullptr, *Frame_Sql = nullptr, *Frame_Dev = nullptr, *Frame_Other = nullptr;
  std::array<QGroupBox*, 2> Frame_B0{};
  std::array<QLabel*, 16> Label1{}, Label_UHF{};
  std::array<TextBox*, 16> Text1{}, Text2{};
  QGroupBox *Frame1 = nullptr, *Frame_Sql_UHF = nullptr, *Frame9 = nullptr;
  std::array<QLabel*, 10> Label_Sql_VHF{}, Label_Sql_UHF{};
  std::array<TextBox*, 10> Text_SQ_VHF{}, Text_SQ_UHF{};
  std::array<QLabel*, 16> Label_Sq_Offset_Vhf{}, Label_Sq_Offset_UHF{};
  std::array<TextBox*, 16> Text_Sq_Offset_VHF{}, Text_Sq_Offset_UHF{};
  QGroupBox *Frame_Dev_1 = nullptr, *Frame_Dev_2 = nullptr;
  std::array<ComboList*, 1> Combo_dev_voice{}, Combo_dev_ctcss{}, Combo_dev_dcs{};
  ComboList *Combo_dev_tone = nullptr, *Combo_OSC_Add = nullptr, *Combo_OSC_Dec = nullptr;
  std::array<ComboList*, 2> Combo_RX_VH{}, Combo_RX_VL{};
  QLabel *Label_F0 = nullptr, *Label_F1 = nullptr;
  std::array<TextBox*, 2> Text_Freq_L{}, Text_Freq_H{};
  std::array<CheckBox*, 2> Check_Tx{};
  QGroupBox *Frame2 = nullptr, *Frame_vox = nullptr, *Frame3 = nullptr, *Frame4 = nullptr, *Frame5 = nullptr;
  std::array<ComboList*, 6> Combo_batt_comp{};
  std::array<QLabel*, 11> Label_Vox{};
  std::array<ComboList*, 11> Combo_vox{};
  TextBox *Text_PON_MSG_U = nullptr, *Text_PON_MSG_D = nullptr, *Text_info_0 = nullptr, *Text_info_1 = nullptr;
  CheckBox* Check_Band = nullptr;
  QProgressBar* ProgressBar1 = nullptr;
  QLabel* Label_tr_count = nullptr;
  QPushButton *Command_read = nullptr, *Command_Write = nullptr, *Command_save = nullptr, *Command_open = nullptr,
              *Command_close = nullptr;

  // The controls of the core's names.
  TextBox* box(adj::Box b, int member) const;
  ComboList* list(adj::List l, int member) const;
  TextBox* line(adj::Line l) const;

  // What the controls show, as the core keeps it.
  const adj::View& view() const { return view_; }

  // The exchanges, declared before the session so that the session (whose
  // engine may still name one of them) goes first.
  adj::AdjRead read{*this};
  adj::AdjWrite write{*this};
  std::unique_ptr<LinkSession> link;
  std::unique_ptr<Timer> Timer4;

 private:
  // The controls' events to the window's handlers.
  void Connect_handlers();
  // A handler's run: the limit boxes' texts into the View (they have no
  // change event), the core step, the controls shown from the View, then the
  // focus request and the messages.
  void Run(const std::function<adj::Effects()>& step);
  void Show_view();
  void Show_effects(const adj::Effects& fx);
  QWidget* control(const adj::Control& c) const;
  void Box_change(adj::Box b, int index);
  void List_click(adj::List l, int index);
  void Line_change(adj::Line l);
  void Line_key(adj::Line l, int& key);
  void Typed_into_tone_gain();

  adj::View view_;
  adj::Editor editor_;
  int handling_ = 0;  // a handler, a display or a file request runs (maybe inside a message box)
};
