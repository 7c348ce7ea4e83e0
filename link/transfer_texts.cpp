#include "link/transfer_texts.h"

namespace {
constexpr Text kReading{"Reading ", "正在读取 "}, kReadingTail{" Data Block", " 数据块"};
constexpr Text kWriting{"Writing  ", "正在写入  "}, kWritingTail{"  Data Block", "  数据块"};
}  // namespace

QString Text_reading_block(int n, bool chinese) {
  return kReading.in(chinese) + QString::number(n) + kReadingTail.in(chinese);
}

QString Text_writing_block(int n, bool chinese) {
  return kWriting.in(chinese) + QString::number(n) + kWritingTail.in(chinese);
}
