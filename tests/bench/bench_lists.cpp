// How long a window with the options window's 43 drop-down lists takes to
// open, and to be rebuilt as the language switch does, with the platform's
// lists: four tone lists of 2,211 items and 39 short lists, each filled in
// one call and set to an item as the window's show sets it (nested clicks
// included). It prints, over the rounds, the fastest and the median time of
//   - load and first show (construct, fill, show, the first paint);
//   - a language switch with the window open (unload, load, show, paint).
// Target: under 100 ms each (the median); the program exits with 1 when one
// is missed.
//
//   QT_QPA_PLATFORM=offscreen build/default/tests/bench/bench_lists [rounds]
//   (or on a real display: DISPLAY=:0 build/default/tests/bench/bench_lists)
#include "app/ui/MDImain.h"
#include "platform/combo_list.h"
#include "settings/opt_lists.h"
#include "state/image_store.h"
#include "state/session.h"
#include "support/fake_port.h"
#include "support/manual_timer.h"
#include "support/recording_prompt.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

class ListWindow : public RadioWindow {
 public:
  explicit ListWindow(AppContext& c) : RadioWindow(c) {
    int i = 0;
    for (const OptList& l : Opt_lists()) {
      auto* combo = Control<ComboList>(l.control);
      combo->setMode(ComboList::Mode::Setting);
      combo->setFieldReadOnly(!l.tones);
      combo->onClick = [this] { ++clicks; };
      place(combo, 120 + (i % 4) * 2400, 120 + (i / 4) * 400, 2200, 315);
      lists.push_back(combo);
      ++i;
    }
  }
  bool isMdiChild() const override { return true; }
  void Form_Load() override {
    setTwipsGeometry(0, 0, 10000, 8000);
    const bool zh = chinese();
    for (std::size_t i = 0; i < lists.size(); ++i) {
      lists[i]->Clear();
      lists[i]->AddItems(Opt_list_items(Opt_lists()[i], zh, ctx.st.Tone_list_fine));
    }
    for (ComboList* c : lists) c->setListIndex(c->ListCount() - 1);
  }
  std::vector<ComboList*> lists;
  int clicks = 0;
};

double Ms(const QElapsedTimer& t) { return static_cast<double>(t.nsecsElapsed()) / 1e6; }

// Shown and painted: everything the load queued has run.
void Settle() {
  QApplication::processEvents();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QApplication::processEvents();
}

constexpr double kTargetMs = 100;

// Prints the figures; true when the median meets the target.
bool Report(const char* what, std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  const double median = ms[ms.size() / 2];
  std::printf("%-40s fastest %6.1f ms   median %6.1f ms\n", what, ms.front(), median);
  return median < kTargetMs;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
  RecordingPrompt prompt;
  FakePortFactory ports;
  ManualTimerFactory timers;
  Services svc;
  svc.prompt = &prompt;
  svc.ports = &ports;
  svc.timers = &timers;
  svc.screen = [] { return ScreenInfo{1280, 1024, 96}; };
  svc.clock = [] { return DateTime{2026, 12, 10, 9, 30, 0}; };
  Session st;
  ImageStore image;
  MDImain main(st, image, svc);
  main.MDImain_MDIForm_Load();
  Settle();

  std::vector<double> open, switched;
  for (int r = 0; r < rounds; ++r) {
    QElapsedTimer t;
    t.start();
    main.host().load<ListWindow>();
    Settle();
    open.push_back(Ms(t));
    st.Lang_chn = st.Lang_chn ? 0 : -1;
    t.start();
    main.host().reopen<ListWindow>();
    Settle();
    switched.push_back(Ms(t));
    main.host().unload<ListWindow>();
    Settle();
  }
  ListWindow* w = main.host().load<ListWindow>();
  int items = 0;
  for (ComboList* c : w->lists) items += c->ListCount();
  std::printf("%zu lists, %d items, %d clicks at the show\n", w->lists.size(), items, w->clicks);
  const bool ok = Report("load and first show", open) & Report("language switch with the window open", switched);
  std::printf(ok ? "target met (under %.0f ms)\n" : "target missed (under %.0f ms)\n", kTargetMs);
  return ok ? 0 : 1;
}
