// A block of memory shared by every process of one user that attaches it by the same name (the
// simulated controller's record, read by views and by visualisation programs).
//
// Contents
//   SharedSectionPaths, sharedSectionPaths   the names behind a section
//   SharedSection::attach                    map a section, creating it afresh when alone
//   SharedSection                            the attached mapping (move-only; detaches itself)
//   SharedSectionAttach                      the result of attach: a section or an error text
//
// Windows removes a named section with its last user; a POSIX shared memory object stays until
// it is unlinked, also after a crash. To keep the Windows meaning every attached process holds a
// shared flock on a lock file beside the object. Attaching and detaching are serialised by an
// exclusive flock on a guard file. An attacher that can take the lock file exclusively is alone:
// whatever object it finds is stale (its last user died), so it truncates it to zero and then to
// the requested size (zero-filled) and runs the caller's initialisation while still exclusive.
// Otherwise the object is in use, and is mapped as it is. A detacher that can take the lock
// exclusively is the last user, and removes the object together with the lock and guard files.
// flock locks belong to an open file description, so two attaches within one process exclude
// each other just as two processes do.
//
// The object is "/<name>.<uid>", so users never share one; the lock and guard files are
// "<name>.<uid>.lock" and "<name>.<uid>.guard" in /dev/shm (in /tmp where there is no /dev/shm),
// created with mode 0600 and refused when another user owns them.
//
// After fork the child shares the parent's lock; a SharedSection that the child inherited only
// unmaps and closes in the child and never removes the section, so the parent's stays intact.
#ifndef PLATFORM_SHARED_SECTION_H
#define PLATFORM_SHARED_SECTION_H

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/unique_fd.h"

namespace tavrin::platform {

struct SharedSectionPaths {
  std::string objectName;  // for shm_open
  std::filesystem::path lockFile;
  std::filesystem::path guardFile;
};
SharedSectionPaths sharedSectionPaths(std::string_view name);

struct SharedSectionAttach;

class SharedSection {
 public:
  // Runs only for a fresh section, on zeroed memory, before any other process can map it. An
  // exception from it propagates, and the half-made section is removed.
  using Initialise = std::function<void(void* data, std::size_t size)>;

  // `name` must not be empty or contain '/'; `size` must not be 0. An existing section must be
  // at least `size` bytes long; the mapping is then `size` bytes of it.
  static SharedSectionAttach attach(std::string_view name, std::size_t size,
                                    const Initialise& initialise = {});

  SharedSection(SharedSection&& other) noexcept;
  SharedSection& operator=(SharedSection&& other) noexcept;
  SharedSection(const SharedSection&) = delete;
  SharedSection& operator=(const SharedSection&) = delete;
  ~SharedSection();

  void* data() const { return data_; }  // null after detach or a move
  std::size_t size() const { return size_; }
  bool createdFresh() const { return createdFresh_; }
  void detach() noexcept;

 private:
  SharedSection() = default;

  void* data_ = nullptr;
  std::size_t size_ = 0;
  bool createdFresh_ = false;
  int ownerPid_ = 0;
  UniqueFd lock_;
  SharedSectionPaths paths_;
};

struct SharedSectionAttach {
  std::optional<SharedSection> section;
  std::string error;  // why there is no section
  bool ok() const { return section.has_value(); }
};

}  // namespace tavrin::platform

#endif
