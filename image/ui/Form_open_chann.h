#pragma once
// The open dialog of the parameter file: loads a .dat file into the image and
// rebuilds the editors.
#include "image/ui/para_file_dialog.h"

class Form_open_chann : public ParaFileDialog {
  Q_OBJECT
 public:
  explicit Form_open_chann(AppContext& ctx);
  PARA_FILE_DIALOG_HANDLERS(Form_open_chann)
};
