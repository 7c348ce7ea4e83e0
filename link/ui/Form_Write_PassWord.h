#pragma once
// The password dialog: the user types the old password, the new one and the
// new one again, and Modify changes the radio's user password through this
// dialog's own serial port and exchange engine. The boxes show "*" for every
// character and take printable ASCII only (a validator); typed and pasted
// text alike goes through the key filter, so a paste takes six characters at
// most. The dialog closes itself 500 ms after the success message has been
// closed.
#include "link/link_session.h"
#include "link/password_change.h"
#include "platform/radio_window.h"
#include "platform/text_box.h"
#include "state/ui/app_context.h"

#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;

class Form_Write_PassWord : public RadioWindow {
  Q_OBJECT
 public:
  explicit Form_Write_PassWord(AppContext& ctx);
  // The program's context: the session (ctx.st), the image's owner (ctx.image), the host, ...
  AppContext& ctx;
  ~Form_Write_PassWord() override;

  void Form_Load() override;
  void Form_Unload() override;
  void Form_Write_PassWord_Form_Load() { Form_Load(); }
  void Form_Write_PassWord_Form_Unload() { Form_Unload(); }

  // Key filter of the three boxes: with more than five characters (not
  // counting leading and trailing spaces) every key but Backspace is dropped
  // (KeyAscii := 0).
  void Form_Write_PassWord_Text_Old_PassWord_KeyPress(int& KeyAscii);
  void Form_Write_PassWord_Text_New_Password_1_KeyPress(int& KeyAscii);
  void Form_Write_PassWord_Text_New_PassWord_2_KeyPress(int& KeyAscii);
  // Rebuilds PassWord_old from the old-password box.
  void Form_Write_PassWord_Text_Old_PassWord_Change();
  // Modify and Close.
  void Form_Write_PassWord_Command_Write_Click();
  void Form_Write_PassWord_Command_Cancel_Click();
  // The close timer.
  void Form_Write_PassWord_Timer4_Timer();
  // Starts the exchange unless one runs; a failed open shows the port error.
  void PassWord_start();

  // The close timer's interval.
  static constexpr int kCloseTimerMs = 500;

  QLabel* Label_old_PassWord = nullptr;
  TextBox* Text_Old_PassWord = nullptr;
  QLabel* Label_New_Password_1 = nullptr;
  TextBox* Text_New_Password_1 = nullptr;
  QLabel* Label_New_PassWord_2 = nullptr;
  TextBox* Text_New_PassWord_2 = nullptr;
  QPushButton* Command_Write = nullptr;
  QPushButton* Command_Cancel = nullptr;
  std::unique_ptr<LinkSession> link;  // its port, sender, watchdog and failure timer
  std::unique_ptr<Timer> Timer4;

  LinkEngine& engine() { return link->engine(); }
  const PassWordChange& exchange() const { return *kind_; }
  bool Close_request = false;

 private:
  void Key_filter(const QLineEdit* box, int& KeyAscii) const;
  void Succeeded();

  std::unique_ptr<PassWordChange> kind_;
};
