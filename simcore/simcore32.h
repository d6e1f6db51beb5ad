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
//   8. Cycle and organisation blocks         S5AG_Step5Zyklus, time-driven and interrupt blocks
//   9. Status and test functions             block status, variables, stacks, system parameters
//  10. Callbacks of the program              instruction hook, user functions, analog values
//  11. Programming-device service            AS511 over character callbacks, trace
//  12. Backup, S5D files, block import       the memory in files, blocks on a buffer
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
// refused in RUN; for S5D files 15 a block could not be saved (the others were), 16 the file
// exists and may not be overwritten, 17 it could not be deleted.
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

/* 8. Cycle and organisation blocks --------------------------------------------------------- */
SIMCORE32_API unsigned short S5AG_Step5Zyklus(void);
SIMCORE32_API unsigned short S5AG_Step5ZyklusReady(void);
SIMCORE32_API unsigned short S5AG_BSRoutine(void);
SIMCORE32_API unsigned short S5AG_BSRoutineReady(void);
SIMCORE32_API double S5AG_GetZyklusZeitSystemMS(void);
SIMCORE32_API unsigned short S5AG_ZykluszeitReset(void);
SIMCORE32_API unsigned short S5AG_GetZykBaustein(void);
/* OB 2, 9, 10..18, 25, 26, 32, 33, 34; false (0) when the block does not exist. */
SIMCORE32_API unsigned char S5AG_SonderOBAufruf(short ob);
SIMCORE32_API unsigned short S5AG_SetEventZeitOB(unsigned short bit);
SIMCORE32_API unsigned short S5AG_ClearEventZeitOB(unsigned short bit);
SIMCORE32_API unsigned short S5AG_GetSonderAktionWord(void);
SIMCORE32_API unsigned short S5AG_SetSonderAktionWord(unsigned short word);

/* 9. Status and test functions ------------------------------------------------------------- */
/* The system parameters of the controller, as the programming side keeps them. */
#pragma pack(push, 1)
typedef struct syspar {
  uint32_t reserved0;
  uint32_t reserved1;
  uint32_t paeStart;
  uint32_t paaStart;
  uint32_t flagsStart;
  uint32_t timersStart;
  uint32_t countersStart;
  uint32_t bsStart;
  int16_t softwareVersion;
  uint32_t s5EndAddress;
  uint32_t baOrBsStart;   /* word-addressed types: BA start; byte-addressed: BS start */
  uint16_t listLength[7]; /* DB, SB, PB, FB, OB, FX, DX in S5 addresses */
  uint16_t db0Length;
  uint16_t cpu2;
  uint16_t headerLength; /* of a block header in S5 addresses */
  uint16_t cpu1;
} syspar;
#pragma pack(pop)

SIMCORE32_API unsigned short S5AG_StBstParam(short length, unsigned char* request,
                                             unsigned short offset);
SIMCORE32_API unsigned short S5AG_StatBstZyk(unsigned char* buffer, short maxItems, short* length,
                                             short* notTriggered, unsigned char* ready);
SIMCORE32_API unsigned short S5AG_StatusVarDaten(unsigned char* request, short length);
SIMCORE32_API unsigned short S5AG_StatusVarZykLesen(unsigned char* buffer);
SIMCORE32_API unsigned short S5AG_RdStBits(unsigned char* buffer);
SIMCORE32_API unsigned short S5AG_RdUStack(unsigned char* buffer, short* length);
SIMCORE32_API unsigned short S5AG_BStack(unsigned char* buffer, short* length);
/* The name buffer holds 8 bytes. */
SIMCORE32_API unsigned short S5AG_GetStopDaten(char* name, unsigned short* offset,
                                               unsigned short* instruction,
                                               unsigned char lengthPrefixed);
SIMCORE32_API unsigned short S5AG_Sysinit(unsigned char* buffer, short* length);
SIMCORE32_API unsigned short S5AG_GetSysParam(syspar* parameters);
SIMCORE32_API unsigned short S5AG_GetBStackZeiger(void);

/* 10. Callbacks of the program (process-local) --------------------------------------------- */
typedef unsigned short (*S5AG_DebugHook)(void);
typedef void (*S5AG_UserFunction)(void);
/* Fills the value, its shift count and two flag bits of an analog channel; returns 0 when the
   value is valid, an error word otherwise. */
typedef unsigned short (*S5AG_AnalogValueSource)(unsigned char module, unsigned char channel,
                                                 unsigned short* value, unsigned char* shift,
                                                 unsigned char* flag1, unsigned char* flag2);
SIMCORE32_API unsigned short S5AG_SetFncDebug(S5AG_DebugHook hook);
/* Each stores the user function n that the special function 0xC0dd (dd = n in decimal) calls. */
SIMCORE32_API unsigned short S5AG_SetFncPtrUser0(S5AG_UserFunction function);
SIMCORE32_API unsigned short S5AG_SetFncPtrUser1(S5AG_UserFunction function);
SIMCORE32_API unsigned short S5AG_SetFncPtrUser2(S5AG_UserFunction function);
SIMCORE32_API unsigned short S5AG_SetFncPtrUser3(S5AG_UserFunction function);
SIMCORE32_API unsigned short S5AG_SetFncPtrUser4(S5AG_UserFunction function);
SIMCORE32_API unsigned short S5AG_SetFncPtrUser5(S5AG_UserFunction function);
SIMCORE32_API unsigned short S5AG_SetFncPtrUser6(S5AG_UserFunction function);
SIMCORE32_API unsigned short S5AG_SetFncPtrUser7(S5AG_UserFunction function);
SIMCORE32_API unsigned short S5AG_SetFncPtrUser8(S5AG_UserFunction function);
SIMCORE32_API unsigned short S5AG_SetFncPtrUser9(S5AG_UserFunction function);
SIMCORE32_API unsigned short S5AG_SetFncPtrUser10(S5AG_UserFunction function);
SIMCORE32_API unsigned short S5AG_SetFncPtrUser11(S5AG_UserFunction function);
SIMCORE32_API unsigned short S5AG_SetFncPtrUser12(S5AG_UserFunction function);
SIMCORE32_API unsigned short S5AG_SetFncPtrUser13(S5AG_UserFunction function);
SIMCORE32_API unsigned short S5AG_SetFncPtrUser14(S5AG_UserFunction function);
SIMCORE32_API unsigned short S5AG_SetFncPtrUser15(S5AG_UserFunction function);
SIMCORE32_API unsigned short S5AG_SetFncPtrUser16(S5AG_UserFunction function);
SIMCORE32_API unsigned short S5AG_SetFncPtrUser17(S5AG_UserFunction function);
SIMCORE32_API unsigned short S5AG_SetFncPtrUser18(S5AG_UserFunction function);
SIMCORE32_API unsigned short S5AG_SetFncPtrUser19(S5AG_UserFunction function);
SIMCORE32_API unsigned short S5AG_SetFncPtrUser20(S5AG_UserFunction function);
SIMCORE32_API unsigned short S5AG_SetFncPtrUser21(S5AG_UserFunction function);
SIMCORE32_API unsigned short S5AG_SetFncPtrUser22(S5AG_UserFunction function);
SIMCORE32_API unsigned short S5AG_SetFncPtrUser23(S5AG_UserFunction function);
SIMCORE32_API unsigned short S5AG_SetFncPtrUser24(S5AG_UserFunction function);
SIMCORE32_API unsigned short S5AG_SetFncPtrUser25(S5AG_UserFunction function);
SIMCORE32_API unsigned short S5AG_SetFncPtrUser26(S5AG_UserFunction function);
SIMCORE32_API unsigned short S5AG_SetFncPtrUser27(S5AG_UserFunction function);
SIMCORE32_API unsigned short S5AG_SetFncPtrUser28(S5AG_UserFunction function);
SIMCORE32_API unsigned short S5AG_SetFncPtrUser29(S5AG_UserFunction function);
SIMCORE32_API unsigned short S5AG_SetFncPtrGetAnalogWertBG(S5AG_AnalogValueSource source);

/* 11. Programming-device service ---------------------------------------------------------------
   The controller's side of AS511. The host owns the line (a serial port, a pseudo-terminal) and
   moves characters through the callbacks below, all process-local; it calls
   S5AG_PGAnfragePruefen often (every idle tick), and each call serves at most one request and
   then sends a status record that has become complete. The callbacks run on the caller's
   thread inside that call and must not call the service again.
     send     S5AG_SetFncPtrCharSenden with S5AG_SetSendeFachPtr: the engine stores each character
              in the slot, then calls the callback; else S5AG_SetFncPtrCharSendenC with the
              character. 1 = sent, anything else fails the request. The characters of one
              control sequence or telegram are sent one after the other without a pause; a
              host that writes a batch of them with one write flushes it before it waits in a
              receive callback and when S5AG_PGAnfragePruefen returns.
     receive  S5AG_SetFncPtrCharEmpfangen: asked for the first character of a request and for a
              character that may already wait; it must not wait: low byte 0 = none, otherwise
              the character in the high byte. S5AG_SetFncPtrCharEmpfangenPoll: within a
              telegram; it waits up to the host's character time-out: low byte 1 = a character
              in the high byte, anything else ends the request.
     delay    S5AG_SetFncPtrDelay: called before every character sent (and by special function
              0xAA13); a host on a real line leaves it empty or out.
     clear    S5AG_SetFncPtrClearComBuffer: called with 1 to discard what the host has received
              but not yet delivered, after a protocol error.
   Without a send callback a character counts as sent; without a receive callback a receive
   yields the character 0. Every setter returns 1. */
typedef unsigned char (*S5AG_CharSendSlotted)(void);
typedef unsigned char (*S5AG_CharSend)(unsigned char character);
typedef unsigned short (*S5AG_CharReceive)(void);
typedef void (*S5AG_Delay)(void);
typedef void (*S5AG_ClearComBuffer)(unsigned char clear);
SIMCORE32_API unsigned short S5AG_SetFncPtrCharSenden(S5AG_CharSendSlotted send);
SIMCORE32_API unsigned short S5AG_SetSendeFachPtr(unsigned char* slot);
SIMCORE32_API unsigned short S5AG_SetFncPtrCharSendenC(S5AG_CharSend send);
SIMCORE32_API unsigned short S5AG_SetFncPtrCharEmpfangen(S5AG_CharReceive receive);
SIMCORE32_API unsigned short S5AG_SetFncPtrCharEmpfangenPoll(S5AG_CharReceive receive);
SIMCORE32_API unsigned short S5AG_SetFncPtrDelay(S5AG_Delay delay);
SIMCORE32_API unsigned short S5AG_SetFncPtrClearComBuffer(S5AG_ClearComBuffer clear);
/* Serves one request, then sends a complete status record; result 1. */
SIMCORE32_API unsigned short S5AG_PGAnfragePruefen(void);
/* 1 while no call of S5AG_PGAnfragePruefen is running (in any process). */
SIMCORE32_API unsigned short S5AG_PGAnfragePruefenReady(void);
/* One character without DLE doubling: 1 sent, 11 send failed, 0 communication error flag set. */
SIMCORE32_API unsigned short S5AG_DebugZeichenSenden(unsigned char character);
/* One character within a telegram: character * 256 + 1, or 0 when none came. */
SIMCORE32_API unsigned short S5AG_DebugZeichenEmpfangenPoll(void);
/* Only with the key character 0x22: the trace file TRACE_S5.TXT of the program directory is
   created anew / closed; result 1. */
SIMCORE32_API unsigned short S5AG_TraceOn(unsigned char key);
SIMCORE32_API unsigned short S5AG_TraceOff(unsigned char key);

/* 12. Backup, S5D files, block import ---------------------------------------------------------
   File names with a drive letter or '\' mean the same name in the program directory; the
   backup file (default BACKUP.BIN) lies there too, S5D names without them are used as given.
   A length-prefixed name (first byte the length) is made zero-terminated in the caller's buffer
   first. */
/* The backup after every compression in STOP, and at every change to STOP; result 1. */
SIMCORE32_API unsigned char S5AG_SetupBackupRestore(unsigned char afterCompressing,
                                                    unsigned char onStop);
/* Result 1; 0 for a name longer than the name field holds (the name set before stays). */
SIMCORE32_API unsigned char S5AG_SetBackupDatei(char* name, unsigned char lengthPrefixed);
/* The whole address space into the backup file (131072 bytes); result 1. */
SIMCORE32_API unsigned char S5AG_DoBackUp(void);
/* In STOP only, and only from a complete backup file: memory back, address lists rebuilt;
   result 1. */
SIMCORE32_API unsigned char S5AG_DoRestore(void);
/* 4 in RUN, 10 missing or unreadable; else 0 after an overall reset and loading every code and
   data block of the file. */
SIMCORE32_API unsigned short S5AG_LadeS5D(char* name);
/* 4 in RUN, 16 the file exists and `overwrite` is 0, 17, 10, 15 (see the result codes); else 0
   with every block saved. */
SIMCORE32_API unsigned short S5AG_SchreibeS5D(char* name, unsigned char overwrite);
/* After every compression in STOP all blocks are saved to this file, overwriting it; result 1,
   0 for a name longer than the name field holds (then nothing changes). */
SIMCORE32_API unsigned short S5AG_S5DSpeichernBeiKomprimieren(unsigned char enable, char* name,
                                                              unsigned char lengthPrefixed);
/* The block RAMs become `buffer` (0x7FFF words, 65534 bytes) until
   S5AG_BausteinImportAbschliessen; blocks go in with S5AG_BstWrite mode 10. 1 (also when the
   mode is already active, then unchanged), 0 without a buffer. Only in STOP, between cycles. */
SIMCORE32_API unsigned short S5AG_BausteinImportVorbereiten(unsigned short* buffer);
SIMCORE32_API unsigned short S5AG_BausteinImportAbschliessen(void);

#ifdef __cplusplus
}

static_assert(sizeof(syspar) == 64, "the system parameter record is packed");
#endif

#endif
