// Waiting, and the local date and time.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <thread>

#include "utilkit/utilkit40.h"

namespace {

struct LocalTime {
  std::tm fields{};
  long hundredths = 0;
};

LocalTime now() {
  LocalTime local;
  std::timespec ts{};
  std::timespec_get(&ts, TIME_UTC);
  const std::time_t seconds = ts.tv_sec;
  localtime_r(&seconds, &local.fields);
  local.hundredths = ts.tv_nsec / 10'000'000;
  return local;
}

template <typename T>
void store(T* out, long value) {
  if (out != nullptr) *out = static_cast<T>(value);
}

}  // namespace

extern "C" {

// Sleeps instead of spinning; the steady clock keeps the wait right across clock changes.
void U_MyDelay(uint32_t milliseconds) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (std::chrono::steady_clock::now() < until)
    std::this_thread::sleep_until(until);
}

void U_GetAktuellesSystemDatum(unsigned short* day, unsigned short* month, unsigned short* year) {
  const std::tm t = now().fields;
  store(day, t.tm_mday);
  store(month, t.tm_mon + 1);
  store(year, t.tm_year + 1900L);
}

char* U_GetAktuellesSystemDatumStr(char* dest) {
  const std::tm t = now().fields;
  std::sprintf(dest, "%02d.%02d.%d", t.tm_mday, t.tm_mon + 1, t.tm_year + 1900);
  return dest;
}

void U_GetAktuelleSystemZeit(unsigned short* hour, unsigned short* minute, unsigned short* second,
                             unsigned short* hundredths) {
  const LocalTime local = now();
  store(hour, local.fields.tm_hour);
  store(minute, local.fields.tm_min);
  store(second, local.fields.tm_sec);
  store(hundredths, local.hundredths);
}

char* U_GetAktuelleSystemZeitStr(char* dest) {
  const std::tm t = now().fields;
  std::sprintf(dest, "%02d:%02d:%02d", t.tm_hour, t.tm_min, t.tm_sec);
  return dest;
}

void U_GetSystemZeit(uint32_t* hour, uint32_t* minute, uint32_t* second) {
  const std::tm t = now().fields;
  store(hour, t.tm_hour);
  store(minute, t.tm_min);
  store(second, t.tm_sec);
}

void U_GetSystemDatum(uint32_t* day, uint32_t* month, uint32_t* year) {
  const std::tm t = now().fields;
  store(day, t.tm_mday);
  store(month, t.tm_mon + 1);
  store(year, t.tm_year + 1900L);
}

}  // extern "C"
