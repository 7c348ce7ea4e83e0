#pragma once
// The model dialog: choose a radio model from the band table, see its two
// band ranges and make them the editors' band limits.
#include "platform/radio_window.h"
#include "state/ui/app_context.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

class Form_type : public RadioWindow {
  Q_OBJECT
 public:
  explicit Form_type(AppContext& ctx);
  // The program's context: the session (ctx.st), the image's owner (ctx.image), the host, ...
  AppContext& ctx;

  void Form_Load() override;

  // The list's selection changed, by the user or by code: show the entry's
  // band names and ranges.
  void Combo_type_Click();
  void Command_enter_Click();
  void Command_Cancel_Click();

  QFrame* Frame1 = nullptr;
  QLabel* Label1 = nullptr;
  QComboBox* Combo_type = nullptr;
  QLabel* Label_VHF = nullptr;
  QLineEdit* Text_VHF = nullptr;
  QLabel* Label_UHF = nullptr;
  QLineEdit* Text_UHF = nullptr;
  QPushButton* Command_enter = nullptr;
  QPushButton* Command_Cancel = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};
