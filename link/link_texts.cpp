#include "link/link_texts.h"

QString Link_panel_text(LinkPanel which, bool chinese) {
  switch (which) {
    case LinkPanel::Connecting:
      return chinese ? QStringLiteral("正在与对讲机进行连接...") : QStringLiteral("Connecting with transceiver... ");
    case LinkPanel::Connected:
      return chinese ? QStringLiteral("与对讲机连接正常") : QStringLiteral("Connect well with radio.");
    case LinkPanel::ConnectedData:
      return chinese ? QStringLiteral("与对讲机数据通讯正常") : QStringLiteral("Connect well with radio.");
    case LinkPanel::Fault:
      return chinese ? QStringLiteral("联机故障 ！") : QStringLiteral("Communication fault.");
  }
  return QString();
}

namespace {
QString PromptTitle(bool chinese) { return chinese ? QStringLiteral("操作提示") : QStringLiteral("Operate prompt"); }
}  // namespace

LinkMessage Msg_busy(bool chinese) {
  return {chinese ? QStringLiteral("正在与对讲机进行读写操作 ！") : QStringLiteral("Read-write operating with transceiver ."),
          PromptTitle(chinese)};
}

LinkMessage Msg_busy_close(bool chinese) {
  return {chinese ? QStringLiteral("正在进行读写操作,请勿关窗口 ！,")
                  : QStringLiteral("Read-write operating，don't close the window. ,"),
          PromptTitle(chinese)};
}

LinkMessage Msg_port_error(bool chinese) {
  return {chinese ? QStringLiteral("通讯端口打开错误，请正确设置通讯端口 ！")
                  : QStringLiteral("Communication port is error, please setting right communication port . ！"),
          PromptTitle(chinese)};
}

LinkMessage Msg_port_error_alignment(bool chinese) {
  if (chinese) return Msg_port_error(true);
  return {QStringLiteral("Communication Port Open Error ！"), QStringLiteral("Operate Prompt")};
}

LinkMessage Msg_fail_connect(bool chinese) {
  return {chinese ? QStringLiteral("与对讲机联络失败 ！") : QStringLiteral("Fail connect with transceiver."),
          PromptTitle(chinese)};
}
