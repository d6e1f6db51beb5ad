// What every exported function of the link library shares: no exception leaves it, and the
// result codes of bad arguments and bad replies.
//
// Contents
//   guarded         runs an export's body; an exception becomes kUnexpected
//   result codes    kBadArgument, kBadReply, kUnexpected
#ifndef OUTSIDE_PGLINK_EXPORT_GUARD_H
#define OUTSIDE_PGLINK_EXPORT_GUARD_H

#include <exception>

#include "outside/pglink/telegram_link.h"

namespace tavrin::pglink {

inline constexpr unsigned short kBadArgument = 12;
inline constexpr unsigned short kBadReply = kReceiveProtocol;
inline constexpr unsigned short kUnexpected = 0xFFFF;

template <typename F>
unsigned short guarded(F&& body) {
  try {
    return body();
  } catch (const std::exception&) {
    return kUnexpected;
  }
}

}  // namespace tavrin::pglink

#endif
