// The exported functions of libpglink32: arguments checked, the job run on the driver, results
// as the callers expect them. No exception leaves a function.
#include <algorithm>
#include <cstring>
#include <vector>

#include "outside/pglink/driver.h"
#include "outside/pglink/export_guard.h"
#include "outside/pglink/pglink32.h"

using tavrin::pglink::As511Client;
using tavrin::pglink::Driver;
using tavrin::pglink::guarded;
using tavrin::pglink::imageWord;
using tavrin::pglink::kBadArgument;
using tavrin::pglink::kBadReply;
using tavrin::pglink::theDriver;

namespace {

constexpr unsigned short kPortMissing = 39;
constexpr unsigned short kPortNotConfigurable = 170;
constexpr unsigned short kNoSuchBlock = tavrin::pglink::kBlockMissing;
constexpr unsigned short kNoSuchHeader = 18;
constexpr std::size_t kBlockBufferBytes = 20010;
constexpr std::size_t kHeaderBytes = 10;
constexpr uint8_t kTypeDB = 0x01;
constexpr uint8_t kTypeDX = 0x0C;
// Image words of the area starts.
constexpr unsigned kInputsWord = 2, kOutputsWord = 3, kFlagsWord = 4, kTimersWord = 5,
                   kCountersWord = 6, kSystemDataWord = 7;

bool blockNumberOk(short type, short number) {
  return type > 0 && type < 0x20 && number >= 0 && number <= 255;
}

// The reply's data after its status byte; `missing` when the status says there is nothing.
unsigned short dataAfterStatus(std::vector<uint8_t>& reply, unsigned short missing) {
  if (reply.empty()) return kBadReply;
  if (reply[0] != 0) return missing;
  reply.erase(reply.begin());
  return 0;
}

// Byte `number` of an area that starts at image word `startWord`.
unsigned short areaByte(unsigned startWord, short number, bool write, unsigned char& value) {
  if (number < 0 || number > 255) return kBadArgument;
  Driver& d = theDriver();
  std::vector<uint8_t> image;
  unsigned units = 2;
  if (const unsigned short e = d.systemParameters(image)) return e;
  if (const unsigned short e = d.addressUnitsPerWord(units)) return e;
  const uint32_t start = imageWord(image, startWord);
  if (units == 2) {
    const uint32_t address = start + static_cast<unsigned>(number);
    return write ? d.writeMemory(address, 1, &value) : d.readMemory(address, 1, &value);
  }
  // A word-addressed controller holds two bytes in a word, the even byte high.
  const uint32_t address = start + static_cast<unsigned>(number) / 2;
  uint8_t word[2] = {};
  if (const unsigned short e = d.readMemory(address, 2, word)) return e;
  uint8_t& byte = word[number % 2];
  if (!write) {
    value = byte;
    return 0;
  }
  byte = value;
  return d.writeMemory(address, 2, word);
}

unsigned short areaWord(unsigned startWord, short number, unsigned short value) {
  if (number < 0 || number > 255) return kBadArgument;
  Driver& d = theDriver();
  std::vector<uint8_t> image;
  unsigned units = 2;
  if (const unsigned short e = d.systemParameters(image)) return e;
  if (const unsigned short e = d.addressUnitsPerWord(units)) return e;
  const uint32_t address = imageWord(image, startWord) + static_cast<unsigned>(number) * units;
  const uint8_t bytes[2] = {static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value)};
  return d.writeMemory(address, 2, bytes);
}

unsigned short readHeader(uint8_t type, short number, unsigned char* buffer) {
  if (buffer == nullptr || number < 0 || number > 255) return kBadArgument;
  std::vector<uint8_t> reply;
  if (const unsigned short e = theDriver().run([&](As511Client& c) {
        return c.readBlockHeader(type, static_cast<uint8_t>(number), reply);
      }))
    return e;
  if (const unsigned short e = dataAfterStatus(reply, kNoSuchHeader)) return e;
  // The body address is left out when it is 0.
  if (reply.size() == kHeaderBytes) reply.insert(reply.begin(), {0, 0});
  if (reply.size() != kHeaderBytes + 2) return kBadReply;
  std::memset(buffer, 0, 20);
  std::copy(reply.begin(), reply.end(), buffer);
  return 0;
}

}  // namespace

extern "C" {

unsigned short AS511_SetPortDevice(unsigned char port, const char* device) {
  return guarded([&]() -> unsigned short {
    if (port < 1 || port > 4 || device == nullptr || *device == '\0') return kBadArgument;
    theDriver().portDevices[port - 1] = device;
    return 0;
  });
}

unsigned short AS511_InitPg(unsigned char port, int32_t baud) {
  return guarded([&]() -> unsigned short {
    if (port < 1 || port > 4) return kPortMissing;
    Driver& d = theDriver();
    d.systemImage.reset();
    if (baud <= 0 || !tavrin::pglink::SerialDevice::supportedBaud(static_cast<uint32_t>(baud)))
      return kPortNotConfigurable;
    switch (d.device.open(d.portDevices[port - 1], static_cast<uint32_t>(baud))) {
      case tavrin::pglink::SerialOpen::Opened:
        return 0;
      case tavrin::pglink::SerialOpen::Missing:
        return kPortMissing;
      case tavrin::pglink::SerialOpen::NotConfigurable:
        break;
    }
    return kPortNotConfigurable;
  });
}

unsigned short AS511_ExitPg(void) {
  return guarded([]() -> unsigned short {
    theDriver().device.close();
    theDriver().systemImage.reset();
    theDriver().variableRecord.reset();
    return 0;
  });
}

unsigned short AS511_SetTimeOut(unsigned short ms) {
  theDriver().timing.timeoutMs = ms;
  return 0;
}
unsigned short AS511_SetTimeOutStatus(unsigned short ms) {
  theDriver().statusTimeoutMs = ms;
  return 0;
}
unsigned short AS511_SetAnzByteJePaket(unsigned short bytes) {
  if (bytes < 2) return kBadArgument;
  theDriver().bytesPerPacket = bytes;
  return 0;
}
unsigned short AS511_SetDelayJeChar(unsigned short ms) {
  theDriver().timing.delayPerCharMs = ms;
  return 0;
}
unsigned short AS511_SetDelayJePaket(unsigned short ms) {
  theDriver().delayPerPacketMs = ms;
  return 0;
}
unsigned short AS511_SetMaxKompriZeit(int32_t ms) {
  if (ms <= 0) return kBadArgument;
  theDriver().maxCompressMs = ms;
  return 0;
}
int32_t AS511_GetMaxKompriZeit(void) {
  return theDriver().maxCompressMs;
}

unsigned short AS511_SetTrace(unsigned char on) {
  return guarded([&]() -> unsigned short {
    Driver& d = theDriver();
    if (on == 0) {
      d.trace.close();
      return 0;
    }
    return d.trace.open("TRACE_PG.TXT") ? 0 : kBadArgument;
  });
}

unsigned short AS511_GetFehlerFnc(void) {
  return theDriver().lastFunction;
}

unsigned char AS511_Ist20BitAGPresent(void) {
  return 0;
}

unsigned short AS511_Sysinit(unsigned char* buffer, short* length) {
  return guarded([&]() -> unsigned short {
    if (buffer == nullptr) return kBadArgument;
    std::vector<uint8_t> image;
    if (const unsigned short e = theDriver().systemParameters(image)) return e;
    std::copy(image.begin(), image.end(), buffer);
    if (length != nullptr) *length = static_cast<short>(image.size());
    return 0;
  });
}

unsigned short AS511_GetSysParam(syspar* p) {
  return guarded([&]() -> unsigned short {
    if (p == nullptr) return kBadArgument;
    std::vector<uint8_t> image;
    // A new request each time: the layer asks once per connection and wants today's values.
    theDriver().systemImage.reset();
    if (const unsigned short e = theDriver().systemParameters(image)) return e;
    *p = syspar{};
    p->paeStart = imageWord(image, 2);
    p->paaStart = imageWord(image, 3);
    p->flagsStart = imageWord(image, 4);
    p->timersStart = imageWord(image, 5);
    p->countersStart = imageWord(image, 6);
    p->baOrBsStart = imageWord(image, 7);
    p->softwareVersion = static_cast<int16_t>(imageWord(image, 8));
    p->s5EndAddress = imageWord(image, 9);
    // Byte-addressed controllers name their system data in word 7, word-addressed in word 10.
    p->bsStart = imageWord(image, 20) < 6 ? imageWord(image, 10) : imageWord(image, 7);
    for (unsigned i = 0; i < 7; ++i)
      p->listLength[i] = imageWord(image, 11 + i);
    p->db0Length = imageWord(image, 18);
    p->cpu2 = imageWord(image, 19);
    p->headerLength = imageWord(image, 20);
    p->cpu1 = imageWord(image, 21);
    return 0;
  });
}

unsigned short AS511_SPaus(unsigned char* buffer) {
  return guarded([&]() -> unsigned short {
    if (buffer == nullptr) return kBadArgument;
    std::vector<uint8_t> reply;
    if (const unsigned short e =
            theDriver().run([&](As511Client& c) { return c.memoryConfiguration(reply); }))
      return e;
    if (const unsigned short e = dataAfterStatus(reply, kBadReply)) return e;
    if (reply.size() < 4) return kBadReply;
    std::copy_n(reply.begin(), 4, buffer);
    return 0;
  });
}

unsigned short AS511_AdrReadLoLevel(uint32_t address, unsigned short length,
                                    unsigned char* buffer) {
  return guarded([&]() -> unsigned short {
    if (buffer == nullptr || address > 0xFFFF) return kBadArgument;
    return theDriver().readMemory(address, length, buffer);
  });
}

unsigned short AS511_AdrWriteLoLevel(uint32_t address, unsigned short length,
                                     unsigned char* buffer) {
  return guarded([&]() -> unsigned short {
    if (buffer == nullptr || address > 0xFFFF) return kBadArgument;
    return theDriver().writeMemory(address, length, buffer);
  });
}

unsigned short AS511_BstWrite(short type, short number, short length, unsigned char* bytes) {
  return guarded([&]() -> unsigned short {
    if (bytes == nullptr || !blockNumberOk(type, number) || length < 5) return kBadArgument;
    const std::size_t size = static_cast<std::size_t>(length) * 2;
    // The stream names its own block: it must be the one the caller asks for.
    if (bytes[2] != static_cast<uint8_t>(type) || bytes[3] != static_cast<uint8_t>(number))
      return kBadArgument;
    return theDriver().run([&](As511Client& c) { return c.writeBlock({bytes, size}); });
  });
}

unsigned short AS511_BstRead(short type, short number, unsigned char* buffer, short* length) {
  return guarded([&]() -> unsigned short {
    if (buffer == nullptr || !blockNumberOk(type, number)) return kBadArgument;
    std::vector<uint8_t> reply;
    if (const unsigned short e = theDriver().run([&](As511Client& c) {
          return c.readBlock(static_cast<uint8_t>(type), static_cast<uint8_t>(number), reply);
        }))
      return e;
    if (const unsigned short e = dataAfterStatus(reply, kNoSuchBlock)) return e;
    if (reply.size() < kHeaderBytes || reply.size() % 2 != 0) return kBadReply;
    if (reply.size() > kBlockBufferBytes) return tavrin::pglink::kBufferTooSmall;
    std::copy(reply.begin(), reply.end(), buffer);
    if (length != nullptr) *length = static_cast<short>(reply.size() - kHeaderBytes);
    return 0;
  });
}

unsigned short AS511_BstVorhanden(short type, short number, short* length, unsigned char* exists) {
  return guarded([&]() -> unsigned short {
    if (!blockNumberOk(type, number)) return kBadArgument;
    unsigned char header[20] = {};
    const unsigned short e = readHeader(static_cast<uint8_t>(type), number, header);
    if (e != 0 && e != kNoSuchHeader) return e;
    if (exists != nullptr) *exists = e == 0 ? 1 : 0;
    // Header word 4 holds the block's length in words.
    if (length != nullptr) *length = e == 0 ? static_cast<short>(header[10] << 8 | header[11]) : 0;
    return 0;
  });
}

unsigned short AS511_ReadBuch(short type, unsigned short* buffer, unsigned short* count) {
  return guarded([&]() -> unsigned short {
    if (buffer == nullptr || type <= 0 || type >= 0x20) return kBadArgument;
    std::vector<uint8_t> reply;
    if (const unsigned short e = theDriver().run(
            [&](As511Client& c) { return c.readDirectory(static_cast<uint8_t>(type), reply); }))
      return e;
    if (const unsigned short e = dataAfterStatus(reply, kBadReply)) return e;
    const std::size_t n = std::min<std::size_t>(reply.size() / 2, 256);
    for (std::size_t i = 0; i < n; ++i)
      buffer[i] = static_cast<unsigned short>(reply[2 * i] << 8 | reply[2 * i + 1]);
    if (count != nullptr) *count = static_cast<unsigned short>(n);
    return 0;
  });
}

unsigned short AS511_ReadKopfDB(short number, unsigned char* buffer) {
  return guarded([&] { return readHeader(kTypeDB, number, buffer); });
}
unsigned short AS511_ReadKopfDX(short number, unsigned char* buffer) {
  return guarded([&] { return readHeader(kTypeDX, number, buffer); });
}

unsigned short AS511_BstErase(short type, short number) {
  return guarded([&]() -> unsigned short {
    if (!blockNumberOk(type, number)) return kBadArgument;
    return theDriver().run([&](As511Client& c) {
      return c.eraseBlock(static_cast<uint8_t>(type), static_cast<uint8_t>(number));
    });
  });
}

unsigned short AS511_AGErase(void) {
  return guarded([] { return theDriver().run([](As511Client& c) { return c.overallReset(); }); });
}

unsigned short AS511_Komprim(void) {
  return guarded([] { return theDriver().run([](As511Client& c) { return c.compress(); }); });
}

unsigned short AS511_StartAg(unsigned short kind) {
  return guarded([&]() -> unsigned short {
    if (kind != 1 && kind != 2) return kBadArgument;
    return theDriver().run([&](As511Client& c) { return c.start(static_cast<uint8_t>(kind)); });
  });
}

unsigned short AS511_StopAg(void) {
  return guarded([] { return theDriver().run([](As511Client& c) { return c.stop(); }); });
}

unsigned short AS511_RdUStack(unsigned char* buffer, short* length) {
  return guarded([&]() -> unsigned short {
    if (buffer == nullptr) return kBadArgument;
    std::vector<uint8_t> reply;
    if (const unsigned short e =
            theDriver().run([&](As511Client& c) { return c.readUstack(reply); }))
      return e;
    if (const unsigned short e = dataAfterStatus(reply, kBadReply)) return e;
    std::copy(reply.begin(), reply.begin() + std::min<std::size_t>(reply.size(), 500), buffer);
    if (length != nullptr) *length = static_cast<short>(std::min<std::size_t>(reply.size(), 500));
    return 0;
  });
}

unsigned short AS511_BStack(unsigned char* buffer, short* length) {
  return guarded([&]() -> unsigned short {
    if (buffer == nullptr) return kBadArgument;
    std::vector<uint8_t> reply;
    if (const unsigned short e =
            theDriver().run([&](As511Client& c) { return c.readBstack(reply); }))
      return e;
    if (const unsigned short e = dataAfterStatus(reply, kBadReply)) return e;
    // A block stack image is read into a buffer of 500 bytes.
    const std::size_t n = std::min<std::size_t>(reply.size(), 500);
    std::copy_n(reply.begin(), n, buffer);
    if (length != nullptr) *length = static_cast<short>(n);
    return 0;
  });
}

unsigned short AS511_RdStBits(unsigned char* buffer) {
  return guarded([&]() -> unsigned short {
    if (buffer == nullptr) return kBadArgument;
    Driver& d = theDriver();
    std::vector<uint8_t> image;
    unsigned units = 2;
    if (const unsigned short e = d.systemParameters(image)) return e;
    if (const unsigned short e = d.addressUnitsPerWord(units)) return e;
    // The control bits stand 10 bytes (5 words) into the system data.
    const unsigned systemData = imageWord(image, units == 1 ? 10 : kSystemDataWord);
    return d.readMemory(systemData + (units == 1 ? 5 : 10), units == 1 ? 8 : 6, buffer);
  });
}

unsigned short AS511_WriteInByte(short number, unsigned char value) {
  return guarded([&] { return areaByte(kInputsWord, number, true, value); });
}
unsigned short AS511_WriteOutByte(short number, unsigned char value) {
  return guarded([&] { return areaByte(kOutputsWord, number, true, value); });
}
unsigned short AS511_WriteMerkByte(short number, unsigned char value) {
  return guarded([&] { return areaByte(kFlagsWord, number, true, value); });
}
unsigned short AS511_ReadInByte(short number, unsigned char* value) {
  return guarded([&]() -> unsigned short {
    if (value == nullptr) return kBadArgument;
    return areaByte(kInputsWord, number, false, *value);
  });
}
unsigned short AS511_ReadOutByte(short number, unsigned char* value) {
  return guarded([&]() -> unsigned short {
    if (value == nullptr) return kBadArgument;
    return areaByte(kOutputsWord, number, false, *value);
  });
}
unsigned short AS511_ReadMerkByte(short number, unsigned char* value) {
  return guarded([&]() -> unsigned short {
    if (value == nullptr) return kBadArgument;
    return areaByte(kFlagsWord, number, false, *value);
  });
}
unsigned short AS511_WriteTimWord(short number, unsigned short value) {
  return guarded([&] { return areaWord(kTimersWord, number, value); });
}
unsigned short AS511_WriteCntWord(short number, unsigned short value) {
  return guarded([&] { return areaWord(kCountersWord, number, value); });
}

}  // extern "C"
