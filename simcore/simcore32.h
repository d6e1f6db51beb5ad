// simcore32: the simulated S5 controller.
//
// Contents
//   1. Initialisation and controller types   S5AG_SimulatorInit, S5AG_AGAktivieren
//   2. Blocks                                write, read, erase, lists, lookups
//   3. Addresses and operand areas           memory, flags, process images, timers, counters
//   4. Operating state                       start, stop, switches
//   5. Controller and memory information     type name, RAM sizes and use, shared flags
//   6. Registers                             accumulators, status bits, step address
//   7. S5 floating-point numbers             S5AG_S5LongToFloat, S5AG_FloatToS5Long
//
// Every process that loads the library drives the same controller: its state lives in the shared
// memory section "SIMCORE32File" (per user). Every export is extern "C", works directly on that
// state, returns at once and never throws. Blocks, headers and memory contents cross this
// interface as byte streams with big-endian words (high byte first).
//
// Result codes: 0 done; 1 done (where a function reports success as 1); 4 refused in RUN (or,
// for data word access, in STOP); 6 block type unknown or number beyond the type's block count,
// or a block whose header does not match its length; 10 file missing; 22 type file unreadable
// or too long; 23 integrated blocks not loadable; 27 block does not exist; 33 no room for the
// block (in memory, or in the caller's buffer); 80 block may not be written or erased (DB0, an
// integrated block); 81 the cycle starts at PB1 and the block is not PB1; 82 overall reset
// refused in RUN.
#ifndef SIMCORE_SIMCORE32_H
#define SIMCORE_SIMCORE32_H

#include <stdint.h>

#if defined(SIMCORE32_BUILD)
#define SIMCORE32_API __attribute__((visibility("default")))
#else
#define SIMCORE32_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* 1. Initialisation and controller types --------------------------------------------------- */
/* Back to the built-in type "S5-95U" with an empty memory; `path` is the simulator directory. */
SIMCORE32_API unsigned short S5AG_SimulatorInit(const char* path);
/* Reads a controller type file (*.AG): 0, 4 in RUN, 10 missing, 22 unreadable or more than 148
   lines, 23 its integrated blocks could not be loaded. On failure nothing changes. */
SIMCORE32_API unsigned short S5AG_AGAktivieren(const char* path);

/* 2. Blocks -------------------------------------------------------------------------------- */
/* mode 0 normal load, 1 integrated blocks, 10 block import mode. */
SIMCORE32_API unsigned short S5AG_BstWrite(short type, short number, short length,
                                           unsigned char* bytes, unsigned char mode);
/* The buffer must hold the largest valid block, 10000 words (20000 bytes). */
SIMCORE32_API unsigned short S5AG_BstRead(short type, short number, unsigned char* buffer,
                                          short* length);
/* As S5AG_BstRead into a buffer of `maxWords` words: 33 (nothing copied) when the block is
   longer. */
SIMCORE32_API unsigned short S5AG_BstReadMax(short type, short number, unsigned char* buffer,
                                             unsigned short maxWords, short* length);
SIMCORE32_API unsigned short S5AG_BstErase(short type, short number);
SIMCORE32_API unsigned short S5AG_AGErase(void);
SIMCORE32_API unsigned short S5AG_Komprim(void);
SIMCORE32_API unsigned short S5AG_BausteinVorhandenW(unsigned short id);
SIMCORE32_API unsigned short S5AG_BausteinVorhandenB(unsigned char type, unsigned char number);
SIMCORE32_API unsigned short S5AG_GetBausteinLaenge(unsigned char type, unsigned char number);
SIMCORE32_API unsigned short S5AG_GetStartAdrOfs(unsigned char type, unsigned char number);
SIMCORE32_API unsigned short S5AG_GetSazBausteinTypNr(unsigned short wordIndex,
                                                      unsigned char dataBlocksOnly);
/* 12 bytes: S5 address of the body, then the five header words. 0 when the block exists, 27
   when not (the buffer is then unchanged). */
SIMCORE32_API unsigned short S5AG_ReadKopf(short type, short number, unsigned char* buffer);
/* The type's address list as S5 body addresses, one per number from 0 up to the highest
   existing block (the buffer holds the type's block count, 256 words by default). */
SIMCORE32_API unsigned short S5AG_ReadBuch(short type, unsigned short* buffer,
                                           unsigned short* count);
SIMCORE32_API unsigned short S5AG_BuchAG(short restart, short withoutDataBlocks);
SIMCORE32_API unsigned short S5AG_SPaus(unsigned char* buffer);
SIMCORE32_API unsigned short S5AG_AlleVorhandenenBausteineRegistrieren(void);
SIMCORE32_API unsigned short S5AG_IsIntegrBst(unsigned short id);
SIMCORE32_API unsigned short S5AG_DbDxKennung(unsigned char type);
SIMCORE32_API unsigned short S5AG_HoleAnzahlFBParameter(unsigned char number, char fx);
SIMCORE32_API unsigned short S5AG_IsMC5CodeEinSprung(unsigned short word);
SIMCORE32_API unsigned short S5AG_GetZyklusStartBaustein(void);

/* 3. Addresses and operand areas ----------------------------------------------------------- */
SIMCORE32_API unsigned short S5AG_AdrRead(unsigned short address, short count,
                                          unsigned char* buffer);
SIMCORE32_API unsigned short S5AG_WriteAdr(unsigned short address, short length,
                                           unsigned char* bytes);
SIMCORE32_API unsigned short S5AG_ReadMerkByte(short number, unsigned char* value);
SIMCORE32_API unsigned short S5AG_WriteMerkByte(short number, unsigned char value);
SIMCORE32_API unsigned short S5AG_ReadMerkWord(short number, unsigned short* value);
SIMCORE32_API unsigned short S5AG_WriteMerkWord(short number, unsigned short value);
SIMCORE32_API unsigned short S5AG_ReadInByte(short number, unsigned char* value);
SIMCORE32_API unsigned short S5AG_WriteInByte(short number, unsigned char value);
SIMCORE32_API unsigned short S5AG_ReadInWord(short number, unsigned short* value);
SIMCORE32_API unsigned short S5AG_WriteInWord(short number, unsigned short value);
SIMCORE32_API unsigned short S5AG_ReadOutByte(short number, unsigned char* value);
SIMCORE32_API unsigned short S5AG_WriteOutByte(short number, unsigned char value);
SIMCORE32_API unsigned short S5AG_ReadOutWord(short number, unsigned short* value);
SIMCORE32_API unsigned short S5AG_WriteOutWord(short number, unsigned short value);
SIMCORE32_API unsigned short S5AG_ReadTimWord(short number, unsigned short* value);
SIMCORE32_API unsigned short S5AG_WriteTimWord(short number, unsigned short value);
SIMCORE32_API unsigned short S5AG_ReadCntWord(short number, unsigned short* value);
SIMCORE32_API unsigned short S5AG_WriteCntWord(short number, unsigned short value);
SIMCORE32_API unsigned short S5AG_GetTimerWord(unsigned char number);
SIMCORE32_API unsigned short S5AG_GetCounterWord(unsigned char number);
SIMCORE32_API unsigned short S5AG_GetBSWord(unsigned char number);
SIMCORE32_API unsigned short S5AG_ReadWriteDatenwort(unsigned char read, unsigned char dbNumber,
                                                     unsigned char dx, unsigned char firstWord,
                                                     unsigned short count, unsigned short* buffer);
/* Process-local locations of BS, BA, timers, counters, flags, process images and S flags. */
SIMCORE32_API unsigned short S5AG_GetOperandenPointer(
    unsigned char** bs, unsigned char** ba, unsigned char** timers, unsigned char** counters,
    unsigned char** flags, unsigned char** processImages, unsigned char** sFlags);
SIMCORE32_API unsigned char* S5AG_GetPaePaaPtr(void);
SIMCORE32_API unsigned char* S5AG_GetMPtr(void);

/* 4. Operating state ----------------------------------------------------------------------- */
/* 20 cold restart, 22 warm restart after power on, any other kind a manual warm restart. */
SIMCORE32_API unsigned short S5AG_StartAg(unsigned short restartKind);
SIMCORE32_API unsigned short S5AG_StopAg(void);
SIMCORE32_API unsigned short S5AG_SetRunSchalter(unsigned char position);
SIMCORE32_API unsigned short S5AG_SetResetSchalter(unsigned char position);
SIMCORE32_API unsigned short S5AG_SpannungEIN(void);
SIMCORE32_API unsigned short S5AG_RunZustand(void);

/* 5. Controller and memory information ----------------------------------------------------- */
/* The buffer holds 80 bytes. */
SIMCORE32_API unsigned short S5AG_GetAgTypString(char* buffer, unsigned char lengthPrefixed);
SIMCORE32_API unsigned short S5AG_AGGross(void);
SIMCORE32_API unsigned short S5AG_GetS5RamSizeByte(uint32_t* size);
SIMCORE32_API unsigned short S5AG_GetDBRamSizeByte(uint32_t* size);
SIMCORE32_API unsigned short S5AG_GetS5DBRamGetrennt(void);
SIMCORE32_API unsigned short S5AG_GetAuslastungS5Ram(void);
SIMCORE32_API unsigned short S5AG_GetAuslastungDBRam(void);
SIMCORE32_API unsigned char* S5AG_GetS5AnwendStartPtr(void);
SIMCORE32_API unsigned char* S5AG_GetDBAnwendStartPtr(void);
SIMCORE32_API unsigned short S5AG_GetS5AnwendStartPtrOfs(void);
SIMCORE32_API unsigned short S5AG_GetDBAnwendStartPtrOfs(void);
SIMCORE32_API unsigned short S5AG_SetAS511Belegt(unsigned char inUse);
SIMCORE32_API unsigned char S5AG_GetAS511Belegt(void);
SIMCORE32_API unsigned short S5AG_SetS5ZyklusBelegt(unsigned char claimed);
SIMCORE32_API unsigned char S5AG_GetS5ZyklusBelegt(void);
SIMCORE32_API unsigned short S5AG_SetS5PrgSoftwareHatS5Zyklus(unsigned char drives);
SIMCORE32_API unsigned char S5AG_GetS5PrgSoftwareHatS5Zyklus(void);
SIMCORE32_API unsigned short S5AG_SetBuchAGKomplett(unsigned char complete);
SIMCORE32_API unsigned short S5AG_SetComError(void);
SIMCORE32_API unsigned short S5AG_SetTimerVarPtr(uint32_t* pointer);
SIMCORE32_API unsigned short S5AG_ParamAendern(void);

/* 6. Registers ----------------------------------------------------------------------------- */
SIMCORE32_API unsigned short S5AG_GetAkku1LoWort(void);
SIMCORE32_API unsigned short S5AG_GetAkku1HiWort(void);
SIMCORE32_API unsigned short S5AG_GetAkku2LoWort(void);
SIMCORE32_API unsigned short S5AG_GetAkku2HiWort(void);
SIMCORE32_API uint32_t S5AG_GetAkku1Long(void);
SIMCORE32_API uint32_t S5AG_GetAkku2Long(void);
SIMCORE32_API unsigned short S5AG_SetAkku1(uint32_t value);
SIMCORE32_API unsigned short S5AG_SetAkku2(uint32_t value);
/* VKE, STATUS, ERAB, OS, OV, ANZ0, ANZ1 */
SIMCORE32_API unsigned short S5AG_GetS5Anzeigen(unsigned char* vke, unsigned char* status,
                                                unsigned char* erab, unsigned char* os,
                                                unsigned char* ov, unsigned char* anz0,
                                                unsigned char* anz1);
SIMCORE32_API unsigned short S5AG_GetSaz(void);
SIMCORE32_API unsigned short S5AG_GetSazOld(void);
SIMCORE32_API unsigned short S5AG_GetAufgerufenerDbDxTypNr(void);
SIMCORE32_API unsigned short S5AG_GetAnzBef(void);

/* 7. S5 floating-point numbers (constant format KG) -------------------------------------------
   Bits 24..31 hold the exponent e as a two's-complement byte, bits 0..23 the mantissa m as a
   24-bit two's-complement number; the value is m * 2^(e - 23). Zero is 0x80000000. */
SIMCORE32_API float S5AG_S5LongToFloat(uint32_t s5Float);
SIMCORE32_API uint32_t S5AG_FloatToS5Long(float value);

#ifdef __cplusplus
}
#endif

#endif
