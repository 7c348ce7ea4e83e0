// Window tests: one application object for the whole run, offscreen.
#include <gtest/gtest.h>
#include <QApplication>
#include <QString>

namespace {

QtMessageHandler qtDefault = nullptr;

// The offscreen platform says for every top-level window that it cannot pass
// size hints on, or raise it, and for every popup that it cannot grab the
// keyboard; the lines tell nothing about the program.
void Quiet(QtMsgType type, const QMessageLogContext& where, const QString& text) {
  if (text.startsWith(QLatin1String("This plugin does not support propagateSizeHints")) ||
      text.startsWith(QLatin1String("This plugin does not support raise")) ||
      text.startsWith(QLatin1String("This plugin does not support grabbing the keyboard")))
    return;
  if (qtDefault) qtDefault(type, where, text);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qtDefault = qInstallMessageHandler(Quiet);
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
