#pragma once
// The two VFO records (radio 0x0F00 and 0x0F20, image rows 240..241 and
// 242..243), 32 bytes each:
//   +0..+7   carried          +22/+23 RX tone (low, high)   +28 shift | signal code
//   +8..+15  frequency digits +24/+25 TX tone (low, high)   +29 speaker mute | optional signal
//   +16..+21 offset digits    +26     band (0 VHF, 1 UHF)   +30 step | carried
//                             +27     carried               +31 power bit 7, bandwidth bit 6
// The frequency is one decimal digit per byte from 100 MHz down to 10 Hz, the
// offset six digits of kHz. This file holds the layout, the setting lists of a
// record (item texts, what index a record shows, how a choice is stored) and
// what the options window shows of a record. The frequency, offset and band
// rules are in vfo_freq.h, the tones in vfo_tone.h.
#include "platform/core/text.h"
#include "state/image.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

namespace vfo {

enum class Side { A, B };

constexpr int kRecordSize = 32;
constexpr int kFreqFirst = 8, kFreqDigits = 8;       // +8..+15
constexpr int kOffsetFirst = 16, kOffsetDigits = 6;  // +16..+21
constexpr int kRxToneLow = 22, kTxToneLow = 24;
constexpr int kBand = 26, kShiftSignal = 28, kMuteOptSig = 29, kStep = 30, kPowerWidth = 31;

constexpr int FirstRow(Side s) { return s == Side::A ? img::kVfoAFirst : img::kVfoBFirst; }
// The image cell of record byte n.
constexpr img::Cell ByteCell(Side s, int n) { return {FirstRow(s) + n / 16, n % 16}; }

// Record byte n as a byte value; a cell outside 0..255 reads as 0xFF.
int Byte(const img::Image& im, Side s, int n);
void SetByte(img::Image& im, Side s, int n, int v);

// The setting lists of a record. Band is listed for its items and its shown
// index; choosing a band is BandChoose (vfo_freq.h).
enum class List { Band, Shift, SignalCode, SpeakerMute, OptSignal, Step, Power, Bandwidth };

// The items of the lists in both languages, the one source of them; the
// signal-code list holds the numbers 1..kSignalCodes.
inline constexpr std::array<Text, 2> kBandItems{{{"VHF", "VHF"}, {"UHF", "UHF"}}};
inline constexpr std::array<Text, 3> kShiftItems{{{"OFF", "关"}, {"+", "加频"}, {"-", "减频"}}};
inline constexpr std::array<Text, 3> kSpeakerMuteItems{{
    {"QT/DQT", "哑音"},
    {"QT/DQT AND OPTSIG", "哑音与可选信令"},
    {"QT/DQT OR OPTSIG", "哑音或可选信令"},
}};
inline constexpr std::array<Text, 2> kOptSignalItems{{{"OFF", "关"}, {"DTMF", "DTMF"}}};
inline constexpr std::array<Text, 8> kStepItems{{
    {"2.50 KHZ", "2.50 KHZ"},
    {"5.00 KHZ", "5.00 KHZ"},
    {"6.25 KHZ", "6.25 KHZ"},
    {"10.00 KHZ", "10.00 KHZ"},
    {"12.50 KHZ", "12.50 KHZ"},
    {"20.00 KHZ", "20.00 KHZ"},
    {"25.00 KHZ", "25.00 KHZ"},
    {"50.00 KHZ", "50.00 KHZ"},
}};
inline constexpr std::array<Text, 2> kPowerItems{{{"HIGH", "高功率"}, {"LOW", "低功率"}}};
inline constexpr std::array<Text, 2> kBandwidthItems{{{"WIDE", "宽带"}, {"NARROR", "窄带"}}};
inline constexpr int kSignalCodes = 15;

int ListCount(List l);
// The index the list shows for the record: the field's value, a value beyond
// the list's end shown as its last item.
int ListShown(const img::Image& im, Side s, List l);
// A choice of item `index`: stores it in its nibble (the other nibble kept) or
// sets or clears its bit (the other bits kept). Band is not stored here; an
// index outside the list stores nothing.
void ListStore(img::Image& im, Side s, List l, int index);

// The frequency text of the record: the 100 MHz digit when 1..9, the 10 MHz
// and 1 MHz digits when 0..9, a point, then the digits of +11..+15 that are
// 0..9 ("136.02500"; 0 4 5 0 0 0 0 0 shows "45.00000"; eight 0xFF ".").
QString FreqText(const img::Image& im, Side s);
// The offset text: two digits of MHz, a point, three of kHz ("05.000",
// "00.600"). Offset bytes that are not all digits show "00.000". Offsets of
// 100 MHz and up, which the window never stores, show their first six
// characters ("123.45").
QString OffsetText(const img::Image& im, Side s);
// The six offset bytes are digits, which the offset box shows as they are.
bool OffsetHeld(const img::Image& im, Side s);

// What a tone list shows: an item (index >= 0), or no item and `text` in its
// field (a CTCSS tone as text, or an empty field for a DCS code without item).
struct ToneShown {
  int index = -1;
  QString text;
  bool operator==(const ToneShown&) const = default;
};

// Everything the options window shows of one record, in the order it shows it.
struct Shown {
  QString freq;
  QString offset;
  ToneShown rxTone, txTone;
  int band = 0, shift = 0, signalCode = 0, speakerMute = 0, optSignal = 0, step = 0, power = 0, bandwidth = 0;
};
Shown ShowRecord(const img::Image& im, Side s);

}  // namespace vfo
