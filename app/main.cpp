// The program: production services on Qt, one shared state, the main window.
#include "app/shared_state.h"
#include "app/ui/MDImain.h"
#include "platform/qt_services.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QtPrompt prompt;
  QtSerialPortFactory ports;
  QtTimerFactory timers;
  Services svc;
  svc.prompt = &prompt;
  svc.ports = &ports;
  svc.timers = &timers;
  svc.screen = [] {
    const QScreen* s = QGuiApplication::primaryScreen();
    if (!s) return ScreenInfo{};
    return ScreenInfo{s->size().width(), s->size().height(), static_cast<int>(s->logicalDotsPerInch())};
  };
  SharedState st;
  MDImain main(st, svc);
  prompt.setParent(&main);
  main.MDImain_MDIForm_Load();
  return app.exec();
}
