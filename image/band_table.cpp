#include "image/band_table.h"

#include "platform/core/numbers.h"

namespace {

bool ValidEntry(int entry) { return entry >= 0 && entry < band::kEntries; }

const std::array<Int16, 4>& Entry(const Session& st, int entry) {
  static const std::array<Int16, 4> kNone{};
  return ValidEntry(entry) ? st.Band_table[static_cast<std::size_t>(entry)] : kNone;
}

// The model name without outer blanks; characters 1..4 name the first band,
// characters 6..9 the second.
QString NamePart(const Session& st, int entry, int bandNo) {
  const QString name = ValidEntry(entry) && entry < st.Model_names.size() ? st.Model_names[entry].trimmed() : QString();
  return name.mid(bandNo == 0 ? 0 : 5, 4);
}

}  // namespace

void Band_table_init(Session& st) {
  while (st.Model_names.size() < band::kEntries) st.Model_names.append(QString());
  st.Model_names[0] = QStringLiteral("VHF0/UHF0");
  st.Band_table[0] = {130, 179, 400, 520};
  const auto& e = Entry(st, st.Model_index);
  st.Freq_vhf_low = e[band::kFirstLow];
  st.Freq_vhf_high = e[band::kFirstHigh];
}

void Band_limits_from_entry(Session& st, int entry) {
  const auto& e = Entry(st, entry);
  st.Freq_vhf_low = e[band::kFirstLow];
  st.Freq_vhf_high = e[band::kFirstHigh];
  st.Freq_uhf_low = e[band::kSecondLow];
  st.Freq_uhf_high = e[band::kSecondHigh];
}

void Band_startup(Session& st) {
  Band_table_init(st);
  st.Model_index = 0;
  Band_limits_from_entry(st, 0);
}

QString Band_panel7_text(const Session& st) {
  return NamePart(st, st.Model_index, 0) + u':' + num::Signed(st.Freq_vhf_low) + QStringLiteral(" -  ") +
         num::Signed(st.Freq_vhf_high) + QStringLiteral("MHZ");
}

QString Band_panel8_text(const Session& st) {
  return NamePart(st, st.Model_index, 1) + u':' + num::Signed(st.Freq_uhf_low) + QStringLiteral(" -  ") +
         num::Signed(st.Freq_uhf_high) + QStringLiteral("MHZ");
}

QString Band_name(const Session& st, int entry, int bandNo) { return NamePart(st, entry, bandNo); }

QString Band_range_text(const Session& st, int entry, int bandNo) {
  const auto& e = Entry(st, entry);
  const int low = bandNo == 0 ? band::kFirstLow : band::kSecondLow;
  return num::Signed(e[static_cast<std::size_t>(low)]) + QStringLiteral("MHZ  ") + QStringLiteral("-  ") +
         num::Signed(e[static_cast<std::size_t>(low) + 1]) + QStringLiteral("MHZ");
}
