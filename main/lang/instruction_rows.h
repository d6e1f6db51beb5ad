// The rows of the MC5 instruction table, in the order both lookups depend on: the first row that
// fits a text or a code is the result. Each row: key (the statement without blanks up to its
// operand area), display text, opcode, constant format, formal-operand classes, min, max, max2
// (0xFFFF: none; 0xFFFC: a jump label or formal operand; 0xFFFE: a constant checked by its
// format), '}' FB only / '~' everywhere, words, status category, and the sized area whose counts
// give the limit.
#ifndef MAIN_LANG_INSTRUCTION_ROWS_H
#define MAIN_LANG_INSTRUCTION_ROWS_H

#include <array>

#include "main/lang/instruction_row.h"

namespace tavrin::lang::detail {

// clang-format off
inline constexpr std::array<RawRow, kInstructionRows> kRawRows = {{
    {"NOP0", "NOP 0  ", 0x0000, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 7, LimitArea::None},  // 0
    {"KEW", "KEW    ", 0x0100, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 6, LimitArea::None},  // 1
    {"LT", "L   T  ", 0x0200, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 6, LimitArea::Timer},  // 2
    {"TNB", "TNB    ", 0x0300, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '}', 1, 6, LimitArea::None},  // 3
    {"FRT", "FR  T  ", 0x0400, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '}', 1, 4, LimitArea::Timer},  // 4
    {"BEB", "BEB    ", 0x0500, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 12, LimitArea::None},  // 5
    {"FR=", "FR  =  ", 0x0600, ConstFormat::None, 0x060, 0x0000, 0xFFFC, 0xFFFF, '}', 1, 6, LimitArea::None},  // 6
    {"U=", "U   =  ", 0x0700, ConstFormat::None, 0x062, 0x0000, 0xFFFC, 0xFFFF, '}', 1, 7, LimitArea::None},  // 7
    {"####", "#######", 0x0000, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 7, LimitArea::None},  // 8
    {"####", "#######", 0x0000, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 7, LimitArea::None},  // 9
    {"####", "#######", 0x0000, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 7, LimitArea::None},  // 10
    {"####", "#######", 0x0000, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 7, LimitArea::None},  // 11
    {"KZW", "KZW    ", 0x0900, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 6, LimitArea::None},  // 12
    {"LMB", "L   MB ", 0x0A00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 6, LimitArea::MByte},  // 13
    {"TMB", "T   MB ", 0x0B00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 6, LimitArea::MByte},  // 14
    {"LCT", "LC  T  ", 0x0C00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 6, LimitArea::Timer},  // 15
    {"SPO=", "SPO =  ", 0x0D00, ConstFormat::None, 0x000, 0x0000, 0xFFFC, 0xFFFF, '}', 1, 12, LimitArea::None},  // 16
    {"LC=", "LC  =  ", 0x0E00, ConstFormat::None, 0x060, 0x0000, 0xFFFC, 0xFFFF, '}', 1, 6, LimitArea::None},  // 17
    {"O=", "O   =  ", 0x0F00, ConstFormat::None, 0x062, 0x0000, 0xFFFC, 0xFFFF, '}', 1, 7, LimitArea::None},  // 18
    {"BLD", "BLD    ", 0x1000, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 7, LimitArea::None},  // 19
    {"", "       ", 0x1082, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 7, LimitArea::None},  // 20
    {"AWL", "AWL    ", 0x1083, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 7, LimitArea::None},  // 21
    {"FUP", "FUP    ", 0x1084, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 7, LimitArea::None},  // 22
    {"KOP", "KOP    ", 0x1085, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 7, LimitArea::None},  // 23
    {"***", "***    ", 0x10FF, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 12, LimitArea::None},  // 24
    {"LMW", "L   MW ", 0x1200, ConstFormat::None, 0x000, 0x0000, 0x00FE, 0xFFFF, '~', 1, 6, LimitArea::MWord},  // 25
    {"TMW", "T   MW ", 0x1300, ConstFormat::None, 0x000, 0x0000, 0x00FE, 0xFFFF, '~', 1, 6, LimitArea::MWord},  // 26
    {"SAT", "SA  T  ", 0x1400, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 4, LimitArea::Timer},  // 27
    {"SPP=", "SPP =  ", 0x1500, ConstFormat::None, 0x000, 0x0000, 0xFFFC, 0xFFFF, '}', 1, 12, LimitArea::None},  // 28
    {"SAR=", "SAR =  ", 0x1600, ConstFormat::None, 0x060, 0x0000, 0xFFFC, 0xFFFF, '}', 1, 6, LimitArea::None},  // 29
    {"S=", "S   =  ", 0x1700, ConstFormat::None, 0x002, 0x0000, 0xFFFC, 0xFFFF, '}', 1, 7, LimitArea::None},  // 30
    {"SVT", "SV  T  ", 0x1C00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 4, LimitArea::Timer},  // 31
    {"SPBFB", "SPB FB ", 0x1D00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 7, LimitArea::FbNumber},  // 32
    {"SVZ=", "SVZ =  ", 0x1E00, ConstFormat::None, 0x060, 0x0000, 0xFFFC, 0xFFFF, '}', 1, 6, LimitArea::None},  // 33
    {"==", "=   =  ", 0x1F00, ConstFormat::None, 0x002, 0x0000, 0xFFFC, 0xFFFF, '}', 1, 7, LimitArea::None},  // 34
    {"ADB", "A   DB ", 0x2000, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 7, LimitArea::DbNumber},  // 35
    {">F", ">F     ", 0x2120, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 6, LimitArea::None},  // 36
    {"<F", "<F     ", 0x2140, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 6, LimitArea::None},  // 37
    {"><F", "><F    ", 0x2160, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 6, LimitArea::None},  // 38
    {"!=F", "!=F    ", 0x2180, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 6, LimitArea::None},  // 39
    {">=F", ">=F    ", 0x21A0, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 6, LimitArea::None},  // 40
    {"<=F", "<=F    ", 0x21C0, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 6, LimitArea::None},  // 41
    {"LDL", "L   DL ", 0x2200, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 6, LimitArea::DataWord},  // 42
    {"TDL", "T   DL ", 0x2300, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 6, LimitArea::DataWord},  // 43
    {"SET", "SE  T  ", 0x2400, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 4, LimitArea::Timer},  // 44
    {"SPM=", "SPM =  ", 0x2500, ConstFormat::None, 0x000, 0x0000, 0xFFFC, 0xFFFF, '}', 1, 12, LimitArea::None},  // 45
    {"SE=", "SE  =  ", 0x2600, ConstFormat::None, 0x020, 0x0000, 0xFFFC, 0xFFFF, '}', 1, 7, LimitArea::None},  // 46
    {"UN=", "UN  =  ", 0x2700, ConstFormat::None, 0x062, 0x0000, 0xFFFC, 0xFFFF, '}', 1, 7, LimitArea::None},  // 47
    {"LKB", "L   KB ", 0x2800, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 6, LimitArea::None},  // 48
    {"LDR", "L   DR ", 0x2A00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 6, LimitArea::DataWord},  // 49
    {"TDR", "T   DR ", 0x2B00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 6, LimitArea::DataWord},  // 50
    {"SST", "SS  T  ", 0x2C00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 4, LimitArea::Timer},  // 51
    {"SPA=", "SPA =  ", 0x2D00, ConstFormat::None, 0x000, 0x0000, 0xFFFC, 0xFFFF, '}', 1, 12, LimitArea::None},  // 52
    {"SSV=", "SSV =  ", 0x2E00, ConstFormat::None, 0x060, 0x0000, 0xFFFC, 0xFFFF, '}', 1, 7, LimitArea::None},  // 53
    {"ON=", "ON  =  ", 0x2F00, ConstFormat::None, 0x062, 0x0000, 0xFFFC, 0xFFFF, '}', 1, 7, LimitArea::None},  // 54
    {"LKZ", "L   KZ ", 0x3001, ConstFormat::KZ, 0x000, 0x0000, 0x03E7, 0xFFFF, '~', 2, 6, LimitArea::None},  // 55
    {"LKT", "L   KT ", 0x3002, ConstFormat::KT, 0x000, 0x0000, 0x03E7, 0x0003, '~', 2, 6, LimitArea::None},  // 56
    {"LKF", "L   KF ", 0x3004, ConstFormat::KF, 0x000, 0x8000, 0x7FFF, 0xFFFF, '~', 2, 6, LimitArea::None},  // 57
    {"LKC", "L   KC ", 0x3010, ConstFormat::KC, 0x000, 0x0000, 0xFFFE, 0xFFFF, '~', 2, 6, LimitArea::None},  // 58
    {"LKY", "L   KY ", 0x3020, ConstFormat::KY, 0x000, 0x0000, 0x00FF, 0x00FF, '~', 2, 6, LimitArea::None},  // 59
    {"LKH", "L   KH ", 0x3040, ConstFormat::KH, 0x000, 0x0000, 0xFFFE, 0xFFFF, '~', 2, 6, LimitArea::None},  // 60
    {"LKM", "L   KM ", 0x3080, ConstFormat::KM, 0x000, 0x0000, 0xFFFE, 0xFFFF, '~', 2, 6, LimitArea::None},  // 61
    {"LDW", "L   DW ", 0x3200, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 6, LimitArea::DataWord},  // 62
    {"TDW", "T   DW ", 0x3300, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 6, LimitArea::DataWord},  // 63
    {"SIT", "SI  T  ", 0x3400, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 4, LimitArea::Timer},  // 64
    {"SPN=", "SPN =  ", 0x3500, ConstFormat::None, 0x000, 0x0000, 0xFFFC, 0xFFFF, '}', 1, 12, LimitArea::None},  // 65
    {"SI=", "SI  =  ", 0x3600, ConstFormat::None, 0x020, 0x0000, 0xFFFC, 0xFFFF, '}', 1, 6, LimitArea::None},  // 66
    {"RB=", "RB  =  ", 0x3700, ConstFormat::None, 0x002, 0x0000, 0xFFFC, 0xFFFF, '}', 1, 7, LimitArea::None},  // 67
    {"RT", "R   T  ", 0x3C00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 4, LimitArea::Timer},  // 68
    {"SPAFB", "SPA FB ", 0x3D00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 7, LimitArea::FbNumber},  // 69
    {"RD=", "RD  =  ", 0x3E00, ConstFormat::None, 0x060, 0x0000, 0xFFFC, 0xFFFF, '}', 1, 6, LimitArea::None},  // 70
    {"LW=", "LW  =  ", 0x3F00, ConstFormat::None, 0x17E, 0x0000, 0xFFFC, 0xFFFF, '}', 1, 6, LimitArea::None},  // 71
    {"LIR", "LIR    ", 0x4000, ConstFormat::None, 0x000, 0x0000, 0x000F, 0xFFFF, '}', 1, 6, LimitArea::None},  // 72
    {"UW", "UW     ", 0x4100, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 6, LimitArea::None},  // 73
    {"LZ", "L   Z  ", 0x4200, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 6, LimitArea::Counter},  // 74
    {"TNW", "TNW    ", 0x4300, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '}', 1, 6, LimitArea::None},  // 75
    {"FRZ", "FR  Z  ", 0x4400, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '}', 1, 3, LimitArea::Counter},  // 76
    {"SPZ=", "SPZ =  ", 0x4500, ConstFormat::None, 0x000, 0x0000, 0xFFFC, 0xFFFF, '}', 1, 12, LimitArea::None},  // 77
    {"L=", "L   =  ", 0x4600, ConstFormat::None, 0x07C, 0x0000, 0xFFFC, 0xFFFF, '}', 1, 6, LimitArea::None},  // 78
    {"TIR", "TIR    ", 0x4800, ConstFormat::None, 0x000, 0x0000, 0x000F, 0xFFFF, '}', 1, 6, LimitArea::None},  // 79
    {"OW", "OW     ", 0x4900, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 6, LimitArea::None},  // 80
    {"LEB", "L   EB ", 0x4A00, ConstFormat::None, 0x000, 0x0000, 0x007F, 0xFFFF, '~', 1, 6, LimitArea::EaByte},  // 81
    {"LAB", "L   AB ", 0x4A80, ConstFormat::None, 0x000, 0x0000, 0x007F, 0xFFFF, '~', 1, 6, LimitArea::EaByte},  // 82
    {"TEB", "T   EB ", 0x4B00, ConstFormat::None, 0x000, 0x0000, 0x007F, 0xFFFF, '~', 1, 6, LimitArea::EaByte},  // 83
    {"TAB", "T   AB ", 0x4B80, ConstFormat::None, 0x000, 0x0000, 0x007F, 0xFFFF, '~', 1, 6, LimitArea::EaByte},  // 84
    {"LCZ", "LC  Z  ", 0x4C00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 6, LimitArea::Counter},  // 85
    {"SPBOB", "SPB OB ", 0x4D00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 7, LimitArea::ObNumber},  // 86
    {"BMW", "B   MW ", 0x4E00, ConstFormat::None, 0x000, 0x0000, 0x00FE, 0xFFFF, '}', 1, 8, LimitArea::MWord},  // 87
    {"ADDBF", "ADD BF ", 0x5000, ConstFormat::SignedByte, 0x000, 0xFF80, 0x007F, 0xFFFF, '}', 1, 6, LimitArea::None},  // 88
    {"XOW", "XOW    ", 0x5100, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 6, LimitArea::None},  // 89
    {"LEW", "L   EW ", 0x5200, ConstFormat::None, 0x000, 0x0000, 0x007E, 0xFFFF, '~', 1, 6, LimitArea::EaWord},  // 90
    {"LAW", "L   AW ", 0x5280, ConstFormat::None, 0x000, 0x0000, 0x007E, 0xFFFF, '~', 1, 6, LimitArea::EaWord},  // 91
    {"TEW", "T   EW ", 0x5300, ConstFormat::None, 0x000, 0x0000, 0x007E, 0xFFFF, '~', 1, 6, LimitArea::EaWord},  // 92
    {"TAW", "T   AW ", 0x5380, ConstFormat::None, 0x000, 0x0000, 0x007E, 0xFFFF, '~', 1, 6, LimitArea::EaWord},  // 93
    {"ZRZ", "ZR  Z  ", 0x5400, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 3, LimitArea::Counter},  // 94
    {"SPBPB", "SPB PB ", 0x5500, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 7, LimitArea::PbNumber},  // 95
    {"LD=", "LD  =  ", 0x5600, ConstFormat::None, 0x100, 0x0000, 0xFFFC, 0xFFFF, '}', 1, 6, LimitArea::None},  // 96
    {"ADDKF", "ADD KF ", 0x5800, ConstFormat::KF, 0x000, 0x8000, 0x7FFF, 0xFFFF, '}', 2, 6, LimitArea::None},  // 97
    {"-F", "-F     ", 0x5900, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 6, LimitArea::None},  // 98
    {"LED", "L   ED ", 0x5A00, ConstFormat::None, 0x000, 0x0000, 0x007C, 0xFFFF, '~', 1, 6, LimitArea::EaDouble},  // 99
    {"LAD", "L   AD ", 0x5A80, ConstFormat::None, 0x000, 0x0000, 0x007C, 0xFFFF, '~', 1, 6, LimitArea::EaDouble},  // 100
    {"TED", "T   ED ", 0x5B00, ConstFormat::None, 0x000, 0x0000, 0x007C, 0xFFFF, '~', 1, 6, LimitArea::EaDouble},  // 101
    {"TAD", "T   AD ", 0x5B80, ConstFormat::None, 0x000, 0x0000, 0x007C, 0xFFFF, '~', 1, 6, LimitArea::EaDouble},  // 102
    {"SZ", "S   Z  ", 0x5C00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 6, LimitArea::Counter},  // 103
    {"SPBSB", "SPB SB ", 0x5D00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 7, LimitArea::SbNumber},  // 104
    {"SPS=", "SPS =  ", 0x600C, ConstFormat::None, 0x000, 0x0000, 0xFFFC, 0xFFFF, '}', 2, 12, LimitArea::None},  // 105
    {"XF", "XF     ", 0x6004, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 6, LimitArea::None},  // 106
    {":F", ":F     ", 0x6000, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 6, LimitArea::None},  // 107
    {"SLW", "SLW    ", 0x6100, ConstFormat::None, 0x000, 0x0000, 0x000F, 0xFFFF, '}', 1, 6, LimitArea::None},  // 108
    {"LBS", "L   BS ", 0x6200, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '}', 1, 6, LimitArea::Bs},  // 109
    {"TBS", "T   BS ", 0x6300, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '}', 1, 6, LimitArea::Bs},  // 110
    {"BEA", "BEA    ", 0x6501, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 12, LimitArea::None},  // 111
    {"BE", "BE     ", 0x6500, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 12, LimitArea::None},  // 112
    {"T=", "T   =  ", 0x6600, ConstFormat::None, 0x01C, 0x0000, 0xFFFC, 0xFFFF, '}', 1, 6, LimitArea::None},  // 113
    {"SVW", "SVW    ", 0x6801, ConstFormat::None, 0x000, 0x0000, 0x000F, 0xFFFF, '}', 1, 6, LimitArea::None},  // 114
    {"DEF", "DEF    ", 0x680C, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 6, LimitArea::None},  // 115
    {"DUF", "DUF    ", 0x6808, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 6, LimitArea::None},  // 116
    {"SRW", "SRW    ", 0x6900, ConstFormat::None, 0x000, 0x0000, 0x000F, 0xFFFF, '}', 1, 6, LimitArea::None},  // 117
    {"ZVZ", "ZV  Z  ", 0x6C00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 3, LimitArea::Counter},  // 118
    {"SPAOB", "SPA OB ", 0x6D00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 7, LimitArea::ObNumber},  // 119
    {"BDW", "B   DW ", 0x6E00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '}', 1, 8, LimitArea::DataWord},  // 120
    {"SES", "SES    ", 0x7806, ConstFormat::None, 0x000, 0x0000, 0x001F, 0xFFFF, '}', 2, 7, LimitArea::None},  // 121
    {"SEF", "SEF    ", 0x7807, ConstFormat::None, 0x000, 0x0000, 0x001F, 0xFFFF, '}', 2, 7, LimitArea::None},  // 122
    {"TSC", "TSC    ", 0x78CD, ConstFormat::KF, 0x000, 0x8000, 0x7FFF, 0xFFFF, '}', 2, 7, LimitArea::None},  // 123
    {"TSG", "TSG    ", 0x78CE, ConstFormat::KF, 0x000, 0x8000, 0x7FFF, 0xFFFF, '}', 2, 7, LimitArea::None},  // 124
    {"TXB", "TXB    ", 0x701F, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 6, LimitArea::None},  // 125
    {"TXW", "TXW    ", 0x700F, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 6, LimitArea::None},  // 126
    {"STS", "STS    ", 0x7000, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 8, LimitArea::None},  // 127
    {"TAK", "TAK    ", 0x7002, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 6, LimitArea::None},  // 128
    {"STP", "STP    ", 0x7003, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 8, LimitArea::None},  // 129
    {"SPR", "SPR    ", 0x700B, ConstFormat::KF, 0x000, 0x8000, 0x7FFF, 0xFFFF, '}', 2, 7, LimitArea::None},  // 130
    {"PE", "P   E  ", 0x7038, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '}', 2, 1, LimitArea::EaByte},  // 131
    {"PNE", "PN  E  ", 0x7038, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '}', 2, 1, LimitArea::EaByte},  // 132
    {"SUE", "SU  E  ", 0x7038, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '}', 2, 1, LimitArea::EaByte},  // 133
    {"RUE", "RU  E  ", 0x7038, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '}', 2, 1, LimitArea::EaByte},  // 134
    {"PA", "P   A  ", 0x7038, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '}', 2, 1, LimitArea::EaByte},  // 135
    {"PNA", "PN  A  ", 0x7038, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '}', 2, 1, LimitArea::EaByte},  // 136
    {"SUA", "SU  A  ", 0x7038, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '}', 2, 1, LimitArea::EaByte},  // 137
    {"RUA", "RU  A  ", 0x7038, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '}', 2, 1, LimitArea::EaByte},  // 138
    {"PM", "P   M  ", 0x7049, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '}', 2, 2, LimitArea::MByte},  // 139
    {"PNM", "PN  M  ", 0x7049, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '}', 2, 2, LimitArea::MByte},  // 140
    {"SUM", "SU  M  ", 0x7049, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '}', 2, 2, LimitArea::MByte},  // 141
    {"RUM", "RU  M  ", 0x7049, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '}', 2, 2, LimitArea::MByte},  // 142
    {"PZ", "P   Z  ", 0x7015, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x000F, '}', 2, 3, LimitArea::Counter},  // 143
    {"PNZ", "PN  Z  ", 0x7015, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x000F, '}', 2, 3, LimitArea::Counter},  // 144
    {"SUZ", "SU  Z  ", 0x7015, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x000F, '}', 2, 3, LimitArea::Counter},  // 145
    {"RUZ", "RU  Z  ", 0x7015, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x000F, '}', 2, 3, LimitArea::Counter},  // 146
    {"PT", "P   T  ", 0x7025, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x000F, '}', 2, 4, LimitArea::Timer},  // 147
    {"PNT", "PN  T  ", 0x7025, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x000F, '}', 2, 4, LimitArea::Timer},  // 148
    {"SUT", "SU  T  ", 0x7025, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x000F, '}', 2, 4, LimitArea::Timer},  // 149
    {"RUT", "RU  T  ", 0x7025, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x000F, '}', 2, 4, LimitArea::Timer},  // 150
    {"PD", "P   D  ", 0x7046, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x000F, '}', 2, 7, LimitArea::DataWord},  // 151
    {"PND", "PN  D  ", 0x7046, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x000F, '}', 2, 7, LimitArea::DataWord},  // 152
    {"SUD", "SU  D  ", 0x7046, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x000F, '}', 2, 7, LimitArea::DataWord},  // 153
    {"RUD", "RU  D  ", 0x7046, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x000F, '}', 2, 7, LimitArea::DataWord},  // 154
    {"PBS", "P   BS ", 0x7057, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x000F, '}', 2, 7, LimitArea::Bs},  // 155
    {"PNBS", "PN  BS ", 0x7057, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x000F, '}', 2, 7, LimitArea::Bs},  // 156
    {"SUBS", "SU  BS ", 0x7057, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x000F, '}', 2, 7, LimitArea::Bs},  // 157
    {"RUBS", "RU  BS ", 0x7057, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x000F, '}', 2, 7, LimitArea::Bs},  // 158
    {"LPY", "L   PY ", 0x7200, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 6, LimitArea::PByte},  // 159
    {"TPY", "T   PY ", 0x7300, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 6, LimitArea::PByte},  // 160
    {"SPAPB", "SPA PB ", 0x7500, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 7, LimitArea::PbNumber},  // 161
    {"B=", "B   =  ", 0x7600, ConstFormat::None, 0x080, 0x0000, 0xFFFC, 0xFFFF, '}', 1, 12, LimitArea::None},  // 162
    {"EDB", "E   DB ", 0x7805, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 2, 6, LimitArea::DbNumber},  // 163
    {"BAFX", "BA  FX ", 0x7801, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 2, 7, LimitArea::FxDxNumber},  // 164
    {"BABFX", "BAB FX ", 0x7802, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 2, 7, LimitArea::FxDxNumber},  // 165
    {"AXDX", "AX  DX ", 0x7803, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 2, 7, LimitArea::FxDxNumber},  // 166
    {"EXDX", "EX  DX ", 0x7804, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 2, 6, LimitArea::FxDxNumber},  // 167
    {"ASMKH", "ASM KH ", 0x7808, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 2, 6, LimitArea::FxDxNumber},  // 168
    {"UD", "U   D  ", 0x783F, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x000F, '~', 2, 7, LimitArea::DataWord},  // 169
    {"UND", "UN  D  ", 0x783F, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x000F, '~', 2, 7, LimitArea::DataWord},  // 170
    {"OD", "O   D  ", 0x783F, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x000F, '~', 2, 7, LimitArea::DataWord},  // 171
    {"OND", "ON  D  ", 0x783F, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x000F, '~', 2, 7, LimitArea::DataWord},  // 172
    {"SD", "S   D  ", 0x783F, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x000F, '~', 2, 7, LimitArea::DataWord},  // 173
    {"RD", "R   D  ", 0x783F, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x000F, '~', 2, 7, LimitArea::DataWord},  // 174
    {"=D", "=   D  ", 0x783F, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x000F, '~', 2, 7, LimitArea::DataWord},  // 175
    {"US", "U   S  ", 0x780B, ConstFormat::None, 0x000, 0x0000, 0x0FFF, 0x0007, '~', 2, 7, LimitArea::SByte},  // 176
    {"UNS", "UN  S  ", 0x784B, ConstFormat::None, 0x000, 0x0000, 0x0FFF, 0x0007, '~', 2, 7, LimitArea::SByte},  // 177
    {"OS", "O   S  ", 0x781B, ConstFormat::None, 0x000, 0x0000, 0x0FFF, 0x0007, '~', 2, 7, LimitArea::SByte},  // 178
    {"ONS", "ON  S  ", 0x785B, ConstFormat::None, 0x000, 0x0000, 0x0FFF, 0x0007, '~', 2, 7, LimitArea::SByte},  // 179
    {"SS", "S   S  ", 0x782B, ConstFormat::None, 0x000, 0x0000, 0x0FFF, 0x0007, '~', 2, 7, LimitArea::SByte},  // 180
    {"RS", "R   S  ", 0x786B, ConstFormat::None, 0x000, 0x0000, 0x0FFF, 0x0007, '~', 2, 7, LimitArea::SByte},  // 181
    {"=S", "=   S  ", 0x783B, ConstFormat::None, 0x000, 0x0000, 0x0FFF, 0x0007, '~', 2, 7, LimitArea::SByte},  // 182
    {"LSY", "L   SY ", 0x78AB, ConstFormat::None, 0x000, 0x0000, 0x0FFF, 0xFFFF, '~', 2, 6, LimitArea::SByte},  // 183
    {"LSW", "L   SW ", 0x78CB, ConstFormat::None, 0x000, 0x0000, 0x0FFE, 0xFFFF, '~', 2, 6, LimitArea::SWord},  // 184
    {"LSD", "L   SD ", 0x78EB, ConstFormat::None, 0x000, 0x0000, 0x0FFC, 0xFFFF, '~', 2, 6, LimitArea::SDouble},  // 185
    {"TSY", "T   SY ", 0x78BB, ConstFormat::None, 0x000, 0x0000, 0x0FFF, 0xFFFF, '~', 2, 6, LimitArea::SByte},  // 186
    {"TSW", "T   SW ", 0x78DB, ConstFormat::None, 0x000, 0x0000, 0x0FFE, 0xFFFF, '~', 2, 6, LimitArea::SWord},  // 187
    {"TSD", "T   SD ", 0x78FB, ConstFormat::None, 0x000, 0x0000, 0x0FFC, 0xFFFF, '~', 2, 6, LimitArea::SDouble},  // 188
    {"+F", "+F     ", 0x7900, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 6, LimitArea::None},  // 189
    {"LPW", "L   PW ", 0x7A00, ConstFormat::None, 0x000, 0x0000, 0x00FE, 0xFFFF, '~', 1, 6, LimitArea::PWord},  // 190
    {"TPW", "T   PW ", 0x7B00, ConstFormat::None, 0x000, 0x0000, 0x00FE, 0xFFFF, '~', 1, 6, LimitArea::PWord},  // 191
    {"RZ", "R   Z  ", 0x7C00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 3, LimitArea::Counter},  // 192
    {"SPASB", "SPA SB ", 0x7D00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 7, LimitArea::SbNumber},  // 193
    {"BI", "BI     ", 0x7E00, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 7, LimitArea::None},  // 194
    {"UM", "U   M  ", 0x8000, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 195
    {"UM", "U   M  ", 0x8100, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 196
    {"UM", "U   M  ", 0x8200, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 197
    {"UM", "U   M  ", 0x8300, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 198
    {"UM", "U   M  ", 0x8400, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 199
    {"UM", "U   M  ", 0x8500, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 200
    {"UM", "U   M  ", 0x8600, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 201
    {"UM", "U   M  ", 0x8700, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 202
    {"OM", "O   M  ", 0x8800, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 203
    {"OM", "O   M  ", 0x8900, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 204
    {"OM", "O   M  ", 0x8A00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 205
    {"OM", "O   M  ", 0x8B00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 206
    {"OM", "O   M  ", 0x8C00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 207
    {"OM", "O   M  ", 0x8D00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 208
    {"OM", "O   M  ", 0x8E00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 209
    {"OM", "O   M  ", 0x8F00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 210
    {"SM", "S   M  ", 0x9000, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 211
    {"SM", "S   M  ", 0x9100, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 212
    {"SM", "S   M  ", 0x9200, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 213
    {"SM", "S   M  ", 0x9300, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 214
    {"SM", "S   M  ", 0x9400, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 215
    {"SM", "S   M  ", 0x9500, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 216
    {"SM", "S   M  ", 0x9600, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 217
    {"SM", "S   M  ", 0x9700, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 218
    {"=M", "=   M  ", 0x9800, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 219
    {"=M", "=   M  ", 0x9900, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 220
    {"=M", "=   M  ", 0x9A00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 221
    {"=M", "=   M  ", 0x9B00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 222
    {"=M", "=   M  ", 0x9C00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 223
    {"=M", "=   M  ", 0x9D00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 224
    {"=M", "=   M  ", 0x9E00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 225
    {"=M", "=   M  ", 0x9F00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 226
    {"UNM", "UN  M  ", 0xA000, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 227
    {"UNM", "UN  M  ", 0xA100, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 228
    {"UNM", "UN  M  ", 0xA200, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 229
    {"UNM", "UN  M  ", 0xA300, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 230
    {"UNM", "UN  M  ", 0xA400, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 231
    {"UNM", "UN  M  ", 0xA500, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 232
    {"UNM", "UN  M  ", 0xA600, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 233
    {"UNM", "UN  M  ", 0xA700, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 234
    {"ONM", "ON  M  ", 0xA800, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 235
    {"ONM", "ON  M  ", 0xA900, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 236
    {"ONM", "ON  M  ", 0xAA00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 237
    {"ONM", "ON  M  ", 0xAB00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 238
    {"ONM", "ON  M  ", 0xAC00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 239
    {"ONM", "ON  M  ", 0xAD00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 240
    {"ONM", "ON  M  ", 0xAE00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 241
    {"ONM", "ON  M  ", 0xAF00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 242
    {"RM", "R   M  ", 0xB000, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 243
    {"RM", "R   M  ", 0xB100, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 244
    {"RM", "R   M  ", 0xB200, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 245
    {"RM", "R   M  ", 0xB300, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 246
    {"RM", "R   M  ", 0xB400, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 247
    {"RM", "R   M  ", 0xB500, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 248
    {"RM", "R   M  ", 0xB600, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 249
    {"RM", "R   M  ", 0xB700, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x0007, '~', 1, 2, LimitArea::MByte},  // 250
    {"UZ", "U   Z  ", 0xB800, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 3, LimitArea::Counter},  // 251
    {"OZ", "O   Z  ", 0xB900, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 3, LimitArea::Counter},  // 252
    {"U(", "U(     ", 0xBA00, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 7, LimitArea::None},  // 253
    {"O(", "O(     ", 0xBB00, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 7, LimitArea::None},  // 254
    {"UNZ", "UN  Z  ", 0xBC00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 3, LimitArea::Counter},  // 255
    {"ONZ", "ON  Z  ", 0xBD00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 3, LimitArea::Counter},  // 256
    {")", ")      ", 0xBF00, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 7, LimitArea::None},  // 257
    {"UE", "U   E  ", 0xC000, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 258
    {"UA", "U   A  ", 0xC080, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 259
    {"UE", "U   E  ", 0xC100, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 260
    {"UA", "U   A  ", 0xC180, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 261
    {"UE", "U   E  ", 0xC200, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 262
    {"UA", "U   A  ", 0xC280, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 263
    {"UE", "U   E  ", 0xC300, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 264
    {"UA", "U   A  ", 0xC380, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 265
    {"UE", "U   E  ", 0xC400, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 266
    {"UA", "U   A  ", 0xC480, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 267
    {"UE", "U   E  ", 0xC500, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 268
    {"UA", "U   A  ", 0xC580, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 269
    {"UE", "U   E  ", 0xC600, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 270
    {"UA", "U   A  ", 0xC680, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 271
    {"UE", "U   E  ", 0xC700, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 272
    {"UA", "U   A  ", 0xC780, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 273
    {"OE", "O   E  ", 0xC800, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 274
    {"OA", "O   A  ", 0xC880, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 275
    {"OE", "O   E  ", 0xC900, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 276
    {"OA", "O   A  ", 0xC980, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 277
    {"OE", "O   E  ", 0xCA00, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 278
    {"OA", "O   A  ", 0xCA80, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 279
    {"OE", "O   E  ", 0xCB00, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 280
    {"OA", "O   A  ", 0xCB80, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 281
    {"OE", "O   E  ", 0xCC00, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 282
    {"OA", "O   A  ", 0xCC80, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 283
    {"OE", "O   E  ", 0xCD00, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 284
    {"OA", "O   A  ", 0xCD80, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 285
    {"OE", "O   E  ", 0xCE00, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 286
    {"OA", "O   A  ", 0xCE80, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 287
    {"OE", "O   E  ", 0xCF00, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 288
    {"OA", "O   A  ", 0xCF80, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 289
    {"SE", "S   E  ", 0xD000, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 290
    {"SA", "S   A  ", 0xD080, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 291
    {"SE", "S   E  ", 0xD100, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 292
    {"SA", "S   A  ", 0xD180, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 293
    {"SE", "S   E  ", 0xD200, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 294
    {"SA", "S   A  ", 0xD280, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 295
    {"SE", "S   E  ", 0xD300, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 296
    {"SA", "S   A  ", 0xD380, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 297
    {"SE", "S   E  ", 0xD400, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 298
    {"SA", "S   A  ", 0xD480, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 299
    {"SE", "S   E  ", 0xD500, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 300
    {"SA", "S   A  ", 0xD580, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 301
    {"SE", "S   E  ", 0xD600, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 302
    {"SA", "S   A  ", 0xD680, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 303
    {"SE", "S   E  ", 0xD700, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 304
    {"SA", "S   A  ", 0xD780, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 305
    {"=E", "=   E  ", 0xD800, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 306
    {"=A", "=   A  ", 0xD880, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 307
    {"=E", "=   E  ", 0xD900, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 308
    {"=A", "=   A  ", 0xD980, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 309
    {"=E", "=   E  ", 0xDA00, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 310
    {"=A", "=   A  ", 0xDA80, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 311
    {"=E", "=   E  ", 0xDB00, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 312
    {"=A", "=   A  ", 0xDB80, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 313
    {"=E", "=   E  ", 0xDC00, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 314
    {"=A", "=   A  ", 0xDC80, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 315
    {"=E", "=   E  ", 0xDD00, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 316
    {"=A", "=   A  ", 0xDD80, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 317
    {"=E", "=   E  ", 0xDE00, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 318
    {"=A", "=   A  ", 0xDE80, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 319
    {"=E", "=   E  ", 0xDF00, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 320
    {"=A", "=   A  ", 0xDF80, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 321
    {"UNE", "UN  E  ", 0xE000, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 322
    {"UNA", "UN  A  ", 0xE080, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 323
    {"UNE", "UN  E  ", 0xE100, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 324
    {"UNA", "UN  A  ", 0xE180, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 325
    {"UNE", "UN  E  ", 0xE200, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 326
    {"UNA", "UN  A  ", 0xE280, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 327
    {"UNE", "UN  E  ", 0xE300, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 328
    {"UNA", "UN  A  ", 0xE380, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 329
    {"UNE", "UN  E  ", 0xE400, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 330
    {"UNA", "UN  A  ", 0xE480, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 331
    {"UNE", "UN  E  ", 0xE500, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 332
    {"UNA", "UN  A  ", 0xE580, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 333
    {"UNE", "UN  E  ", 0xE600, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 334
    {"UNA", "UN  A  ", 0xE680, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 335
    {"UNE", "UN  E  ", 0xE700, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 336
    {"UNA", "UN  A  ", 0xE780, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 337
    {"ONE", "ON  E  ", 0xE800, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 338
    {"ONA", "ON  A  ", 0xE880, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 339
    {"ONE", "ON  E  ", 0xE900, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 340
    {"ONA", "ON  A  ", 0xE980, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 341
    {"ONE", "ON  E  ", 0xEA00, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 342
    {"ONA", "ON  A  ", 0xEA80, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 343
    {"ONE", "ON  E  ", 0xEB00, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 344
    {"ONA", "ON  A  ", 0xEB80, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 345
    {"ONE", "ON  E  ", 0xEC00, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 346
    {"ONA", "ON  A  ", 0xEC80, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 347
    {"ONE", "ON  E  ", 0xED00, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 348
    {"ONA", "ON  A  ", 0xED80, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 349
    {"ONE", "ON  E  ", 0xEE00, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 350
    {"ONA", "ON  A  ", 0xEE80, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 351
    {"ONE", "ON  E  ", 0xEF00, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 352
    {"ONA", "ON  A  ", 0xEF80, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 353
    {"RE", "R   E  ", 0xF000, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 354
    {"RA", "R   A  ", 0xF080, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 355
    {"RE", "R   E  ", 0xF100, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 356
    {"RA", "R   A  ", 0xF180, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 357
    {"RE", "R   E  ", 0xF200, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 358
    {"RA", "R   A  ", 0xF280, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 359
    {"RE", "R   E  ", 0xF300, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 360
    {"RA", "R   A  ", 0xF380, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 361
    {"RE", "R   E  ", 0xF400, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 362
    {"RA", "R   A  ", 0xF480, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 363
    {"RE", "R   E  ", 0xF500, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 364
    {"RA", "R   A  ", 0xF580, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 365
    {"RE", "R   E  ", 0xF600, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 366
    {"RA", "R   A  ", 0xF680, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 367
    {"RE", "R   E  ", 0xF700, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 368
    {"RA", "R   A  ", 0xF780, ConstFormat::None, 0x000, 0x0000, 0x007F, 0x0007, '~', 1, 1, LimitArea::EaByte},  // 369
    {"UT", "U   T  ", 0xF800, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 4, LimitArea::Timer},  // 370
    {"OT", "O   T  ", 0xF900, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 4, LimitArea::Timer},  // 371
    {"SPB=", "SPB =  ", 0xFA00, ConstFormat::None, 0x000, 0x0000, 0xFFFC, 0xFFFF, '}', 1, 12, LimitArea::None},  // 372
    {"UNT", "UN  T  ", 0xFC00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 4, LimitArea::Timer},  // 373
    {"ONT", "ON  T  ", 0xFD00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 4, LimitArea::Timer},  // 374
    {"LDD", "L   DD ", 0x3A00, ConstFormat::None, 0x000, 0x0000, 0x00FE, 0xFFFF, '~', 1, 6, LimitArea::DataDouble},  // 375
    {"TDD", "T   DD ", 0x3B00, ConstFormat::None, 0x000, 0x0000, 0x00FE, 0xFFFF, '~', 1, 6, LimitArea::DataDouble},  // 376
    {"LQB", "L   QB ", 0x5F00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 6, LimitArea::PByte},  // 377
    {"LQW", "L   QW ", 0x5700, ConstFormat::None, 0x000, 0x0000, 0x00FE, 0xFFFF, '~', 1, 6, LimitArea::PWord},  // 378
    {"TQB", "T   QB ", 0x7F00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '~', 1, 6, LimitArea::PByte},  // 379
    {"TQW", "T   QW ", 0x7700, ConstFormat::None, 0x000, 0x0000, 0x00FE, 0xFFFF, '~', 1, 6, LimitArea::PWord},  // 380
    {"LBT", "L   BT ", 0x4F00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '}', 1, 6, LimitArea::Bt},  // 381
    {"LBA", "L   BA ", 0x6A00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '}', 1, 6, LimitArea::Ba},  // 382
    {"LBB", "L   BB ", 0x4700, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '}', 1, 6, LimitArea::Bb},  // 383
    {"TBT", "T   BT ", 0x6F00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '}', 1, 6, LimitArea::Bt},  // 384
    {"TBA", "T   BA ", 0x6B00, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '}', 1, 6, LimitArea::Ba},  // 385
    {"TBB", "T   BB ", 0x6700, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '}', 1, 6, LimitArea::Bb},  // 386
    {"LRW", "LRW    ", 0x6800, ConstFormat::KF, 0x000, 0x8000, 0x7FFF, 0xFFFF, '}', 2, 6, LimitArea::None},  // 387
    {"LRD", "LRD    ", 0x6804, ConstFormat::KF, 0x000, 0x8000, 0x7FFF, 0xFFFF, '}', 2, 6, LimitArea::None},  // 388
    {"TRW", "TRW    ", 0x6803, ConstFormat::KF, 0x000, 0x8000, 0x7FFF, 0xFFFF, '}', 2, 6, LimitArea::None},  // 389
    {"TRD", "TRD    ", 0x6805, ConstFormat::KF, 0x000, 0x8000, 0x7FFF, 0xFFFF, '}', 2, 6, LimitArea::None},  // 390
    {"LBCB", "LB  CB ", 0x780D, ConstFormat::KF, 0x000, 0x8000, 0x7FFF, 0xFFFF, '}', 2, 6, LimitArea::None},  // 391
    {"LBCW", "LB  CW ", 0x781D, ConstFormat::KF, 0x000, 0x8000, 0x7FFF, 0xFFFF, '}', 2, 6, LimitArea::None},  // 392
    {"LBCD", "LB  CD ", 0x782D, ConstFormat::KF, 0x000, 0x8000, 0x7FFF, 0xFFFF, '}', 2, 6, LimitArea::None},  // 393
    {"TBCB", "TB  CB ", 0x788D, ConstFormat::KF, 0x000, 0x8000, 0x7FFF, 0xFFFF, '}', 2, 6, LimitArea::None},  // 394
    {"TBCW", "TB  CW ", 0x789D, ConstFormat::KF, 0x000, 0x8000, 0x7FFF, 0xFFFF, '}', 2, 6, LimitArea::None},  // 395
    {"TBCD", "TB  CD ", 0x78AD, ConstFormat::KF, 0x000, 0x8000, 0x7FFF, 0xFFFF, '}', 2, 6, LimitArea::None},  // 396
    {"LWCW", "LW  CW ", 0x785D, ConstFormat::KF, 0x000, 0x8000, 0x7FFF, 0xFFFF, '}', 2, 6, LimitArea::None},  // 397
    {"LWCD", "LW  CD ", 0x786D, ConstFormat::KF, 0x000, 0x8000, 0x7FFF, 0xFFFF, '}', 2, 6, LimitArea::None},  // 398
    {"TWCW", "TW  CW ", 0x78DD, ConstFormat::KF, 0x000, 0x8000, 0x7FFF, 0xFFFF, '}', 2, 6, LimitArea::None},  // 399
    {"TWCD", "TW  CD ", 0x78ED, ConstFormat::KF, 0x000, 0x8000, 0x7FFF, 0xFFFF, '}', 2, 6, LimitArea::None},  // 400
    {"LBGB", "LB  GB ", 0x780E, ConstFormat::KF, 0x000, 0x8000, 0x7FFF, 0xFFFF, '}', 2, 6, LimitArea::None},  // 401
    {"LBGW", "LB  GW ", 0x781E, ConstFormat::KF, 0x000, 0x8000, 0x7FFF, 0xFFFF, '}', 2, 6, LimitArea::None},  // 402
    {"LBGD", "LB  GD ", 0x782E, ConstFormat::KF, 0x000, 0x8000, 0x7FFF, 0xFFFF, '}', 2, 6, LimitArea::None},  // 403
    {"TBGB", "TB  GB ", 0x788E, ConstFormat::KF, 0x000, 0x8000, 0x7FFF, 0xFFFF, '}', 2, 6, LimitArea::None},  // 404
    {"TBGW", "TB  GW ", 0x789E, ConstFormat::KF, 0x000, 0x8000, 0x7FFF, 0xFFFF, '}', 2, 6, LimitArea::None},  // 405
    {"TBGD", "TB  GD ", 0x78AE, ConstFormat::KF, 0x000, 0x8000, 0x7FFF, 0xFFFF, '}', 2, 6, LimitArea::None},  // 406
    {"LWGW", "LW  GW ", 0x785E, ConstFormat::KF, 0x000, 0x8000, 0x7FFF, 0xFFFF, '}', 2, 6, LimitArea::None},  // 407
    {"LWGD", "LW  GD ", 0x786E, ConstFormat::KF, 0x000, 0x8000, 0x7FFF, 0xFFFF, '}', 2, 6, LimitArea::None},  // 408
    {"TWGW", "TW  GW ", 0x78DE, ConstFormat::KF, 0x000, 0x8000, 0x7FFF, 0xFFFF, '}', 2, 6, LimitArea::None},  // 409
    {"TWGD", "TW  GD ", 0x78EE, ConstFormat::KF, 0x000, 0x8000, 0x7FFF, 0xFFFF, '}', 2, 6, LimitArea::None},  // 410
    {"LKG", "L   KG ", 0x3800, ConstFormat::KG, 0x000, 0x0000, 0xFFFE, 0xFFFF, '~', 3, 6, LimitArea::None},  // 411
    {"LDH", "L   DH ", 0x3840, ConstFormat::KH, 0x000, 0x0000, 0xFFFE, 0xFFFF, '~', 3, 6, LimitArea::None},  // 412
    {">G", ">G     ", 0x3120, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 6, LimitArea::None},  // 413
    {"<G", "<G     ", 0x3140, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 6, LimitArea::None},  // 414
    {"><G", "><G    ", 0x3160, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 6, LimitArea::None},  // 415
    {"!=G", "!=G    ", 0x3180, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 6, LimitArea::None},  // 416
    {">=G", ">=G    ", 0x31A0, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 6, LimitArea::None},  // 417
    {"<=G", "<=G    ", 0x31C0, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 6, LimitArea::None},  // 418
    {">D", ">D     ", 0x3920, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 6, LimitArea::None},  // 419
    {"<D", "<D     ", 0x3940, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 6, LimitArea::None},  // 420
    {"><D", "><D    ", 0x3960, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 6, LimitArea::None},  // 421
    {"!=D", "!=D    ", 0x3980, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 6, LimitArea::None},  // 422
    {">=D", ">=D    ", 0x39A0, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 6, LimitArea::None},  // 423
    {"<=D", "<=D    ", 0x39C0, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 6, LimitArea::None},  // 424
    {"+G", "+G     ", 0x600F, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 6, LimitArea::None},  // 425
    {"-G", "-G     ", 0x600B, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 6, LimitArea::None},  // 426
    {"XG", "XG     ", 0x6007, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 6, LimitArea::None},  // 427
    {":G", ":G     ", 0x6003, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 6, LimitArea::None},  // 428
    {"+D", "+D     ", 0x600D, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 6, LimitArea::None},  // 429
    {"-D", "-D     ", 0x6009, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 6, LimitArea::None},  // 430
    {"ENT", "ENT    ", 0x6008, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 7, LimitArea::None},  // 431
    {"ADDDH", "ADD DH ", 0x6005, ConstFormat::KH, 0x000, 0x0000, 0xFFFE, 0xFFFF, '}', 3, 6, LimitArea::None},  // 432
    {"MBR", "MBR    ", 0x7809, ConstFormat::KH, 0x000, 0x0000, 0xFFFE, 0xFFFF, '}', 2, 7, LimitArea::None},  // 433
    {"ABR", "ABR    ", 0x780A, ConstFormat::KF, 0x000, 0x8000, 0x7FFF, 0xFFFF, '}', 2, 7, LimitArea::None},  // 434
    {"MAS", "MAS    ", 0x6819, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 7, LimitArea::None},  // 435
    {"MAB", "MAB    ", 0x6829, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 7, LimitArea::None},  // 436
    {"MSA", "MSA    ", 0x6849, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 7, LimitArea::None},  // 437
    {"MSB", "MSB    ", 0x6869, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 7, LimitArea::None},  // 438
    {"MBA", "MBA    ", 0x6889, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 7, LimitArea::None},  // 439
    {"MBS", "MBS    ", 0x6899, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 7, LimitArea::None},  // 440
    {"SLD", "SLD    ", 0x2900, ConstFormat::None, 0x000, 0x0000, 0x0020, 0xFFFF, '}', 1, 6, LimitArea::None},  // 441
    {"SVD", "SVD    ", 0x7100, ConstFormat::None, 0x000, 0x0000, 0x0020, 0xFFFF, '}', 1, 6, LimitArea::None},  // 442
    {"RRD", "RRD    ", 0x7400, ConstFormat::None, 0x000, 0x0000, 0x0020, 0xFFFF, '}', 1, 6, LimitArea::None},  // 443
    {"RLD", "RLD    ", 0x6400, ConstFormat::None, 0x000, 0x0000, 0x0020, 0xFFFF, '}', 1, 6, LimitArea::None},  // 444
    {"KZD", "KZD    ", 0x6807, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 6, LimitArea::None},  // 445
    {"DED", "DED    ", 0x680E, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 6, LimitArea::None},  // 446
    {"DUD", "DUD    ", 0x680A, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 6, LimitArea::None},  // 447
    {"FDG", "FDG    ", 0x6806, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 6, LimitArea::None},  // 448
    {"GFD", "GFD    ", 0x6802, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 6, LimitArea::None},  // 449
    {"BBS", "B   BS ", 0x1800, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '}', 1, 8, LimitArea::Bs},  // 450
    {"LMD", "L   MD ", 0x1A00, ConstFormat::None, 0x000, 0x0000, 0x00FC, 0xFFFF, '~', 1, 6, LimitArea::MDouble},  // 451
    {"TMD", "T   MD ", 0x1B00, ConstFormat::None, 0x000, 0x0000, 0x00FC, 0xFFFF, '~', 1, 6, LimitArea::MDouble},  // 452
    {"PBA", "P   BA ", 0x7047, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x000F, '}', 2, 7, LimitArea::Ba},  // 453
    {"PNBA", "PN  BA ", 0x7047, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x000F, '}', 2, 7, LimitArea::Ba},  // 454
    {"SUBA", "SU  BA ", 0x7047, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x000F, '}', 2, 7, LimitArea::Ba},  // 455
    {"RUBA", "RU  BA ", 0x7047, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x000F, '}', 2, 7, LimitArea::Ba},  // 456
    {"PBB", "P   BB ", 0x701E, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x000F, '}', 2, 7, LimitArea::Bb},  // 457
    {"PNBB", "PN  BB ", 0x701E, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x000F, '}', 2, 7, LimitArea::Bb},  // 458
    {"SUBB", "SU  BB ", 0x701E, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x000F, '}', 2, 7, LimitArea::Bb},  // 459
    {"RUBB", "RU  BB ", 0x701E, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x000F, '}', 2, 7, LimitArea::Bb},  // 460
    {"PBT", "P   BT ", 0x700E, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x000F, '}', 2, 7, LimitArea::Bt},  // 461
    {"PNBT", "PN  BT ", 0x700E, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x000F, '}', 2, 7, LimitArea::Bt},  // 462
    {"SUBT", "SU  BT ", 0x700E, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x000F, '}', 2, 7, LimitArea::Bt},  // 463
    {"RUBT", "RU  BT ", 0x700E, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0x000F, '}', 2, 7, LimitArea::Bt},  // 464
    {"LDIA1", "LDI A1 ", 0x680B, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 7, LimitArea::None},  // 465
    {"LDIA2", "LDI A2 ", 0x682B, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 7, LimitArea::None},  // 466
    {"LDISA", "LDI SA ", 0x684B, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 7, LimitArea::None},  // 467
    {"LDIBA", "LDI BA ", 0x689B, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 7, LimitArea::None},  // 468
    {"LDIBR", "LDI BR ", 0x68AB, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 7, LimitArea::None},  // 469
    {"TDIA1", "TDI A1 ", 0x680F, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 7, LimitArea::None},  // 470
    {"TDIA2", "TDI A2 ", 0x682F, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 7, LimitArea::None},  // 471
    {"TDISA", "TDI SA ", 0x684F, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 7, LimitArea::None},  // 472
    {"TDIBA", "TDI BA ", 0x689F, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 7, LimitArea::None},  // 473
    {"TDIBR", "TDI BR ", 0x68AF, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 7, LimitArea::None},  // 474
    {"BAS", "BAS    ", 0xBE00, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 7, LimitArea::None},  // 475
    {"BAF", "BAF    ", 0xFE00, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 7, LimitArea::None},  // 476
    {"AFS", "AFS    ", 0x7800, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 7, LimitArea::None},  // 477
    {"AFF", "AFF    ", 0x7810, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 7, LimitArea::None},  // 478
    {"AS", "AS     ", 0x0800, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 7, LimitArea::None},  // 479
    {"AF", "AF     ", 0x0880, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 7, LimitArea::None},  // 480
    {"LIM", "LIM    ", 0x700C, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 6, LimitArea::None},  // 481
    {"SIM", "SIM    ", 0x700D, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 6, LimitArea::None},  // 482
    {"ACR", "ACR    ", 0x783D, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 7, LimitArea::None},  // 483
    {"STW", "STW    ", 0x7004, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '}', 1, 8, LimitArea::None},  // 484
    {"UBE", "UBE    ", 0x7001, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 7, LimitArea::None},  // 485
    {"O", "O      ", 0xFB00, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 7, LimitArea::None},  // 486
    {"I", "I      ", 0x1100, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '}', 1, 6, LimitArea::None},  // 487
    {"D", "D      ", 0x1900, ConstFormat::None, 0x000, 0x0000, 0x00FF, 0xFFFF, '}', 1, 6, LimitArea::None},  // 488
    {"NOP1", "NOP 1  ", 0xFFFF, ConstFormat::None, 0x000, 0x0000, 0xFFFF, 0xFFFF, '~', 1, 7, LimitArea::None},  // 489
    {"KH", "KH     ", 0xFFFF, ConstFormat::KH, 0x000, 0x0000, 0xFFFE, 0xFFFF, '~', 1, 7, LimitArea::None},  // 490
}};
// clang-format on

}  // namespace tavrin::lang::detail

#endif
