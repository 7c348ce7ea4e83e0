#pragma once
// Numbers in texts, independent of the PC's regional settings: "." is always
// the decimal point, and nothing here goes through the C library's locale.
#include <QString>

namespace num {

// The leading decimal number of a text: blanks are ignored, an optional sign,
// digits, an optional point and fraction, an optional exponent. A text that
// does not begin with a number reads as 0; a number too small for a double
// reads as 0 and one too large as infinity, with its sign.
double Val(const QString& text);

// Plain form: at most 15 significant digits, fixed notation, no trailing
// zeros, no blank, never an exponent ("151.82", "0.00001", "-3").
QString Plain(double v);

// Signed form: the plain form with one blank before a non-negative value.
QString Signed(double v);

// Round half to even, as the radio's texts expect.
double RoundHalfEven(double v);

}  // namespace num
