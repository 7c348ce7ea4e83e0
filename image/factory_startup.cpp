#include "image/factory_startup.h"

#include "app/shared_state.h"
#include "image/adj_defaults.h"
#include "image/chann_defaults.h"
#include "image/settings_defaults.h"

#include <cstddef>

void Factory_startup(SharedState& s, const Clock& clock) {
  s.Band220Selected = 0;

  Adj_defaults_init(s, clock);
  for (std::size_t r = 0; r < 16; ++r)
    for (std::size_t c = 0; c < 16; ++c) s.AdjTable[r][c] = s.AdjDefaults[r][c];

  s.Image.fillRows(0, img::kFillLastRow, img::kEmpty);

  Opt_defaults_init(s);
  Dtmf_defaults_init(s);
  Chann_defaults_init(s);
  Wx_chann_init(s);
}
