#include "alignment/ui/adj_file_dialog.h"

#include "alignment/adj_file.h"

// Where the dialogs were designed: near the middle of the main window's
// client area on the smallest screen the program supports.
const ParaFileLayout kAdjFileLayout{
    .width = 6195,
    .height = 5145,
    .centredAtLoad = false,
    .left = 4500,
    .top = 1500,
    .Label_drive = {240, 240, 975, 255},
    .Drive1 = {1320, 240, 1695, 300},
    .Dir1 = {240, 720, 5775, 1770},
    .File1 = {240, 2520, 5775, 1650},
    .Label_name = {240, 4560, 1095, 255},
    .Text1 = {1440, 4560, 1695, 270},
    .Command_enter = {3480, 4440, 975, 495},
    .Command_close = {4920, 4440, 975, 495},
    .dirFirst = true,
};

void Adj_dialog_request_load(Session& st, const QString& path) {
  adj::Adj_file_request(adj::AdjFileOp::Load, path, st.File_path, st.File_load_req, st.File_save_req,
                        st.Adj_file_requests);
}

void Adj_dialog_request_save(Session& st, const QString& path) {
  adj::Adj_file_request(adj::AdjFileOp::Save, path, st.File_path, st.File_load_req, st.File_save_req,
                        st.Adj_file_requests);
}
