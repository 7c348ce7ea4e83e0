#include "state/image.h"

#include <gtest/gtest.h>

using namespace img;

TEST(Image, AddressAndCellConversions) {
  EXPECT_EQ(AddressToCell(0x0E4C), (Cell{228, 12}));
  EXPECT_EQ(CellToAddress(228, 12), 0x0E4C);
  EXPECT_EQ(OptionCell(44), (Cell{228, 12}));
  EXPECT_EQ(OptionCell(0), (Cell{226, 0}));
  EXPECT_EQ(OptionCell(63), (Cell{229, 15}));
  EXPECT_EQ(NameRow(0), 256);
  EXPECT_EQ(NameRow(199), 455);
  EXPECT_EQ(BlockFirstRow(0x1DC0), 476);
  EXPECT_EQ(RowAddressHigh(448), 0x1C);
  EXPECT_EQ(RowAddressLow(448), 0x00);
  EXPECT_EQ(RowAddressHigh(231), 0x0E);
  EXPECT_EQ(RowAddressLow(231), 0x70);
}

TEST(Image, MemoryMapRowsMatchRadioAddresses) {
  EXPECT_EQ(CellToAddress(kDtmfFirst, 0), 0x0D00);
  EXPECT_EQ(CellToAddress(kOptFirst, 0), 0x0E20);
  EXPECT_EQ(CellToAddress(kChannAbRow, 0), 0x0E70);
  EXPECT_EQ(CellToAddress(kVfoAFirst, 0), 0x0F00);
  EXPECT_EQ(CellToAddress(kVfoBFirst, 0), 0x0F20);
  EXPECT_EQ(CellToAddress(kFmLabelsFirst, 0), 0x0F40);
  EXPECT_EQ(CellToAddress(kNameFirst, 0), 0x1000);
  EXPECT_EQ(CellToAddress(kReadLastRow, 15), 0x1DFF);
  EXPECT_EQ(CellToAddress(kFileLastRow, 0), 0x1E00);
}

TEST(Image, StartsAtZeroAndFillsRows) {
  Image im;
  EXPECT_EQ(im(0, 0), 0);
  EXPECT_EQ(im(495, 15), 0);
  im.fillRows(0, kFillLastRow, kEmpty);
  EXPECT_EQ(im(0, 0), 0xFF);
  EXPECT_EQ(im(495, 15), 0xFF);
}
