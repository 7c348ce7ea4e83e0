#pragma once
// How wide a control must be to show its texts whole, measured with the
// control's own font and style, and the one pass that widens the controls of
// a window (or of a frame) to that, moving what stands beside them.
//
// The windows place their controls at design positions in twips; the design
// widths were made for one font. At the running font and dpi a list item or
// a caption may need more: FitTexts() then gives the control the width it
// needs and keeps everything else where it was designed wherever that fits.
#include <QRect>

class QComboBox;
class QLineEdit;
class QWidget;

// What a list adds to the width of its text: frame, the field's margins and
// cursor, and the drop-down button (an editable QComboBox lays its line edit
// beside the button).
int ListTextExtra(const QComboBox* c);
// What a text box adds to the width of its text: frame, margins and cursor.
int BoxTextExtra(const QLineEdit* e);

// The width a list needs so that its field shows every item of its list
// whole beside the drop-down button: the field's need for the widest item
// (with the font's bearings, which QLineEdit leaves room for before it
// scrolls), and at least QComboBox's size hint under AdjustToContents
// (QStyle::sizeFromContents(CT_ComboBox) over the widest item).
int ListWidthNeeded(const QComboBox* c);

// The width the caption of a label, check box, option button, group box or
// push button needs in the control's present height (a word-wrapping label
// may take more lines where they fit). 0 for another control or no caption.
int CaptionWidthNeeded(const QWidget* w);

// Widens every shown list and captioned control below `container` that is
// narrower than its texts need, frame by frame from the innermost:
// - a control gets the width it needs; controls that share a design column
//   (the same left and width) get the same width, so a column stays even;
// - a control that stands to the right of one that grew, on the same rows,
//   moves right by as much, keeping its design distance; controls that
//   share a design left edge keep sharing it;
// - a frame (QGroupBox) grows to hold what it holds, with its design margin
//   on the right (at most its left margin), and to show its title.
// Hidden controls take no part (their frames are still fitted, for a page
// shown later); the container itself keeps its size.
// Returns the right edge of the container's shown controls before and after.
struct FitResult {
  int designRight = 0;
  int right = 0;
  int grown() const { return right > designRight ? right - designRight : 0; }
};
FitResult FitTexts(QWidget* container);
