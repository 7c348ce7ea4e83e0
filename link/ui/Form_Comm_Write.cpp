#include "link/ui/Form_Comm_Write.h"

#include "state/image_store.h"

#include <QPushButton>

Form_Comm_Write::Form_Comm_Write(AppContext& c)
    : TransferDialog(c, {"Form_Comm_Write", "Command_Write", link_profiles::kWriteAll, &Write_captions}),
      Command_Write(startButton()),
      kind(*this) {
  connect(Command_Write, &QPushButton::clicked, this, On(&Form_Comm_Write::Form_Comm_Write_Command_Write_Click));
  connect(Command_Cancel, &QPushButton::clicked, this, On(&Form_Comm_Write::Form_Comm_Write_Command_Cancel_Click));
}

void Form_Comm_Write::Form_Comm_Write_Form_Load() { Load(); }
void Form_Comm_Write::Form_Comm_Write_Form_Unload() { Unload(); }
void Form_Comm_Write::Form_Comm_Write_Command_Write_Click() {
  Start_click([this] {
    // The preparation runs before the port opens and stays in the image
    // whether or not the write then succeeds. The write then sends the rows
    // as they are now, whatever is edited or loaded while it runs.
    ctx.image.change(img::kOptFirst, img::kFmLabelsLast, this, [](img::Image& im) { Write_prepare(im); });
    kind.Take_rows(ctx.image.image());
    return Write_start();
  });
}
void Form_Comm_Write::Form_Comm_Write_Command_Cancel_Click() { Cancel_click(); }
LinkStart Form_Comm_Write::Write_start() { return link->Start(kind); }
