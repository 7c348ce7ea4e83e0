// The program: production services on Qt, one session and one image, the main window.
#include "app/ui/MDImain.h"
#include "platform/qt_services.h"
#include "platform/qt_system_info.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QtPrompt prompt;
  QtSerialPortFactory ports;
  QtTimerFactory timers;
  QtSystemInfoTool sysinfo;
  Services svc;
  svc.prompt = &prompt;
  svc.ports = &ports;
  svc.timers = &timers;
  svc.sysinfo = &sysinfo;
  svc.screen = [] {
    const QScreen* s = QGuiApplication::primaryScreen();
    if (!s) return ScreenInfo{};
    return ScreenInfo{s->size().width(), s->size().height(), static_cast<int>(s->logicalDotsPerInch())};
  };
  Session st;
  ImageStore image;
  MDImain main(st, image, svc);
  prompt.setParent(&main);
  main.MDImain_MDIForm_Load();
  return app.exec();
}
