#pragma once
// The system information program on the desktop: the first of the common
// system information programs found on the PATH, started detached.
#include "platform/core/system_info.h"

#include <QStringList>

class QtSystemInfoTool : public SystemInfoTool {
 public:
  // Programs looked for, in this order.
  static QStringList Candidates();
  QString locate() override;
  bool launch(const QString& path) override;
};
