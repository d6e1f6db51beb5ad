// Numbers as text in a buffer of each function's own, valid until that function's next call in
// the same thread.
#include <cstdio>

#include "utilkit/utilkit40.h"

extern "C" {

char* U_DWORDToStr(uint32_t value) {
  thread_local char text[16];
  std::snprintf(text, sizeof text, "%u", static_cast<unsigned>(value));
  return text;
}

char* U_BYTEToStr(unsigned char value) {
  thread_local char text[8];
  std::snprintf(text, sizeof text, "%u", static_cast<unsigned>(value));
  return text;
}

char* U_WORDToStr(unsigned short value) {
  thread_local char text[8];
  std::snprintf(text, sizeof text, "%u", static_cast<unsigned>(value));
  return text;
}

char* U_INT16ToStr(short value) {
  thread_local char text[8];
  std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
  return text;
}

// Room for the largest float in plain decimal notation (39 digits, sign, point and 4 places).
char* U_FloatToStr(float value) {
  thread_local char text[64];
  std::snprintf(text, sizeof text, "%2.4f", static_cast<double>(value));
  return text;
}

}  // extern "C"
