#include "platform/typed_field_access.h"

#include "platform/key_press.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

class TypedFieldAccessible : public QAccessibleWidget,
                             public QAccessibleTextInterface,
                             public QAccessibleEditableTextInterface {
 public:
  explicit TypedFieldAccessible(TypedField* field) : QAccessibleWidget(field, QAccessible::EditableText) {
    addControllingSignal(QStringLiteral("textChanged(const QString&)"));
    addControllingSignal(QStringLiteral("returnPressed()"));
  }

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (t == QAccessible::EditableTextInterface) return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }

  QString text(QAccessible::Text t) const override {
    QString s;
    if (t == QAccessible::Value) {
      if (field()->echoMode() == QLineEdit::Normal)
        s = field()->text();
      else if (field()->echoMode() != QLineEdit::NoEcho)
        s = QString(field()->text().size(), u'*');
    }
    if (s.isEmpty()) s = QAccessibleWidget::text(t);
    if (s.isEmpty() && t == QAccessible::Description) s = field()->placeholderText();
    return s;
  }
  void setText(QAccessible::Text t, const QString& text) override {
    if (t != QAccessible::Value) return QAccessibleWidget::setText(t, text);
    edit(0, characterCount(), text);
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.editable = true;
    if (field()->isReadOnly()) s.readOnly = true;
    if (field()->echoMode() != QLineEdit::Normal) s.passwordEdit = true;
    s.selectableText = true;
    return s;
  }

  // ---- QAccessibleEditableTextInterface
  void deleteText(int startOffset, int endOffset) override { edit(startOffset, endOffset, QString()); }
  void insertText(int offset, const QString& text) override { edit(offset, offset, text); }
  void replaceText(int startOffset, int endOffset, const QString& text) override { edit(startOffset, endOffset, text); }

  // ---- QAccessibleTextInterface: the line edit's own
  void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0) return;
    *startOffset = field()->selectionStart();
    *endOffset = *startOffset + static_cast<int>(field()->selectedText().size());
  }
  int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
  void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
  void removeSelection(int selectionIndex) override {
    if (selectionIndex == 0) field()->deselect();
  }
  void setSelection(int selectionIndex, int startOffset, int endOffset) override {
    if (selectionIndex == 0) field()->setSelection(startOffset, endOffset - startOffset);
  }
  int cursorPosition() const override { return field()->cursorPosition(); }
  void setCursorPosition(int position) override { field()->setCursorPosition(position); }
  QString text(int startOffset, int endOffset) const override {
    if (startOffset > endOffset || field()->echoMode() != QLineEdit::Normal) return {};
    return field()->text().mid(startOffset, endOffset - startOffset);
  }
  QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                           int* endOffset) const override {
    if (hidden(startOffset, endOffset)) return {};
    return QAccessibleTextInterface::textBeforeOffset(at(offset), boundaryType, startOffset, endOffset);
  }
  QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                          int* endOffset) const override {
    if (hidden(startOffset, endOffset)) return {};
    return QAccessibleTextInterface::textAfterOffset(at(offset), boundaryType, startOffset, endOffset);
  }
  QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                       int* endOffset) const override {
    if (hidden(startOffset, endOffset)) return {};
    return QAccessibleTextInterface::textAtOffset(at(offset), boundaryType, startOffset, endOffset);
  }
  int characterCount() const override { return static_cast<int>(field()->text().size()); }
  QRect characterRect(int offset) const override { return field()->CharacterRect(offset); }
  int offsetAtPoint(const QPoint& point) const override {
    return field()->cursorPositionAt(field()->mapFromGlobal(point));
  }
  void scrollToSubstring(int startIndex, int endIndex) override {
    field()->setCursorPosition(endIndex);
    field()->setCursorPosition(startIndex);
  }
  QString attributes(int offset, int* startOffset, int* endOffset) const override {
    // A line edit's text has no attributes.
    *startOffset = *endOffset = offset;
    return {};
  }

 private:
  TypedField* field() const { return static_cast<TypedField*>(widget()); }
  // Through the field; nothing once the field is gone.
  void edit(int start, int end, const QString& text) {
    if (TypedField* f = field()) f->AssistedEdit(start, end, text);
  }
  // -2 names the caret.
  int at(int offset) const { return offset == -2 ? cursorPosition() : offset; }
  // A password's words and characters are not told.
  bool hidden(int* startOffset, int* endOffset) const {
    if (field()->echoMode() == QLineEdit::Normal) return false;
    *startOffset = *endOffset = -1;
    return true;
  }
};

QAccessibleInterface* TypedFieldAccess(const QString& className, QObject* object) {
  // Qt asks for each class of the object's hierarchy in turn, the most
  // derived first: TypedField's own name comes before QLineEdit's.
  if (className != QLatin1String("TypedField")) return nullptr;
  auto* field = qobject_cast<TypedField*>(object);
  return field ? new TypedFieldAccessible(field) : nullptr;
}

}  // namespace

void InstallTypedFieldAccess() {
  static const bool installed = [] {
    QAccessible::installFactory(&TypedFieldAccess);
    return true;
  }();
  (void)installed;
}
