#include "platform/core/serial_port.h"

#include <gtest/gtest.h>

TEST(PortNames, PortNumbersMapToDevices) {
  struct Case {
    int port;
    const char* device;
  };
#if defined(Q_OS_WIN)
  const Case cases[] = {{1, "COM1"}, {15, "COM15"}, {16, "COM16"}};
#else
  // Built-in ports first, then USB adapters, then ACM (CDC) adapters; the
  // start-up scan from 15 down therefore tries the adapters before the
  // built-in ports, which open even with nothing attached.
  const Case cases[] = {
      {1, "/dev/ttyS0"},
      {4, "/dev/ttyS3"},
      {5, "/dev/ttyUSB0"},
      {12, "/dev/ttyUSB7"},
      {13, "/dev/ttyACM0"},
      {15, "/dev/ttyACM2"},
      {16, "/dev/ttyACM3"},
      {0, ""},
      {17, ""},
      {-1, ""},
  };
#endif
  for (const auto& c : cases) EXPECT_EQ(DefaultPortName(c.port).toStdString(), c.device) << c.port;
}
