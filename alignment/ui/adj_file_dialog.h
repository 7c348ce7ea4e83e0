#pragma once
// What the two alignment-file (.adj) dialogs share: their layout, their file
// pattern and name rule, and the request their Confirm records. They are the
// file dialog of the parameter file with other data (image/ui/para_file_dialog.h):
// the same drive, directory and file lists; a Confirm that only records the
// request in the shared state for the alignment editor's poll, which serves it.
#include "image/ui/para_file_dialog.h"

// Client area 6195 x 5145 twips, at its design position; the directory list
// first in the tab order.
extern const ParaFileLayout kAdjFileLayout;
constexpr char kAdjFilePattern[] = "*.adj";
constexpr Text kAdjPromptTitle{"Operate prompt", "操作提示"};

// Confirm of the open and of the save dialog: File_path and the request flag
// as the alignment editor polls them, and the path in the request record.
void Adj_dialog_request_load(Session& st, const QString& path);
void Adj_dialog_request_save(Session& st, const QString& path);
