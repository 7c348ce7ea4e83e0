#pragma once
// Captions of the main window in both languages: the start-up applies the
// English column, the language switch the column of the chosen language.
#include "platform/core/text.h"

#include <QString>

#include <span>

// The program's title and version, set at start-up.
inline constexpr Text kMainTitle{"Arvex Ostr Ver 2.0  Series Program Software. ( 200 channel )",
                                 "ZQ-47  Velk 系列对讲机编程调试软件（本厂调试版，200信道版 )"};
inline constexpr char kSoftVersion[] = "V22.8.23";
// The status text of panel 11: empty in both languages.
inline constexpr Text kStatusText{"", ""};

// Each caption names the main window (its title), a menu, "tip1".."tip6" for the toolbar buttons' tool tips
// or "panel1".."panel11" for a status panel.
std::span<const Caption> MainCaptions();

// Menus as created (before the start-up captions them) and their shortcuts.
struct MenuSpec {
  const char* name;
  const char* parent;    // "" for the menu bar
  const char* created;   // caption as created
  const char* shortcut;  // "" for none
  bool visible;          // false: created disabled and hidden
};

std::span<const MenuSpec> MainMenus();

// Toolbar buttons in order: key and tool tip as created.
struct ToolSpec {
  const char* key;
  const char* createdTip;
};

std::span<const ToolSpec> MainTools();

// Status panel widths in percent of the screen width, panels 1..11.
std::span<const int> PanelPercents();
