#pragma once
// Loads, unloads and finds the program's windows. At most one window of each
// class is loaded at a time. Loading builds the window afresh from the shared
// state: construct, apply its captions, run its load handling, name its
// controls for assistive technology, show. Unloading runs its unload handling, then
// hides it; it is deleted once none of its handlers is on the stack any more
// and control is back in the event loop (an unload may come while one of its
// handlers waits in a message box).
//
// The host keeps the window registry (window_registry.h): it sets and clears
// each registered window's loaded flag, and walks the program's fixed orders
// (language switch, parameter-file load, exit, the channel window's Close).
#include "platform/radio_window.h"
#include "platform/window_registry.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QObject>
#include <QPointer>

#include <concepts>
#include <functional>
#include <map>
#include <typeindex>
#include <vector>

class WindowHost : public QObject {
  Q_OBJECT
 public:
  WindowHost() = default;
  // Binds the host to the platform's part of the program's context (after
  // the main frame exists).
  void attach(WindowContext* ctx);
  // The program's windows.
  void setRegistry(WindowRegistry registry) { registry_ = std::move(registry); }
  WindowRegistry& registry() { return registry_; }
  const WindowRegistry& registry() const { return registry_; }

  template <class W>
  W* find() const {
    return static_cast<W*>(find(std::type_index(typeid(W))));
  }
  template <class W>
  bool isLoaded() const {
    return find<W>() != nullptr;
  }

  // Builds and shows a new window of class W. When one is loaded already it is
  // returned unchanged. A window of the registry is built by its entry's
  // factory; a window that needs only the platform's context (built from a
  // WindowContext) may be loaded without an entry. Any other gives null.
  template <class W>
  W* load() {
    std::function<RadioWindow*()> platformOnly;
    if constexpr (std::constructible_from<W, WindowContext&>)
      platformOnly = [this]() -> RadioWindow* { return new W(*ctx_); };
    return static_cast<W*>(load(std::type_index(typeid(W)), platformOnly));
  }
  // Unloads the window of class W when it is loaded; does nothing otherwise.
  template <class W>
  void unload() {
    unloadWindow(find<W>());
  }
  // Reopen: unload, then load, so the window is rebuilt from the shared state.
  template <class W>
  W* reopen() {
    unload<W>();
    return load<W>();
  }
  // Open: load only when not loaded; a loaded window is neither rebuilt nor raised.
  template <class W>
  W* open() {
    return load<W>();
  }
  // Open and show: load when not loaded, then show and bring to the front.
  template <class W>
  W* openAndShow() {
    W* w = load<W>();
    if (w) raiseWindow(w);
    return w;
  }

  // The same by registry entry.
  RadioWindow* find(const WindowEntry& e) const { return find(e.type); }
  RadioWindow* load(const WindowEntry& e) { return load(e.type, e.create); }
  void unload(const WindowEntry& e) { unloadWindow(find(e)); }
  RadioWindow* reopen(const WindowEntry& e);
  // Whether the window is open, by its loaded flag when it keeps one.
  bool isOpen(const WindowEntry& e) const;

  // The program's fixed orders.
  // Each window of the order that is open is unloaded and loaded again.
  void Reopen_open(int WindowPlaces::*order);
  // After a parameter file was loaded: each window of that order is rebuilt,
  // the ones marked so also when they were closed.
  void Reopen_after_file_load();
  // Each window of the order is unloaded.
  void Unload_each(int WindowPlaces::*order);
  // Every registered window's loaded flag := 0.
  void Clear_loaded_flags();

  void unloadWindow(RadioWindow* w);
  // A command of the main window (menu, shortcut, toolbar) is about to run.
  // False while an application-modal window (a message box) is open: the
  // command then does nothing, as the mouse and the keys cannot reach it
  // either. Otherwise the active MDI child is deactivated first, so that
  // what it holds is in the image before the command reads it.
  bool Command_begin();
  // Every loaded window, in loading order.
  std::vector<RadioWindow*> loadedWindows() const;
  void raiseWindow(RadioWindow* w);

 protected:
  // A press into an inactive MDI child activates that child first, so its
  // activation (and the redraw it runs) comes before the press is handled.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  RadioWindow* find(std::type_index type) const;
  // Builds a window of `type` by its registry entry's factory, else by `unregistered`.
  RadioWindow* load(std::type_index type, const std::function<RadioWindow*()>& unregistered);
  void adopt(std::type_index type, RadioWindow* w);
  void runLoad(RadioWindow* w);
  void setFlag(std::type_index type, std::int16_t value);
  void onSubWindowActivated(QMdiSubWindow* sub);

  WindowContext* ctx_ = nullptr;
  WindowRegistry registry_;
  std::map<std::type_index, QPointer<RadioWindow>> loaded_;
  std::vector<QPointer<RadioWindow>> order_;
  QPointer<RadioWindow> active_;  // the MDI child that is active now
};
