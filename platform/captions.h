#pragma once
// Captions from {English, Chinese} tables, and the names that assistive
// technology (a screen reader, a test driving the program from outside)
// reads for each control.
#include "platform/core/text.h"

#include <span>

class QWidget;

// Puts each caption of `table` on the control of `root` with that object
// name, in the chosen language: a window's own name gives its title; a
// button, label, check box, option button, group box or text box takes the
// text; a grid takes its header format string; a progress bar takes it as its
// name. A caption naming no control is reported as a warning.
void Apply_captions(QWidget* root, std::span<const Caption> table, bool chinese);

// Gives the controls of `root` the names a screen reader announces, where
// Qt would find none:
// - a tool button without text (a toolbar's picture button) is named by its
//   tool tip;
// - a progress bar without a name (from a caption table) is named
//   "Progress" / "进度".
// Buttons, check boxes and menu items are named by their captions, and a text
// box or list by the caption of the label whose buddy it is (QLabel::setBuddy),
// which Qt reads live. Labels and status panels keep no fixed name: their
// text, which changes, is what a screen reader reads (in Qt 6.4 a fixed name
// would be read instead of the text).
void Name_controls(QWidget* root, bool chinese);

// Names one control that has no label of its own (an editor laid over a grid
// cell is named by the cell's column). A drop-down list reads its current
// text as its name on the Linux desktop and finds its name through the label
// relation instead: it gets a hidden label with the name as its buddy.
void Name_control(QWidget* control, const QString& name);
