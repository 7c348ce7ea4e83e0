#include "app/ui/frmAbout.h"

#include "app/about_texts.h"
#include "platform/core/twips.h"
#include "platform/window_host.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {

constexpr Caption kCaptions[] = {{"frmAbout", {"About", "关于"}}};

}  // namespace

frmAbout::frmAbout(AppContext& c) : RadioWindow(c), ctx(c) {
  setObjectName(QStringLiteral("frmAbout"));
  Captions(kCaptions);
  picIcon = new QLabel(this);
  picIcon->setObjectName(QStringLiteral("picIcon"));
  lblTitle = new QLabel(this);
  lblTitle->setObjectName(QStringLiteral("lblTitle"));
  lblVersion = new QLabel(this);
  lblVersion->setObjectName(QStringLiteral("lblVersion"));
  lblDescription = new QLabel(this);
  lblDescription->setObjectName(QStringLiteral("lblDescription"));
  Line1 = new QFrame(this);
  Line1->setObjectName(QStringLiteral("Line1"));
  Line2 = new QFrame(this);
  Line2->setObjectName(QStringLiteral("Line2"));
  lblDisclaimer = new QLabel(this);
  lblDisclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
  cmdOk = new QPushButton(this);
  cmdOk->setObjectName(QStringLiteral("cmdOk"));
  cmdSysInfo = new QPushButton(this);
  cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));

  for (QLabel* l : {lblTitle, lblVersion, lblDescription, lblDisclaimer}) l->setWordWrap(true);
  QFont big = lblTitle->font();
  big.setBold(true);
  big.setPointSizeF(big.pointSizeF() * 1.3);
  lblTitle->setFont(big);

  // The etched rule: a dark grey line with a white one right under it.
  for (QFrame* f : {Line1, Line2}) {
    f->setFrameShape(QFrame::NoFrame);
    f->setAutoFillBackground(true);
  }
  QPalette dark = Line1->palette();
  dark.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
  Line1->setPalette(dark);
  QPalette white = Line2->palette();
  white.setColor(QPalette::Window, Qt::white);
  Line2->setPalette(white);

  // Enter presses the button with the focus; Esc is handled in keyPressEvent.
  cmdOk->setAutoDefault(true);
  cmdOk->setDefault(true);
  cmdSysInfo->setAutoDefault(true);
  setTabOrder(cmdOk, cmdSysInfo);

  connect(cmdOk, &QPushButton::clicked, this, On(&frmAbout::frmAbout_cmdOk_Click));
  connect(cmdSysInfo, &QPushButton::clicked, this, On(&frmAbout::frmAbout_cmdSysInfo_Click));
}

void frmAbout::Form_Load() {
  // 1. Designed size, centred in the main window's client area, 500 twips up.
  setTwipsSize(kWidth, kHeight);
  centreInMain(500);
  const int d = ctx.dpi();
  picIcon->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(twips::ToPixels(540, d)));
  place(picIcon, 240, 240, 540, 540);
  place(lblTitle, 1050, 240, 4445, 480);
  place(lblVersion, 1050, 780, 4445, 225);
  place(lblDescription, 1050, 1125, 4445, 1170);
  place(Line1, 84, 2430, 5562, 15);
  place(Line2, 84, 2445, 5562, 15);
  place(lblDisclaimer, 255, 2625, 3870, 1080);
  place(cmdOk, 4245, 2625, 1260, 345);
  place(cmdSysInfo, 4245, 3075, 1260, 345);

  // 3. Texts in the current language.
  const AboutTexts& t = kAboutTexts;
  const Int16 lang = ctx.st.Lang_chn;
  lblTitle->setText(t.title.in(lang));
  lblVersion->setText(t.version.in(lang));
  lblDescription->setText(t.desc.in(lang));
  lblDisclaimer->setText(t.warning.in(lang));
  cmdOk->setText(t.ok.in(lang));
  cmdSysInfo->setText(t.sysinfo.in(lang));

  cmdOk->setFocus(Qt::OtherFocusReason);
}

void frmAbout::frmAbout_cmdOk_Click() { ctx.host.unloadWindow(this); }

void frmAbout::frmAbout_cmdSysInfo_Click() { StartSysInfo(); }

void frmAbout::StartSysInfo() {
  SystemInfoTool* tool = ctx.svc.sysinfo;
  const QString path = tool ? tool->locate() : QString();
  if (!path.isEmpty() && tool->launch(path)) return;
  // Plain box: no icon, the default title, only OK. The text is Chinese in both languages.
  ctx.MsgBox(QStringLiteral("此时系统信息不可用"), QString(), PromptIcon::None);
}

void frmAbout::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape) {
    cmdOk->click();
    return;
  }
  RadioWindow::keyPressEvent(e);
}
