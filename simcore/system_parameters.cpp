#include "simcore/system_parameters.h"

namespace tavrin::simcore {

std::array<uint16_t, 22> systemParameterWords(const SimImage& s) {
  const bool word = s.AddrPerWord == 1;
  const auto list = [&](BlockCountSlot slot) {
    return static_cast<uint16_t>(s.blockCount[slot] * s.AddrPerWord);
  };
  return {0,
          0,
          s.areaStart[kProcessImage],
          static_cast<uint16_t>(s.areaStart[kProcessImage] + 128),
          s.areaStart[kFlags],
          s.areaStart[kTimers],
          s.areaStart[kCounters],
          word ? s.areaStart[kBa] : s.areaStart[kBs],
          s.AgSoftwareStand,
          static_cast<uint16_t>(s.areaStart[kS5Ram] + s.S5RAM_GROESSE * s.AddrPerWord),
          word ? s.areaStart[kBs] : uint16_t{0},
          list(kCountDB),
          list(kCountSB),
          list(kCountPB),
          list(kCountFB),
          list(kCountOB),
          list(kCountFX),
          list(kCountDX),
          s.db0Length,
          s.CPU2,
          static_cast<uint16_t>(5 * s.AddrPerWord),
          s.CPU1};
}

const uint8_t* buildSystemParameters(SimImage& img) {
  const auto words = systemParameterWords(img);
  static_assert(sizeof img.sysParam == 2 * words.size());
  for (std::size_t i = 0; i < words.size(); ++i) {
    img.sysParam[2 * i] = static_cast<uint8_t>(words[i] >> 8);
    img.sysParam[2 * i + 1] = static_cast<uint8_t>(words[i]);
  }
  return img.sysParam;
}

}  // namespace tavrin::simcore
