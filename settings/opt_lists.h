#pragma once
// The drop-down lists of the options window frm_option and their items in
// both languages. A list stores no text: the option block keeps the index of
// the chosen item (item i stands for byte value i) and a VFO record a field
// derived from it, so both languages have the same items in the same order.
#include "platform/core/text.h"
#include "settings/vfo_tone.h"

#include <QString>
#include <QStringList>

#include <span>
#include <string_view>

// One list: its fixed items, then `count` decimal numbers first, first + step,
// ..., then (tone lists) the tone texts of Tone_list_fine entries 1..2210.
struct OptList {
  const char* control;          // the list's object name
  std::span<const Text> fixed;  // items in both languages
  int first = 0, count = 0, step = 1;
  bool tones = false;
  int size() const;
};

// Entries of Tone_list_fine that the tone lists show after "OFF".
constexpr int kOptToneItems = vfo::kToneItems - static_cast<int>(vfo::kToneOffItem.size());

// True for the lists whose field takes typing: the tone lists (a tone typed
// is looked up) and the squelch list (whose typing stores nothing).
bool Opt_list_typed(const OptList& list);

// All 43 lists, in the order the window fills them: the ten lists of VFO A,
// the same ten of VFO B, then the option block's lists.
std::span<const OptList> Opt_lists();
// The list of that object name; nullptr when there is none.
const OptList* Opt_list(std::string_view control);

// The items of a list in one language. `Tone_list_fine` is the start-up's
// table of tone texts (entries 0..2300); its entries are shown trimmed, and
// an entry the table does not have shows as an empty item, so the tone lists
// always hold 2211 items.
QStringList Opt_list_items(const OptList& list, bool chinese, const QStringList& Tone_list_fine);
// Item `index` of a list, or an empty text outside the list.
QString Opt_list_item(const OptList& list, int index, bool chinese, const QStringList& Tone_list_fine);
