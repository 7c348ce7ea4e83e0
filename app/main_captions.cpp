#include "app/main_captions.h"

#include <array>

namespace {

constexpr std::array<Caption, 30> kCaptions{{
    {"MDImain", kMainTitle},
    {"tip1", {"Open Parameter file", "打开参数文件"}},
    {"tip2", {"Save Parameter", "保存参数"}},
    {"tip3", {"Channel Information", "信道参数编辑"}},
    {"tip4", {"Read Data From Radio", "从对讲机读取数据"}},
    {"tip5", {"Write Data to Radio", "将参数写入对讲机"}},
    {"tip6", {"Exit", "退出"}},
    {"about", {"About", "关于"}},
    {"Menu_Exit", {"Exit", "退出"}},
    {"Language_Setup", {"Language", "语言"}},
    {"proc_setup", {"Communication", "端口"}},
    {"Edit", {"Edit", "编辑"}},
    {"Channel_edit", {"Channel Information ", "信道信息"}},
    {"Optional_edit", {"Optional Features", "可选功能"}},
    {"Dtmf_edit", {"DTMF", "DTMF(双音多频)"}},
    {"Program", {"Program", "编程"}},
    {"Prog_read", {"Read from radio", "从对讲机读取数据"}},
    {"Prog_write", {"Write to radio", "向对讲机写入数据"}},
    {"PC_PassWord", {"PassWord", "通行字"}},
    {"File", {"File", "文件"}},
    {"File_New", {"New", "新建"}},
    {"File_Open", {"Open", "打开"}},
    {"File_save", {"Save", "保存"}},
    {"File_saveas", {"Save As", "另存为"}},
    {"File_exit", {"Exit", "退出"}},
    {"Band_Range", {"Model", "机型"}},
    {"panel1", {"State", "状态"}},
    {"panel4", {"Version", "版本"}},
    {"panel6", {"Band", "频段"}},
    {"panel11", kStatusText},
}};

constexpr std::array<MenuSpec, 24> kMenus{{
    {"File", "", "File", "", true},
    {"File_New", "File", "New", "Ctrl+N", true},
    {"File_Open", "File", "Open", "Ctrl+O", true},
    {"File_save", "File", "Save", "Ctrl+S", true},
    {"File_saveas", "File", "Save As", "", true},
    {"File_exit", "File", "Exit", "", true},
    {"Band_Range", "", "频段", "", false},
    {"Edit", "", "Edit", "", true},
    {"Channel_edit", "Edit", "Channel Infomation", "", true},
    {"Optional_edit", "Edit", "Optional Features ", "", true},
    {"Dtmf_edit", "Edit", "DTMF", "", true},
    {"Program", "", "Program", "", true},
    {"Prog_read", "Program", "Read form radio", "Ctrl+R", true},
    {"Prog_write", "Program", "Write to radio", "Ctrl+W", true},
    {"Adj", "", "调试", "", false},
    {"Adj_Edit", "Adj", "参数编辑", "", true},
    {"Adj_Online", "Adj", "在线测试", "", true},
    {"PC_PassWord", "", "修改密码", "", false},
    {"proc_setup", "", "端口", "", true},
    {"Language_Setup", "", "语言", "", false},
    {"Language_chn", "Language_Setup", "中文", "", true},
    {"Language_eng", "Language_Setup", "English", "", true},
    {"about", "", "关于", "", false},
    {"Menu_Exit", "", "退出", "", true},
}};

constexpr std::array<ToolSpec, 6> kTools{{
    {"open", "打开参数文件"},
    {"save", "保存参数"},
    {"edit_chann", "信道参数编辑"},
    {"read", "从对讲机读取数据"},
    {"write", "将参数写入对讲机"},
    {"exit", "退出"},
}};

constexpr std::array<int, 11> kPanelPercents{5, 15, 5, 6, 6, 6, 15, 15, 1, 1, 24};

}  // namespace

std::span<const Caption> MainCaptions() { return kCaptions; }
std::span<const MenuSpec> MainMenus() { return kMenus; }
std::span<const ToolSpec> MainTools() { return kTools; }
std::span<const int> PanelPercents() { return kPanelPercents; }
