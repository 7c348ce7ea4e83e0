#include "link/port_open.h"

#include "link/link_texts.h"

void Port_open(SerialPort& MSC, Session& st) { Port_open(MSC, st, nullptr, PortOpenMessage::None); }

void Port_open(SerialPort& MSC, Session& st, Prompt* prompt, PortOpenMessage message) {
  st.Port_err = 0;
  if (MSC.open(st.Comm_port)) return;
  const bool chinese = IsChinese(st.Lang_chn);
  if (prompt && message != PortOpenMessage::None) {
    const Message& m = message == PortOpenMessage::Alignment ? Msg_port_error_alignment : Msg_port_error;
    prompt->MsgBox(m.text.in(chinese), m.title.in(chinese), PromptIcon::Exclamation);
  }
  st.Port_err = -1;
}
