#pragma once
// Loads, unloads and finds the program's windows. At most one window of each
// class is loaded at a time. Loading builds the window afresh from the shared
// state: construct, run its load handling, show. Unloading runs its unload
// handling, then closes it and deletes it once control returns to the event loop.
#include "platform/radio_window.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QObject>
#include <QPointer>

#include <map>
#include <typeindex>
#include <vector>

class WindowHost : public QObject {
  Q_OBJECT
 public:
  WindowHost() = default;
  // Binds the host to the application's context (after the main frame exists):
  // windows are built with `app`; the host itself uses its platform part.
  void attach(AppContext* app, WindowContext* ctx);

  template <class W>
  W* find() const {
    auto it = loaded_.find(std::type_index(typeid(W)));
    return it == loaded_.end() ? nullptr : static_cast<W*>(it->second.data());
  }
  template <class W>
  bool isLoaded() const { return find<W>() != nullptr; }

  // Builds and shows a new window of class W. When one is loaded already it is
  // returned unchanged.
  template <class W>
  W* load() {
    if (W* w = find<W>()) return w;
    W* w = new W(*app_);
    adopt(std::type_index(typeid(W)), w);
    runLoad(w);
    return find<W>();  // the load handling may have unloaded the window again
  }
  // Unloads the window of class W when it is loaded; does nothing otherwise.
  template <class W>
  void unload() {
    if (W* w = find<W>()) unloadWindow(w);
  }
  // Reopen: unload, then load, so the window is rebuilt from the shared state.
  template <class W>
  W* reopen() {
    unload<W>();
    return load<W>();
  }
  // Open: load only when not loaded; a loaded window is neither rebuilt nor raised.
  template <class W>
  W* open() { return load<W>(); }
  // Open and show: load when not loaded, then show and bring to the front.
  template <class W>
  W* openAndShow() {
    W* w = load<W>();
    if (w) raiseWindow(w);
    return w;
  }

  void unloadWindow(RadioWindow* w);
  // Every loaded window, in loading order.
  std::vector<RadioWindow*> loadedWindows() const;
  void raiseWindow(RadioWindow* w);

 protected:
  // A press into an inactive MDI child activates that child first, so its
  // activation (and the redraw it runs) comes before the press is handled.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void adopt(std::type_index type, RadioWindow* w);
  void runLoad(RadioWindow* w);
  void onSubWindowActivated(QMdiSubWindow* sub);

  AppContext* app_ = nullptr;
  WindowContext* ctx_ = nullptr;
  std::map<std::type_index, QPointer<RadioWindow>> loaded_;
  std::vector<QPointer<RadioWindow>> order_;
  QPointer<RadioWindow> active_;  // the MDI child that is active now
};
