#pragma once
// Character keys as the program's key handlers see them: each key that types
// one character is handed to the handler as its character code, which the
// handler may leave, replace, or set to 0 to drop the key. The characters are
// the printable ones and Backspace (8), Enter (13) and Esc (27). Keys without
// a character (arrows, function keys, Delete, other control keys) and keys
// held with Ctrl, Alt or Meta (commands such as Ctrl+C) do not reach the
// handler: they go on to the control as they are.
#include <functional>

class QKeyEvent;

using KeyPressHandler = std::function<void(int& key)>;

// Runs the key of `e` through `handler` and then hands the event on to
// `forward`: the event itself, or a copy that carries the replacement
// character. A dropped key is accepted and not handed on. Returns the code
// the handler left (0 for a dropped key; -1 for a key without a character).
int RouteKeyPress(QKeyEvent* e, const KeyPressHandler& handler, const std::function<void(QKeyEvent*)>& forward);
