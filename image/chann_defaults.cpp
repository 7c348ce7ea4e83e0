#include "image/chann_defaults.h"

#include "image/freq_codec.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace {

// A frequency in whole units of 10 Hz, stored least significant byte first.
void PutFreq(img::Image& im, int row, int byte, std::uint32_t tensOfHz) {
  const auto b = Freq_10hz_to_bcd(tensOfHz);
  for (int i = 0; i < 4; ++i) im(row, byte + i) = (*b)[static_cast<std::size_t>(3 - i)];
}

// A tone code, low byte first.
void PutTone(img::Image& im, int row, int byte, std::uint16_t code) {
  im(row, byte) = static_cast<std::int16_t>(code & 0xFF);
  im(row, byte + 1) = static_cast<std::int16_t>(code >> 8);
}

// Service channels: position p (1..5) of each group has the same frequency;
// group g (1..3) has the same tone on receive and transmit.
constexpr std::array<std::uint32_t, 5> kServiceFreq{15182000, 15188000, 15194000, 15457000, 15460000};
constexpr std::array<std::uint16_t, 3> kServiceTone{
    670,   // CTCSS 67.0 Hz
    2541,  // CTCSS 254.1 Hz
    1,     // DCS code 1, D023N
};
constexpr int kServiceFirst = 1, kServiceLast = 15;
constexpr std::int16_t kServiceFlags = 0x04;  // scan add, narrow, PTT-ID off, busy lock off

constexpr int kWxFirst = 193, kWxLast = 199;
constexpr std::uint32_t kWxBase = 16240000;  // 162.40000 MHz
constexpr std::uint32_t kWxStep = 2500;      // 25 kHz
constexpr std::int16_t kWxFlags = 0x44;      // scan add, wide

// Bytes 12..14: signal code 1, power high.
void PutSignalAndPower(img::Image& im, int row) {
  for (int c = 12; c <= 14; ++c) im(row, c) = 0x00;
}

void PutAscii(img::Image& im, int row, const char* text, int count) {
  for (int c = 0; c < count; ++c) im(row, c) = static_cast<std::int16_t>(static_cast<unsigned char>(text[c]));
}

}  // namespace

void Chann_defaults_init(img::Image& im) {
  im.fillRows(img::kChannelFirst, img::kChannelLast, img::kEmpty);
  for (int n = kServiceFirst; n <= kServiceLast; ++n) {
    const int group = (n - 1) / 5;     // 0..2
    const int position = (n - 1) % 5;  // 0..4
    const int row = img::ChannelRow(n);
    const std::uint32_t freq = kServiceFreq[static_cast<std::size_t>(position)];
    const std::uint16_t tone = kServiceTone[static_cast<std::size_t>(group)];
    PutFreq(im, row, 0, freq);
    PutFreq(im, row, 4, freq);
    PutTone(im, row, 8, tone);
    PutTone(im, row, 10, tone);
    PutSignalAndPower(im, row);
    im(row, 15) = kServiceFlags;

    const char name[7] = {'O', 's', 't', 'r', static_cast<char>('1' + group), '-', static_cast<char>('1' + position)};
    PutAscii(im, img::NameRow(n), name, 7);
  }
}

void Wx_chann_init(img::Image& im) {
  for (int n = kWxFirst; n <= kWxLast; ++n) {
    const int row = img::ChannelRow(n);
    const std::uint32_t freq = kWxBase + kWxStep * static_cast<std::uint32_t>(n - kWxFirst);
    PutFreq(im, row, 0, freq);
    PutFreq(im, row, 4, freq);
    PutTone(im, row, 8, 0xFFFF);
    PutTone(im, row, 10, 0xFFFF);
    PutSignalAndPower(im, row);
    im(row, 15) = kWxFlags;

    const char name[6] = {'N', 'O', 'A', 'A', '0', static_cast<char>('1' + (n - kWxFirst))};
    PutAscii(im, img::NameRow(n), name, 6);
  }
}
