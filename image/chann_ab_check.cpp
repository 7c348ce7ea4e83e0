#include "image/chann_ab_check.h"

#include "image/opt_positions.h"

namespace {

constexpr int kByteSpare = 1;
constexpr int kByteSideA = 6;
constexpr int kByteSideB = 7;
constexpr int kLastSelectable = 127;

int InRange(int channel) { return channel >= 0 && channel <= kLastSelectable ? channel : 0; }

}  // namespace

bool Chann_programmed(const img::Image& im, int channel) {
  if (channel < 0 || channel > kLastSelectable) return false;
  const int row = img::ChannelRow(channel);
  for (int c = 0; c <= 3; ++c)
    if (im(row, c) == img::kEmpty) return false;
  return true;
}

void Chann_ab_check(img::Image& im) {
  // Both numbers are taken before anything in the row is written.
  int a = InRange(im(img::kChannAbRow, kByteSideA));
  int b = InRange(im(img::kChannAbRow, kByteSideB));
  im(img::kChannAbRow, kByteSpare) = 0;

  int first = -1;
  for (int n = 0; n <= kLastSelectable && first < 0; ++n)
    if (Chann_programmed(im, n)) first = n;

  if (first < 0) {
    im.at(img::OptionCell(Pos_spare44)) = 0;
    a = 0;
    b = 0;
  } else {
    if (!Chann_programmed(im, a)) a = first;
    if (!Chann_programmed(im, b)) b = first;
  }
  im(img::kChannAbRow, kByteSideA) = static_cast<std::int16_t>(a);
  im(img::kChannAbRow, kByteSideB) = static_cast<std::int16_t>(b);
}
