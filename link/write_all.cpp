#include "link/write_all.h"

#include "image/chann_ab_check.h"
#include "image/settings_defaults.h"
#include "link/transfer_texts.h"

#include <array>

void Write_prepare(img::Image& im) {
  Chann_ab_check(im);
  Fm_band_labels_init(im);
}

proto::Frame Row_frame(const img::Image& image, int r, std::uint8_t baseHi, std::uint8_t baseLo) {
  const proto::Addr a = proto::Row_address(r, baseHi, baseLo);
  if (r >= 1 && r <= img::kChannelLast && image(r, 0) == img::kEmpty) return proto::Empty_row_frame(a);
  std::array<std::uint8_t, proto::kRowLen> data{};
  for (int c = 0; c < proto::kRowLen; ++c)
    data[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(image(r, c) & 0xFF);
  return proto::Data_frame(a, data);
}

void WriteAll::Take_rows(const img::Image& image) {
  std::vector<proto::Frame> frames;
  frames.reserve(kLastRow + 1);
  for (int r = 0; r <= kLastRow; ++r) frames.push_back(Row_frame(image, r, 0, 0));
  Set_frames(std::move(frames));
}

void WriteAll::Progress(LinkEngine& e, int k) {
  view_.Progress_show(k * 100 / lastFrame());
  view_.Label_set(Text_writing_block(k - 1, e.chinese()));
}

void WriteAll::Completion(LinkEngine& e) {
  if (!Message(e, Msg_write_complete)) return;
  view_.Label_set(Text_write_done.in(e.chinese()));
}
