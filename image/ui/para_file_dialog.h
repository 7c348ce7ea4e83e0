#pragma once
// The file dialogs: pick a drive (a mounted volume), a directory and a file
// name, then do with the checked path what the dialog is for. One dialog
// serves the parameter-file (.dat) dialogs, which load the file into the image
// or save the image to it, and the alignment-file (.adj) dialogs, which hand
// the path to the alignment editor as a request. What differs between them
// (layout and placing, file pattern, name rule, texts, the request flag, what
// Confirm does) is a ParaFileDialogKind.
//
// The drive list holds the mounted volumes (QStorageInfo). The directory and
// file lists are read synchronously from QDir, never through a
// QFileSystemModel, which fills itself later, after the dialog shows. Nothing
// here changes the process's current directory.
#include "image/para_file.h"
#include "platform/core/twips.h"
#include "platform/radio_window.h"
#include "state/ui/app_context.h"

#include <span>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

struct ParaFileLayout {
  double width, height;  // the client area, twips
  // Centred in the main window's client area, 500 twips above the centre,
  // at every load; otherwise the dialog keeps its design position (left, top
  // from the main window's client area), which no load changes.
  bool centredAtLoad;
  double left, top;
  TwipsRect Label_drive, Drive1, Dir1, File1, Label_name, Text1, Command_enter, Command_close;
  // The directory list comes first in the tab order (and has the focus when
  // the dialog opens); otherwise the order is the drive list's, top down.
  bool dirFirst;
};

struct ParaFileDialogKind {
  enum class Confirm {
    Load,     // read the file into the image, report, rebuild the editors
    Save,     // write the image to the file, report
    Request,  // record the path as a request for another window, nothing else
  };
  const char* name;  // the dialog's object name
  const ParaFileLayout& layout;
  const char* pattern;          // the file list's pattern and the name box's first text
  NumberFileSuffixes suffixes;  // the suffixes the name check takes
  Confirm confirm;
  // Load and Save: the one request flag this dialog clears.
  Int16 Session::*requestFlag = nullptr;
  // Request: records the checked path in the shared state.
  void (*request)(Session& st, const QString& path) = nullptr;
  std::span<const Caption> captions;  // the title and the name box's label
  Message invalidName, wrongSuffix;
  Message done{};  // Load and Save: the completion message
};

class ParaFileDialog : public RadioWindow {
  Q_OBJECT
 public:
  ParaFileDialog(AppContext& ctx, const ParaFileDialogKind& kind);
  // The program's context: the session (ctx.st), the image's owner (ctx.image), the host, ...
  AppContext& ctx;

  void Form_Load() override;
  void Form_Unload() override;

  // The directory list went to another drive: to the current directory when
  // the process's current directory is on that drive, else to its root. A
  // drive that cannot be read is reported and the list returns to the drive
  // the directory list is on.
  void Drive1_Change();
  // The file list follows the directory list.
  void Dir1_Change();
  // The name box takes the chosen file's name.
  void File1_Click();
  // Checks the name, builds File_path and does what the dialog is for.
  void Command_enter_Click();
  void Command_close_Click();

  // The directory list's path (absolute, without a trailing separator except
  // at the file system's root) and the drive it is on (a volume's root path).
  QString Dir1_Path() const { return dirPath_; }
  QString Drive1_Drive() const { return drive_; }
  // Moves the directory list, as a double click on one of its entries does; a
  // directory that cannot be read is reported and the list stays.
  void Dir1_Open(const QString& path);

  QLabel* Label_drive = nullptr;
  QComboBox* Drive1 = nullptr;
  QTreeWidget* Dir1 = nullptr;
  QListWidget* File1 = nullptr;
  QLabel* Label_name = nullptr;
  QLineEdit* Text1 = nullptr;
  QPushButton* Command_enter = nullptr;
  QPushButton* Command_close = nullptr;

 private:
  void message(const QString& text) const;
  void layOut();
  void fillDrives();
  void selectDrive(const QString& root);
  void setDir1Path(const QString& path);
  void fillDirs();
  void markCurrentDir(QTreeWidgetItem* current);
  void fillFiles();
  // Loads or saves File_path; returns the user's message when it failed.
  QString transferFile() const;
  void transferConfirmed();

  const ParaFileDialogKind& kind_;
  QString drive_;
  QString dirPath_;
};

// The parameter-file dialogs' layout: designed size, centred at each load.
extern const ParaFileLayout kParaFileLayout;

// The dialogs' handlers under their own names.
#define PARA_FILE_DIALOG_HANDLERS(Dialog)                        \
  void Dialog##_Form_Load() { Form_Load(); }                     \
  void Dialog##_Drive1_Change() { Drive1_Change(); }             \
  void Dialog##_Dir1_Change() { Dir1_Change(); }                 \
  void Dialog##_File1_Click() { File1_Click(); }                 \
  void Dialog##_Command_enter_Click() { Command_enter_Click(); } \
  void Dialog##_Command_close_Click() { Command_close_Click(); } \
  void Dialog##_Form_Unload() { Form_Unload(); }

// After a parameter file was loaded the editors are rebuilt, so each shows the
// loaded image: the windows of the registry's file-load order (the channel
// window, opened also when it was closed; then the options window and the
// DTMF window when they are open).
void Para_file_reload_editors(AppContext& ctx);
