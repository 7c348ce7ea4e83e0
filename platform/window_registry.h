#pragma once
// The program's windows, one entry per window class: its historic name, its
// window-loaded flag and its place in each of the program's fixed orders.
// The window host keeps the flags (-1 from the start of the window's load to
// the end of its unload, 0 otherwise) and walks the orders; adding a window
// to the program is one line in the table the application hands the host.
// The program supplies each window's factory: the line captures the program's
// own context, which this layer never names.
#include <cstdint>
#include <functional>
#include <typeindex>
#include <typeinfo>
#include <vector>

class RadioWindow;

// Where a window stands in the program's orders. A place is a position in
// the order, counted from 1; 0 means the window is not in that order.
struct WindowPlaces {
  std::int16_t* flag = nullptr;  // the window-loaded flag, or none
  int language = 0;              // rebuilt by the language switch when open
  int fileLoad = 0;              // rebuilt after a parameter file was loaded, when open...
  bool fileLoadOpens = false;    // ...or also when it was closed
  int exit = 0;                  // unloaded by the exit before every other window
  int channelClose = 0;          // unloaded together with the channel window by its Close button
};

struct WindowEntry {
  const char* name;  // the window's class and object name
  std::type_index type;
  std::function<RadioWindow*()> create;  // builds a new window of the class
  WindowPlaces places;
};

// One registry line: the window class W under its historic name, built with
// the program's context `context` (which outlives the registry).
template <class W, class Context>
WindowEntry Registered(Context& context, const char* name, WindowPlaces places) {
  return {name, std::type_index(typeid(W)), [&context]() -> RadioWindow* { return new W(context); }, places};
}

class WindowRegistry {
 public:
  WindowRegistry() = default;
  explicit WindowRegistry(std::vector<WindowEntry> entries) : entries_(std::move(entries)) {}

  void add(const WindowEntry& e) { entries_.push_back(e); }
  const std::vector<WindowEntry>& entries() const { return entries_; }
  const WindowEntry* find(std::type_index type) const;
  const WindowEntry* find(const char* name) const;
  // The entries that have a place in the order `place`, in that order.
  std::vector<const WindowEntry*> inOrder(int WindowPlaces::*place) const;

 private:
  std::vector<WindowEntry> entries_;
};
