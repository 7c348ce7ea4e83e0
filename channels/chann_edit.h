#pragma once
// The rules of the channel editor that need no window: frequency limits and
// texts, the list items of each column, and how a list choice, a tone or a
// name is written into a channel's records. Rows are grid rows (1..200);
// anything else is ignored.
#include "state/image.h"
#include "state/session.h"

#include <QString>
#include <QStringList>

#include <optional>

// Frequencies of 1000 MHz and more never fit the record, whatever the limits.
constexpr double kFreqCeilingMhz = 1000.0;

// The check of a committed frequency: inside when
// Freq_vhf_low <= f < Freq_vhf_high + 1 or Freq_uhf_low <= f <= Freq_uhf_high,
// and below 1000 MHz.
bool Freq_out_of_range(const Session& st, double f);
// The check of Enter in the text editor: the first band ends at Freq_vhf_high
// itself (Freq_vhf_low <= f <= Freq_vhf_high); the rest as in the commit.
bool Freq_out_of_range_enter(const Session& st, double f);

// The frequency that replaces a refused one: Freq_vhf_low as a nine-character
// text ("130.00000"); a two-digit limit gives eight characters, any other
// length is used as it stands.
QString Freq_replacement(const Session& st);
// The shorter form Enter shows in a refused TX cell: Freq_vhf_low, with ".0"
// appended when its text has three characters ("130.0").
QString Freq_low_text(const Session& st);
// A typed frequency as Enter shows it: cut to 9 characters, a point appended
// when there is none, zeros up to 9 characters (8 below 100 MHz).
QString Freq_display_form(const QString& text);

// The items of the list editor of a grid column (1 and 4..11; none otherwise).
QStringList Chann_list_items(const Session& st, int col);
// The items of a setting column (6..11; none otherwise).
QStringList Chann_setting_items(int col);

// The widest texts a cell of a grid column can show or its editor can hold,
// one of each kind (a frequency of each digit, every list item, a name of
// seven of each character a name can show): a column as wide as the widest
// of them shows every text of the column whole.
QStringList Chann_column_texts(const Session& st, int col);

// The tone code of list position i of a tone list, whose item text is `text`:
// 0 for OFF, the CTCSS value in tenths of Hz, or the DCS code index (position
// minus 50). Nothing for a position outside the list.
std::optional<int> Tone_code_of_choice(int i, const QString& text);
// The tone code of a typed tone value: 60.0 .. 259.9 Hz in tenths of Hz
// (halves to even). Nothing outside that range.
std::optional<int> Ctcss_code_of_text(const QString& text);

// Stores a tone code into the RX tone (column 4; the TX tone gets the same
// code) or into the TX tone (column 5) of the channel of row r.
void Chann_tone_store(img::Image& im, int r, int col, int code);
// Writes the choice of list position i of a setting column (6..11) into the
// record of row r, changing only that setting's bits.
void Chann_setting_store(img::Image& im, int r, int col, int i);

// More than this many characters (after trimming) draws the name warning.
constexpr int kNameWarnAbove = 6;
// Stores a name into bytes 0..6 of the name record of row r: the printable
// ASCII characters (0x20..0x7E) of `name`, at most 7, then 0xFF up to byte 6.
// Bytes 7..15 are not touched.
void Chann_name_store(img::Image& im, int r, const QString& name);
