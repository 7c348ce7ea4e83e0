#include "image/ui/Form_save_chann.h"

namespace {

constexpr Text kTitle{"Operate prompt", "操作提示"};

constexpr Caption kCaptions[] = {
    {"Form_save_chann", {"Save File", "保存文件"}},
    {"Label_name", {"Save File:", "保存文件名："}},
};

const ParaFileDialogKind kSave{
    .name = "Form_save_chann",
    .layout = kParaFileLayout,
    .pattern = "*.dat",
    .suffixes = kParaFileSuffixes,
    .confirm = ParaFileDialogKind::Confirm::Save,
    .requestFlag = &Session::File_save_req,
    .captions = kCaptions,
    .invalidName = {{"Store the file name is nullity. ", "保存文件所需要的文件名无效 "}, kTitle},
    .wrongSuffix = {{"Advice don't modify file suffix name of system default ！", "建议不要修改系统默认的文件后缀名！"},
                    kTitle},
    .done = {{"Complete storing  parameter.", "参数保存完毕 ！"}, kTitle},
};

}  // namespace

Form_save_chann::Form_save_chann(AppContext& c) : ParaFileDialog(c, kSave) {}
