// Memory kept by saving and opening a parameter file through the dialogs: the
// user's File > Save, the name typed into Form_save_chann and Confirm pressed,
// then File > Open, the name into Form_open_chann and Confirm (which loads the
// file and rebuilds the channel window), over and over. The completion
// messages are the program's real message boxes, closed with Enter. It prints the
// resident memory (VmRSS of /proc/self/status) and the heap in use (malloc's
// count) after the start-up, after a warm-up and after the cycles, and the
// growth per cycle. No target: a figure to watch; it exits with 0.
//
//   QT_QPA_PLATFORM=offscreen build/default/tests/bench/bench_file_cycles [cycles] [--no-pixmap-cache] [--hold]
//
// cycles: 1000 unless given. --no-pixmap-cache sets Qt's pixmap cache (which
// keeps the scaled icons of every new window frame, up to its limit of
// 10 MB) to nothing, so the figures show what else is kept. --hold ends the
// program without taking the windows down, so a heap profiler (heaptrack)
// lists what the cycles left held as "leaked"; comparing two runs of
// different lengths shows what grows.
#include "bench_program.h"
#include "image/ui/Form_open_chann.h"
#include "image/ui/Form_save_chann.h"
#include "platform/qt_services.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmapCache>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Resident memory in kB, from /proc/self/status.
long ResidentKb() {
  QFile f(QStringLiteral("/proc/self/status"));
  if (!f.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : f.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
  return -1;
}

// The heap in use in kB (malloc's own count: freed memory it keeps is not in it).
long HeapKb() { return static_cast<long>(mallinfo2().uordblks / 1024); }

// The program's message box, closed by the user's Enter once it is up; the
// texts are kept for the cycle's check.
class PressingEnter : public Prompt {
 public:
  void setParent(QWidget* parent) { boxes_.setParent(parent); }
  void MsgBox(const QString& text, const QString& title, PromptIcon icon) override {
    texts.push_back(text);
    QTimer press;
    QObject::connect(&press, &QTimer::timeout, [&press] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); box && box->isVisible()) {
        press.stop();
        QTest::keyClick(box, Qt::Key_Return);
      }
    });
    press.start(0);
    boxes_.MsgBox(text, title, icon);
  }
  std::vector<QString> texts;

 private:
  QtPrompt boxes_;
};

struct Figure {
  long rss, heap;
  qsizetype widgets;
};
Figure Now() {
  malloc_trim(0);
  return {ResidentKb(), HeapKb(), QApplication::allWidgets().size()};
}

void Print(const char* when, const Figure& f) {
  std::printf("%-34s resident %8.1f MB   heap in use %8.1f MB   widgets %lld\n", when,
              static_cast<double>(f.rss) / 1024, static_cast<double>(f.heap) / 1024, static_cast<long long>(f.widgets));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  int cycles = 1000;
  bool hold = false;
  for (int i = 1; i < argc; ++i) {
    const QByteArrayView arg(argv[i]);
    if (arg == "--hold")
      hold = true;
    else if (arg == "--no-pixmap-cache")
      QPixmapCache::setCacheLimit(0);
    else
      cycles = std::max(1, std::atoi(argv[i]));
  }
  constexpr int kWarmUp = 20;

  QTemporaryDir dir;
  if (!dir.isValid() || !QDir::setCurrent(dir.path())) return 2;
  PressingEnter prompt;
  BenchProgram program(prompt);
  MDImain& main = program.start([&](MDImain& m) { prompt.setParent(&m); });
  main.show();
  Settle();
  const Figure started = Now();

  QAction* fileSave = main.menu(QStringLiteral("File_save"));
  QAction* fileOpen = main.menu(QStringLiteral("File_Open"));
  int failures = 0;
  // One cycle: save, then open the file just saved; each through its dialog.
  auto cycle = [&] {
    fileSave->trigger();
    Settle();
    if (auto* d = main.host().find<Form_save_chann>()) {
      d->Text1->setText(QStringLiteral("radio.dat"));
      QTest::mouseClick(d->Command_enter, Qt::LeftButton);
    }
    Settle();
    fileOpen->trigger();
    Settle();
    if (auto* d = main.host().find<Form_open_chann>()) {
      d->Text1->setText(QStringLiteral("radio.dat"));
      QTest::mouseClick(d->Command_enter, Qt::LeftButton);
    }
    Settle();
    // Two messages a cycle, the completions; none of them is kept.
    if (prompt.texts != std::vector<QString>{QStringLiteral("Complete storing  parameter."),
                                             QStringLiteral("Succeed fold the parameter from file.")})
      ++failures;
    prompt.texts = {};
  };
  for (int i = 0; i < kWarmUp; ++i) cycle();
  const Figure warm = Now();
  for (int i = 0; i < cycles; ++i) cycle();
  const Figure done = Now();

  Print("after the start-up", started);
  Print("after the warm-up (20 cycles)", warm);
  char after[64];
  std::snprintf(after, sizeof after, "after %d more cycles", cycles);
  Print(after, done);
  std::printf("per cycle: resident %+.2f kB, heap in use %+.2f kB\n", double(done.rss - warm.rss) / cycles,
              double(done.heap - warm.heap) / cycles);
  if (failures) std::printf("%d cycles did not save and open as a user sees it\n", failures);
  std::fflush(stdout);
  if (hold) std::_Exit(failures ? 1 : 0);
  return failures ? 1 : 0;
}
