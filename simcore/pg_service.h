// The controller's side of AS511: one programming-device request per call, over the character
// callbacks of the engine's line (pg_link.h).
//
// A request runs:
//   1. partner STX (anything else is discarded and the receive buffer emptied); the
//      communication error flag is cleared
//   2. controller DLE ACK; partner the job code, with or without a DLE ETX after it
//   3. jobs 0x80 (next status record) and 0x81 (end of status): controller DLE ACK STX,
//      partner DLE ACK; for 0x81 controller DC1 DLE ETX, partner DLE ACK. Nothing follows.
//   4. any other job: controller STX, partner DLE ACK; controller SYN DLE ETX (accepted) or
//      0D 02 DLE ETX (refused: jobs 0x11, 0x1C, 0x1D in RUN, and job codes it does not know),
//      partner DLE ACK
//   5. the job's exchange (pg_jobs.h)
//   6. except for 0x14, 0x15 and refused jobs: controller STX, partner DLE ACK, controller
//      DC2 DLE ETX, partner DLE ACK
// A step that fails (a failed send or receive, a character the step does not allow, a data part
// that is too long or malformed) empties the receive buffer and ends the request; nothing of a
// request is kept for the next call. After the request, a complete status record of an open
// status exchange is sent.
#ifndef SIMCORE_PG_SERVICE_H
#define SIMCORE_PG_SERVICE_H

#include "simcore/engine.h"

namespace tavrin::simcore {

// Marks the service busy in the record while it runs.
void servePgRequest(Engine& engine);

}  // namespace tavrin::simcore

#endif
