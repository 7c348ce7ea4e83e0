#pragma once
// What assistive technology sees of a TypedField (key_press.h) and does with
// it: Qt's line edit interface, but its edits go through the field. Reading
// (the text, a password as stars, the caret, the selection, the characters'
// places), the name, the role and the state are the line edit's as Qt gives
// them; the editable-text calls (insertText, deleteText, replaceText) and
// setText(QAccessible::Value, ...) are TypedField::AssistedEdit, so a box
// with a key handler takes them as it takes a paste or the Delete key.

// Installs the interface for every TypedField, once (each TypedField's
// constructor calls it, so no field exists without it).
void InstallTypedFieldAccess();
