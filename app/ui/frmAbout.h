#pragma once
// The About box: the product texts in the current language, an OK button and
// a button that starts the system information program.
#include "platform/radio_window.h"
#include "state/ui/app_context.h"

class QFrame;
class QLabel;
class QPushButton;

class frmAbout : public RadioWindow {
  Q_OBJECT
 public:
  explicit frmAbout(AppContext& ctx);
  // The program's context: the session (ctx.st), the image's owner (ctx.image), the host, ...
  AppContext& ctx;

  void Form_Load() override;
  void frmAbout_Form_Load() { Form_Load(); }
  void frmAbout_cmdOk_Click();
  void frmAbout_cmdSysInfo_Click();
  // Starts the system information program, or says that it is not available.
  void StartSysInfo();

  // Designed size in twips.
  static constexpr double kWidth = 5730;
  static constexpr double kHeight = 3795;

  QLabel* picIcon = nullptr;
  QLabel* lblTitle = nullptr;
  QLabel* lblVersion = nullptr;
  QLabel* lblDescription = nullptr;
  QFrame* Line1 = nullptr;  // the etched rule: dark grey over white
  QFrame* Line2 = nullptr;
  QLabel* lblDisclaimer = nullptr;
  QPushButton* cmdOk = nullptr;
  QPushButton* cmdSysInfo = nullptr;

 protected:
  void keyPressEvent(QKeyEvent* e) override;
};
