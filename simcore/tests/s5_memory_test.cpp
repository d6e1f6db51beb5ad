#include "simcore/s5_memory.h"

#include "simcore/simcore32.h"
#include "simcore/tests/controller_fixture.h"

namespace tavrin::simcore::testing {
namespace {

using MemoryModel = ControllerTest;

TEST_F(MemoryModel, ByteAddressedWordsAndBytes) {
  SimImage& img = image();           // the built-in S5-95U: flags at 0x6100
  WriteS5Word(img, 0x0200, 0x1234);  // outside byte areas: a little-endian memory word
  EXPECT_EQ(img.Space[0x0200], 0x34);
  EXPECT_EQ(img.Space[0x0201], 0x12);
  EXPECT_EQ(ReadS5Word(img, 0x0200), 0x1234);
  EXPECT_EQ(ReadS5Byte(img, 0x0200), 0x12);  // seen from S5: high byte first
  EXPECT_EQ(ReadS5Byte(img, 0x0201), 0x34);
  WriteS5Byte(img, 0x0201, 0xAB);
  EXPECT_EQ(ReadS5Word(img, 0x0200), 0x12AB);

  WriteS5Word(img, 0x6110, 0xBEEF);  // inside the flags: one byte per address, high byte first
  EXPECT_EQ(img.Space[0x6110], 0xBE);
  EXPECT_EQ(img.Space[0x6111], 0xEF);
  EXPECT_EQ(ReadS5Byte(img, 0x6110), 0xBE);
  uint8_t flag = 0;
  S5AG_ReadMerkByte(0x10, &flag);
  EXPECT_EQ(flag, 0xBE);
}

TEST_F(MemoryModel, ByteAddressedEndsOfTheSpaceReadAsZero) {
  SimImage& img = image();
  img.Space[0x0001] = 0x55;
  img.Space[0xFFFE] = 0x66;
  EXPECT_EQ(ReadS5Byte(img, 0x0000), 0);
  EXPECT_EQ(ReadS5Byte(img, 0xFFFF), 0);
  WriteS5Byte(img, 0x0000, 0x77);
  WriteS5Byte(img, 0xFFFF, 0x77);
  EXPECT_EQ(img.Space[0x0001], 0x55);
  EXPECT_EQ(img.Space[0xFFFE], 0x66);
  WriteS5Word(img, 0xFFFF, 0x1234);  // the last word reaches one byte past 64 K, still in Space
  EXPECT_EQ(ReadS5Word(img, 0xFFFF), 0x1234);
}

TEST_F(MemoryModel, WordAddressedHalvesShareOneByte) {
  SimImage& img = image();
  img.AddrPerWord = 1;
  img.ByteAreaShift = 1;
  EXPECT_EQ(hostIndex(img, 0x7FFF), 0xFFFEu);
  EXPECT_EQ(hostIndex(img, 0x8000), 65535u);
  EXPECT_EQ(hostIndex(img, 0xFFFF), kSpaceBytes - 2);

  WriteS5Word(img, 0x8000, 0xA1B2);
  EXPECT_EQ(ReadS5Word(img, 0x8000), 0xA1B2);
  EXPECT_EQ(img.Space[65535], 0xB2);  // the low byte of 0x8000 is the high byte of 0x7FFF
  EXPECT_EQ(ReadS5Word(img, 0x7FFF), 0);
  WriteS5Word(img, 0x7FFF, 0x1122);  // only the low byte is stored
  EXPECT_EQ(img.Space[0xFFFE], 0x22);
  EXPECT_EQ(ReadS5Word(img, 0x8000), 0xA1B2);
  WriteS5Byte(img, 0x4000, 0x99);  // a byte write replaces the low byte
  EXPECT_EQ(ReadS5Word(img, 0x4000), 0x0099);
  EXPECT_EQ(ReadS5Byte(img, 0x4000), 0x99);
  EXPECT_EQ(ReadS5Word(img, 0xFFFF), 0);
}

}  // namespace
}  // namespace tavrin::simcore::testing
