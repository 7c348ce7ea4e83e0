#pragma once
// The write dialog: writes image rows 0..448 to the radio (write-all), after
// the write preparation has rewritten the selected channels and the FM band
// labels in the image.
#include "link/ui/transfer_dialog.h"
#include "link/write_all.h"

class Form_Comm_Write : public TransferDialog {
  Q_OBJECT
 public:
  explicit Form_Comm_Write(AppContext& ctx);

  void Form_Load() override { Form_Comm_Write_Form_Load(); }
  void Form_Unload() override { Form_Comm_Write_Form_Unload(); }

  void Form_Comm_Write_Form_Load();
  void Form_Comm_Write_Form_Unload();
  // Refused while busy; otherwise the write preparation, then Write_start.
  void Form_Comm_Write_Command_Write_Click();
  void Form_Comm_Write_Command_Cancel_Click();
  // Opens the port when it is closed and queues the entry sequence.
  LinkStart Write_start();

  QPushButton* const Command_Write;
  WriteAll kind;
};
