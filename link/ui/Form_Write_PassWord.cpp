#include "link/ui/Form_Write_PassWord.h"

#include "link/link_texts.h"
#include "link/ui/window_link.h"
#include "platform/window_host.h"

#include <QLabel>
#include <QPushButton>
#include <QValidator>

namespace {

// The boxes take printable ASCII only: a key, or a character of a pasted text,
// with any other character is refused.
class PassWordValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    for (QChar c : input)
      if (!pw::Allowed_char(c)) return Invalid;
    return Acceptable;
  }
};

}  // namespace

Form_Write_PassWord::Form_Write_PassWord(AppContext& c) : RadioWindow(c), ctx(c) {
  setObjectName(QStringLiteral("Form_Write_PassWord"));
  auto label = [this](const char* name) {
    auto* l = Control<QLabel>(name);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
  };
  auto box = [this](const char* name) {
    auto* t = Control<TextBox>(name);
    t->setEchoMode(QLineEdit::Password);
    t->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));  // '*'
    t->setValidator(new PassWordValidator(t));
    return t;
  };
  Label_old_PassWord = label("Label_old_PassWord");
  Text_Old_PassWord = box("Text_Old_PassWord");
  Label_New_Password_1 = label("Label_New_Password_1");
  Text_New_Password_1 = box("Text_New_Password_1");
  Label_New_PassWord_2 = label("Label_New_PassWord_2");
  Text_New_PassWord_2 = box("Text_New_PassWord_2");
  Command_Write = Control<QPushButton>("Command_Write");
  Command_Cancel = Control<QPushButton>("Command_Cancel");
  // Typed and pasted characters alike go through the key filter.
  Text_Old_PassWord->onKeyPress = On(&Form_Write_PassWord::Form_Write_PassWord_Text_Old_PassWord_KeyPress);
  Text_New_Password_1->onKeyPress = On(&Form_Write_PassWord::Form_Write_PassWord_Text_New_Password_1_KeyPress);
  Text_New_PassWord_2->onKeyPress = On(&Form_Write_PassWord::Form_Write_PassWord_Text_New_PassWord_2_KeyPress);

  // Tab order: Modify, Close, old password, new password, confirmation.
  setTabOrder(Command_Write, Command_Cancel);
  setTabOrder(Command_Cancel, Text_Old_PassWord);
  setTabOrder(Text_Old_PassWord, Text_New_Password_1);
  setTabOrder(Text_New_Password_1, Text_New_PassWord_2);

  connect(Text_Old_PassWord, &QLineEdit::textChanged, this,
          On(&Form_Write_PassWord::Form_Write_PassWord_Text_Old_PassWord_Change));
  connect(Command_Write, &QPushButton::clicked, this,
          On(&Form_Write_PassWord::Form_Write_PassWord_Command_Write_Click));
  connect(Command_Cancel, &QPushButton::clicked, this,
          On(&Form_Write_PassWord::Form_Write_PassWord_Command_Cancel_Click));

  link = Window_link(ctx, link_profiles::kPassword, this);
  Timer4 = ctx.svc.timers->create();  // the close timer, created off
  kind_ = std::make_unique<PassWordChange>([this] { Succeeded(); });
  Timer4->onTick = On(&Form_Write_PassWord::Form_Write_PassWord_Timer4_Timer);
}

Form_Write_PassWord::~Form_Write_PassWord() {
  Timer4->stop();
  Timer4->onTick = nullptr;
}

// ---- loading and unloading --------------------------------------------------------

void Form_Write_PassWord::Form_Load() {
  Close_request = false;

  const bool chinese = IsChinese(ctx.st.Lang_chn);
  for (const Caption& c : pw::kCaptions) {
    auto* w = findChild<QWidget*>(QString::fromLatin1(c.control));
    if (auto* l = qobject_cast<QLabel*>(w))
      l->setText(c.text.in(chinese));
    else if (auto* b = qobject_cast<QPushButton*>(w))
      b->setText(c.text.in(chinese));
  }
  setWindowTitle(pw::kDialogTitle.in(chinese));

  // A third of the main window's client width, its height / 2.5, centred and
  // 500 twips above the centre.
  if (ctx.main) {
    const double w = ctx.main->ScaleWidth() / 3, h = ctx.main->ScaleHeight() / 2.5;
    setTwipsGeometry((ctx.main->ScaleWidth() - w) / 2, (ctx.main->ScaleHeight() - h) / 2 - 500, w, h);
  }
  place(Label_old_PassWord, 120, 480, 1935, 255);
  place(Text_Old_PassWord, 2160, 480, 1215, 285);
  place(Label_New_Password_1, 240, 960, 1815, 255);
  place(Text_New_Password_1, 2160, 960, 1215, 285);
  place(Label_New_PassWord_2, 120, 1440, 1935, 255);
  place(Text_New_PassWord_2, 2160, 1440, 1215, 285);
  place(Command_Write, 1200, 2040, 975, 375);
  place(Command_Cancel, 2880, 2040, 975, 375);

  Text_Old_PassWord->clear();
  Text_New_Password_1->clear();
  Text_New_PassWord_2->clear();
  Command_Write->setFocus(Qt::OtherFocusReason);
}

void Form_Write_PassWord::Form_Unload() {
  // The exchange ends with the dialog; closing it is never refused.
  Timer4->stop();
  link->End();
}

// ---- the boxes ------------------------------------------------------------------------

void Form_Write_PassWord::Key_filter(const QLineEdit* box, int& KeyAscii) const {
  if (pw::Trim_spaces(box->text()).size() > 5 && KeyAscii != 8) KeyAscii = 0;
}

void Form_Write_PassWord::Form_Write_PassWord_Text_Old_PassWord_KeyPress(int& KeyAscii) {
  Key_filter(Text_Old_PassWord, KeyAscii);
}
void Form_Write_PassWord::Form_Write_PassWord_Text_New_Password_1_KeyPress(int& KeyAscii) {
  Key_filter(Text_New_Password_1, KeyAscii);
}
void Form_Write_PassWord::Form_Write_PassWord_Text_New_PassWord_2_KeyPress(int& KeyAscii) {
  Key_filter(Text_New_PassWord_2, KeyAscii);
}

void Form_Write_PassWord::Form_Write_PassWord_Text_Old_PassWord_Change() {
  pw::Text_to_cells(Text_Old_PassWord->text(), ctx.st.PassWord_old);
}

// ---- commands -------------------------------------------------------------------------

void Form_Write_PassWord::Form_Write_PassWord_Command_Write_Click() {
  // After a success the dialog is about to close: no exchange may start that
  // the close would cut short.
  if (Close_request) return;
  const QString newText = pw::Trim_spaces(Text_New_Password_1->text());
  const QString confirm = pw::Trim_spaces(Text_New_PassWord_2->text());
  if (confirm != newText) {
    const bool chinese = IsChinese(ctx.st.Lang_chn);
    ctx.MsgBox(pw::Msg_inconsistent.text.in(chinese), pw::Msg_inconsistent.title.in(chinese));
    return;
  }
  // The passwords the exchange will use are the ones in the boxes now; the
  // exchange takes them when it starts. Two empty boxes give six spaces, which
  // removes the user password.
  pw::Text_to_cells(Text_Old_PassWord->text(), ctx.st.PassWord_old);
  pw::Text_to_cells(newText, ctx.st.PassWord_new);
  PassWord_start();
}

void Form_Write_PassWord::PassWord_start() {
  // While an exchange runs (or its failure report is pending) nothing happens.
  link->Start(*kind_);
}

void Form_Write_PassWord::Form_Write_PassWord_Command_Cancel_Click() {
  if (link->Close_request()) ctx.host.unloadWindow(this);
}

// ---- the exchange -----------------------------------------------------------------------

void Form_Write_PassWord::Succeeded() {
  // Runs once the success message has been closed: the boxes are emptied and
  // the close timer starts only now, so it never closes the dialog under its
  // own message.
  Text_Old_PassWord->clear();
  Text_New_Password_1->clear();
  Text_New_PassWord_2->clear();
  Close_request = true;
  Timer4->arm(kCloseTimerMs);
}

void Form_Write_PassWord::Form_Write_PassWord_Timer4_Timer() {
  if (Close_request) {
    Timer4->stop();
    ctx.host.unloadWindow(this);
  }
}
