#include "app/ui/MDImain.h"

#include "alignment/ui/frm_Adj_Txp.h"
#include "app/main_captions.h"
#include "app/ui/Form_type.h"
#include "app/ui/frmAbout.h"
#include "app/ui/program_windows.h"
#include "channels/ui/frm_chann.h"
#include "image/band_table.h"
#include "image/factory_startup.h"
#include "image/opt_positions.h"
#include "image/tone_table.h"
#include "image/ui/Form_open_chann.h"
#include "image/ui/Form_save_chann.h"
#include "link/hand_code.h"
#include "link/ident_check.h"
#include "link/link_session.h"
#include "link/link_texts.h"
#include "link/port_open.h"
#include "link/ui/Form_Comm_Read.h"
#include "link/ui/Form_Comm_Write.h"
#include "link/ui/Form_Write_PassWord.h"
#include "link/ui/Form_setup.h"
#include "link/ui/window_link.h"
#include "platform/captions.h"
#include "platform/core/numbers.h"
#include "platform/core/twips.h"
#include "settings/ui/frm_dtmf.h"
#include "settings/ui/frm_option.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

namespace {

// The small-screen warning is Chinese in both languages.
constexpr Message kSmallScreen{{"建议将计算机的显示模式设置为 1024 X 768 ", "建议将计算机的显示模式设置为 1024 X 768 "},
                               {"操作提示", "操作提示"}};

}  // namespace

MDImain::MDImain(Session& st, ImageStore& image, Services& svc)
    : st_(st), svc_(svc), ctx_{{svc, host_, this, &st.Lang_chn}, st, image} {
  setObjectName(QStringLiteral("MDImain"));
  mdi_ = new QMdiArea(this);
  mdi_->setObjectName(QStringLiteral("MDIClient"));
  setCentralWidget(mdi_);
  host_.attach(&ctx_);
  host_.setRegistry(Program_windows(ctx_));
  buildMenus();
  buildToolbar();
  buildStatusBar();
  ident_ = std::make_unique<IdentCheck>(IdentCheck::Where::MainWindow);
  link = Window_link(ctx_, link_profiles::kIdentStartup, nullptr);
}

MDImain::~MDImain() {
  // Windows still loaded go first: they refer to this window's context.
  for (RadioWindow* w : host_.loadedWindows()) host_.unloadWindow(w);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// ---- construction ---------------------------------------------------------

void MDImain::buildMenus() {
  for (const MenuSpec& m : MainMenus()) {
    const QString name = QString::fromLatin1(m.name);
    const QString parent = QString::fromLatin1(m.parent);
    const QString caption = QString::fromUtf8(m.created);
    const bool hasChildren = [&] {
      for (const MenuSpec& c : MainMenus())
        if (parent.isEmpty() && QString::fromLatin1(c.parent) == name) return true;
      return false;
    }();
    QAction* action = nullptr;
    if (hasChildren) {
      QMenu* sub = menuBar()->addMenu(caption);
      sub->setObjectName(name);
      submenus_[name] = sub;
      action = sub->menuAction();
    } else if (parent.isEmpty()) {
      action = menuBar()->addAction(caption);
    } else {
      action = submenus_.at(parent)->addAction(caption);
    }
    action->setObjectName(name);
    // A window shortcut of the main window: it fires wherever the focus is in
    // it, in an editor's cell editor too.
    if (*m.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(m.shortcut)));
    if (!m.visible) {
      // Created disabled and hidden: nothing can reach it, not even a shortcut.
      action->setEnabled(false);
      action->setVisible(false);
    }
    menus_[name] = action;
  }
  // Every command enters here (menu item, its shortcut, a screen reader's
  // press of the item); while a message box is open it does nothing. An item
  // of a hidden menu does nothing either: a screen reader still lists it and
  // can press it, which the mouse and the keys never can.
  auto on = [this](const char* name, void (MDImain::*handler)()) {
    QAction* item = menus_.at(QString::fromLatin1(name));
    QAction* menu = nullptr;
    for (const MenuSpec& m : MainMenus())
      if (QLatin1String(m.name) == QLatin1String(name) && *m.parent) menu = menus_.at(QString::fromLatin1(m.parent));
    connect(item, &QAction::triggered, this, [this, item, menu, handler] {
      const bool reachable =
          item->isEnabled() && item->isVisible() && (!menu || (menu->isEnabled() && menu->isVisible()));
      if (reachable && host_.Command_begin()) {
        (this->*handler)();
      } else if (item->isCheckable()) {
        // Qt toggled the item's check mark before the press reached us.
        item->setChecked(!item->isChecked());
      }
    });
  };
  on("File_Open", &MDImain::MDImain_File_Open_Click);
  on("File_save", &MDImain::MDImain_File_save_Click);
  on("File_exit", &MDImain::MDImain_File_exit_Click);
  on("Menu_Exit", &MDImain::MDImain_Menu_Exit_Click);
  on("Band_Range", &MDImain::MDImain_Band_Range_Click);
  on("Channel_edit", &MDImain::MDImain_Channel_edit_Click);
  on("Optional_edit", &MDImain::MDImain_Optional_edit_Click);
  on("Dtmf_edit", &MDImain::MDImain_Dtmf_edit_Click);
  on("Prog_read", &MDImain::MDImain_Prog_read_Click);
  on("Prog_write", &MDImain::MDImain_Prog_write_Click);
  on("Adj_Edit", &MDImain::MDImain_Adj_Edit_Click);
  on("PC_PassWord", &MDImain::MDImain_PC_PassWord_Click);
  on("proc_setup", &MDImain::MDImain_proc_setup_Click);
  on("Language_chn", &MDImain::MDImain_Language_chn_Click);
  on("Language_eng", &MDImain::MDImain_Language_eng_Click);
  on("about", &MDImain::MDImain_about_Click);
}

void MDImain::buildToolbar() {
  Toolbar1 = addToolBar(QStringLiteral("Toolbar1"));
  Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
  Toolbar1->setMovable(false);
  const QStyle::StandardPixmap pictures[] = {
      QStyle::SP_DialogOpenButton, QStyle::SP_DialogSaveButton, QStyle::SP_FileDialogDetailedView,
      QStyle::SP_ArrowDown,        QStyle::SP_ArrowUp,          QStyle::SP_DialogCloseButton};
  int i = 0;
  for (const ToolSpec& t : MainTools()) {
    const QString key = QString::fromLatin1(t.key);
    QAction* a = Toolbar1->addAction(style()->standardIcon(pictures[i++]), QString());
    a->setObjectName(key);
    a->setData(key);
    a->setToolTip(QString::fromUtf8(t.createdTip));
    connect(a, &QAction::triggered, this, [this, key] {
      if (host_.Command_begin()) MDImain_Toolbar1_ButtonClick(key);
    });
  }
}

void MDImain::buildStatusBar() {
  StatusBar1 = statusBar();
  StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
  StatusBar1->setSizeGripEnabled(false);
  for (int i = 0; i < 11; ++i) {
    auto* l = new QLabel(StatusBar1);
    l->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    StatusBar1->addWidget(l);
    panels_[static_cast<size_t>(i)] = l;
  }
}

void MDImain::applyCaptions(bool chinese) {
  for (const Caption& c : MainCaptions()) {
    const QString element = QString::fromLatin1(c.control);
    const QString text = c.text.in(chinese);
    if (element == objectName()) {
      setWindowTitle(text);
    } else if (element.startsWith(QStringLiteral("tip"))) {
      const int n = element.mid(3).toInt();
      toolButton(QString::fromLatin1(MainTools()[static_cast<size_t>(n - 1)].key))->setToolTip(text);
    } else if (element.startsWith(QStringLiteral("panel"))) {
      SetPanelText(element.mid(5).toInt(), text);
    } else {
      menus_.at(element)->setText(text);
    }
  }
  // Check marks are set explicitly on both items: only the program sets them.
  for (const auto& [name, on] : {std::pair{"Language_chn", chinese}, std::pair{"Language_eng", !chinese}}) {
    QAction* a = menus_.at(QString::fromLatin1(name));
    a->setCheckable(true);
    a->setChecked(on);
  }
  SetPanelText(5, st_.Soft_version);
  SetPanelText(9, QString());
  SetPanelText(10, QString());
  // The toolbar's picture buttons are named by their new tool tips.
  Name_controls(this, chinese);
}

// ---- start-up ---------------------------------------------------------------

void MDImain::MDImain_MDIForm_Load() {
  // 1. Texts.
  st_.Soft_version = QString::fromLatin1(kSoftVersion);
  st_.Title_eng = kMainTitle.in(false);
  st_.Status_text_eng = kStatusText.in(false);
  st_.Title_chn = kMainTitle.in(true);

  // 2. Programming-mode entry sequence.
  Hand_code_init(st_);

  // 3. English (the About box takes its texts from its own table when it loads).
  st_.Lang_chn = 0;

  // 4. Panel widths: shares of the screen width.
  const ScreenInfo screen = svc_.screen();
  const double screenW = twips::FromPixels(screen.widthPx, screen.dpi);
  const double screenH = twips::FromPixels(screen.heightPx, screen.dpi);
  for (int i = 0; i < 11; ++i)
    panels_[static_cast<size_t>(i)]->setFixedWidth(
        twips::ToPixels(PanelPercents()[static_cast<size_t>(i)] / 100.0 * screenW, screen.dpi));

  // 5. English captions.
  applyCaptions(false);

  // 6. The window, frame included, as large as the screen; shown, not modal.
  outerSize_ = QSize(screen.widthPx, screen.heightPx);
  resize(outerSize_);
  show();
  Fit_outer_size();
  if (layout()) layout()->activate();

  // 7. Screen check (both comparisons strict).
  if (screenH < 11500 || screenW < 15300)
    ctx_.MsgBox(kSmallScreen.text.in(IsChinese(st_.Lang_chn)), kSmallScreen.title.in(IsChinese(st_.Lang_chn)));

  // 8. Serial port scan, 15 down to 1; the first that opens is kept open.
  Port_scan();

  // 9. Band table and limits; panels 7 and 8.
  Band_startup(st_);
  SetPanelText(7, Band_panel7_text(st_));
  SetPanelText(8, Band_panel8_text(st_));

  // 10. Number of channels.
  st_.Chann_total = 200;

  // 11. Tone lists.
  Tone_table_init(st_);

  // 12. Option positions.
  Opt_offsets_init();

  // 13. Identification of an attached radio.
  if (link->port().isOpen()) {
    link->Close_port();
    link->Panel(StatusPanel::LinkState, link_panel::Connecting.in(IsChinese(st_.Lang_chn)));
    Ident_start();
  }

  // 14. The alignment editor's second band is 400..520 MHz.
  // 15. Alignment defaults, copied into the alignment table.
  // 16. Image fill: rows 0..495 := 0xFF.
  // 17. Factory defaults: options with VFOs and FM labels, DTMF, channels, weather channels.
  ctx_.image.change(0, img::kFillLastRow, this, [this](img::Image& im) { Factory_startup(st_, im, svc_.clock); });

  // 18. Window-loaded flags.
  host_.Clear_loaded_flags();

  // 19. The channel window opens last.
  host_.load<frm_chann>();
}

void MDImain::Port_scan() {
  for (int n = 15; n >= 1; --n) {
    st_.Comm_port = static_cast<Int16>(n);
    Port_open(link->port(), st_);
    if (st_.Port_err == 0) break;
  }
  if (st_.Port_err != 0) st_.Comm_port = 1;
  link->Panel(StatusPanel::Port, QStringLiteral("COM") + QString::number(st_.Comm_port));
}

// The identification runs on in later timer and receive events. When the
// port found by the scan no longer opens, nothing is sent: the main window
// stays and status panel 2 shows the failure.
void MDImain::Ident_start() {
  if (link->Start(*ident_) != LinkStart::Started)
    link->Panel(StatusPanel::LinkState, link_panel::Fault.in(IsChinese(st_.Lang_chn)));
}

// ---- commands ----------------------------------------------------------------

void MDImain::MDImain_File_Open_Click() { host_.reopen<Form_open_chann>(); }
void MDImain::MDImain_File_save_Click() { host_.reopen<Form_save_chann>(); }
void MDImain::MDImain_File_exit_Click() { Exit_program(); }
void MDImain::MDImain_Menu_Exit_Click() { Exit_program(); }
void MDImain::MDImain_Band_Range_Click() { host_.reopen<Form_type>(); }
void MDImain::MDImain_Channel_edit_Click() { host_.reopen<frm_chann>(); }
void MDImain::MDImain_Optional_edit_Click() { host_.reopen<frm_option>(); }
void MDImain::MDImain_Dtmf_edit_Click() { host_.reopen<frm_dtmf>(); }
void MDImain::MDImain_Prog_read_Click() { host_.reopen<Form_Comm_Read>(); }
void MDImain::MDImain_Prog_write_Click() { host_.reopen<Form_Comm_Write>(); }
// Loads the alignment window when it is not loaded; an open one is neither
// rebuilt nor raised.
void MDImain::MDImain_Adj_Edit_Click() { host_.open<frm_Adj_Txp>(); }
void MDImain::MDImain_PC_PassWord_Click() { host_.reopen<Form_Write_PassWord>(); }
void MDImain::MDImain_proc_setup_Click() { host_.open<Form_setup>(); }
void MDImain::MDImain_Language_chn_Click() { Language_switch(-1); }
void MDImain::MDImain_Language_eng_Click() { Language_switch(0); }
void MDImain::MDImain_about_Click() { host_.openAndShow<frmAbout>(); }

// The language switch: -1 Chinese, 0 English.
void MDImain::Language_switch(Int16 chosen) {
  // The flag changes only with the language...
  if (st_.Lang_chn != chosen) st_.Lang_chn = chosen;
  // ...the main window is re-captioned and the open windows rebuilt every time.
  applyCaptions(IsChinese(chosen));
  Language_reload();
}

// Every window of the language order that is open, by its window-loaded
// flag, is unloaded and loaded again, in that order, so it takes the new
// captions. Windows outside the order keep theirs until they are next opened.
void MDImain::Language_reload() { host_.Reopen_open(&WindowPlaces::language); }

void MDImain::MDImain_Toolbar1_ButtonClick(const QString& key) {
  // Exact, case-sensitive comparison, in this order; no match does nothing.
  if (key == QLatin1String("open"))
    MDImain_File_Open_Click();
  else if (key == QLatin1String("save"))
    MDImain_File_save_Click();
  else if (key == QLatin1String("edit_chann"))
    MDImain_Channel_edit_Click();
  else if (key == QLatin1String("read"))
    MDImain_Prog_read_Click();
  else if (key == QLatin1String("write"))
    MDImain_Prog_write_Click();
  else if (key == QLatin1String("exit"))
    Exit_program();
}

void MDImain::Exit_program() {
  if (exiting_) return;
  exiting_ = true;
  // The windows the exit names, in order, then every other window, so the
  // program ends with the main window.
  host_.Unload_each(&WindowPlaces::exit);
  for (RadioWindow* w : host_.loadedWindows()) host_.unloadWindow(w);
  link->End();
  close();
}

// The frame's size is known once the window is shown, and under some window
// managers only when the window has been framed (its first move after that):
// the inside is then made smaller by the frame, once.
void MDImain::Fit_outer_size() {
  if (outerFitted_ || !isVisible()) return;
  const QSize frame = frameGeometry().size() - geometry().size();
  if (frame.width() <= 0 && frame.height() <= 0) return;
  outerFitted_ = true;
  resize(outerSize_ - frame);
}

void MDImain::moveEvent(QMoveEvent* e) {
  QMainWindow::moveEvent(e);
  Fit_outer_size();
}

void MDImain::closeEvent(QCloseEvent* e) {
  if (!exiting_) {
    e->ignore();
    Exit_program();
    return;
  }
  e->accept();
}

// ---- MainFrame ---------------------------------------------------------------

double MDImain::Width() const { return twips::FromPixels(frameGeometry().width(), svc_.screen().dpi); }
double MDImain::Height() const { return twips::FromPixels(frameGeometry().height(), svc_.screen().dpi); }
double MDImain::ScaleWidth() const { return twips::FromPixels(mdi_->width(), svc_.screen().dpi); }
double MDImain::ScaleHeight() const { return twips::FromPixels(mdi_->height(), svc_.screen().dpi); }

void MDImain::SetPanelText(int panel, const QString& text) {
  if (panel >= 1 && panel <= 11) panels_[static_cast<size_t>(panel - 1)]->setText(text);
}

QString MDImain::PanelText(int panel) const {
  return panel >= 1 && panel <= 11 ? panels_[static_cast<size_t>(panel - 1)]->text() : QString();
}

QAction* MDImain::menu(const QString& name) const {
  auto it = menus_.find(name);
  return it == menus_.end() ? nullptr : it->second;
}

QAction* MDImain::toolButton(const QString& key) const {
  for (QAction* a : Toolbar1->actions())
    if (a->data().toString() == key) return a;
  return nullptr;
}
