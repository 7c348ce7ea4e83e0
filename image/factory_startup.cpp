#include "image/factory_startup.h"

#include "image/adj_defaults.h"
#include "image/chann_defaults.h"
#include "image/settings_defaults.h"
#include "state/session.h"

#include <cstddef>

void Factory_startup(Session& s, img::Image& im, const Clock& clock) {
  s.Band220Selected = 0;

  Adj_defaults_init(s, clock);
  for (std::size_t r = 0; r < 16; ++r)
    for (std::size_t c = 0; c < 16; ++c) s.AdjTable[r][c] = s.AdjDefaults[r][c];

  im.fillRows(0, img::kFillLastRow, img::kEmpty);

  Opt_defaults_init(im);
  Dtmf_defaults_init(im);
  Chann_defaults_init(im);
  Wx_chann_init(im);
}
