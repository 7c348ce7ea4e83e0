#include "image/ui/Form_save_chann.h"

namespace {

const ParaFileDialogKind kSave{
    "Form_save_chann",
    ParaFileDialogKind::Transfer::Save,
    &Session::Flag_save_chann,
    &Session::File_save_req,
    {"Save File", "保存文件"},
    {"Save File:", "保存文件名："},
    {"Store the file name is nullity. ", "保存文件所需要的文件名无效 "},
    {"Advice don't modify file suffix name of system default ！", "建议不要修改系统默认的文件后缀名！"},
    {"Complete storing  parameter.", "参数保存完毕 ！"},
};

}  // namespace

Form_save_chann::Form_save_chann(AppContext& c) : ParaFileDialog(c, kSave) {}
