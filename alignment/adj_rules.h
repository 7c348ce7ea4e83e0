#pragma once
// The alignment editor's rules as pure functions: the receive-volume nibbles,
// the number boxes' value check, the band limits of row 12 and their checks,
// the text lines of rows 13 and 14, and the key filters.
#include "alignment/adj_table.h"

#include <QString>

#include <array>

namespace adj {

// ---- Receive volume: coarse step in the high nibble, fine step in the low.
constexpr int VolCoarse(int cell) { return (cell & 0xF0) / 16; }
constexpr int VolFine(int cell) { return cell & 0x0F; }
constexpr int VolWithCoarse(int cell, int index) { return index * 16 + (cell & 0x0F); }
constexpr int VolWithFine(int cell, int index) { return (cell & 0xF0) + index; }

// ---- Number boxes (power points, squelch values and offsets).
// A decimal number of ASCII digits read without overflow: a value too large
// for an int stays at kSaturated, which is beyond every range.
constexpr int kSaturated = 1'000'000;

enum class ValueCheck { Ok, NotADigit, OutOfRange };
struct ValueResult {
  ValueCheck check = ValueCheck::Ok;
  int value = 0;  // the value to store when Ok (0 for an empty box)
};
// The box's text without the spaces around it must be ASCII digits only (an
// empty text is 0); then the value must lie within 0..maximum.
ValueResult CheckValue(const QString& text, int maximum);

// ---- Band limits (row 12).
// The numeric value of a limit box: the decimal number the text begins with
// after leading spaces, 0 when it begins with no digit; a long digit string
// stays at kSaturated.
int LimitValue(const QString& text);

// What a limit shows from its two cells: the hundreds digit (low four bits),
// then the two BCD nibbles, each as a decimal number and joined ("1", "3", "0"
// give "130"; a nibble above 9 gives two digits: 2, 0x3A give "2310").
QString LimitText(int hundredsCell, int bcdCell);

// A value 0..999 as three digits ("050") and as its two cells.
constexpr int kLimitStorable = 999;
QString LimitDigits(int value);
constexpr int LimitHundreds(int value) { return value / 100; }
constexpr int LimitBcd(int value) { return (value / 10 % 10) * 16 + value % 10; }

// The checks when a limit box is left, in this order. A lower box: below the
// band's low edge, then above the upper box, then 1000 or more (which cannot
// be stored; the lower box is not compared with the band's high edge). An
// upper box: above the band's high edge, then below the lower box.
enum class LimitFault { None, LowerBelowBand, LowerAboveUpper, LowerTooLarge, UpperAboveBand, UpperBelowLower };
LimitFault CheckLowerLimit(int low, int upperBoxValue, int bandLow);
LimitFault CheckUpperLimit(int high, int lowerBoxValue, int bandHigh);

// Row 12 columns 6..9 (the second band's full range) for the band choice.
constexpr std::array<int, 4> SecondBandLimitCells(bool band220) {
  return band220 ? std::array<int, 4>{0x02, 0x20, 0x02, 0x60} : std::array<int, 4>{0x04, 0x00, 0x05, 0x20};
}

// ---- Text lines (rows 13 and 14, seven cells each).
constexpr int kLineCells = 7;
using LineCells = std::array<Cell, kLineCells>;
// What a line stores for a box's text: seven spaces (32), then the text
// without the spaces around it, at most 7 characters, centred with an odd
// space to the right; each character by the radio character set, so an inner
// space stores 11.
LineCells LineStore(const QString& text);
// What a line shows: for each of the seven cells in order, text := the text
// without the spaces around it, followed by the cell's character. With
// `rawCodes` (the second information line) every cell shows the character
// with its code (0..255, control codes included); otherwise the radio
// character set, and 11, the byte of every character outside it, the
// character with code 11 (shown like a space); other codes outside the set
// show nothing. The show is not the store's inverse (inner spaces, codes
// outside the set, a line that is not centred), so the page display shows a
// line and stores nothing; only typing stores.
QString LineShow(const Cell* cells, bool rawCodes);

// ---- Key filters: true when a typed key reaches the box.
constexpr char16_t kBackspace = 8;
// The lists take no typed characters, except the tone-gain list's edit field.
// (Keys that type no character are not filtered.)
// A limit box takes keys while its text without the spaces around it has at
// most 3 characters (so a fourth goes in, then nothing, Backspace included).
bool LimitKeyAccepted(const QString& text);
// A text line takes keys while its trimmed text has at most 7 characters; the
// first information line takes only the digits 0..9 (Backspace neither).
bool LineKeyAccepted(const QString& text, char16_t key, bool digitsOnly);

// Spaces only (not tabs) around a text removed, as the boxes' checks do.
QString TrimSpaces(const QString& text);

}  // namespace adj
