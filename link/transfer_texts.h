#pragma once
// Texts of the read and write dialogs in both languages: captions, the
// progress label and the completion messages. The messages shared with the
// other windows that talk to the radio (busy, port error, failure) are in
// link_texts.h.
#include "link/link_texts.h"

#include <QString>

// Captions of a dialog: the window and its three buttons.
struct TransferCaptions {
  Text window, start, cancel, help;
};
// "Read Data From Radio": Read, Cancel, Help.
inline constexpr TransferCaptions Read_captions{
    {"Read Data From Radio", "从对讲机读取数据"}, {"Read", "读取"}, {"Cancel", "取消"}, {"Help", "帮助"}};
// "Write Data to Radio": Write, Cancel, Help.
inline constexpr TransferCaptions Write_captions{
    {"Write Data to Radio", "写数据到对讲机"}, {"Write", "写入"}, {"Cancel", "取消"}, {"Help", "帮助"}};

// The progress label.
inline constexpr Text Text_connecting{"Connecting with transceiver. ", "正在与对讲机联络 ！"};
inline constexpr Text Text_read_done{"Read Signal parameters in gear. ", "对讲机数据读出正常 ！"};
inline constexpr Text Text_write_done{"Complete writing parameters ", "参数写入完毕 ！"};
inline constexpr Text Text_comm_fault{"Communication fault.", "与对讲机通讯故障 ！"};
QString Text_reading_block(int n, bool chinese);  // "Reading 3 Data Block"
QString Text_writing_block(int n, bool chinese);  // "Writing  0  Data Block"

// The completion messages spell their English title with a capital P.
inline constexpr Message Msg_read_complete{{"Complete reading the data from transceiver.", "从对讲机中读取数据完毕 ！"},
                                           kPromptTitleCapital};
inline constexpr Message Msg_write_complete{
    {"Complete writing parameters to the transceiver.", "向对讲机写入参数完毕 ！"}, kPromptTitleCapital};
