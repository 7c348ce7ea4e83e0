#include "image/radio_char.h"

namespace {
constexpr std::uint8_t kUnknown = 11;

bool InSet(char16_t c) {
  return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || c == u'+' || c == u'-' || c == u' ';
}
}  // namespace

std::uint8_t Char_to_byte(const QString& text) {
  if (text.size() != 1) return kUnknown;
  char16_t c = text[0].unicode();
  if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
  return InSet(c) ? static_cast<std::uint8_t>(c) : kUnknown;
}

QString Byte_to_char(int value) {
  if (value < 0 || value > 0x7F || !InSet(static_cast<char16_t>(value))) return QString();
  return QString(QChar(static_cast<char16_t>(value)));
}
