#include "platform/key_press.h"

#include "platform/typed_field_access.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QTextLayout>
#include <QValidator>

#include <algorithm>
#include <utility>

namespace {

// A character that a key types into a one-line box: what Qt's line edit
// inserts as typed text (printable characters, format characters such as
// zero-width joiners, private-use characters). Line breaks, tabs and other
// control characters are none.
bool Typeable(char32_t c) {
  const QChar::Category k = QChar::category(c);
  return QChar::isPrint(c) || k == QChar::Other_Format || k == QChar::Other_PrivateUse;
}

QString CodeText(char32_t c) { return QString::fromUcs4(&c, 1); }

// Of a longer text only this many characters are typed in: no box of the
// program takes nearly so many, and each character typed in lays the box's
// text out again (Qt's own limit of 32767 would take most of a minute).
constexpr int kLongestTypedIn = 1000;

// Whether the field would insert the key's text, as Qt's line edit decides:
// Ctrl and Ctrl+Shift make a command (Ctrl+V under QTest and X carries the
// plain letter), any other modifier still types (Alt+5 types "5").
bool TypesText(const QKeyEvent* e) {
  const QString text = e->text();
  if (text.isEmpty()) return false;
  const QList<uint> codes = text.toUcs4();
  if (codes.isEmpty()) return false;
  const auto first = static_cast<char32_t>(codes.first());
  if (QChar::category(first) == QChar::Other_Format) return true;
  const Qt::KeyboardModifiers mods = e->modifiers();
  if (mods == Qt::ControlModifier || mods == (Qt::ShiftModifier | Qt::ControlModifier)) return false;
  return Typeable(first);
}

// Backspace, Enter and Esc: the control characters a handler sees, when no
// command modifier is held (Ctrl+Backspace deletes a word).
int HandledControl(const QKeyEvent* e) {
  if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return -1;
  const QString text = e->text();
  if (text.size() != 1) return -1;
  const int c = text[0].unicode();
  return c == 8 || c == 13 || c == 27 ? c : -1;
}

}  // namespace

void RouteKeyPress(QKeyEvent* e, const KeyPressHandler& handler, TypedField* field,
                   const std::function<void(QKeyEvent*)>& forward) {
  if (!handler) {
    forward(e);
    return;
  }
  int original = HandledControl(e);
  if (original < 0 && TypesText(e)) {
    const QList<uint> codes = e->text().toUcs4();
    if (codes.size() != 1) {
      // Several characters in one key (a compose sequence, a tool's key):
      // each goes through the handler as typed.
      e->accept();
      if (field) field->TypeIn(e->text());
      return;
    }
    original = static_cast<int>(codes.first());
  }
  if (original < 0) {
    forward(e);
    return;
  }
  int key = original;
  handler(key);
  if (key == 0) {
    e->accept();
    return;
  }
  if (key == original) {
    forward(e);
  } else {
    QKeyEvent replaced(e->type(), e->key(), e->modifiers(), CodeText(static_cast<char32_t>(key)), e->isAutoRepeat(),
                       static_cast<quint16>(e->count()));
    forward(&replaced);
    e->setAccepted(replaced.isAccepted());
  }
}

// ---- TypedField -------------------------------------------------------------

TypedField::TypedField(QWidget* parent) : QLineEdit(parent) { InstallTypedFieldAccess(); }

void TypedField::setTypedBy(const KeyPressHandler* handler, QWidget* owner) {
  handler_ = handler;
  owner_ = owner ? owner : this;
}

bool TypedField::takesTyping() const {
  if (!isEnabled() || !isVisible() || isReadOnly() || !owner_->isEnabled()) return false;
  // The control keeps its window's focus: a handler's message box that gave
  // the focus back leaves it there; a commit that moved it on does not.
  const QWidget* focus = owner_->window()->focusWidget();
  return focus == owner_ || focus == this;
}

bool TypedField::focusForTyping() {
  if (takesTyping()) return true;
  const QPointer<TypedField> self(this);
  owner_->setFocus(Qt::OtherFocusReason);
  return self && takesTyping();
}

void TypedField::AssistedEdit(int start, int end, const QString& text) {
  const auto length = static_cast<int>(this->text().size());
  start = std::clamp(start, 0, length);
  end = std::clamp(end, 0, length);
  if (end < start) std::swap(start, end);
  if (isReadOnly() || (start == end && text.isEmpty())) return;
  if (!filtered()) {
    // Qt's own: one change of the whole text (which its validator accepts).
    QString whole = this->text().replace(start, end - start, text);
    int pos = 0;
    if (validator() && validator()->validate(whole, pos) != QValidator::Acceptable) return;
    setText(whole);
    return;
  }
  // As the user would: into the box (its got-focus, the lost-focus of the
  // control left), the range selected, then a paste over it or Delete.
  if (!focusForTyping()) return;
  if (start == end)
    setCursorPosition(start);
  else
    setSelection(start, end - start);
  if (text.isEmpty())
    del();
  else
    TypeIn(text);
}

QRect TypedField::CharacterRect(int offset) const {
  const QString shown = text();
  if (echoMode() != QLineEdit::Normal || offset < 0 || offset >= shown.size()) return {};
  // The text laid out as the field lays it out, placed where the field draws
  // its cursor (the middle of the cursor's rectangle).
  QTextLayout layout(shown, font());
  QTextOption option;
  option.setTextDirection(layoutDirection());
  layout.setTextOption(option);
  layout.beginLayout();
  const QTextLine line = layout.createLine();
  layout.endLayout();
  const QRect cursor = cursorRect();
  const qreal origin = QRectF(cursor).center().x() - line.cursorToX(cursorPosition());
  const qreal a = origin + line.cursorToX(offset), b = origin + line.cursorToX(offset + 1);
  const QRect place(QPoint(qRound(std::min(a, b)), cursor.top()), QPoint(qRound(std::max(a, b)) - 1, cursor.bottom()));
  return {mapToGlobal(place.topLeft()), place.size()};
}

void TypedField::TypeIn(const QString& text) {
  if (!filtered()) {
    insert(text);
    return;
  }
  // A copy: the handler runs also when the control goes away meanwhile.
  const KeyPressHandler handler = *handler_;
  const QPointer<TypedField> self(this);
  const QPointer<QWidget> owner(owner_);
  int typed = 0;
  for (const uint code : text.toUcs4()) {
    const auto c = static_cast<char32_t>(code);
    if (!Typeable(c)) continue;
    if (++typed > kLongestTypedIn || !self || !owner || !takesTyping()) return;
    // A full field takes nothing more, whatever follows.
    if (this->text().size() - selectedText().size() >= maxLength()) return;
    int key = static_cast<int>(c);
    handler(key);
    if (!self || !owner) return;
    if (key <= 0 || !Typeable(static_cast<char32_t>(key))) continue;
    if (!takesTyping()) return;
    insert(CodeText(static_cast<char32_t>(key)));
  }
}

void TypedField::pasteFrom(QClipboard::Mode mode) {
  if (isReadOnly()) return;
  const QString text = QGuiApplication::clipboard()->text(mode);
  if (!text.isEmpty()) TypeIn(text);
}

void TypedField::keyPressEvent(QKeyEvent* e) {
  // Ctrl+V, Shift+Insert and the desktop's other paste keys.
  if (filtered() && e->matches(QKeySequence::Paste)) {
    e->accept();
    pasteFrom(QClipboard::Clipboard);
    return;
  }
  QLineEdit::keyPressEvent(e);
}

void TypedField::mouseReleaseEvent(QMouseEvent* e) {
  // The middle button pastes the X selection where the press put the cursor.
  if (filtered() && e->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
    e->accept();
    if (!isReadOnly()) {
      deselect();
      pasteFrom(QClipboard::Selection);
    }
    return;
  }
  QLineEdit::mouseReleaseEvent(e);
}

void TypedField::contextMenuEvent(QContextMenuEvent* e) {
  if (!filtered()) {
    QLineEdit::contextMenuEvent(e);
    return;
  }
  QMenu* menu = createStandardContextMenu();
  if (!menu) return;
  menu->setAttribute(Qt::WA_DeleteOnClose);
  // Qt's own menu, whose Paste types the clipboard in instead. The action is
  // known by its text, which Qt makes with the same translation.
  const QString paste = QLineEdit::tr("&Paste");
  for (QAction* a : menu->actions()) {
    if (a->text().section(u'\t', 0, 0) != paste) continue;
    disconnect(a, &QAction::triggered, this, nullptr);
    connect(a, &QAction::triggered, this, [this] { pasteFrom(QClipboard::Clipboard); });
  }
  menu->popup(e->globalPos());
}

void TypedField::dropEvent(QDropEvent* e) {
  if (!filtered()) {
    QLineEdit::dropEvent(e);
    return;
  }
  const QString text = e->mimeData()->hasText() ? e->mimeData()->text() : QString();
  if (text.isEmpty() || isReadOnly()) {
    e->ignore();
    return;
  }
  const int at = cursorPositionAt(e->position().toPoint());
  // A drop is a click at the place and typing: the control takes the focus
  // first (the control left may refuse to let it go).
  if (!focusForTyping()) {
    e->ignore();
    return;
  }
  // Copied, never moved: the source keeps what the handler drops.
  if (e->possibleActions() & Qt::CopyAction) e->setDropAction(Qt::CopyAction);
  e->accept();
  setCursorPosition(at);
  TypeIn(text);
}

void TypedField::inputMethodEvent(QInputMethodEvent* e) {
  if (!filtered() || e->commitString().isEmpty()) {
    QLineEdit::inputMethodEvent(e);
    return;
  }
  // The composition goes on as Qt shows it; the committed text is typed in.
  const QString commit = e->commitString();
  QInputMethodEvent rest(e->preeditString(), e->attributes());
  rest.setCommitString(QString(), e->replacementStart(), e->replacementLength());
  const QPointer<TypedField> self(this);
  QLineEdit::inputMethodEvent(&rest);
  e->setAccepted(rest.isAccepted());
  if (self) TypeIn(commit);
}
