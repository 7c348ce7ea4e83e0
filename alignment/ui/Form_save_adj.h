#pragma once
// The save dialog of the alignment file: asks the alignment editor to save
// its table to the chosen .adj file.
#include "image/ui/para_file_dialog.h"

class Form_save_adj : public ParaFileDialog {
  Q_OBJECT
 public:
  explicit Form_save_adj(AppContext& ctx);
  PARA_FILE_DIALOG_HANDLERS(Form_save_adj)
};
