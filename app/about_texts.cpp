#include "app/about_texts.h"

const AboutTexts kAboutTexts{
    {"Dual-band Handheld Radio Programming Software", "双频手持对讲机编程软件"},
    {"Copyright (C) the authors of this software. All rights reserved.", "版权所有 (C) 本软件作者，保留所有权利。"},
    {"Written by the radio programming software team.", "本软件由对讲机编程软件开发组编写。"},
    {"Warning: this computer program is protected by copyright law and international treaties. "
     "Unauthorized reproduction or distribution of this program, or any portion of it, will be "
     "prosecuted.",
     "警告：本计算机程序受著作权法和国际条约保护。未经授权擅自复制或传播本程序的全部或部分，"
     "将受到法律追究。"},
    {"Confirm", "确定"},
    {"System Information(&S)...", "系统信息(&S)..."},
};
