#include "simcore/fuzz/pg_fuzz_input.h"

#include <memory>
#include <string>
#include <vector>

#include "platform/millisecond_clock.h"
#include "simcore/engine.h"
#include "simcore/simcore32.h"

namespace tavrin::simcore::fuzz {

namespace {

struct Line {
  const uint8_t* data = nullptr;
  std::size_t size = 0;
  std::size_t taken = 0;
  PgFeedResult result;
};
Line line;

unsigned short receive() {
  if (line.taken >= line.size) return 0;
  return static_cast<unsigned short>(line.data[line.taken++] << 8 | 1);
}

unsigned char send(unsigned char) {
  ++line.result.sent;
  return 1;
}

void clear(unsigned char) {
  ++line.result.clears;
}

void installLine(bool on) {
  S5AG_SetFncPtrCharSenden(nullptr);
  S5AG_SetSendeFachPtr(nullptr);
  S5AG_SetFncPtrCharSendenC(on ? send : nullptr);
  S5AG_SetFncPtrCharEmpfangen(on ? receive : nullptr);
  S5AG_SetFncPtrCharEmpfangenPoll(on ? receive : nullptr);
  S5AG_SetFncPtrClearComBuffer(on ? clear : nullptr);
  S5AG_SetFncPtrDelay(nullptr);
}

void writeBlock(uint8_t type, uint8_t number, std::vector<uint16_t> body) {
  std::vector<uint16_t> words = {0x7070, static_cast<uint16_t>(type << 8 | number), 0, 0,
                                 static_cast<uint16_t>(body.size() + 5)};
  words.insert(words.end(), body.begin(), body.end());
  std::vector<unsigned char> bytes;
  for (uint16_t w : words) {
    bytes.push_back(static_cast<unsigned char>(w >> 8));
    bytes.push_back(static_cast<unsigned char>(w));
  }
  S5AG_BstWrite(type, number, static_cast<short>(words.size()), bytes.data(), 0);
}

// OB1 calls PB16 (a number that is a DLE on the line), DB1 holds DLE words.
void loadProgram() {
  writeBlock(0x10, 1, {0x3D10, 0x6500});
  writeBlock(0x04, 16, {0x3004, 0x1010, 0x8000, 0x6500});
  writeBlock(0x01, 1, {0x1010, 0x0010, 0x1000});
}

// The controller of each choice is set up once; every input starts from a copy of it.
const SimImage& preparedController(uint8_t choice, platform::ManualMillisecondClock& clock) {
  static std::unique_ptr<SimImage> prepared[4];
  std::unique_ptr<SimImage>& image = prepared[choice & 0x03];
  if (!image) {
    attachPrivate();
    engine().setClock(&clock);
    S5AG_SimulatorInit("");
    if ((choice & 0x02) != 0)
      S5AG_AGAktivieren((std::string(TAVRIN_SOURCE_DATA_DIR) + "/S5-115U.AG").c_str());
    loadProgram();
    if ((choice & 0x01) != 0) {
      S5AG_StartAg(21);
      S5AG_Step5Zyklus();
    }
    image = std::make_unique<SimImage>(engine().image());
  }
  return *image;
}

}  // namespace

PgFeedResult feedPgService(const uint8_t* data, std::size_t size) {
  static platform::ManualMillisecondClock clock(1000);
  const uint8_t options = size > 0 ? data[0] : 0;
  const SimImage& prepared = preparedController(options, clock);
  Engine& e = engine();
  if (!e.attached() || e.shared()) attachPrivate();
  e.image() = prepared;
  e.setClock(&clock);
  e.importBuffer = nullptr;
  e.pgStatusOpen = false;
  e.pgVariablesDue = false;
  e.lastRecordedSaz = -1;
  e.lastBackgroundMs = 0;
  line = {data, size, size > 0 ? 1u : 0u, {}};
  installLine(true);
  // Every call takes at least the character it polls for, so this ends.
  while (line.taken < line.size) {
    S5AG_PGAnfragePruefen();
    ++line.result.requests;
    if ((options & 0x04) != 0) {
      clock.advance(10);
      S5AG_Step5Zyklus();
    }
  }
  S5AG_PGAnfragePruefen();  // a status record may still be due
  ++line.result.requests;
  installLine(false);
  e.setClock(nullptr);
  const PgFeedResult result = line.result;
  line = {};
  return result;
}

}  // namespace tavrin::simcore::fuzz
