#pragma once
// Walks the text of a number file (the .dat and .adj files) field by field,
// counting lines: CR LF, LF and a lone CR each end one line.
#include <QByteArrayView>

inline bool IsBlank(char c) { return c == ' ' || c == '\t'; }
inline bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

class TextScanner {
 public:
  explicit TextScanner(QByteArrayView text) : t_(text) {}
  bool atEnd() const { return i_ >= t_.size(); }
  char peek() const { return t_[i_]; }
  int line() const { return line_; }
  void skip() { ++i_; }
  void skipBlanks() {
    while (!atEnd() && IsBlank(peek())) ++i_;
  }
  void skipBlanksAndLineEnds() {
    while (!atEnd()) {
      const char c = peek();
      if (IsBlank(c)) {
        ++i_;
      } else if (c == '\r') {
        ++i_;
        if (!atEnd() && peek() == '\n') ++i_;
        ++line_;
      } else if (c == '\n') {
        ++i_;
        ++line_;
      } else {
        break;
      }
    }
  }
  // The field that starts here: up to a blank, a comma, a line end or the end.
  QByteArrayView field() {
    const qsizetype start = i_;
    while (!atEnd() && !IsBlank(peek()) && peek() != ',' && !IsLineEnd(peek())) ++i_;
    return t_.sliced(start, i_ - start);
  }

 private:
  QByteArrayView t_;
  qsizetype i_ = 0;
  int line_ = 1;
};
