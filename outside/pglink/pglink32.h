/* libpglink32: the programming-device side of the serial AS511 link to an S5 controller.
 *
 * Contents
 *   1. The link          InitPg / ExitPg, the port devices, time-outs, packet size, delays, trace
 *   2. The controller    system parameters, memory, blocks, directory, start and stop, stacks
 *   3. Status            status of variables, block status
 *   4. Single operands   inputs, outputs, flags, timers, counters (forcing)
 *   5. Diagnosis         the failing function of the last call
 *
 * Every function returns 0 on success or a result code: 2 the controller answered NAK, 3 no
 * answer (no connection), 4 a write to the line failed, 5 an answer out of the protocol,
 * 9 the controller fell silent within a telegram, 12 a bad argument, 18 or 27 no such block,
 * 25 blocks cannot be loaded (program in PB1 only), 26 and 35 the stacks need STOP, 29 a reply
 * longer than the caller's buffer, 33 the controller's memory is full, 34 a job refused in RUN,
 * 39 the port cannot be opened, 80 an integrated block, 82 overall reset needs STOP,
 * 170 the port refuses the line settings (8 data bits, even parity, one stop bit, the baud rate).
 * The line is a terminal device: COM1..COM4 name /dev/ttyS0../dev/ttyS3 unless
 * AS511_SetPortDevice names another device (a USB adapter, a pseudo-terminal).
 */
#ifndef OUTSIDE_PGLINK_PGLINK32_H
#define OUTSIDE_PGLINK_PGLINK32_H

#include <stdint.h>

#include "simcore/simcore32.h" /* the syspar record */

#if defined(PGLINK32_BUILD)
#define PGLINK32_API __attribute__((visibility("default")))
#else
#define PGLINK32_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* 1. The link ------------------------------------------------------------------------------ */
PGLINK32_API unsigned short AS511_SetPortDevice(unsigned char port, const char* device);
/* Opens COM`port` at `baud` (9600, 19200, 38400, 57600, 115200). */
PGLINK32_API unsigned short AS511_InitPg(unsigned char port, int32_t baud);
PGLINK32_API unsigned short AS511_ExitPg(void);
PGLINK32_API unsigned short AS511_SetTimeOut(unsigned short ms);
PGLINK32_API unsigned short AS511_SetTimeOutStatus(unsigned short ms);
/* The largest piece a memory read or write is split into, in bytes. */
PGLINK32_API unsigned short AS511_SetAnzByteJePaket(unsigned short bytes);
PGLINK32_API unsigned short AS511_SetDelayJeChar(unsigned short ms);
PGLINK32_API unsigned short AS511_SetDelayJePaket(unsigned short ms);
PGLINK32_API unsigned short AS511_SetMaxKompriZeit(int32_t ms);
PGLINK32_API int32_t AS511_GetMaxKompriZeit(void);
/* On: every byte on the line goes to TRACE_PG.TXT in the current directory. */
PGLINK32_API unsigned short AS511_SetTrace(unsigned char on);

/* 2. The controller ------------------------------------------------------------------------ */
PGLINK32_API unsigned short AS511_GetSysParam(syspar* parameters);
/* The 44-byte system parameter image as the controller sends it; length 44. */
PGLINK32_API unsigned short AS511_Sysinit(unsigned char* buffer, short* length);
PGLINK32_API unsigned short AS511_SPaus(unsigned char* buffer);
/* 0: a controller with 16-bit addresses. */
PGLINK32_API unsigned char AS511_Ist20BitAGPresent(void);
/* `length` bytes from controller address `address`. */
PGLINK32_API unsigned short AS511_AdrReadLoLevel(uint32_t address, unsigned short length,
                                                 unsigned char* buffer);
PGLINK32_API unsigned short AS511_AdrWriteLoLevel(uint32_t address, unsigned short length,
                                                  unsigned char* buffer);
/* The whole block, header included, as big-endian words; a block of the same name is replaced. */
PGLINK32_API unsigned short AS511_BstWrite(short type, short number, short length,
                                           unsigned char* bytes);
/* The block's header in bytes 0..9 and its body from byte 10; `length` counts the body's bytes.
   The buffer holds 20010 bytes. */
PGLINK32_API unsigned short AS511_BstRead(short type, short number, unsigned char* buffer,
                                          short* length);
PGLINK32_API unsigned short AS511_BstVorhanden(short type, short number, short* length,
                                               unsigned char* exists);
/* The body addresses of the type's blocks, one per number from 0 on. */
PGLINK32_API unsigned short AS511_ReadBuch(short type, unsigned short* buffer,
                                           unsigned short* count);
/* The body address (2 bytes, high first; 0 when the controller gives none) and the five header
   words, in a buffer of 20 bytes. */
PGLINK32_API unsigned short AS511_ReadKopfDB(short number, unsigned char* buffer);
PGLINK32_API unsigned short AS511_ReadKopfDX(short number, unsigned char* buffer);
PGLINK32_API unsigned short AS511_BstErase(short type, short number);
PGLINK32_API unsigned short AS511_AGErase(void);
PGLINK32_API unsigned short AS511_Komprim(void);
/* `kind` 1: restart with the power-on flag (automatic restart), 2: restart. */
PGLINK32_API unsigned short AS511_StartAg(unsigned short kind);
PGLINK32_API unsigned short AS511_StopAg(void);
PGLINK32_API unsigned short AS511_RdUStack(unsigned char* buffer, short* length);
PGLINK32_API unsigned short AS511_BStack(unsigned char* buffer, short* length);
PGLINK32_API unsigned short AS511_RdStBits(unsigned char* buffer);

/* 3. Status ------------------------------------------------------------------------------- */
/* Status of variables: request codes each followed by its address word, big-endian, `length`
   bytes. The values of the list (as the simulator gives them, at most 401 bytes) are read with
   AS511_StatusVarZykLesen, again and again, until AS511_ParamAendern ends the status. */
PGLINK32_API unsigned short AS511_StatusVarDaten(unsigned char* request, short length);
PGLINK32_API unsigned short AS511_StatusVarZykLesen(unsigned char* buffer);
/* Block status: request byte 0 the block type, byte 1 the number, then the request codes as
   big-endian words; the trigger is the instruction `offset` S5 addresses into the body. */
PGLINK32_API unsigned short AS511_StBstParam(short length, unsigned char* request,
                                             unsigned short offset);
/* Polls for the record: none yet gives notTriggered 1 and ready 1; a record gives notTriggered
   0, ready 1, up to `maxItems` items (each low byte first) and `length` in bytes, and arms the
   block status again. */
PGLINK32_API unsigned short AS511_StatBstZyk(unsigned char* buffer, short maxItems, short* length,
                                             short* notTriggered, unsigned char* ready);
/* Ends the status of variables or the block status. */
PGLINK32_API unsigned short AS511_ParamAendern(void);
/* The end of the status on a controller with 20-bit addresses; the same job here. */
PGLINK32_API unsigned short AS511_ResetAG(void);

/* 4. Single operands ---------------------------------------------------------------------- */
PGLINK32_API unsigned short AS511_WriteInByte(short number, unsigned char value);
PGLINK32_API unsigned short AS511_WriteOutByte(short number, unsigned char value);
PGLINK32_API unsigned short AS511_WriteMerkByte(short number, unsigned char value);
PGLINK32_API unsigned short AS511_WriteTimWord(short number, unsigned short value);
PGLINK32_API unsigned short AS511_WriteCntWord(short number, unsigned short value);
PGLINK32_API unsigned short AS511_ReadInByte(short number, unsigned char* value);
PGLINK32_API unsigned short AS511_ReadOutByte(short number, unsigned char* value);
PGLINK32_API unsigned short AS511_ReadMerkByte(short number, unsigned char* value);

/* 5. Diagnosis ----------------------------------------------------------------------------- */
/* The job code (high byte) and the protocol step (low byte) of the last failing call. */
PGLINK32_API unsigned short AS511_GetFehlerFnc(void);

#ifdef __cplusplus
}
#endif

#endif
