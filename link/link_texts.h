#pragma once
// Texts of the radio link in both languages: the link state in status panel 2
// and the message boxes every window that talks to the radio shares. Each
// dialog's own texts sit beside it: the read and write dialogs' in
// transfer_texts.h, the password dialog's in password_change.h, the port
// dialog's at the top of ui/Form_setup.cpp.
#include "platform/core/text.h"

// Status panel 2.
namespace link_panel {
// Identification and password change, while connecting.
inline constexpr Text Connecting{"Connecting with transceiver... ", "正在与对讲机进行连接..."};
// The identification was accepted (identification, password change).
inline constexpr Text Connected{"Connect well with radio.", "与对讲机连接正常"};
// The radio confirmed programming mode (read-all, write-all, alignment).
inline constexpr Text ConnectedData{"Connect well with radio.", "与对讲机数据通讯正常"};
inline constexpr Text Fault{"Communication fault.", "联机故障 ！"};
}  // namespace link_panel

inline constexpr Text kPromptTitle{"Operate prompt", "操作提示"};
inline constexpr Text kPromptTitleCapital{"Operate Prompt", "操作提示"};

// A start refused while the window's exchange runs.
inline constexpr Message Msg_busy{{"Read-write operating with transceiver .", "正在与对讲机进行读写操作 ！"},
                                  kPromptTitle};
// Close or Cancel refused while it runs.
inline constexpr Message Msg_busy_close{
    {"Read-write operating，don't close the window. ,", "正在进行读写操作,请勿关窗口 ！,"}, kPromptTitle};
// The alignment editor's Close refused while it runs (no space before the comma).
inline constexpr Message Msg_busy_close_alignment{
    {"Read-write operating，don't close the window.,", "正在进行读写操作,请勿关窗口 ！,"}, kPromptTitle};
// The port error of the dialogs.
inline constexpr Message Msg_port_error{{"Communication port is error, please setting right communication port . ！",
                                         "通讯端口打开错误，请正确设置通讯端口 ！"},
                                        kPromptTitle};
// The alignment editor's port error.
inline constexpr Message Msg_port_error_alignment{
    {"Communication Port Open Error ！", "通讯端口打开错误，请正确设置通讯端口 ！"}, kPromptTitleCapital};
// A failed exchange of the read, write and password dialogs.
inline constexpr Message Msg_fail_connect{{"Fail connect with transceiver.", "与对讲机联络失败 ！"}, kPromptTitle};
