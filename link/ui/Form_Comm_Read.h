#pragma once
// The read dialog: reads the radio's memory 0x0000..0x1DFF into image rows
// 0..479 (read-all). The image changes only when the last block has arrived.
#include "link/read_all.h"
#include "link/ui/transfer_dialog.h"

class Form_Comm_Read : public TransferDialog {
  Q_OBJECT
 public:
  explicit Form_Comm_Read(AppContext& ctx);

  void Form_Load() override { Form_Comm_Read_Form_Load(); }
  void Form_Unload() override { Form_Comm_Read_Form_Unload(); }

  void Form_Comm_Read_Form_Load();
  void Form_Comm_Read_Form_Unload();
  void Form_Comm_Read_Command_read_Click();
  void Form_Comm_Read_Command_Cancel_Click();
  // Opens the port when it is closed and queues the entry sequence.
  LinkStart Read_start();

  QPushButton* const Command_read;
  ReadAll kind;
};
