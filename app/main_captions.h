#pragma once
// Captions of the main window in both languages: the start-up applies the
// English column, the language switch the column of the chosen language.
#include <QString>

#include <span>

struct MainCaption {
  const char* element;  // menu name, or "tip1".."tip6" for the toolbar buttons
  const char* english;
  const char* chinese;
};

std::span<const MainCaption> MainCaptions();

// Menus as created (before the start-up captions them) and their shortcuts.
struct MenuSpec {
  const char* name;
  const char* parent;   // "" for the menu bar
  const char* created;  // caption as created
  const char* shortcut; // "" for none
  bool visible;         // false: created disabled and hidden
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
