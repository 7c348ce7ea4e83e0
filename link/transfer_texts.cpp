#include "link/transfer_texts.h"

namespace {
QString Pick(bool chinese, const char* english, const char* chn) {
  return chinese ? QString::fromUtf8(chn) : QString::fromUtf8(english);
}
// The completion messages spell their English title with a capital P.
QString CompletionTitle(bool chinese) { return Pick(chinese, "Operate Prompt", "操作提示"); }
}  // namespace

TransferCaptions Read_captions(bool chinese) {
  return {Pick(chinese, "Read Data From Radio", "从对讲机读取数据"), Pick(chinese, "Read", "读取"),
          Pick(chinese, "Cancel", "取消"), Pick(chinese, "Help", "帮助")};
}

TransferCaptions Write_captions(bool chinese) {
  return {Pick(chinese, "Write Data to Radio", "写数据到对讲机"), Pick(chinese, "Write", "写入"),
          Pick(chinese, "Cancel", "取消"), Pick(chinese, "Help", "帮助")};
}

QString Text_connecting(bool chinese) { return Pick(chinese, "Connecting with transceiver. ", "正在与对讲机联络 ！"); }

QString Text_reading_block(int n, bool chinese) {
  return Pick(chinese, "Reading ", "正在读取 ") + QString::number(n) + Pick(chinese, " Data Block", " 数据块");
}

QString Text_read_done(bool chinese) { return Pick(chinese, "Read Signal parameters in gear. ", "对讲机数据读出正常 ！"); }

QString Text_writing_block(int n, bool chinese) {
  return Pick(chinese, "Writing  ", "正在写入  ") + QString::number(n) + Pick(chinese, "  Data Block", "  数据块");
}

QString Text_write_done(bool chinese) { return Pick(chinese, "Complete writing parameters ", "参数写入完毕 ！"); }

QString Text_comm_fault(bool chinese) { return Pick(chinese, "Communication fault.", "与对讲机通讯故障 ！"); }

LinkMessage Msg_read_complete(bool chinese) {
  return {Pick(chinese, "Complete reading the data from transceiver.", "从对讲机中读取数据完毕 ！"),
          CompletionTitle(chinese)};
}

LinkMessage Msg_write_complete(bool chinese) {
  return {Pick(chinese, "Complete writing parameters to the transceiver.", "向对讲机写入参数完毕 ！"),
          CompletionTitle(chinese)};
}
