#include "alignment/ui/Form_open_adj.h"

#include "alignment/adj_file.h"
#include "alignment/ui/adj_file_dialog.h"

namespace {

constexpr Caption kCaptions[] = {
    {"Form_open_adj", {"Open Adjust File", "打开调整参数文件"}},
    {"Label_name", {"Open File:", "打开文件名："}},
};

const ParaFileDialogKind kOpen{
    .name = "Form_open_adj",
    .layout = kAdjFileLayout,
    .pattern = kAdjFilePattern,
    .suffixes = adj::kAdjFileSuffixes,
    .confirm = ParaFileDialogKind::Confirm::Request,
    .request = Adj_dialog_request_load,
    .captions = kCaptions,
    // The open dialog's invalid-name text has always named the channel parameter file.
    .invalidName = {{"Open the file name of channel parameter is nullity ", "打开信道参数文件名无效 "},
                    kAdjPromptTitle},
    .wrongSuffix = {{"Nullity file suffix name of adjust parameter.", "无效的调整参数文件后缀名！"}, kAdjPromptTitle},
};

}  // namespace

Form_open_adj::Form_open_adj(AppContext& c) : ParaFileDialog(c, kOpen) {}
