// libFuzzer target: arbitrary bytes on the programming-device line of a private controller.
#include <cstddef>
#include <cstdint>

#include "simcore/fuzz/pg_fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tavrin::simcore::fuzz::feedPgService(data, size);
  return 0;
}
