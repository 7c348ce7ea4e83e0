#pragma once
// Texts of the radio link in both languages: the link state in status panel 2
// and the message boxes every window that talks to the radio shares.
#include <QString>

// Status panel 2.
enum class LinkPanel {
  Connecting,      // "Connecting with transceiver... " (identification, password change)
  Connected,       // "Connect well with radio." (identification accepted: identification, password change)
  ConnectedData,   // "Connect well with radio." (the radio confirmed: read-all, write-all, alignment)
  Fault,           // "Communication fault."
};
QString Link_panel_text(LinkPanel which, bool chinese);

// A message box: text and title.
struct LinkMessage {
  QString text, title;
};
// "Read-write operating with transceiver ." : a start refused while the window's exchange runs.
LinkMessage Msg_busy(bool chinese);
// "Read-write operating，don't close the window. ," : Close or Cancel refused while it runs.
LinkMessage Msg_busy_close(bool chinese);
// The port error of the dialogs.
LinkMessage Msg_port_error(bool chinese);
// The alignment editor's port error ("Communication Port Open Error ！" in English).
LinkMessage Msg_port_error_alignment(bool chinese);
// "Fail connect with transceiver." : a failed exchange of the read, write and password dialogs.
LinkMessage Msg_fail_connect(bool chinese);
