#include "app/ui/program_windows.h"

#include "alignment/ui/Form_open_adj.h"
#include "alignment/ui/Form_save_adj.h"
#include "alignment/ui/frm_Adj_Txp.h"
#include "app/ui/Form_type.h"
#include "app/ui/frmAbout.h"
#include "channels/ui/frm_chann.h"
#include "image/ui/Form_open_chann.h"
#include "image/ui/Form_save_chann.h"
#include "link/ui/Form_Comm_Read.h"
#include "link/ui/Form_Comm_Write.h"
#include "link/ui/Form_Write_PassWord.h"
#include "link/ui/Form_setup.h"
#include "settings/ui/frm_dtmf.h"
#include "settings/ui/frm_option.h"

// One line per window. The places are positions in each order:
//   language   the language switch rebuilds the open ones: options 1, channels 2,
//              port dialog 3, save dialog 4, open dialog 5, read dialog 6,
//              write dialog 7, DTMF 8;
//   fileLoad   a parameter-file load rebuilds: channels 1 (also when closed),
//              then options 2 and DTMF 3 when open;
//   exit       the exit unloads first: model dialog 1, channels 2, options 3,
//              About box 4, then every other window;
//   channelClose  the channel window's Close unloads: open dialog 1, save dialog 2.
// The alignment windows keep no flag and stand in no order: the language
// switch leaves them as they are, and the exit unloads them with every other
// window.
WindowRegistry Program_windows(AppContext& ctx) {
  Session& st = ctx.st;
  return WindowRegistry({
      Registered<frm_option>(ctx, "frm_option", {.flag = &st.Flag_frm_option, .language = 1, .fileLoad = 2, .exit = 3}),
      Registered<frm_chann>(
          ctx, "frm_chann",
          {.flag = &st.Flag_frm_chann, .language = 2, .fileLoad = 1, .fileLoadOpens = true, .exit = 2}),
      Registered<Form_setup>(ctx, "Form_setup", {.flag = &st.Flag_setup, .language = 3}),
      Registered<Form_save_chann>(ctx, "Form_save_chann",
                                  {.flag = &st.Flag_save_chann, .language = 4, .channelClose = 2}),
      Registered<Form_open_chann>(ctx, "Form_open_chann",
                                  {.flag = &st.Flag_open_chann, .language = 5, .channelClose = 1}),
      Registered<Form_Comm_Read>(ctx, "Form_Comm_Read", {.flag = &st.Flag_comm_read, .language = 6}),
      Registered<Form_Comm_Write>(ctx, "Form_Comm_Write", {.flag = &st.Flag_comm_write, .language = 7}),
      Registered<frm_dtmf>(ctx, "frm_dtmf", {.flag = &st.Flag_frm_dtmf, .language = 8, .fileLoad = 3}),
      Registered<Form_type>(ctx, "Form_type", {.exit = 1}),
      Registered<frmAbout>(ctx, "frmAbout", {.exit = 4}),
      Registered<Form_Write_PassWord>(ctx, "Form_Write_PassWord", {}),
      Registered<Form_open_adj>(ctx, "Form_open_adj", {}),
      Registered<Form_save_adj>(ctx, "Form_save_adj", {}),
      Registered<frm_Adj_Txp>(ctx, "frm_Adj_Txp", {}),
  });
}
