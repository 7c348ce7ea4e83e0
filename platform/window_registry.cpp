#include "platform/window_registry.h"

#include <algorithm>
#include <cstring>

const WindowEntry* WindowRegistry::find(std::type_index type) const {
  for (const WindowEntry& e : entries_)
    if (e.type == type) return &e;
  return nullptr;
}

const WindowEntry* WindowRegistry::find(const char* name) const {
  for (const WindowEntry& e : entries_)
    if (std::strcmp(e.name, name) == 0) return &e;
  return nullptr;
}

std::vector<const WindowEntry*> WindowRegistry::inOrder(int WindowPlaces::*place) const {
  std::vector<const WindowEntry*> out;
  for (const WindowEntry& e : entries_)
    if (e.places.*place > 0) out.push_back(&e);
  std::stable_sort(out.begin(), out.end(),
                   [place](const WindowEntry* a, const WindowEntry* b) { return a->places.*place < b->places.*place; });
  return out;
}
