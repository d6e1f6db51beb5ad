// Exports: addresses and operand areas.
#include "simcore/block_kinds.h"
#include "simcore/block_store.h"
#include "simcore/memory_transfer.h"
#include "simcore/ram.h"
#include "simcore/s5_memory.h"
#include "simcore/simcore32.h"
#include "simcore/stack_images.h"
#include "simcore/timer_words.h"

using namespace tavrin::simcore;

namespace {

constexpr unsigned kOutputOffset = 128;  // the PAA follows the PAE in the process image area

uint8_t& processImageByte(unsigned n) {
  return byteAreaByte(engine().image(), kProcessImage, n);
}

}  // namespace

extern "C" {

unsigned short S5AG_AdrRead(unsigned short address, short count, unsigned char* buffer) {
  if (buffer == nullptr || count <= 0) return 0;
  Engine& e = engine();
  const SimImage& img = e.image();
  const unsigned step = img.AddrPerWord;
  // The control bits are rebuilt when a programming device reads them.
  if (address == controlBitsAddress(img)) buildControlBits(e);
  const unsigned words = (unsigned(count) + step - 1) / step;
  for (unsigned i = 0, a = address; i < words && a <= 0xFFFF; ++i, a += step) {
    const uint16_t w = ReadS5Word(img, static_cast<uint16_t>(a));
    buffer[2 * i] = static_cast<unsigned char>(w >> 8);
    buffer[2 * i + 1] = static_cast<unsigned char>(w);
  }
  return 0;
}

unsigned short S5AG_WriteAdr(unsigned short address, short length, unsigned char* bytes) {
  if (bytes == nullptr || length <= 0) return 0;
  Engine& e = engine();
  SimImage& img = e.image();
  writeMemoryWords(e, address, bytes, static_cast<unsigned>(length));
  // The programming device's start/stop command; the value written is not looked at.
  if (!wordAddressed(img) && address == img.areaStart[kBs] + 12) startStopCommand(img, 0);
  return 0;
}

unsigned short S5AG_ReadMerkByte(short number, unsigned char* value) {
  if (value != nullptr)
    *value = byteAreaByte(engine().image(), kFlags, static_cast<uint16_t>(number));
  return 0;
}

unsigned short S5AG_WriteMerkByte(short number, unsigned char value) {
  byteAreaByte(engine().image(), kFlags, static_cast<uint16_t>(number)) = value;
  return 0;
}

unsigned short S5AG_ReadMerkWord(short number, unsigned short* value) {
  const SimImage& img = engine().image();
  const auto n = static_cast<uint16_t>(number);
  if (value != nullptr)
    *value = static_cast<unsigned short>(byteAreaByte(img, kFlags, n) << 8 |
                                         byteAreaByte(img, kFlags, static_cast<uint16_t>(n + 1)));
  return 0;
}

unsigned short S5AG_WriteMerkWord(short number, unsigned short value) {
  SimImage& img = engine().image();
  const auto n = static_cast<uint16_t>(number);
  byteAreaByte(img, kFlags, n) = static_cast<uint8_t>(value >> 8);
  byteAreaByte(img, kFlags, static_cast<uint16_t>(n + 1)) = static_cast<uint8_t>(value);
  return 0;
}

unsigned short S5AG_ReadInByte(short number, unsigned char* value) {
  if (number >= 0 && number <= 127 && value != nullptr) *value = processImageByte(number);
  return 0;
}

unsigned short S5AG_WriteInByte(short number, unsigned char value) {
  if (number >= 0 && number <= 127) processImageByte(number) = value;
  return 0;
}

unsigned short S5AG_ReadInWord(short number, unsigned short* value) {
  if (number >= 0 && number <= 126 && value != nullptr)
    *value =
        static_cast<unsigned short>(processImageByte(number) << 8 | processImageByte(number + 1));
  return 0;
}

unsigned short S5AG_WriteInWord(short number, unsigned short value) {
  if (number < 0 || number > 126) return 0;
  processImageByte(number) = static_cast<uint8_t>(value >> 8);
  processImageByte(number + 1) = static_cast<uint8_t>(value);
  return 0;
}

unsigned short S5AG_ReadOutByte(short number, unsigned char* value) {
  if (number >= 0 && number <= 127 && value != nullptr)
    *value = processImageByte(kOutputOffset + number);
  return 0;
}

unsigned short S5AG_WriteOutByte(short number, unsigned char value) {
  if (number >= 0 && number <= 127) processImageByte(kOutputOffset + number) = value;
  return 0;
}

unsigned short S5AG_ReadOutWord(short number, unsigned short* value) {
  if (number >= 0 && number <= 126 && value != nullptr)
    *value = static_cast<unsigned short>(processImageByte(kOutputOffset + number) << 8 |
                                         processImageByte(kOutputOffset + number + 1));
  return 0;
}

unsigned short S5AG_WriteOutWord(short number, unsigned short value) {
  if (number < 0 || number > 126) return 0;
  processImageByte(kOutputOffset + number) = static_cast<uint8_t>(value >> 8);
  processImageByte(kOutputOffset + number + 1) = static_cast<uint8_t>(value);
  return 0;
}

unsigned short S5AG_ReadTimWord(short number, unsigned short* value) {
  if (number >= 0 && number <= 255 && value != nullptr)
    *value = areaWord(engine().image(), kTimers, static_cast<unsigned>(number));
  return 0;
}

unsigned short S5AG_WriteTimWord(short number, unsigned short value) {
  if (number >= 0 && number <= 255)
    setTimerFromS5Time(engine(), static_cast<unsigned>(number), value);
  return 0;
}

unsigned short S5AG_ReadCntWord(short number, unsigned short* value) {
  if (number >= 0 && number <= 255 && value != nullptr)
    *value = areaWord(engine().image(), kCounters, static_cast<unsigned>(number));
  return 0;
}

unsigned short S5AG_WriteCntWord(short number, unsigned short value) {
  if (number >= 0 && number <= 255)
    setAreaWord(engine().image(), kCounters, static_cast<unsigned>(number), value);
  return 0;
}

unsigned short S5AG_GetTimerWord(unsigned char number) {
  return areaWord(engine().image(), kTimers, number);
}

unsigned short S5AG_GetCounterWord(unsigned char number) {
  return areaWord(engine().image(), kCounters, number);
}

unsigned short S5AG_GetBSWord(unsigned char number) {
  return areaWord(engine().image(), kBs, number);
}

unsigned short S5AG_ReadWriteDatenwort(unsigned char read, unsigned char dbNumber, unsigned char dx,
                                       unsigned char firstWord, unsigned short count,
                                       unsigned short* buffer) {
  Engine& e = engine();
  if (e.image().runState == 0) return 4;
  const uint8_t type = dx != 0 ? kTypeDX : kTypeDB;
  const uint16_t entry = BlockEntry(e.image(), type, dbNumber);
  if (entry == 0) return 1;
  const uint16_t length = BlockLength(e, type, dbNumber);
  const unsigned dataWords = length >= kHeaderWords ? length - kHeaderWords : 0;
  if (firstWord >= dataWords) return 2;
  const RamView ram = ramView(e, ramFor(e, type));
  const unsigned copied = std::min<unsigned>(count, dataWords - firstWord);
  if (buffer != nullptr) {
    for (unsigned i = 0; i < copied; ++i) {
      const auto w = static_cast<uint16_t>(entry + firstWord + i);
      if (w >= ram.size) break;
      if (read != 0)
        buffer[i] = ram.word(w);
      else
        ram.setWord(w, buffer[i]);
    }
  }
  return copied == count ? 0 : 3;
}

unsigned short S5AG_GetOperandenPointer(unsigned char** bs, unsigned char** ba,
                                        unsigned char** timers, unsigned char** counters,
                                        unsigned char** flags, unsigned char** processImages,
                                        unsigned char** sFlags) {
  SimImage& img = engine().image();
  const auto at = [&](AreaStart area) { return &img.Space[hostIndex(img, img.areaStart[area])]; };
  if (bs != nullptr) *bs = at(kBs);
  if (ba != nullptr) *ba = at(kBa);
  if (timers != nullptr) *timers = at(kTimers);
  if (counters != nullptr) *counters = at(kCounters);
  if (flags != nullptr) *flags = at(kFlags);
  if (processImages != nullptr) *processImages = at(kProcessImage);
  if (sFlags != nullptr) *sFlags = at(kSFlags);
  return 1;
}

unsigned char* S5AG_GetPaePaaPtr(void) {
  SimImage& img = engine().image();
  return &img.Space[hostIndex(img, img.areaStart[kProcessImage])];
}

unsigned char* S5AG_GetMPtr(void) {
  SimImage& img = engine().image();
  return &img.Space[hostIndex(img, img.areaStart[kFlags])];
}

}  // extern "C"
