// The exported status functions of libpglink32: the status of variables and the block status
// over the open port.
#include <algorithm>
#include <span>
#include <vector>

#include "outside/pglink/driver.h"
#include "outside/pglink/export_guard.h"
#include "outside/pglink/pglink32.h"

using tavrin::pglink::As511Client;
using tavrin::pglink::Driver;
using tavrin::pglink::guarded;
using tavrin::pglink::kBadArgument;
using tavrin::pglink::kBadReply;
using tavrin::pglink::theDriver;

namespace {

// As much as the simulator's reply holds.
constexpr std::size_t kVariableReplyBytes = 401;
constexpr uint8_t kDle = 0x10;

bool requestOk(const unsigned char* request, short length, short least) {
  return length >= least && length % 2 == 0 && (request != nullptr || length == 0);
}

// A variable record is a DLE and a 0, then the reply bytes.
unsigned short replyBytes(const std::vector<uint8_t>& record, unsigned char* buffer) {
  if (record.size() < 2 || record[0] != kDle || record[1] != 0) return kBadReply;
  const std::size_t n = std::min(record.size() - 2, kVariableReplyBytes);
  std::copy_n(record.begin() + 2, n, buffer);
  return 0;
}

}  // namespace

extern "C" {

unsigned short AS511_StatusVarDaten(unsigned char* request, short length) {
  return guarded([&]() -> unsigned short {
    if (!requestOk(request, length, 0)) return kBadArgument;
    Driver& d = theDriver();
    d.variableRecord.reset();
    std::vector<uint8_t> record;
    const std::span<const uint8_t> items(request, static_cast<std::size_t>(length));
    if (const unsigned short e = d.run(
            [&](As511Client& c) { return c.variableStatus(items, d.statusTimeoutMs, record); }))
      return e;
    d.variableRecord = std::move(record);
    return 0;
  });
}

unsigned short AS511_StatusVarZykLesen(unsigned char* buffer) {
  return guarded([&]() -> unsigned short {
    if (buffer == nullptr) return kBadArgument;
    Driver& d = theDriver();
    std::vector<uint8_t> record;
    if (d.variableRecord) {
      record = std::move(*d.variableRecord);
      d.variableRecord.reset();
    } else if (const unsigned short e = d.run([&](As511Client& c) {
                 return c.nextVariableRecord(d.statusTimeoutMs, record);
               })) {
      return e;
    }
    return replyBytes(record, buffer);
  });
}

unsigned short AS511_StBstParam(short length, unsigned char* request, unsigned short offset) {
  return guarded([&]() -> unsigned short {
    if (!requestOk(request, length, 2)) return kBadArgument;
    const std::span<const uint8_t> items(request + 2, static_cast<std::size_t>(length - 2));
    return theDriver().run(
        [&](As511Client& c) { return c.blockStatus(request[0], request[1], offset, items); });
  });
}

unsigned short AS511_StatBstZyk(unsigned char* buffer, short maxItems, short* length,
                                short* notTriggered, unsigned char* ready) {
  return guarded([&]() -> unsigned short {
    if (buffer == nullptr || maxItems < 0) return kBadArgument;
    std::vector<uint8_t> record;
    bool recorded = false;
    if (const unsigned short e = theDriver().run([&](As511Client& c) -> uint16_t {
          const uint16_t taken = c.takeRecord(0, record);
          if (taken == tavrin::pglink::kNoRecord) return 0;
          if (taken != 0) return taken;
          recorded = true;
          return c.continueStatus();
        }))
      return e;
    if (recorded && record.size() % 2 != 0) return kBadReply;
    // The line carries each item high byte first; the caller's buffer holds it low byte first.
    const std::size_t items =
        std::min<std::size_t>(record.size() / 2, static_cast<std::size_t>(maxItems));
    for (std::size_t i = 0; i < items; ++i) {
      buffer[2 * i] = record[2 * i + 1];
      buffer[2 * i + 1] = record[2 * i];
    }
    if (length != nullptr) *length = static_cast<short>(2 * items);
    if (notTriggered != nullptr) *notTriggered = recorded ? 0 : 1;
    if (ready != nullptr) *ready = 1;
    return 0;
  });
}

unsigned short AS511_ParamAendern(void) {
  return guarded([]() -> unsigned short {
    Driver& d = theDriver();
    d.variableRecord.reset();
    return d.run([](As511Client& c) { return c.endStatus(); });
  });
}

unsigned short AS511_ResetAG(void) {
  return AS511_ParamAendern();
}

}  // extern "C"
