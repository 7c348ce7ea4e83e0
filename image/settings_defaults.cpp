#include "image/settings_defaults.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace {

struct OptDefault {
  std::int16_t position;
  std::int16_t value;
};

constexpr std::array<OptDefault, kOptPositionCount> kOptDefaults{{
    {Pos_sql, 5},       {Pos_spare1, 1},  {Pos_spare2, 0},  {Pos_save, 3},    {Pos_vox, 0},      {Pos_spare5, 0},
    {Pos_abr, 5},       {Pos_tdr, 0},     {Pos_beep, 1},    {Pos_tot, 3},     {Pos_spare10, 0},  {Pos_spare11, 0},
    {Pos_spare12, 0},   {Pos_spare13, 0}, {Pos_voice, 1},   {Pos_spare15, 0}, {Pos_dtmfst, 3},   {Pos_spare17, 0},
    {Pos_sc_rev, 0},    {Pos_ptt_id, 0},  {Pos_ptt_lt, 5},  {Pos_mdf_a, 1},   {Pos_mdf_b, 1},    {Pos_bcl, 0},
    {Pos_autolk, 0},    {Pos_spare25, 0}, {Pos_spare26, 0}, {Pos_spare27, 0}, {Pos_spare28, 0},  {Pos_wt_led, 3},
    {Pos_rx_led, 1},    {Pos_tx_led, 2},  {Pos_al_mode, 2}, {Pos_db_ptt, 1},  {Pos_tdr_ab, 0},   {Pos_ste, 1},
    {Pos_rp_ste, 5},    {Pos_rpt_rl, 0},  {Pos_ponmsg, 0},  {Pos_roger, 0},   {Pos_spare40, 2},  {Pos_spare41, 1},
    {Pos_ab_beep, 0},   {Pos_spare43, 0}, {Pos_spare44, 0}, {Pos_spare45, 1}, {Pos_flags, 0x1F}, {Pos_spare55, 0},
    {Pos_work_mode, 1}, {Pos_lock, 0},
}};

// Every named position appears once, inside the block.
constexpr bool PositionsDistinctAndInBlock() {
  std::array<bool, kOptBlockSize> seen{};
  for (const OptDefault& d : kOptDefaults) {
    if (d.position < 0 || d.position >= kOptBlockSize) return false;
    if (seen[static_cast<std::size_t>(d.position)]) return false;
    seen[static_cast<std::size_t>(d.position)] = true;
  }
  return true;
}
static_assert(PositionsDistinctAndInBlock());

// A VFO record's factory bytes; kKeep marks the bytes that are not written.
constexpr std::int16_t kKeep = -1;
using VfoBytes = std::array<std::int16_t, 32>;

constexpr VfoBytes kVfoA{
    kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep,  // +0..+7 not interpreted
    1,     3,     6,     0,     2,     5,     0,     0,      // +8..+15 136.02500 MHz
    0,     0,     0,     0,     0,     0,                    // +16..+21 no offset
    0x00,  0x00,                                             // +22/+23 RX tone off
    0x00,  0x00,                                             // +24/+25 TX tone off
    0,                                                       // +26 first band
    kKeep,                                                   // +27 not interpreted
    0x00,  0x00,  0x50,  0x00,                               // +28..+31
};
constexpr VfoBytes kVfoB{
    kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep,  // +0..+7 not interpreted
    4,     7,     0,     6,     2,     5,     0,     0,      // +8..+15 470.62500 MHz
    0,     0,     0,     0,     0,     0,                    // +16..+21 no offset
    0xFF,  0xFF,                                             // +22/+23 RX tone off
    0xFF,  0xFF,                                             // +24/+25 TX tone off
    1,                                                       // +26 second band
    kKeep,                                                   // +27 not interpreted
    0x00,  0x00,  0x50,  0x00,                               // +28..+31
};

void WriteVfo(img::Image& im, int firstRow, const VfoBytes& bytes) {
  for (int k = 0; k < 32; ++k) {
    const std::int16_t v = bytes[static_cast<std::size_t>(k)];
    if (v != kKeep) im(firstRow + k / 16, k % 16) = v;
  }
}

// The FM band labels, bytes 0..13 of rows 244 and 245.
constexpr std::string_view kFmLabelLow = "   FM   65-75M";
constexpr std::string_view kFmLabelHigh = "   FM  76-108M";
static_assert(kFmLabelLow.size() == 14 && kFmLabelHigh.size() == 14);

void WriteText(img::Image& im, int row, std::string_view text) {
  for (std::size_t c = 0; c < text.size(); ++c)
    im(row, static_cast<int>(c)) = static_cast<std::int16_t>(static_cast<unsigned char>(text[c]));
}

// DTMF rows that are not all 0xFF: code group 1, code group 15, settings row.
struct DtmfRow {
  int row;
  std::array<std::int16_t, 16> bytes;
};
constexpr std::array<DtmfRow, 3> kDtmfRows{{
    {img::kDtmfFirst, {2, 0, 2, 0, 2, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
    {img::kDtmfFirst + 14, {3, 0, 3, 0, 3, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
    // on-time 5, off-time 5, ID on PTT release, alarm code 1 1 9, ANI 8 0 8 0 8,
    // group call "*" (code 11).
    {img::kDtmfSettingsRow, {5, 5, 0x02, 1, 1, 9, 0xFF, 0xFF, 8, 0, 8, 0, 8, 11, 0xFF, 0xFF}},
}};

}  // namespace

void Opt_defaults_init(img::Image& im) {
  std::array<std::int16_t, kOptBlockSize> Opt_para{};
  Opt_defaults_init(im, Opt_para);
}

void Opt_defaults_init(img::Image& image, std::span<std::int16_t, kOptBlockSize> Opt_para) {
  for (const OptDefault& d : kOptDefaults) Opt_para[static_cast<std::size_t>(d.position)] = d.value;
  for (int k = 0; k < kOptBlockSize; ++k) image.at(img::OptionCell(k)) = Opt_para[static_cast<std::size_t>(k)];
  WriteVfo(image, img::kVfoAFirst, kVfoA);
  WriteVfo(image, img::kVfoBFirst, kVfoB);
  Fm_band_labels_init(image);
}

void Fm_band_labels_init(img::Image& im) {
  WriteText(im, img::kFmLabelsFirst, kFmLabelLow);
  WriteText(im, img::kFmLabelsLast, kFmLabelHigh);
}

void Dtmf_defaults_init(img::Image& im) {
  im.fillRows(img::kDtmfFirst, img::kDtmfLast, img::kEmpty);
  for (const DtmfRow& r : kDtmfRows)
    for (int c = 0; c < img::kCols; ++c) im(r.row, c) = r.bytes[static_cast<std::size_t>(c)];
}
