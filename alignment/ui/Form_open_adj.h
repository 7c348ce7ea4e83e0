#pragma once
// The open dialog of the alignment file: asks the alignment editor to load
// the chosen .adj file into its table.
#include "image/ui/para_file_dialog.h"

class Form_open_adj : public ParaFileDialog {
  Q_OBJECT
 public:
  explicit Form_open_adj(AppContext& ctx);
  PARA_FILE_DIALOG_HANDLERS(Form_open_adj)
};
