#pragma once
// The channel record and its name record, and how one channel shows as the
// texts of one grid row.
//
// Channel n (0..199) is grid row r = n + 1. Its 16-byte record is image row
// r - 1; its name record is image row r + 255 (name characters in bytes 0..6,
// 0xFF after the last one). Record bytes:
//   0..3   RX frequency, BCD, least significant byte first; byte 0 = 0xFF: empty channel
//   4..7   TX frequency; byte 4 = 0xFF: no TX frequency
//   8..9   RX tone code (low, high)      10..11 TX tone code (low, high)
//   12     low nibble signal code 0..14 (shown 1..15); high nibble carried
//   13     carried
//   14     bit 0 power: 1 low, 0 high
//   15     bits 0-1 PTT-ID (OFF, BOT, EOT, BOTH), bit 2 scan add, bit 3 busy lock,
//          bit 6 wide; bits 4, 5, 7 carried
//
// The routines take the grid row r (1..200) and do nothing for any other row.
// Drawing reads a const image: the texts of a row are a function of the
// session (tone list), the image and the row alone. That an empty channel
// shows empty cells whatever its other bytes hold is made true in the image
// by an explicit edit, `Chann_normalise`, which the window makes when it shows
// the image (see channels/chann_view.h).
#include "state/image.h"
#include "state/session.h"

#include <QString>

#include <array>

namespace chann {

// Grid columns of a channel row.
enum Column : int {
  kColNumber = 0,
  kColBand = 1,
  kColRx = 2,
  kColTx = 3,
  kColRxTone = 4,
  kColTxTone = 5,
  kColPower = 6,
  kColWidth = 7,
  kColPttId = 8,
  kColBusyLock = 9,
  kColScanAdd = 10,
  kColSigCode = 11,
  kColName = 12,
  kColumns = 13,
};

// The editor a cell opens: a text box over RX, TX and the name, a list over
// the band and the settings.
constexpr bool Is_text_column(int c) { return c == kColRx || c == kColTx || c == kColName; }
constexpr bool Is_list_column(int c) { return c == kColBand || (c >= kColRxTone && c <= kColSigCode); }

constexpr int kNameChars = 7;  // name bytes 0..6
constexpr int kRecordBytes = 16;

// The band text of every programmed channel, with its trailing blank.
inline const QString& BandText() {
  static const QString text = QStringLiteral("VHF/UHF ");
  return text;
}

// The texts of the 13 cells of a grid row, by column.
using RowTexts = std::array<QString, kColumns>;

// True when r is a grid row that names a channel (1..200).
constexpr bool IsChannelRow(int r) { return r >= 1 && r <= img::kChannelCount; }
constexpr int RecordRow(int r) { return r - 1; }
constexpr int NameRecordRow(int r) { return r + 255; }

}  // namespace chann

// True when the record of grid row r is empty (byte 0 is 0xFF).
bool Chann_is_empty(const img::Image& im, int r);

// The text of a tone word (low byte, high byte): "OFF" for 00 00 and FF FF; a
// CTCSS tone (high byte 0x01..0x7F) in Hz with one decimal; a DCS code (high
// byte 0) as its tone list entry, with the list's blanks (RX column) or
// without (`trimmed`, TX column). Anything else shows as an empty text: a DCS
// index without list entry, a high byte 0x80..0xFE, a cell outside 0..255.
QString Tone_text(const Session& st, int low, int high, bool trimmed);

// The name as shown: bytes 0..6 of the name record in order; a blank and
// 0xFF show nothing, 0x21..0x7E as themselves, 0xA1..0xFE as their Latin-1
// characters; control codes, 0x7F..0xA0 and cells outside 0..255 show as "?".
// Byte 0 = 0xFF: no name.
QString Name_text(const img::Image& im, int r);

// Columns 1..11 of row r from the record; column 12 empty. An empty record
// shows columns 1..11 empty. Column 0 (the channel number) is the window's
// and is empty here.
chann::RowTexts Chann_decode(const Session& st, const img::Image& im, int r);

// Chann_decode, then column 12 from the name record (empty for an empty
// record, whatever its name record holds): the one way a row is drawn.
chann::RowTexts Chann_show(const Session& st, const img::Image& im, int r);

// An empty record (byte 0 = 0xFF) is shown as empty cells; Chann_normalise
// makes its 32 bytes say the same: record and name record all 0xFF. A
// programmed channel is left as it is. True when a byte changed.
bool Chann_normalise(img::Image& im, int r);
// False when Chann_normalise would change a byte of channel r.
bool Chann_is_normal(const img::Image& im, int r);

// New-channel settings for a channel whose RX frequency has just been entered:
// both tones off, signal code 1, high power, wide, scan add on, PTT-ID and busy
// lock off (bytes 8..14 := 0, byte 15 := 0x44), no name (name record all 0xFF).
// The frequency bytes are the caller's; the row shows it when drawn again.
void Chann_new(img::Image& im, int r);

// Empties the channel: record and name record all 0xFF.
void Chann_clear_para(img::Image& im, int r);

// Empties the channel as Chann_clear_para does and empties columns 2..12 of
// its row, keeping column 1: the band just chosen, which no byte holds yet.
void Chann_clear(img::Image& im, chann::RowTexts& row, int r);
