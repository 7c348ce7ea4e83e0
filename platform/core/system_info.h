#pragma once
// The operating system's system information program, as the About box uses
// it. Production looks for a program on the PATH and starts it detached;
// tests inject their own and never start anything.
#include <QString>

class SystemInfoTool {
 public:
  virtual ~SystemInfoTool() = default;
  // Full path of a system information program, empty when there is none.
  virtual QString locate() = 0;
  // Starts the program in its own window without waiting for it; false when
  // it could not be started.
  virtual bool launch(const QString& path) = 0;
};
