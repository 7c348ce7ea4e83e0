#include "image/ui/para_file_dialog.h"

#include "image/para_file.h"
#include "platform/window_host.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QStyle>
#include <QTreeWidget>

namespace {

// Captions both dialogs share.
constexpr Caption kCaptions[] = {
    {"Label_drive", {"Drive:", "驱动器："}},
    {"Command_enter", {"Confirm", "确  定"}},
    {"Command_close", {"Cancel", "取  消"}},
};
constexpr Text kPromptTitle{"Operate prompt", "操作提示"};
constexpr Text kCannotRead{"\"%1\" cannot be read.", "无法读取“%1” ！"};

// The process's current directory; the file system's root when it has none.
QString CurrentDir() {
  const QString cwd = QDir::currentPath();
  return cwd.isEmpty() ? QDir::rootPath() : cwd;
}

// The root path of the volume that holds `path`.
QString VolumeOf(const QString& path) {
  const QStorageInfo volume(path);
  return volume.isValid() && !volume.rootPath().isEmpty() ? volume.rootPath() : QDir::rootPath();
}

bool DirReadable(const QString& path) {
  const QFileInfo info(path);
  return info.isDir() && info.isReadable();
}

bool DriveReadable(const QString& root) {
  QStorageInfo volume(root);
  return volume.isValid() && volume.isReady() && DirReadable(root);
}

// Where the directory list goes on a drive: the current directory when it is
// on that drive, else the drive's root.
QString StartDirOn(const QString& root) {
  const QString cwd = CurrentDir();
  return VolumeOf(cwd) == root ? cwd : root;
}

}  // namespace

ParaFileDialog::ParaFileDialog(AppContext& c, const ParaFileDialogKind& kind) : RadioWindow(c), ctx(c), kind_(kind) {
  setObjectName(QString::fromLatin1(kind_.name));
  Captions(kind_.captions);
  Captions(kCaptions);
  Label_drive = Control<QLabel>("Label_drive");
  Drive1 = Control<QComboBox>("Drive1");
  Drive1->setEditable(false);
  Dir1 = Control<QTreeWidget>("Dir1");
  Dir1->setHeaderHidden(true);
  Dir1->setRootIsDecorated(false);
  Dir1->setItemsExpandable(false);
  Dir1->setColumnCount(1);
  File1 = Control<QListWidget>("File1");
  Label_name = Control<QLabel>("Label_name");
  Text1 = Control<QLineEdit>("Text1");
  Command_enter = Control<QPushButton>("Command_enter");
  Command_close = Control<QPushButton>("Command_close");
  // The drive list and the name box are named by their labels.
  Label_drive->setBuddy(Drive1);
  Label_name->setBuddy(Text1);
  if (kind_.layout.dirFirst) {
    // The directory list first, then down the dialog; the drive list last.
    setTabOrder(Dir1, File1);
    setTabOrder(File1, Text1);
    setTabOrder(Text1, Command_enter);
    setTabOrder(Command_enter, Command_close);
    setTabOrder(Command_close, Drive1);
    Dir1->setFocus();  // the focus when the dialog opens
  }
  layOut();

  connect(Drive1, &QComboBox::currentIndexChanged, this, On(&ParaFileDialog::Drive1_Change));
  // A double click or Enter on a directory opens it.
  connect(Dir1, &QTreeWidget::itemActivated, this, [open = On(&ParaFileDialog::Dir1_Open)](QTreeWidgetItem* item) {
    open(item->data(0, Qt::UserRole).toString());
  });
  // A click, also on the file already chosen, and a move by the keys.
  connect(File1, &QListWidget::itemClicked, this, On(&ParaFileDialog::File1_Click));
  connect(File1, &QListWidget::currentRowChanged, this, [click = On(&ParaFileDialog::File1_Click)](int row) {
    if (row >= 0) click();
  });
  connect(Command_enter, &QPushButton::clicked, this, On(&ParaFileDialog::Command_enter_Click));
  connect(Command_close, &QPushButton::clicked, this, On(&ParaFileDialog::Command_close_Click));
}

// The design: the dialog's size, the controls' places and, for a dialog that
// keeps its design position, that position.
void ParaFileDialog::layOut() {
  const ParaFileLayout& l = kind_.layout;
  if (l.centredAtLoad)
    setTwipsSize(l.width, l.height);
  else
    setTwipsGeometry(l.left, l.top, l.width, l.height);
  place(Label_drive, l.Label_drive);
  place(Drive1, l.Drive1);
  place(Dir1, l.Dir1);
  place(File1, l.File1);
  place(Label_name, l.Label_name);
  place(Text1, l.Text1);
  place(Command_enter, l.Command_enter);
  place(Command_close, l.Command_close);
}

void ParaFileDialog::message(const QString& msg) const { ctx.MsgBox(msg, kPromptTitle.in(chinese())); }

void ParaFileDialog::Form_Load() {
  // The host has set the window-loaded flag (when the dialog keeps one) and
  // applied the captions. The parameter-file dialogs keep their designed
  // size and centre in the main window's client area, 500 twips up; the
  // others stay where they were designed.
  if (kind_.layout.centredAtLoad) centreInMain(500);

  // The current drive and directory, and the name box's pattern.
  const QString cwd = CurrentDir();
  drive_ = VolumeOf(cwd);
  fillDrives();
  setDir1Path(cwd);
  Text1->setText(QString::fromLatin1(kind_.pattern));
}

void ParaFileDialog::Form_Unload() {}

// ---- drive, directory and file lists ------------------------------------------

void ParaFileDialog::fillDrives() {
  QStringList roots;
  for (const QStorageInfo& v : QStorageInfo::mountedVolumes())
    if (v.isValid() && v.isReady() && !roots.contains(v.rootPath())) roots << v.rootPath();
  if (!roots.contains(drive_)) roots << drive_;
  roots.sort();
  const QSignalBlocker quiet(Drive1);
  Drive1->clear();
  for (const QString& root : roots) {
    const QString label = QStorageInfo(root).name();
    Drive1->addItem(label.isEmpty() || label == root ? root : root + QStringLiteral("  [") + label + u']', root);
  }
  selectDrive(drive_);
}

void ParaFileDialog::selectDrive(const QString& root) {
  const QSignalBlocker quiet(Drive1);
  Drive1->setCurrentIndex(Drive1->findData(root));
}

void ParaFileDialog::Drive1_Change() {
  const QString root = Drive1->currentData().toString();
  if (!DriveReadable(root)) {
    message(kCannotRead.in(chinese()).arg(root));
    if (!Unloading()) selectDrive(drive_);
    return;
  }
  drive_ = root;
  setDir1Path(StartDirOn(root));
}

void ParaFileDialog::Dir1_Open(const QString& path) {
  if (!DirReadable(path)) {
    message(kCannotRead.in(chinese()).arg(path));
    return;
  }
  setDir1Path(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
}

void ParaFileDialog::setDir1Path(const QString& path) {
  dirPath_ = path;
  fillDirs();
  Dir1_Change();
}

void ParaFileDialog::fillDirs() {
  // The drive's root, each directory down to the list's path, then the
  // directories in it.
  const QString top = drive_;
  const bool under = dirPath_ == top || dirPath_.startsWith(top.endsWith(u'/') ? top : top + u'/');
  const QString from = under ? top : QDir::rootPath();
  const QStringList parts = dirPath_.mid(from.size()).split(u'/', Qt::SkipEmptyParts);

  Dir1->clear();
  const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
  const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
  auto add = [&](QTreeWidgetItem* parent, const QString& name, const QString& path, const QIcon& icon) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(Dir1);
    item->setText(0, name);
    item->setIcon(0, icon);
    item->setData(0, Qt::UserRole, path);
    return item;
  };
  QString path = from;
  QTreeWidgetItem* current = add(nullptr, from, from, open);
  for (const QString& part : parts) {
    path = QDir(path).filePath(part);
    current = add(current, part, path, open);
  }
  const QDir here(dirPath_);
  for (const QString& sub : here.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
    add(current, sub, here.filePath(sub), closed);
  Dir1->expandAll();
  markCurrentDir(current);
  Dir1->scrollToItem(current);
}

void ParaFileDialog::markCurrentDir(QTreeWidgetItem* current) {
  // The list's own change of the current entry tells assistive technology
  // about it: Qt 6.4 then makes an accessible interface for the entry (one for
  // each time it is asked) that it never frees, a few hundred bytes at every
  // load of a dialog. While the user is not in the list (the load, a drive
  // chosen) nobody is there to hear it: the entry becomes current and selected
  // without the selection model's signals, and the list is redrawn. While the
  // user is in it (a directory opened by Enter or a double click) the change
  // is announced as always. tests/bench/bench_file_cycles measures what the
  // save-and-open cycles keep.
  if (Dir1->hasFocus()) {
    Dir1->setCurrentItem(current);
    return;
  }
  {
    const QSignalBlocker quiet(Dir1->selectionModel());
    Dir1->setCurrentItem(current);
    current->setSelected(true);
  }
  Dir1->viewport()->update();
}

void ParaFileDialog::Dir1_Change() { fillFiles(); }

void ParaFileDialog::fillFiles() {
  // Without QDir::CaseSensitive the pattern ("*.dat", "*.adj") matches the
  // suffix in any case: .dat, .DAT, .Dat and so on.
  const QSignalBlocker quiet(File1);
  File1->clear();
  File1->addItems(
      QDir(dirPath_).entryList({QString::fromLatin1(kind_.pattern)}, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

void ParaFileDialog::File1_Click() {
  if (const QListWidgetItem* item = File1->currentItem()) Text1->setText(item->text());
}

// ---- Confirm and Cancel ------------------------------------------------------------

void ParaFileDialog::Command_enter_Click() {
  const QString name = Text1->text().trimmed();
  switch (Number_file_name_check(name, kind_.suffixes)) {
    case NumberFileNameCheck::InvalidChar: MsgBox(kind_.invalidName); return;
    case NumberFileNameCheck::WrongSuffix: MsgBox(kind_.wrongSuffix); return;
    case NumberFileNameCheck::Ok: break;
  }
  // At the root the directory path already ends with a separator; the double
  // separator is harmless.
  const QString path = dirPath_ + u'/' + name;
  if (kind_.confirm == ParaFileDialogKind::Confirm::Request) {
    kind_.request(ctx.st, path);
    ctx.host.unloadWindow(this);
    return;
  }
  ctx.st.File_path = path;
  ctx.st.*kind_.requestFlag = 0;
  transferConfirmed();
}

void ParaFileDialog::transferConfirmed() {
  // A failed load or save is reported and changes nothing else: the image and
  // the file stay as they were and the dialog stays open.
  const QString failure = transferFile();
  if (!failure.isEmpty()) {
    message(failure);
    return;
  }
  // The editors are rebuilt once the completion message was closed; then the
  // dialog unloads itself (unless something closed it meanwhile).
  MsgBox(kind_.done);
  if (Unloading()) return;
  if (kind_.confirm == ParaFileDialogKind::Confirm::Load) Para_file_reload_editors(ctx);
  ctx.host.unloadWindow(this);
}

QString ParaFileDialog::transferFile() const {
  const bool zh = chinese();
  if (kind_.confirm == ParaFileDialogKind::Confirm::Save) {
    ParaSaveFailure why;
    return Para_file_save(ctx.st.File_path, ctx.image.image(), &why) ? QString() : Para_file_save_error_text(why, zh);
  }
  // The image announces the loaded rows: open editors show them at once.
  ParaFileResult r;
  ctx.image.change(0, img::kFileLastRow, this, [&](img::Image& im) { r = Para_file_load(ctx.st.File_path, im); });
  return r.ok() ? QString() : Para_file_error_text(r, zh);
}

void ParaFileDialog::Command_close_Click() { ctx.host.unloadWindow(this); }

// ---- the parameter-file dialogs' layout ----------------------------------------------

const ParaFileLayout kParaFileLayout{
    .width = 5535,
    .height = 4920,
    .centredAtLoad = true,
    .left = 0,
    .top = 0,
    .Label_drive = {120, 165, 900, 255},
    .Drive1 = {1080, 120, 4335, 345},
    .Dir1 = {120, 585, 5295, 2040},
    .File1 = {120, 2745, 5295, 1530},
    .Label_name = {120, 4470, 1200, 255},
    .Text1 = {1320, 4425, 1815, 345},
    .Command_enter = {3240, 4410, 1035, 375},
    .Command_close = {4380, 4410, 1035, 375},
    .dirFirst = false,
};

// ---- after a load ------------------------------------------------------------------

void Para_file_reload_editors(AppContext& ctx) { ctx.host.Reopen_after_file_load(); }
