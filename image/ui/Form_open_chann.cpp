#include "image/ui/Form_open_chann.h"

namespace {

const ParaFileDialogKind kOpen{
    "Form_open_chann",
    ParaFileDialogKind::Transfer::Load,
    &Session::Flag_open_chann,
    &Session::File_load_req,
    {"Open File", "打开文件"},
    {"Open File:", "打开文件名："},
    {"Open the file name is nullity ", "打开文件名无效 "},
    {"Nullity file suffix name.", "无效的文件后缀名！"},
    {"Succeed fold the parameter from file.", "参数从文件调入成功 ！"},
};

}  // namespace

Form_open_chann::Form_open_chann(AppContext& c) : ParaFileDialog(c, kOpen) {}
