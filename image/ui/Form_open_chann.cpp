#include "image/ui/Form_open_chann.h"

namespace {

constexpr Text kTitle{"Operate prompt", "操作提示"};

constexpr Caption kCaptions[] = {
    {"Form_open_chann", {"Open File", "打开文件"}},
    {"Label_name", {"Open File:", "打开文件名："}},
};

const ParaFileDialogKind kOpen{
    .name = "Form_open_chann",
    .layout = kParaFileLayout,
    .pattern = "*.dat",
    .suffixes = kParaFileSuffixes,
    .confirm = ParaFileDialogKind::Confirm::Load,
    .requestFlag = &Session::File_load_req,
    .captions = kCaptions,
    .invalidName = {{"Open the file name is nullity ", "打开文件名无效 "}, kTitle},
    .wrongSuffix = {{"Nullity file suffix name.", "无效的文件后缀名！"}, kTitle},
    .done = {{"Succeed fold the parameter from file.", "参数从文件调入成功 ！"}, kTitle},
};

}  // namespace

Form_open_chann::Form_open_chann(AppContext& c) : ParaFileDialog(c, kOpen) {}
