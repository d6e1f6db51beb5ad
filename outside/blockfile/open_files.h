// The table of open S5D files behind the handles of the public interface.
//
// Contents
//   OpenResult   a new handle, or the status of why there is none
//   OpenFiles    open (read, validate, create when missing), close, find by handle, compress
//
// Opening reads and checks the whole file; nothing is held open between calls. Handles that
// name the same file share one document, so a change through one is seen through the other.
// A closed handle's number is not given out again soon (numbers count up), so a stale handle
// finds nothing. The table is not locked: its user serialises the calls.
#ifndef OUTSIDE_BLOCKFILE_OPEN_FILES_H
#define OUTSIDE_BLOCKFILE_OPEN_FILES_H

#include <array>
#include <cstddef>
#include <memory>
#include <string>

#include "outside/blockfile/blockfile32.h"
#include "outside/blockfile/s5d_document.h"

namespace tavrin::blockfile {

struct OpenResult {
  S5DHandle handle = 0;
  int status = S5D_OK;
};

class OpenFiles {
 public:
  static constexpr std::size_t kMaxOpenFiles = 16;

  OpenResult open(const std::string& path);
  bool close(S5DHandle handle);
  // Null for a handle that is not open.
  S5DDocument* find(S5DHandle handle);
  // Reads and checks the file and writes it anew; a document open on it takes the blocks read.
  int compress(const std::string& path);

 private:
  struct Slot {
    S5DHandle handle = 0;
    std::shared_ptr<S5DDocument> document;
  };

  Slot* slotOf(S5DHandle handle);
  std::shared_ptr<S5DDocument> documentOf(const std::string& canonical) const;
  S5DHandle nextHandle();

  std::array<Slot, kMaxOpenFiles> slots_{};
  S5DHandle lastHandle_ = 0;
};

}  // namespace tavrin::blockfile

#endif
