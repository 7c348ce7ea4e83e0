#pragma once
// A system information program that is never started: the test says where it
// is found and whether starting it works, and sees what would have started.
#include "platform/core/system_info.h"

#include <QString>
#include <vector>

class FakeSystemInfo : public SystemInfoTool {
 public:
  QString locate() override {
    ++locateCalls;
    return path;
  }
  bool launch(const QString& p) override {
    launched.push_back(p);
    return startWorks;
  }
  QString path;            // empty: no program found
  bool startWorks = true;  // false: the start fails
  int locateCalls = 0;
  std::vector<QString> launched;
};
