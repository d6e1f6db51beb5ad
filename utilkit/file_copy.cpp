// Copying one file so that a failed copy never costs the existing target: the data goes into a
// new file beside the target, which replaces the target by rename only when the copy is complete.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>

#include "utilkit/case_insensitive_name.h"
#include "utilkit/library_paths.h"
#include "utilkit/utilkit40.h"

namespace fs = std::filesystem;

namespace tavrin::utilkit {

namespace {

// Closes a descriptor on every way out of a function.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  // Closes now and reports whether the last writes reached the file.
  bool close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool writeAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

bool copyContents(int from, int to) {
  char block[16384];
  for (;;) {
    const ssize_t got = ::read(from, block, sizeof block);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) return true;
    if (!writeAll(to, block, static_cast<std::size_t>(got))) return false;
  }
}

// Creates a new file beside `target` under a name no other file has; -1 when that fails.
int createWorkFile(const fs::path& target, fs::path& work) {
  static std::atomic<unsigned> counter{0};
  const fs::path directory = target.parent_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    // Short and independent of the target's name, so that it fits whatever that name's length.
    const std::string name =
        ".~copy-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
    work = directory / name;
    const int fd = ::open(work.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

}  // namespace

bool copyFileReplacingTarget(const fs::path& target, const fs::path& source) {
  // O_NONBLOCK keeps a named pipe from stalling the open; only regular files are copied.
  Descriptor from(::open(source.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (!from.valid()) return false;
  struct stat sourceInfo {};
  if (::fstat(from.get(), &sourceInfo) != 0 || !S_ISREG(sourceInfo.st_mode)) return false;
  struct stat targetInfo {};
  if (::stat(target.c_str(), &targetInfo) == 0 &&
      (S_ISDIR(targetInfo.st_mode) ||
       (targetInfo.st_dev == sourceInfo.st_dev && targetInfo.st_ino == sourceInfo.st_ino)))
    return false;

  fs::path work;
  Descriptor to(createWorkFile(target, work));
  if (!to.valid()) return false;
  const bool copied = copyContents(from.get(), to.get());
  const bool closed = to.close();
  if (copied && closed && ::rename(work.c_str(), target.c_str()) == 0) return true;
  ::unlink(work.c_str());
  return false;
}

}  // namespace tavrin::utilkit

extern "C" {

// Both names are found whatever their case, so that an existing target keeps its spelling.
unsigned char U_DateiKopieren(const char* target, const char* source) {
  if (target == nullptr || source == nullptr) return 0;
  try {
    using namespace tavrin::utilkit;
    return copyFileReplacingTarget(resolveNameCase(toPath(target)), resolveNameCase(toPath(source)))
               ? 1
               : 0;
  } catch (...) {
    return 0;
  }
}

}  // extern "C"
