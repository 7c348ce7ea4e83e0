#pragma once
// Window geometry is kept in twips (1440 per inch); this is the one place
// where twips and pixels meet.
#include <cmath>

// A control's place in twips: its left and top edges (from its window's or
// frame's top left corner), width and height. The one rectangle of every
// layout table (the file dialogs' ParaFileLayout, the read and write dialogs'
// places, the alignment window's layout), placed by RadioWindow::place.
struct TwipsRect {
  double left, top, width, height;
};

namespace twips {
constexpr int kPerInch = 1440;
inline int ToPixels(double tw, int dpi) { return static_cast<int>(std::lround(tw * dpi / kPerInch)); }
inline double FromPixels(int px, int dpi) { return static_cast<double>(px) * kPerInch / dpi; }
}  // namespace twips
