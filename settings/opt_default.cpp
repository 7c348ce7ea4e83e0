#include "settings/opt_default.h"

#include "image/opt_positions.h"
#include "image/settings_defaults.h"

#include <array>

void Opt_default(img::Image& image, std::int16_t& Chann_total) {
  Chann_total = kOptChannTotal;
  std::array<std::int16_t, kOptBlockSize> Opt_para{};
  for (int k = 0; k < kOptBlockSize; ++k) Opt_para[static_cast<std::size_t>(k)] = image.at(img::OptionCell(k));
  Opt_defaults_init(image, Opt_para);
}
