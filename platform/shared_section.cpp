#include "platform/shared_section.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace tavrin::platform {

namespace fs = std::filesystem;

namespace {

std::string errnoText(std::string_view what, std::string_view subject) {
  return std::string(what) + " " + std::string(subject) + ": " + std::strerror(errno);
}

int flockRetrying(int fd, int operation) {
  int rc;
  do {
    rc = ::flock(fd, operation);
  } while (rc != 0 && errno == EINTR);
  return rc;
}

bool ownedByUs(int fd) {
  struct stat st {};
  return ::fstat(fd, &st) == 0 && st.st_uid == ::geteuid();
}

bool sameFile(int fd, const fs::path& path) {
  struct stat held {};
  struct stat named {};
  return ::fstat(fd, &held) == 0 && ::stat(path.c_str(), &named) == 0 &&
         held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

UniqueFd openLockFile(const fs::path& path, std::string& error) {
  UniqueFd fd(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
  if (!fd.valid()) {
    error = errnoText("cannot open", path.string());
    return fd;
  }
  if (!ownedByUs(fd.get())) {
    error = "belongs to another user: " + path.string();
    fd.reset();
  }
  return fd;
}

// The last detacher removes the guard file while it holds it, so a lock taken on a file that has
// meanwhile been removed guards nothing: then open the new one and lock again.
UniqueFd takeGuard(const fs::path& path, std::string& error) {
  for (;;) {
    UniqueFd fd = openLockFile(path, error);
    if (!fd.valid()) return fd;
    if (flockRetrying(fd.get(), LOCK_EX) != 0) {
      error = errnoText("cannot lock", path.string());
      return UniqueFd();
    }
    if (sameFile(fd.get(), path)) return fd;
  }
}

// Only while holding the guard and the lock exclusively: nobody else has the section mapped or
// is about to map it.
void removeSection(const SharedSectionPaths& paths) {
  ::shm_unlink(paths.objectName.c_str());
  ::unlink(paths.lockFile.c_str());
  ::unlink(paths.guardFile.c_str());
}

class Mapping {
 public:
  Mapping() = default;
  Mapping(const Mapping&) = delete;
  Mapping& operator=(const Mapping&) = delete;
  ~Mapping() {
    if (data_ != nullptr) ::munmap(data_, size_);
  }
  bool map(int fd, std::size_t size) {
    void* data = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (data == MAP_FAILED) return false;
    data_ = data;
    size_ = size;
    return true;
  }
  void* data() const { return data_; }
  void* release() { return std::exchange(data_, nullptr); }

 private:
  void* data_ = nullptr;
  std::size_t size_ = 0;
};

std::string checkName(std::string_view name, std::size_t size) {
  if (name.empty()) return "a shared section needs a name";
  if (name.find_first_of(std::string_view("/\0", 2)) != std::string_view::npos)
    return "a shared section name must not contain '/': " + std::string(name);
  if (sharedSectionPaths(name).guardFile.filename().string().size() > NAME_MAX)
    return "shared section name too long: " + std::string(name);
  if (size == 0) return "a shared section needs a size";
  return {};
}

// Alone: whatever object exists is left from a process that died; start it afresh.
std::string createFresh(const SharedSectionPaths& paths, std::size_t size, Mapping& mapping) {
  UniqueFd object(::shm_open(paths.objectName.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
  if (!object.valid()) return errnoText("cannot create shared section", paths.objectName);
  if (!ownedByUs(object.get())) return "belongs to another user: " + paths.objectName;
  if (::ftruncate(object.get(), 0) != 0 || ::ftruncate(object.get(), static_cast<off_t>(size)) != 0)
    return errnoText("cannot size shared section", paths.objectName);
  if (!mapping.map(object.get(), size))
    return errnoText("cannot map shared section", paths.objectName);
  return {};
}

std::string openExisting(const SharedSectionPaths& paths, std::size_t size, Mapping& mapping) {
  UniqueFd object(::shm_open(paths.objectName.c_str(), O_RDWR | O_CLOEXEC, 0));
  if (!object.valid()) return errnoText("cannot open shared section in use", paths.objectName);
  struct stat st {};
  if (::fstat(object.get(), &st) != 0)
    return errnoText("cannot stat shared section", paths.objectName);
  if (static_cast<std::size_t>(st.st_size) < size)
    return "shared section " + paths.objectName + " in use has " + std::to_string(st.st_size) +
           " bytes, fewer than " + std::to_string(size);
  if (!mapping.map(object.get(), size))
    return errnoText("cannot map shared section", paths.objectName);
  return {};
}

}  // namespace

SharedSectionPaths sharedSectionPaths(std::string_view name) {
  const std::string base = std::string(name) + "." + std::to_string(::getuid());
  std::error_code ec;
  const fs::path dir = fs::is_directory("/dev/shm", ec) ? "/dev/shm" : "/tmp";
  return {"/" + base, dir / (base + ".lock"), dir / (base + ".guard")};
}

SharedSectionAttach SharedSection::attach(std::string_view name, std::size_t size,
                                          const Initialise& initialise) {
  SharedSectionAttach result;
  result.error = checkName(name, size);
  if (!result.error.empty()) return result;

  SharedSectionPaths paths = sharedSectionPaths(name);
  const UniqueFd guard = takeGuard(paths.guardFile, result.error);
  if (!guard.valid()) return result;
  UniqueFd lock = openLockFile(paths.lockFile, result.error);
  if (!lock.valid()) return result;

  Mapping mapping;
  bool fresh = false;
  if (flockRetrying(lock.get(), LOCK_EX | LOCK_NB) == 0) {
    fresh = true;
    result.error = createFresh(paths, size, mapping);
    if (result.error.empty() && initialise) {
      try {
        initialise(mapping.data(), size);
      } catch (...) {
        removeSection(paths);
        throw;
      }
    }
    if (result.error.empty() && flockRetrying(lock.get(), LOCK_SH) != 0)
      result.error = errnoText("cannot share the lock", paths.lockFile.string());
    if (!result.error.empty()) removeSection(paths);
  } else if (errno == EWOULDBLOCK) {
    if (flockRetrying(lock.get(), LOCK_SH) != 0)
      result.error = errnoText("cannot lock", paths.lockFile.string());
    else
      result.error = openExisting(paths, size, mapping);
  } else {
    result.error = errnoText("cannot lock", paths.lockFile.string());
  }
  if (!result.error.empty()) return result;

  SharedSection section;
  section.data_ = mapping.release();
  section.size_ = size;
  section.createdFresh_ = fresh;
  section.ownerPid_ = ::getpid();
  section.lock_ = std::move(lock);
  section.paths_ = std::move(paths);
  result.section.emplace(std::move(section));
  return result;
}

SharedSection::SharedSection(SharedSection&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      createdFresh_(other.createdFresh_),
      ownerPid_(other.ownerPid_),
      lock_(std::move(other.lock_)),
      paths_(std::move(other.paths_)) {}

SharedSection& SharedSection::operator=(SharedSection&& other) noexcept {
  if (this != &other) {
    detach();
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
    createdFresh_ = other.createdFresh_;
    ownerPid_ = other.ownerPid_;
    lock_ = std::move(other.lock_);
    paths_ = std::move(other.paths_);
  }
  return *this;
}

SharedSection::~SharedSection() {
  detach();
}

void SharedSection::detach() noexcept {
  if (data_ == nullptr) return;
  ::munmap(data_, size_);
  data_ = nullptr;
  size_ = 0;
  if (ownerPid_ == ::getpid()) {
    try {
      std::string error;
      const UniqueFd guard = takeGuard(paths_.guardFile, error);
      // Without the guard the section is left in place; the next attacher that finds the lock
      // free starts it afresh anyway.
      if (guard.valid() && flockRetrying(lock_.get(), LOCK_EX | LOCK_NB) == 0)
        removeSection(paths_);
      lock_.reset();
    } catch (...) {
      // Only allocation can throw here; closing the lock is all that matters then.
    }
  }
  lock_.reset();  // in a forked child: closes only the child's copy, the parent keeps its lock
}

}  // namespace tavrin::platform
