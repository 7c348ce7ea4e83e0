#pragma once
// One way to say a text in the program's two languages. Every caption, list
// item, message and status text is a Text (UTF-8 literals), kept in tables
// beside the code that shows it, and picked by the one language test below.
// A text with a value in it keeps a %1, filled with .arg() after in(); a text
// that exists in one language only (the small-screen warning) is a Text with
// the same literal twice. scripts/check_texts.sh (a ctest) refuses any other
// way of choosing a text: a hand-written Lang_chn test, an inline choice
// between two literals, a struct of its own with both languages.
//
// It lives in platform/core because the window base applies caption tables,
// and the platform layer includes nothing of the program's state.
#include <QString>

#include <cstdint>

// The language flag Lang_chn is -1 for Chinese and 0 for English; any value
// other than 0 means Chinese.
constexpr bool IsChinese(std::int16_t Lang_chn) { return Lang_chn != 0; }

struct Text {
  const char* english;
  const char* chinese;
  QString in(bool chinese_) const { return QString::fromUtf8(chinese_ ? chinese : english); }
  QString in(std::int16_t Lang_chn) const { return in(IsChinese(Lang_chn)); }
};

// A message box's text and title.
struct Message {
  Text text;
  Text title;
};

// A control's caption: the control's object name and its text.
struct Caption {
  const char* control;
  Text text;
};
