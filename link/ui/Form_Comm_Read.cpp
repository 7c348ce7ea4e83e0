#include "link/ui/Form_Comm_Read.h"

#include "state/image_store.h"

#include <QPushButton>

Form_Comm_Read::Form_Comm_Read(AppContext& c)
    : TransferDialog(c, {"Form_Comm_Read", "Command_read", link_profiles::kReadAll, &Read_captions}),
      Command_read(startButton()),
      kind(*this, [this](const ReadAll& read) {
        // The one place where a read changes the image: rows 0..479, once
        // every block has arrived. The image announces the new rows, so open
        // editors show them at once.
        ctx.image.change(0, img::kReadLastRow, this, [&read](img::Image& im) { read.Rx_unpack(im); });
      }) {
  connect(Command_read, &QPushButton::clicked, this, On(&Form_Comm_Read::Form_Comm_Read_Command_read_Click));
  connect(Command_Cancel, &QPushButton::clicked, this, On(&Form_Comm_Read::Form_Comm_Read_Command_Cancel_Click));
}

void Form_Comm_Read::Form_Comm_Read_Form_Load() { Load(); }
void Form_Comm_Read::Form_Comm_Read_Form_Unload() { Unload(); }
void Form_Comm_Read::Form_Comm_Read_Command_read_Click() {
  Start_click([this] { return Read_start(); });
}
void Form_Comm_Read::Form_Comm_Read_Command_Cancel_Click() { Cancel_click(); }
LinkStart Form_Comm_Read::Read_start() { return link->Start(kind); }
