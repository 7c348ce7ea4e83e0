// The channel window follows the image: whatever changes the image behind it
// (a read from the radio on the pseudo-terminal, a .dat load, Default) shows in
// the grid before the user's next click, an editor opened on the old data is
// closed without storing, and a click into the grid then changes no byte.
// The read dialog stays open and active over the channel window meanwhile,
// so no activation redraws the grid: the change itself does.
#include "channels/chann_codec.h"
#include "channels/ui/frm_chann.h"
#include "image/para_file.h"
#include "image/ui/Form_open_chann.h"
#include "link/ui/Form_Comm_Read.h"
#include "platform/grid.h"
#include "platform/text_box.h"
#include "radio_pty_fixture.h"
#include "support/image_diff.h"

#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kReadDone = QStringLiteral("Complete reading the data from transceiver.");

// Channel n's 16-byte record: RX and TX frequency (BCD, least significant
// byte first), tones off, signal code 1, high power, wide, scan add.
std::array<std::uint8_t, 16> Record(std::uint8_t b2, std::uint8_t b3) {
  return {0x00, 0x00, b2, b3, 0x00, 0x00, b2, b3, 0, 0, 0, 0, 0, 0, 0, 0x44};
}

}  // namespace

class ChannFollowsImage : public RadioOnPty {
 protected:
  void SetUp() override {
    startWithRadio();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    chann = main->host().find<frm_chann>();
    ASSERT_TRUE(chann);
  }
  Grid& grid() { return *chann->MSF_Chann; }
  QString cell(int r, int c) { return grid().TextMatrix(r, c); }
  // Brings the cell into view and clicks it, as the user does.
  void click(int r, int c) {
    const QModelIndex index = grid().model()->index(r - 1, c);
    grid().scrollTo(index);
    QTest::mouseClick(grid().viewport(), Qt::LeftButton, {}, grid().visualRect(index).center());
  }
  bool active(RadioWindow* w) const { return main->mdiArea()->activeSubWindow() == w->frame(); }

  // The radio holds the factory image, except channel 1 (grid row 2), on
  // 146.00000 MHz instead of 151.82000, and channel 20 (grid row 21), empty
  // in the factory image and programmed on 145.50000 MHz as "READ".
  img::Image radioHoldsChangedChannels() {
    img::Image want = image.image();
    auto put = [&](int row, const std::array<std::uint8_t, 16>& bytes) {
      for (int c = 0; c < 16; ++c) want(row, c) = bytes[static_cast<std::size_t>(c)];
    };
    put(img::ChannelRow(1), Record(0x60, 0x14));
    put(img::ChannelRow(20), Record(0x55, 0x14));
    put(img::NameRow(20), {'R', 'E', 'A', 'D', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    for (int r = 0; r <= img::kReadLastRow; ++r)
      for (int c = 0; c < 16; ++c)
        sim.memory[static_cast<std::size_t>(r) * 16 + static_cast<std::size_t>(c)] =
            static_cast<std::uint8_t>(want(r, c));
    return want;
  }
  // Reads the radio with the read dialog's Read button and waits for the
  // completion message; the dialog stays open.
  Form_Comm_Read* readAndWait(const std::function<void()>& whileReading = {}) {
    main->MDImain_Prog_read_Click();
    auto* d = main->host().find<Form_Comm_Read>();
    if (!d) return nullptr;
    QTest::mouseClick(d->Command_read, Qt::LeftButton);
    if (whileReading) whileReading();
    if (!waitFor([&] { return shown(kReadDone); }, 30000)) return nullptr;
    return d;
  }

  frm_chann* chann = nullptr;
};

// The read dialog is left open and active after the read; the grid already
// shows the read data, and clicks into it store nothing.
TEST_F(ChannFollowsImage, ReadShowsAtOnceAndClicksStoreNothing) {
  const img::Image want = radioHoldsChangedChannels();
  EXPECT_EQ(cell(21, 2), QString());
  Form_Comm_Read* d = readAndWait();
  ASSERT_TRUE(d);
  EXPECT_EQ(ImageDiff(image.image(), want), "");
  ASSERT_TRUE(active(d));

  // Without any activation the grid shows the new data.
  EXPECT_EQ(cell(21, 2), QStringLiteral("145.50000"));
  EXPECT_EQ(cell(21, 12), QStringLiteral("READ"));
  EXPECT_EQ(cell(2, 2), QStringLiteral("146.00000"));

  // The RX cell of the channel that was empty before the read: the window
  // becomes active and the editor opens on the new text; nothing is stored.
  click(21, 2);
  EXPECT_TRUE(active(chann));
  ASSERT_TRUE(chann->Text_Edit->isVisible());
  EXPECT_EQ(chann->Text_Edit->text(), QStringLiteral("145.50000"));
  EXPECT_EQ(ImageDiff(image.image(), want), "");
  // On to the channel that was programmed before the read, then off the
  // frequencies: each leave commits the text shown, which is the image's.
  click(2, 2);
  EXPECT_EQ(chann->Text_Edit->text(), QStringLiteral("146.00000"));
  click(2, 0);
  EXPECT_EQ(ImageDiff(image.image(), want), "");
  EXPECT_TRUE(prompt.calls.size() == 1u) << prompt.calls.size();  // the completion message only
}

// An editor the user opened and typed into while the read ran is closed
// without storing when the read data arrive.
TEST_F(ChannFollowsImage, ReadClosesAnEditorOpenedOnTheOldData) {
  const img::Image want = radioHoldsChangedChannels();
  Form_Comm_Read* d = readAndWait([&] {
    click(2, 2);
    ASSERT_TRUE(active(chann));
    ASSERT_TRUE(chann->Text_Edit->isVisible());
    chann->Text_Edit->selectAll();
    QTest::keyClicks(chann->Text_Edit, QStringLiteral("150"));
  });
  ASSERT_TRUE(d);
  EXPECT_FALSE(chann->Text_Edit->isVisible());
  EXPECT_EQ(cell(2, 2), QStringLiteral("146.00000"));
  click(3, 0);
  EXPECT_EQ(ImageDiff(image.image(), want), "");
}

// Default redraws the factory channels over an edited table; clicks into
// them then store nothing. (An editor the user left open with a typed text
// is committed when its cell is left, as before: see ChannEditing.)
TEST_F(ChannFollowsImage, DefaultShowsTheFactoryChannelsAndClicksStoreNothing) {
  const img::Image factory = image.image();
  // Channel 1 on another frequency, as an edit would leave it.
  click(2, 2);
  chann->Text_Edit->selectAll();
  QTest::keyClicks(chann->Text_Edit, QStringLiteral("146"));
  click(2, 0);
  ASSERT_EQ(cell(2, 2), QStringLiteral("146.00000"));
  QTest::mouseClick(chann->Command_def, Qt::LeftButton);
  EXPECT_EQ(cell(2, 2), QStringLiteral("151.82000"));
  EXPECT_EQ(ImageDiff(image.image(), factory), "");
  click(2, 2);
  click(3, 3);
  click(3, 0);
  EXPECT_EQ(ImageDiff(image.image(), factory), "");
}

// A .dat load while the channel window is open: the window shows the file's
// channels, and clicks into them store nothing.
TEST_F(ChannFollowsImage, DatLoadShowsTheFileAndClicksStoreNothing) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  const QString oldCwd = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(tmp.path()));
  img::Image file = radioHoldsChangedChannels();
  for (int r = img::kReadLastRow + 1; r <= img::kFileLastRow; ++r) file.fillRows(r, r, 0xFF);
  QFile f(tmp.path() + QStringLiteral("/radio.dat"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(Para_file_text(file));
  f.close();

  click(2, 2);
  chann->Text_Edit->selectAll();
  QTest::keyClicks(chann->Text_Edit, QStringLiteral("150"));
  main->MDImain_File_Open_Click();
  auto* d = main->host().find<Form_open_chann>();
  ASSERT_TRUE(d);
  d->Text1->setText(QStringLiteral("radio.dat"));
  d->Command_enter->click();
  settle();
  QDir::setCurrent(oldCwd);

  img::Image want = image.image();
  for (int r = 0; r <= img::kFileLastRow; ++r)
    for (int c = 0; c < 16; ++c) EXPECT_EQ(want(r, c), file(r, c)) << r << "," << c;
  chann = main->host().find<frm_chann>();
  ASSERT_TRUE(chann);
  EXPECT_EQ(cell(21, 2), QStringLiteral("145.50000"));
  EXPECT_EQ(cell(2, 2), QStringLiteral("146.00000"));
  main->activateWindow();
  click(21, 2);
  click(2, 2);
  click(2, 0);
  EXPECT_EQ(ImageDiff(image.image(), want), "");
}
