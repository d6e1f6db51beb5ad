#include "outside/blockfile/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <memory>

#include "outside/blockfile/blockfile32.h"

namespace tavrin::blockfile {
namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  // Closes now, so that a late write error is seen; errno is kept on failure.
  bool close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool writeAll(int fd, std::span<const std::uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(written);
  }
  return true;
}

std::string directoryOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string temporaryName(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  const std::size_t slash = path.rfind('/');
  const std::string directory = slash == std::string::npos ? "" : path.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  return directory + "." + name + ".new-" + std::to_string(::getpid()) + "-" +
         std::to_string(counter.fetch_add(1));
}

// The temporary file, created afresh; -1 with errno set when it cannot be made.
int createTemporary(const std::string& path, std::string& name) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = temporaryName(path);
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

void takeOverAttributes(int fd, const std::string& path) {
  struct stat old {};
  if (::stat(path.c_str(), &old) != 0) return;
  if (::fchmod(fd, old.st_mode & 07777) != 0) {
    // the file keeps the process's default permissions
  }
  if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
      // only a privileged process may give a file away
    }
  }
}

void syncDirectory(const std::string& path) {
  const int fd = ::open(directoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

int statusForOpenError(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return S5D_FILE_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EROFS:
      return S5D_ACCESS_DENIED;
    case EMFILE:
    case ENFILE:
      return S5D_TOO_MANY_FILES;
    case ENOMEM:
      return S5D_GENERAL_ERROR;
    default:
      return S5D_OPEN_FAILED;
  }
}

int statusForWriteError(int error) {
  switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return S5D_NO_SPACE;
    default:
      return S5D_WRITE_FAILED;
  }
}

FileRead readFile(const std::string& path, bool createMissing) {
  // O_NONBLOCK keeps a FIFO from blocking the open; it is refused below as not a regular file.
  const int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | (createMissing ? O_CREAT : 0);
  FileDescriptor file(::open(path.c_str(), flags, 0666));
  if (file.get() < 0) return {statusForOpenError(errno), {}};
  struct stat status {};
  if (::fstat(file.get(), &status) != 0) return {S5D_READ_FAILED, {}};
  if (!S_ISREG(status.st_mode)) return {S5D_OPEN_FAILED, {}};
  FileRead result;
  if (status.st_size > 0) result.bytes.reserve(static_cast<std::size_t>(status.st_size));
  std::uint8_t chunk[65536];
  for (;;) {
    const ssize_t got = ::read(file.get(), chunk, sizeof chunk);
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      return {S5D_READ_FAILED, {}};
    }
    result.bytes.insert(result.bytes.end(), chunk, chunk + got);
  }
  return result;
}

int replaceFile(const std::string& path, std::span<const std::uint8_t> bytes) {
  std::string temporary;
  const int fd = createTemporary(path, temporary);
  if (fd < 0) return statusForWriteError(errno);
  FileDescriptor file(fd);
  takeOverAttributes(file.get(), path);
  const bool written = writeAll(file.get(), bytes) && ::fsync(file.get()) == 0 && file.close() &&
                       ::rename(temporary.c_str(), path.c_str()) == 0;
  if (!written) {
    const int error = errno;
    ::unlink(temporary.c_str());
    return statusForWriteError(error);
  }
  syncDirectory(path);
  return S5D_OK;
}

std::optional<std::string> canonicalPath(const std::string& path) {
  const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr),
                                                             &std::free);
  if (!resolved) return std::nullopt;
  return std::string(resolved.get());
}

}  // namespace tavrin::blockfile
