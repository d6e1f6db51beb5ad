// simcore32: the simulated S5 controller.
//
// Contents
//   1. S5 floating-point numbers    S5AG_S5LongToFloat, S5AG_FloatToS5Long
//
// Every export is extern "C", returns its result and never throws. 32-bit values are int32_t /
// uint32_t on every platform.
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

/* 1. S5 floating-point numbers (constant format KG) -------------------------------------------
   Bits 24..31 hold the exponent e as a two's-complement byte, bits 0..23 the mantissa m as a
   24-bit two's-complement number; the value is m * 2^(e - 23). Zero is 0x80000000. */
SIMCORE32_API float S5AG_S5LongToFloat(uint32_t s5Float);
SIMCORE32_API uint32_t S5AG_FloatToS5Long(float value);

#ifdef __cplusplus
}
#endif

#endif
