#include "alignment/ui/Form_save_adj.h"

#include "alignment/adj_file.h"
#include "alignment/ui/adj_file_dialog.h"

namespace {

constexpr Caption kCaptions[] = {
    {"Form_save_adj", {"Save Adjust File", "保存调整参数文件"}},
    {"Label_name", {"Save File:", "保存文件名："}},
};

const ParaFileDialogKind kSave{
    .name = "Form_save_adj",
    .layout = kAdjFileLayout,
    .pattern = kAdjFilePattern,
    .suffixes = adj::kAdjFileSuffixes,
    .confirm = ParaFileDialogKind::Confirm::Request,
    .request = Adj_dialog_request_save,
    .captions = kCaptions,
    .invalidName = {{"Store the file name of adjust parameter need is nullity. ", "保存调整参数所需要的文件名无效 "},
                    kAdjPromptTitle},
    .wrongSuffix = {{"Advice don't modify file suffix name of system default ！", "建议不要修改系统默认的文件后缀名！"},
                    kAdjPromptTitle},
};

}  // namespace

Form_save_adj::Form_save_adj(AppContext& c) : ParaFileDialog(c, kSave) {}
