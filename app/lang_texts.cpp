#include "app/lang_texts.h"

void Lang_texts_init(SharedState& st) {
  if (IsChinese(st.Lang_chn)) {
    st.About_title = QStringLiteral("双频手持对讲机编程软件");
    st.About_version = QStringLiteral("版权所有 (C) 本软件作者，保留所有权利。");
    st.About_desc = QStringLiteral("本软件由对讲机编程软件开发组编写。");
    st.About_warning = QStringLiteral(
        "警告：本计算机程序受著作权法和国际条约保护。未经授权擅自复制或传播本程序的全部或部分，"
        "将受到法律追究。");
    st.About_ok = QStringLiteral("确定");
    st.About_sysinfo = QStringLiteral("系统信息(&S)...");
  } else {
    st.About_title = QStringLiteral("Dual-band Handheld Radio Programming Software");
    st.About_version = QStringLiteral("Copyright (C) the authors of this software. All rights reserved.");
    st.About_desc = QStringLiteral("Written by the radio programming software team.");
    st.About_warning = QStringLiteral(
        "Warning: this computer program is protected by copyright law and international treaties. "
        "Unauthorized reproduction or distribution of this program, or any portion of it, will be "
        "prosecuted.");
    st.About_ok = QStringLiteral("Confirm");
    st.About_sysinfo = QStringLiteral("System Information(&S)...");
  }
}
