// blockfile32: S5D block files, which hold the MC5 blocks of a program together with their
// documentation blocks (statement comments, jump labels, data formats).
//
// Contents
//   1. Directory entries    the 9-byte record that names a block; names and entries
//   2. Files                open, close, compress
//   3. Directory            read and release the list of blocks in a file
//   4. Blocks               read, release, write, delete; header length of documentation blocks
//   5. Status               the outcome of the last call
//
// Blocks cross this interface as byte streams with big-endian words (high byte first), header
// included. Buffers returned by the library are released through it. Every function is
// extern "C", reports failure through its result and _GetStatus, and never throws.
//
// Directory entry (9 bytes):
//   byte 0     block type code: DB 0x01, SB 0x02, PB 0x04, FX 0x05, FB 0x08, DX 0x0C, OB 0x10
//   byte 1     block number
//   byte 2     0 for a code or data block; for a documentation block its kind (see below)
//   bytes 3-4  length of the block in bytes, low byte first
//   bytes 5-8  header words 2 and 3 of a code or data block, each high byte first
//
// Documentation blocks carry the type and number of the block they describe and their kind in
// byte 2: 1 comment block ("PK001", "FKX010"), 2 label block of a function block ("FV003",
// "FVX003"), 3 data format block of a data block ("DV005", "DVX005").
//
// FILE LAYOUT (this library's own)
//   offset 0   16 bytes  magic "TAVRIN-S5D-2\r\n\x1A\0"
//   then one record per block, in the order written:
//              9 bytes   the directory entry (length in bytes 3-4)
//              4 bytes   CRC-32 (IEEE, as zlib) of the entry and the data, low byte first
//              n bytes   the data, n = the entry's length
//   then the trailer, the last 12 bytes of the file:
//              4 bytes   tag 0xFF "END" (0xFF is no block type code, so no record begins so)
//              4 bytes   the number of records, low byte first
//              4 bytes   CRC-32 of every byte of the file before these 4, low byte first
//   A file without blocks is an empty file (0 bytes): a missing file is created empty, and a
//   file whose last block is deleted is written empty. A non-empty file holds at least one
//   record, so the magic alone, or the magic and a trailer counting no records, is refused.
//   Because the trailer cannot be taken for a record and must end the file, no file cut short
//   at any length but 0 holds together. Files of the earlier layout without a trailer (magic
//   "TAVRIN-S5D-1...") are refused like any other. A file whose magic, record framing, trailer or
//   checksums do not hold, or that goes on after its trailer, is refused as a whole (status 7)
//   and never changed. Every change writes the complete new file beside the old one and
//   renames it over it, so a failed or interrupted write leaves the old file intact.
#ifndef OUTSIDE_BLOCKFILE_BLOCKFILE32_H
#define OUTSIDE_BLOCKFILE_BLOCKFILE32_H

#include <stdint.h>

#if defined(BLOCKFILE32_BUILD)
#define BLOCKFILE32_API __attribute__((visibility("default")))
#else
#define BLOCKFILE32_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

#define S5D_ENTRY_BYTES 9
#define S5D_NAME_BYTES 8 /* room for the longest name, "DVX255", and its terminator */
#define S5D_MAX_BLOCK_BYTES 65535

/* Status values of _GetStatus. */
enum {
  S5D_OK = 0,
  S5D_GENERAL_ERROR = 1,
  S5D_FILE_NOT_FOUND = 2,
  S5D_TOO_MANY_FILES = 3,
  S5D_ACCESS_DENIED = 4,
  S5D_OPEN_FAILED = 5,
  S5D_CLOSE_FAILED = 6,
  S5D_READ_FAILED = 7,
  S5D_WRITE_FAILED = 8,
  S5D_NO_SPACE = 9,
  S5D_BLOCK_MISSING = 10
};

typedef uint32_t S5DHandle; /* 0 marks a failed open */

/* 1. Directory entries --------------------------------------------------------------------- */
/* Fills bytes 0-2 of `entry` from a name (PB001, FX010, DVX005, case-blind; bytes 3-8 are set
   to 0). Nonzero when the name is valid. */
BLOCKFILE32_API unsigned short _NameZuBst(const char* name, unsigned char* entry);
/* The block's name into `text` (S5D_NAME_BYTES); empty for an entry that names nothing. */
BLOCKFILE32_API char* _BstZuName(const unsigned char* entry, char* text);

/* 2. Files --------------------------------------------------------------------------------- */
/* Opens a file, creating a missing one; 0 on failure. */
BLOCKFILE32_API S5DHandle _OeffneS5Datei(const char* path);
BLOCKFILE32_API unsigned short _SchlS5Datei(S5DHandle handle);
/* Nonzero when the file is valid and rewritten without gaps. */
BLOCKFILE32_API unsigned short _KomprimiereDatei(const char* path);

/* 3. Directory ----------------------------------------------------------------------------- */
/* `count` entries of S5D_ENTRY_BYTES bytes; null (count 0) on failure or for an empty file. */
BLOCKFILE32_API unsigned char* _LeseBuchhalter(S5DHandle handle, unsigned short* count);
BLOCKFILE32_API void _EntfBuchhalter(unsigned char* directory);

/* 4. Blocks -------------------------------------------------------------------------------- */
/* The bytes of the block that `entry` names (bytes 0-2), with the entry's length and header
   bytes filled in; null on failure (_GetStatus 10 when the block is not in the file). */
BLOCKFILE32_API unsigned char* _LeseBstDaten(S5DHandle handle, unsigned char* entry);
BLOCKFILE32_API void _EntfBstDaten(unsigned char* data);
/* Writes `entry`'s length of bytes from `data`, replacing a block of the same name. */
BLOCKFILE32_API unsigned short _SchrBstDaten(S5DHandle handle, const unsigned char* entry,
                                             const unsigned char* data);
BLOCKFILE32_API unsigned short _LoescheBst(S5DHandle handle, const unsigned char* entry);
/* In the low byte: the offset at which the entries of a documentation block begin (26 for a
   comment block, 8 for label and data format blocks), 10 for a code or data block. */
BLOCKFILE32_API unsigned short _BstKopfLng(const unsigned char* entry);

/* 5. Status -------------------------------------------------------------------------------- */
BLOCKFILE32_API unsigned short _GetStatus(void);

#ifdef __cplusplus
}
#endif

#endif
