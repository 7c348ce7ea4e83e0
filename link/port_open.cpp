#include "link/port_open.h"

void Port_open(SerialPort& MSC, SharedState& st) {
  st.Port_err = 0;
  if (!MSC.open(st.Comm_port)) st.Port_err = -1;
}
