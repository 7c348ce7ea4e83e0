// The program: production services on Qt, one session and one image, the main window.
//
// Everything runs on the user-interface thread: user events, timer ticks and
// serial receive events alike. There are no worker threads and no locks. Nor
// are there mutable globals: the session and the image live here and reach
// every window through its context, so each test builds a fresh state.
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
