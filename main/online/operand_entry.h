// The operand entry of the status and forcing of variables: "EB1=KH12", "T1=KT20.0",
// "DW1,DB1=KHFF", "M4.4=KM1". One syntax for the status-variable list, the force dialog and the
// command line.
//
// Contents
//   EntryOperand        one row of the operand table: name, highest address, formats, kind
//   entryOperands       the table (24 searchable rows)
//   OperandEntry        a parsed entry
//   ParseOperandEntry   text -> entry, 1 or a negative error code
//   OperandEntryErrorText  the message of an error code
#ifndef MAIN_ONLINE_OPERAND_ENTRY_H
#define MAIN_ONLINE_OPERAND_ENTRY_H

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tavrin::online {

// Kind codes of the operand table; bit operands are 19 (E, A) and 20 (M).
enum EntryKind : uint8_t {
  kKindIoByte = 1,
  kKindIoWord = 2,
  kKindIoDouble = 3,
  kKindFlagByte = 4,
  kKindFlagWord = 5,
  kKindFlagDouble = 6,
  kKindDataRight = 7,
  kKindDataLeft = 8,
  kKindDataWord = 9,
  kKindDataDouble = 10,
  kKindSByte = 11,
  kKindSWord = 12,
  kKindSDouble = 13,
  kKindPeripheryByte = 14,
  kKindPeripheryWord = 15,
  kKindTimer = 16,
  kKindCounter = 17,
  kKindSystemData = 18,
  kKindIoBit = 19,
  kKindFlagBit = 20,
};

// Format codes, one bit each.
enum EntryFormat : uint8_t {
  kFormatKZ = 0x01,
  kFormatKT = 0x02,
  kFormatKF = 0x04,
  kFormatKG = 0x08,
  kFormatKC = 0x10,
  kFormatKY = 0x20,
  kFormatKH = 0x40,
  kFormatKM = 0x80,
};

// The letter after 'K' that shows a format code ('?' for none).
char formatLetter(uint8_t format);

struct EntryOperand {
  const char* name;
  uint16_t highest;     // highest byte or word address
  const char* formats;  // as the messages show them
  uint8_t kind;
  uint8_t bytes;  // the width of the value: 1, 2 or 4 (bits: 1)
  bool output;    // stored with 128 added to the byte address
};

std::span<const EntryOperand> entryOperands();

inline constexpr uint8_t kDbTypeDb = 1;
inline constexpr uint8_t kDbTypeDx = 12;

struct OperandEntry {
  std::string text;  // as typed, upper-cased, completed with a default format
  const EntryOperand* operand = nullptr;
  uint16_t address = 0;  // bits: byte * 256 + bit; outputs with 128 added to the byte
  uint8_t dbNumber = 0;
  uint8_t dbType = 0;  // kDbTypeDb, kDbTypeDx, 0 when not a data word
  uint8_t format = 0;
  bool hasValue = false;
  uint16_t value1 = 0;  // the value; the high word of a double word
  uint16_t value2 = 0;  // the low word of a double word

  bool isBit() const { return operand != nullptr && operand->kind >= kKindIoBit; }
  unsigned byteAddress() const { return isBit() ? address >> 8 : address; }
};

enum EntryFlags : unsigned {
  kEntryValueRequired = 1,
  kEntryBitsAllowed = 2,
  kEntryValueForbidden = 4,
  // Which syntax message a missing or unwanted value gives: the one with format-only examples
  // (status lists) rather than the one with values (forcing).
  kEntryFormatOnlySyntax = 8,
};

// 1 on success; otherwise a code from -1 to -19. `text` is replaced by the upper-cased entry,
// completed with the default format where it ended after the operand or at '='.
int ParseOperandEntry(std::string& text, unsigned flags, OperandEntry& entry);

// The message of an error code; `entry` gives the operand named in the message, when parsing
// got that far.
std::string OperandEntryErrorText(int code, const OperandEntry& entry);

}  // namespace tavrin::online

#endif
