#pragma once
// The VFO band choice, the working-frequency and offset commits, the length
// check and the key filter of the frequency and offset boxes.
//
// A VFO's limits are those of the band its band list shows: the first band's
// (Freq_vhf_low/high) for "VHF", the second band's (Freq_uhf_low/high) for
// "UHF", as they stand when the choice or the commit runs. A frequency f is
// accepted when max(low, 100) <= f < min(high + 1, 1000) MHz: the record's
// eight digits hold 100 MHz to below 1000 MHz, so whatever a radio reports as
// its band edges, only digits 0..9 ever reach record bytes 8..15.
#include "platform/core/text.h"
#include "settings/vfo_record.h"

#include <QString>

#include <optional>

namespace vfo {

struct BandLimits {
  double low = 0, high = 0;  // whole MHz, as the band table or the radio reports them
};

// The editors' band limits, first band and second band.
struct Bands {
  BandLimits first, second;
};

// The limits of band list index `band` (0 first band, any other the second).
BandLimits LimitsOf(const Bands& b, int band);

// "Over the range of  frequency ." / "频率超出范围 ！", title "Operate prompt".
extern const Message kLengthMessage;
// "当前工作频率超出范围 ！" in both languages, title "操作提示" in both.
extern const Message kRangeMessage;

// What a commit leaves: the box text, the message to show (the box then takes
// the focus back) and whether the record was written.
struct Commit {
  QString text;
  std::optional<Message> message;
  bool stored = false;
};

// Frequency commit (the box loses the focus): a value below the range shows
// the range message and becomes the lower limit's whole MHz + ".02500"; one
// at or above its end shows the message and becomes (end - 2) whole MHz +
// ".62500" (178.62500 for 130/179). The value is then snapped down onto the
// 2.5 or 6.25 kHz raster (the smaller remainder, a tie to 2.5 kHz), shown with
// five decimals and stored as eight digits. When the limits leave no
// frequency that the record can hold, the message is shown, nothing is stored
// and the box shows the stored frequency again.
Commit FreqCommit(img::Image& im, Side s, const QString& boxText, BandLimits limits);

// The band list's range display: "130 - 179.99750"; limits beyond the
// record's span show the part of them that it holds.
QString RangeText(BandLimits limits);

// The band choice's first step: a frequency text outside the range of the
// band's limits becomes the lower limit's whole MHz + ".02500", without a
// message; a text in range (or limits that no frequency of the record fits)
// leave it as it is.
QString BandFreqText(const QString& freqText, BandLimits limits);

// Band choice of index `band` with the limits of that band: BandFreqText,
// byte 26 := band, then the frequency commit.
struct BandChoice {
  QString rangeText;
  Commit commit;
};
BandChoice BandChoose(img::Image& im, Side s, int band, const QString& freqText, BandLimits limits);

// Offset commit: below 0 or above 59.95 MHz shows the range message and takes
// "0" or "59.95"; the value is snapped down onto the 5 kHz raster, shown as
// "05.000" and stored as 0 and five digits.
Commit OffsetCommit(img::Image& im, Side s, const QString& boxText);

// The length checks: more than nine characters (frequency) or six (offset)
// draw kLengthMessage and empty the box.
bool FreqTooLong(const QString& boxText);
bool OffsetTooLong(const QString& boxText);

// The key filter of the frequency and offset boxes: Backspace and "." pass
// (a point not into an empty box), digits while the trimmed text has at most
// eight characters; everything else is dropped.
bool BoxKeyAccepted(int key, const QString& boxText);

// What a show leaves in a record, from what the window's controls show
// (`shown`: the band list's index, the frequency and offset boxes' texts, the
// lists' indexes), whether or not the show changed a control: the band choice
// of the shown band with `limits`, that band's limits (byte 26, and a
// frequency outside the band as the band's first one, snapped onto the
// raster), every setting list's index, an OFF or DCS tone through its list,
// and an offset whose bytes are not all digits (shown "00.000") as shown. A
// CTCSS tone (shown as it is) and a DCS code without an item (shown as no
// item) are not written. Returns the frequency text the box shows afterwards.
QString ShowStore(img::Image& im, Side s, const Shown& shown, BandLimits limits);

// What the first show after the window is loaded leaves in a record: the
// show of ShowRecord with the limits of the band it shows.
void FirstShow(img::Image& im, Side s, const Bands& bands);

}  // namespace vfo
