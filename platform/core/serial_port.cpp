#include "platform/core/serial_port.h"

QString DefaultPortName(int port) {
#if defined(Q_OS_WIN)
  return QStringLiteral("COM%1").arg(port);
#else
  if (port >= 1 && port <= 4) return QStringLiteral("/dev/ttyS%1").arg(port - 1);
  if (port >= 5 && port <= 12) return QStringLiteral("/dev/ttyUSB%1").arg(port - 5);
  if (port >= 13 && port <= 16) return QStringLiteral("/dev/ttyACM%1").arg(port - 13);
  return QString();
#endif
}
