#pragma once
// The parameter-file dialogs: pick a drive (a mounted volume), a directory and
// a .dat file name, then load the file into the image or save the image to it.
// The open and the save dialog are one dialog; what differs between them (the
// texts, the flags and the transfer) is a ParaFileDialogKind.
#include "platform/radio_window.h"
#include "state/app_context.h"

#include <span>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

struct ParaFileDialogKind {
  enum class Transfer { Load, Save };
  const char* name;                    // the dialog's object name
  Transfer transfer;
  Int16 Session::*requestFlag;     // the one request flag this dialog clears
  std::span<const Caption> captions;   // the title and the name box's label
  Message invalidName, wrongSuffix, done;
};

class ParaFileDialog : public RadioWindow {
  Q_OBJECT
 public:
  ParaFileDialog(AppContext& ctx, const ParaFileDialogKind& kind);

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
  // Checks the name, builds File_path, loads or saves, reports and closes.
  void Command_enter_Click();
  void Command_close_Click();

  // The directory list's path (absolute, without a trailing separator except
  // at the file system's root) and the drive it is on (a volume's root path).
  QString Dir1_Path() const { return dirPath_; }
  QString Drive1_Drive() const { return drive_; }
  // Moves the directory list, as a double click on one of its entries does; a
  // directory that cannot be read is reported and the list stays.
  void Dir1_Open(const QString& path);

  // Designed size in twips.
  static constexpr double kWidth = 5535;
  static constexpr double kHeight = 4920;

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
  void fillDrives();
  void selectDrive(const QString& root);
  void setDir1Path(const QString& path);
  void fillDirs();
  void fillFiles();
  // Loads or saves File_path; returns the user's message when it failed.
  QString transferFile() const;

  const ParaFileDialogKind& kind_;
  QString drive_;
  QString dirPath_;
};

// The two dialogs' handlers under their own names.
#define PARA_FILE_DIALOG_HANDLERS(Dialog)                         \
  void Dialog##_Form_Load() { Form_Load(); }                      \
  void Dialog##_Drive1_Change() { Drive1_Change(); }              \
  void Dialog##_Dir1_Change() { Dir1_Change(); }                  \
  void Dialog##_File1_Click() { File1_Click(); }                  \
  void Dialog##_Command_enter_Click() { Command_enter_Click(); }  \
  void Dialog##_Command_close_Click() { Command_close_Click(); }  \
  void Dialog##_Form_Unload() { Form_Unload(); }

// After a parameter file was loaded the editors are rebuilt, so each shows the
// loaded image: the windows of the registry's file-load order (the channel
// window, opened also when it was closed; then the options window and the
// DTMF window when they are open).
void Para_file_reload_editors(AppContext& ctx);
