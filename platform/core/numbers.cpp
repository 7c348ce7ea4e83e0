#include "platform/core/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace num {

namespace {

// A number text (digits, optional point and fraction, optional exponent)
// whose value a double cannot hold: too small reads as 0, too large as
// infinity. The decimal order of its first significant digit decides.
double OutOfRange(std::string_view number) {
  const auto ePos = number.find('e');
  const std::string_view mantissa = number.substr(0, ePos);
  long long exponent = 0;
  if (ePos != std::string_view::npos) {
    std::string_view e = number.substr(ePos + 1);
    const bool negative = !e.empty() && e[0] == '-';
    if (!e.empty() && (e[0] == '-' || e[0] == '+')) e.remove_prefix(1);
    for (const char c : e) exponent = std::min(exponent * 10 + (c - '0'), 1000000000LL);
    if (negative) exponent = -exponent;
  }
  const auto point = std::min(mantissa.find('.'), mantissa.size());
  const auto firstDigit = mantissa.find_first_of("123456789");
  if (firstDigit == std::string_view::npos) return 0.0;
  const long long order =
      firstDigit < point ? static_cast<long long>(point - firstDigit) - 1 : -static_cast<long long>(firstDigit - point);
  return order + exponent < 0 ? 0.0 : HUGE_VAL;
}

}  // namespace

double Val(const QString& text) {
  // Collect the characters of the leading number, skipping blanks as we go.
  std::string s;
  int i = 0;
  const int n = static_cast<int>(text.size());
  auto skipBlanks = [&] {
    while (i < n && (text[i] == u' ' || text[i] == u'\t' || text[i] == u'\n' || text[i] == u'\r')) ++i;
  };
  auto isDigit = [&](int k) { return k < n && text[k] >= u'0' && text[k] <= u'9'; };
  skipBlanks();
  if (i < n && (text[i] == u'+' || text[i] == u'-')) {
    if (text[i] == u'-') s.push_back('-');
    ++i;
    skipBlanks();
  }
  bool digits = false;
  while (true) {
    skipBlanks();
    if (!isDigit(i)) break;
    s.push_back(static_cast<char>(text[i].unicode()));
    digits = true;
    ++i;
  }
  skipBlanks();
  if (i < n && text[i] == u'.') {
    ++i;
    s.push_back('.');
    while (true) {
      skipBlanks();
      if (!isDigit(i)) break;
      s.push_back(static_cast<char>(text[i].unicode()));
      digits = true;
      ++i;
    }
  }
  if (!digits) return 0.0;
  skipBlanks();
  if (i < n && (text[i] == u'e' || text[i] == u'E')) {
    int k = i + 1;
    std::string e = "e";
    while (k < n && text[k] == u' ') ++k;
    if (k < n && (text[k] == u'+' || text[k] == u'-')) {
      e.push_back(static_cast<char>(text[k].unicode()));
      ++k;
    }
    bool expDigits = false;
    while (true) {
      while (k < n && text[k] == u' ') ++k;
      if (!isDigit(k)) break;
      e.push_back(static_cast<char>(text[k].unicode()));
      expDigits = true;
      ++k;
    }
    if (expDigits) s += e;
  }
  if (!s.empty() && s.back() == '.') s.pop_back();
  double v = 0.0;
  // from_chars takes no sign here: we add it ourselves.
  const std::string_view number = std::string_view(s).substr(s[0] == '-' ? 1 : 0);
  const auto res = std::from_chars(number.data(), number.data() + number.size(), v);
  if (res.ec != std::errc()) v = OutOfRange(number);
  return s[0] == '-' ? -v : v;
}

QString Plain(double v) {
  if (std::isnan(v)) return QStringLiteral("0");
  if (std::isinf(v)) return v > 0 ? QStringLiteral("1E+308") : QStringLiteral("-1E+308");
  if (v == 0.0) return QStringLiteral("0");
  // 15 significant digits in scientific form, then laid out in fixed notation.
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14);
  std::string sci(buf, res.ptr);
  bool negative = false;
  if (sci[0] == '-') {
    negative = true;
    sci.erase(0, 1);
  }
  const auto ePos = sci.find('e');
  const int exponent = std::stoi(sci.substr(ePos + 1));
  std::string digits;
  for (char c : sci.substr(0, ePos))
    if (c != '.') digits.push_back(c);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  std::string out;
  if (exponent < 0) {
    out = "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
  } else {
    const auto intLen = static_cast<size_t>(exponent) + 1;
    if (digits.size() <= intLen) {
      out = digits + std::string(intLen - digits.size(), '0');
    } else {
      out = digits.substr(0, intLen) + "." + digits.substr(intLen);
    }
  }
  if (negative) out.insert(out.begin(), '-');
  return QString::fromLatin1(out.data(), static_cast<qsizetype>(out.size()));
}

QString Signed(double v) {
  QString p = Plain(v);
  return p.startsWith(u'-') ? p : QStringLiteral(" ") + p;
}

double RoundHalfEven(double v) { return std::nearbyint(v); }

}  // namespace num
