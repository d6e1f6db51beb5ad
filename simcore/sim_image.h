// SimImage: the simulated controller's whole state in one plain record.
//
// Contents
//   capacities        the fixed array sizes every count is held to
//   BlockStackFrame   one frame of the block stack
//   AreaStart         the index of each area's start address in SimImage::areaStart
//   SimImage          the record, in the shared section "SIMCORE32File"
//
// Every process that loads the library maps the same record, so it holds no pointers: where the
// controller keeps a reference, the record holds an S5 address or an offset, and each process
// keeps its own pointers beside it (Engine). The layout is fixed and checked below, so that the
// record means the same in every process, 32- or 64-bit, and to a visualisation program reading
// it. Memory words in Space are little-endian (low byte first).
#ifndef SIMCORE_SIM_IMAGE_H
#define SIMCORE_SIM_IMAGE_H

#include <cstddef>
#include <cstdint>

namespace tavrin::simcore {

inline constexpr std::size_t kSpaceBytes = 131071;  // 64 K addresses, or 64 K words overlapping
inline constexpr std::size_t kReceiveBufferBytes = 12288;
inline constexpr std::size_t kMaxTimers = 256;
inline constexpr std::size_t kMaxCounters = 256;
inline constexpr std::size_t kMaxBlockNumbers = 256;  // entries of each address list
inline constexpr std::size_t kMaxIntegratedBlocks = 30;
inline constexpr std::size_t kStatusRequestItems = 200;
inline constexpr std::size_t kStatusReplyBytes = 401;
inline constexpr std::size_t kBlockStackFrames = 25;  // frame 0 unused: depth 1..24
inline constexpr std::size_t kMaxBracketDepth = 25;
inline constexpr std::size_t kTimeDrivenObs = 9;  // OB10 .. OB18
inline constexpr std::size_t kSysParamBytes = 44;
inline constexpr std::size_t kRequestBytes = 256;
inline constexpr std::size_t kFileNameBytes = 255;
inline constexpr std::size_t kTypeNameBytes = 80;

struct BlockStackFrame {
  uint16_t returnSaz;        // the word after the call instruction
  uint16_t calledBody;       // word index of the called block's first body word
  uint32_t callerDb;         // identifier of the caller's current data block
  uint16_t callerDbAddress;  // S5 address of that block's body
  uint8_t reserved[4];       // the original kept a process-local pointer here
  uint16_t callerDbLength;   // length of that data block in words
};
static_assert(sizeof(BlockStackFrame) == 16);

// Indexes into SimImage::areaStart, in the order the record keeps them.
enum AreaStart : std::size_t {
  kS5Ram,
  kDbRam,
  kBs,
  kBa,
  kTimers,
  kCounters,
  kBracketStack,
  kFlags,
  kProcessImage,
  kSFlags,
  kBlockAddressList,  // DB0: the seven address lists lie inside it
  kUStack,
  kBStack,
  kListOB,
  kListFB,
  kListPB,
  kListSB,
  kListDB,
  kListFX,
  kListDX,
  kAreaStartCount,
  kAreaStartSlots = 26,
};

struct SimImage {
  // Registers of the interpreter.
  uint16_t instructionsThisRun;
  uint16_t instructionLimit;
  uint8_t ERAB, VKE, STATUS, OS, OV, ANZ0, ANZ1;
  uint8_t pad0;
  uint32_t areaOffset[16];  // offsets into this record of the areas, the same in every process

  // Switches and requests.
  uint16_t cycleStartKind;  // 0 none, 1 OB1, 300 PB1, 301 FB0
  uint8_t blockStatusMode;
  uint8_t stopRequestedByPg;
  uint8_t restartPending;
  uint8_t stopRequestedByProgram;
  uint8_t cycleRunning;
  uint8_t lastRestartKind;
  uint8_t instructionCounterMod10;
  uint8_t backupAfterCompress;
  uint8_t s5dAfterCompress;
  char s5dFileName[kFileNameBytes];
  uint8_t backupOnStop;
  char backupFileName[kFileNameBytes];

  // The address space and the programming-device receive buffer.
  alignas(8) uint8_t Space[kSpaceBytes];
  uint8_t receiveBuffer[kReceiveBufferBytes];
  char typeName[kTypeNameBytes];
  char simulatorDir[kFileNameBytes];

  // Operating state.
  uint8_t runSwitch;
  uint8_t resetRequest;
  uint8_t powerOn;
  uint8_t runState;
  uint8_t passedCycleInRun;
  uint16_t stopLatch;
  uint32_t cycleMonitoringMs;
  uint16_t pendingObs;
  uint16_t obPeriodMs[kTimeDrivenObs];
  uint8_t acceptedRunSwitch;
  uint8_t rangeCheck;  // AFF 1, AFS 0
  uint16_t integratedBlocks[kMaxIntegratedBlocks];
  uint16_t integratedCount;

  // Status recorder.
  uint16_t statusRequests[kStatusRequestItems];
  uint8_t statusReply[kStatusReplyBytes];
  uint8_t blockStatusArmed;
  uint16_t statusReplyWrite;
  uint16_t statusRequestRead;

  // Block stack.
  BlockStackFrame blockStack[kBlockStackFrames];
  uint8_t restoreDbOnReturn;
  uint16_t bstackImageLength;

  // The controller type.
  uint16_t areaStart[kAreaStartSlots];
  uint16_t AgSoftwareStand;
  uint16_t TIMER_ANZAHL;
  uint16_t AnzahlRemanenteTimer;
  uint16_t COUNTER_ANZAHL;
  uint16_t AnzahlRemanenteCounter;
  uint16_t EA_ANZAHL;
  uint16_t MERKER_ANZAHL;
  uint16_t AnzahlRemanenteMerker;
  uint16_t SMERKER_ANZAHL;
  uint16_t DATENW_ANZAHL;
  uint16_t BS_ANZAHL;
  uint16_t BA_ANZAHL;
  uint16_t BT_ANZAHL;
  uint16_t BB_ANZAHL;
  uint16_t PERI_ANZAHL;
  uint16_t db0Length;
  uint16_t KLAMMER_STACK_GROESSE;
  uint16_t CPU2;
  uint16_t CPU1;
  uint8_t AddrPerWord;
  uint8_t ByteAreaShift;
  uint16_t S5RAM_GROESSE;
  uint16_t DBRAM_GROESSE;
  uint16_t blockCount[7];  // OB, FB, FX, PB, SB, DB, DX

  // Timers.
  alignas(8) uint64_t timerStartMs[kMaxTimers];
  uint16_t timerRemaining[kMaxTimers];
  uint16_t timerRunningBits[kMaxTimers / 16];
  uint16_t timerEdgeBits[kMaxTimers / 16];
  uint8_t pendingOr[kMaxBracketDepth];

  // Blocks and the current data block.
  uint16_t blockStackDepth;
  uint16_t savedBlockStackDepth;
  uint16_t dbRamFill;
  uint16_t s5RamFill;
  uint16_t currentDb;
  uint16_t currentDbAddress;
  uint16_t currentDbWords;
  uint16_t currentDbLength;
  uint16_t obProcessing;
  uint16_t errorObsInProgress;
  uint16_t errorWord;
  uint16_t interruptEnable;
  uint16_t bracketDepth;
  uint16_t blockStatusTarget;
  uint16_t BeginnAnalogPW;
  uint16_t KanalAnzahlBG;
  uint16_t instructionWord;
  uint16_t nextWord;
  uint16_t Saz;
  uint16_t SazOld;
  uint8_t timeObsAllowed;
  uint32_t ACCU1, ACCU2, ACCU3, ACCU4;
  uint8_t stopBlockType;
  uint16_t sazEndOfCycle;

  // Cycle time keeping (milliseconds of the engine's clock).
  alignas(8) uint64_t cycleMonitoringStartMs;
  uint64_t cycleCallStartMs;
  uint64_t averagingDurationSumMs;  // the durations of the calls since the last average
  uint64_t obLastRunMs[kTimeDrivenObs];
  int32_t intermediateFixed;
  uint32_t intermediateFloat;

  // Flags between callers and processes.
  uint8_t statusRecordComplete;
  uint8_t compressRequested;
  uint8_t stopOnMissingBlock;
  uint8_t blockListComplete;
  uint8_t comError;
  uint8_t reinitNextCycle;
  uint8_t serviceIdle;
  uint8_t backgroundIdle;
  uint8_t cyclesInWindow;
  alignas(8) double averageCycleMs;
  uint8_t pgPortInUse;
  uint8_t cycleClaimed;
  uint8_t prgSoftwareDrivesCycle;
  uint8_t createdMark;  // 255 once the creator has initialised the record
  uint8_t sysParam[kSysParamBytes];
  uint32_t BR;  // address register of the register-relative instructions
  uint8_t request[kRequestBytes];
};

// The blockCount slots, in the order of the type file's keys.
enum BlockCountSlot : std::size_t {
  kCountOB,
  kCountFB,
  kCountFX,
  kCountPB,
  kCountSB,
  kCountDB,
  kCountDX
};

static_assert(offsetof(SimImage, areaOffset) == 12);
static_assert(offsetof(SimImage, Space) % 8 == 0);
static_assert(offsetof(SimImage, Space) == 600);
static_assert(offsetof(SimImage, timerStartMs) % 8 == 0);
static_assert(offsetof(SimImage, averageCycleMs) % 8 == 0);
static_assert(sizeof(SimImage) == 148872);

}  // namespace tavrin::simcore

#endif
