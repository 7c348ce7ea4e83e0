#pragma once
// The save dialog of the parameter file: writes the image to a .dat file.
#include "image/ui/para_file_dialog.h"

class Form_save_chann : public ParaFileDialog {
  Q_OBJECT
 public:
  explicit Form_save_chann(AppContext& ctx);
  PARA_FILE_DIALOG_HANDLERS(Form_save_chann)
};
