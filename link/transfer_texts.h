#pragma once
// Texts of the read and write dialogs in both languages: captions, the
// progress label and the completion messages. The messages shared with the
// other windows that talk to the radio (busy, port error, failure) are in
// link_texts.h.
#include "link/link_texts.h"

#include <QString>

// Captions of a dialog: the window and its three buttons.
struct TransferCaptions {
  QString window, start, cancel, help;
};
// "Read Data From Radio": Read, Cancel, Help.
TransferCaptions Read_captions(bool chinese);
// "Write Data to Radio": Write, Cancel, Help.
TransferCaptions Write_captions(bool chinese);

// The progress label.
QString Text_connecting(bool chinese);                // "Connecting with transceiver. "
QString Text_reading_block(int n, bool chinese);      // "Reading 3 Data Block"
QString Text_read_done(bool chinese);                 // "Read Signal parameters in gear. "
QString Text_writing_block(int n, bool chinese);      // "Writing  0  Data Block"
QString Text_write_done(bool chinese);                // "Complete writing parameters "
QString Text_comm_fault(bool chinese);                // "Communication fault."

// "Complete reading the data from transceiver." (title "Operate Prompt")
LinkMessage Msg_read_complete(bool chinese);
// "Complete writing parameters to the transceiver." (title "Operate Prompt")
LinkMessage Msg_write_complete(bool chinese);
