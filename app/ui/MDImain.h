#pragma once
// The main window: menus, toolbar, the 11-panel status bar, the MDI area the
// editors live in, and the program's start-up.
#include "platform/window_host.h"
#include "state/ui/app_context.h"

#include <QMainWindow>

#include <array>
#include <map>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QToolBar;
class IdentCheck;
class LinkSession;

class MDImain : public QMainWindow, public MainFrame {
  Q_OBJECT
 public:
  MDImain(Session& st, ImageStore& image, Services& svc);
  ~MDImain() override;

  // The program's whole start-up, run once when the program starts.
  void MDImain_MDIForm_Load();

  // Menu and toolbar commands.
  void MDImain_File_Open_Click();
  void MDImain_File_save_Click();
  void MDImain_File_exit_Click();
  void MDImain_Menu_Exit_Click();
  void MDImain_Band_Range_Click();
  void MDImain_Channel_edit_Click();
  void MDImain_Optional_edit_Click();
  void MDImain_Dtmf_edit_Click();
  void MDImain_Prog_read_Click();
  void MDImain_Prog_write_Click();
  void MDImain_Adj_Edit_Click();
  void MDImain_PC_PassWord_Click();
  void MDImain_proc_setup_Click();
  void MDImain_Language_chn_Click();
  void MDImain_Language_eng_Click();
  void MDImain_about_Click();
  void MDImain_Toolbar1_ButtonClick(const QString& key);

  // The start-up identification of an attached radio.
  void Ident_start();

  // MainFrame
  double Width() const override;
  double Height() const override;
  double ScaleWidth() const override;
  double ScaleHeight() const override;
  void SetPanelText(int panel, const QString& text) override;
  QString PanelText(int panel) const override;
  QMdiArea* mdiArea() override { return mdi_; }
  QWidget* frameWidget() override { return this; }

  // Controls, by their names.
  QAction* menu(const QString& name) const;
  QAction* toolButton(const QString& key) const;
  QToolBar* Toolbar1 = nullptr;
  QStatusBar* StatusBar1 = nullptr;
  // The identification's link session: its port, sender, watchdog and failure timer.
  std::unique_ptr<LinkSession> link;

  AppContext& context() { return ctx_; }
  WindowHost& host() { return host_; }

 protected:
  void closeEvent(QCloseEvent* e) override;
  void moveEvent(QMoveEvent* e) override;

 private:
  void buildMenus();
  void buildToolbar();
  void buildStatusBar();
  void applyCaptions(bool chinese);
  void Language_switch(Int16 chosen);
  void Language_reload();
  void Exit_program();
  void Port_scan();
  void Fit_outer_size();

  Session& st_;
  Services& svc_;
  WindowHost host_;
  AppContext ctx_;
  QMdiArea* mdi_ = nullptr;
  std::map<QString, QAction*> menus_;
  std::map<QString, QMenu*> submenus_;
  std::array<QLabel*, 11> panels_{};
  bool exiting_ = false;
  QSize outerSize_;  // the screen: the window's size with its frame
  bool outerFitted_ = false;
  std::unique_ptr<IdentCheck> ident_;
};
