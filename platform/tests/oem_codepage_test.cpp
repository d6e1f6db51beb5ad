#include "platform/oem_codepage.h"

#include <gtest/gtest.h>

#include "platform/cp1252.h"

namespace tavrin::platform {
namespace {

TEST(OemCodePage, LettersMapToTheSameCharacterInWindows1252) {
  struct Case {
    OemCodePage page;
    unsigned char oem;
    const char* utf8;  // the character, converted independently through the 1252 table
  };
  const Case cases[] = {
      {OemCodePage::Cp437, 0x84, "ä"}, {OemCodePage::Cp437, 0x94, "ö"},
      {OemCodePage::Cp437, 0x81, "ü"}, {OemCodePage::Cp437, 0xE1, "ß"},
      {OemCodePage::Cp437, 0x8E, "Ä"}, {OemCodePage::Cp437, 0x99, "Ö"},
      {OemCodePage::Cp437, 0x9A, "Ü"}, {OemCodePage::Cp437, 0x80, "Ç"},
      {OemCodePage::Cp437, 0x9B, "¢"}, {OemCodePage::Cp437, 0x9F, "ƒ"},
      {OemCodePage::Cp437, 0xE6, "µ"}, {OemCodePage::Cp437, 0xF8, "°"},
      {OemCodePage::Cp437, 0xFD, "²"}, {OemCodePage::Cp437, 0xFF, "\u00A0"},
      {OemCodePage::Cp850, 0x84, "ä"}, {OemCodePage::Cp850, 0xE1, "ß"},
      {OemCodePage::Cp850, 0x9A, "Ü"}, {OemCodePage::Cp850, 0x9B, "ø"},
      {OemCodePage::Cp850, 0x9D, "Ø"}, {OemCodePage::Cp850, 0x9E, "×"},
      {OemCodePage::Cp850, 0xA9, "®"}, {OemCodePage::Cp850, 0xB5, "Á"},
      {OemCodePage::Cp850, 0xB8, "©"}, {OemCodePage::Cp850, 0xC6, "ã"},
      {OemCodePage::Cp850, 0xCF, "¤"}, {OemCodePage::Cp850, 0xD1, "Ð"},
      {OemCodePage::Cp850, 0xE7, "þ"}, {OemCodePage::Cp850, 0xF3, "¾"},
      {OemCodePage::Cp850, 0xF5, "§"}, {OemCodePage::Cp850, 0xFA, "·"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(std::string(1, oemToCp1252(c.page, static_cast<char>(c.oem))), utf8ToCp1252(c.utf8))
        << c.utf8;
}

TEST(OemCodePage, CharactersWithoutAWindows1252ByteBecomeAscii) {
  struct Case {
    OemCodePage page;
    unsigned char oem;
    char expected;
  };
  const Case cases[] = {
      {OemCodePage::Cp437, 0xC4, '-'}, {OemCodePage::Cp437, 0xCD, '-'},  // ─ ═
      {OemCodePage::Cp437, 0xB3, '|'}, {OemCodePage::Cp437, 0xBA, '|'},  // │ ║
      {OemCodePage::Cp437, 0xDA, '+'}, {OemCodePage::Cp437, 0xBC, '+'},  // ┌ ╝
      {OemCodePage::Cp437, 0xC5, '+'}, {OemCodePage::Cp437, 0xD8, '+'},  // ┼ ╪
      {OemCodePage::Cp437, 0xE0, '?'}, {OemCodePage::Cp437, 0xE3, '?'},  // α π
      {OemCodePage::Cp437, 0xB0, '?'}, {OemCodePage::Cp437, 0xDB, '?'},  // ░ █
      {OemCodePage::Cp437, 0xF2, '?'}, {OemCodePage::Cp437, 0x9E, '?'},  // ≥ ₧
      {OemCodePage::Cp850, 0xC9, '+'}, {OemCodePage::Cp850, 0xCD, '-'},  // ╔ ═
      {OemCodePage::Cp850, 0xB3, '|'}, {OemCodePage::Cp850, 0xD5, '?'},  // │ ı
  };
  for (const Case& c : cases)
    EXPECT_EQ(oemToCp1252(c.page, static_cast<char>(c.oem)), c.expected) << std::hex << int{c.oem};
}

TEST(OemCodePage, NoByteLandsOnAnUndefinedWindows1252Byte) {
  for (const OemCodePage page : {OemCodePage::Cp437, OemCodePage::Cp850}) {
    for (const unsigned char out : oemToCp1252Table(page)) {
      EXPECT_NE(out, 0x81);
      EXPECT_NE(out, 0x8D);
      EXPECT_NE(out, 0x8F);
      EXPECT_NE(out, 0x90);
      EXPECT_NE(out, 0x9D);
    }
  }
}

TEST(OemCodePage, ConvertsWholeTexts) {
  EXPECT_EQ(oemToCp1252(OemCodePage::Cp437,
                        "Gr\x94\xE1"
                        "e \xDA\xC4\xC4\xBF\r\n"),
            std::string("Größe +--+\r\n"_cp1252));
  EXPECT_EQ(oemToCp1252(OemCodePage::Cp850, std::string_view("a\0\x9B", 3)),
            std::string("a\0\xF8", 3));
  EXPECT_EQ(oemToCp1252(OemCodePage::Cp437, ""), "");
}

TEST(OemCodePage, PagesAreNamedByTheirNumber) {
  EXPECT_EQ(oemCodePageFromNumber(437), OemCodePage::Cp437);
  EXPECT_EQ(oemCodePageFromNumber(850), OemCodePage::Cp850);
  EXPECT_EQ(oemCodePageFromNumber(1252), std::nullopt);
  EXPECT_EQ(oemCodePageFromNumber(0), std::nullopt);
}

}  // namespace
}  // namespace tavrin::platform
