#include "platform/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

#include "platform/unique_fd.h"

namespace tavrin::platform {

namespace {

std::string errnoText(std::string_view what, const std::filesystem::path& path) {
  return std::string(what) + " " + path.string() + ": " + std::strerror(errno);
}

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// The temporary name must not collide with another writer of the same file (another process,
// or another thread of this one), hence a random suffix and O_EXCL.
UniqueFd createTemporaryBeside(const std::filesystem::path& target, mode_t mode,
                               std::filesystem::path& tempPath) {
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = target;
    tempPath += ".tmp" + std::to_string(random());
    UniqueFd fd(::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
    if (fd.valid() || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return UniqueFd();
}

void syncDirectoryOf(const std::filesystem::path& path) {
  std::filesystem::path dir = path.parent_path();
  if (dir.empty()) dir = ".";
  UniqueFd fd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.valid()) ::fsync(fd.get());  // best effort: the rename itself has already happened
}

}  // namespace

FileBytes readFileBytes(const std::filesystem::path& path) {
  FileBytes result;
  UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.valid()) {
    if (errno != ENOENT) result.error = errnoText("cannot open", path);
    return result;
  }
  result.exists = true;
  char buffer[8192];
  for (;;) {
    const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      result.error = errnoText("cannot read", path);
      result.bytes.clear();
      break;
    }
    result.bytes.append(buffer, static_cast<std::size_t>(n));
  }
  return result;
}

IoStatus replaceFileContents(const std::filesystem::path& path, std::string_view bytes) {
  std::filesystem::path target = path;
  std::error_code ec;
  if (std::filesystem::is_symlink(target, ec)) {
    const auto resolved = std::filesystem::weakly_canonical(target, ec);
    if (ec) return {"cannot resolve link " + path.string() + ": " + ec.message()};
    target = resolved;
  }

  struct stat old {};
  const bool existed = ::stat(target.c_str(), &old) == 0;
  if (!existed && errno != ENOENT) return {errnoText("cannot stat", target)};
  if (existed && !S_ISREG(old.st_mode)) return {"not a regular file: " + target.string()};

  std::filesystem::path tempPath;
  // A new file gets 0666 less the umask, like any file the program creates; an existing one is
  // given its own bits below (fchmod, because the umask may have cleared some at creation).
  UniqueFd fd = createTemporaryBeside(target, existed ? S_IRUSR | S_IWUSR : 0666, tempPath);
  if (!fd.valid()) return {errnoText("cannot create a file beside", target)};

  auto fail = [&](std::string_view what) {
    IoStatus status{errnoText(what, tempPath)};
    fd.reset();
    ::unlink(tempPath.c_str());
    return status;
  };
  if (existed) {
    if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
      // Only a privileged process may give the file back to its owner; without the right the
      // file becomes ours, which is what any editor that saves by rename does.
      [[maybe_unused]] const int ignored = ::fchown(fd.get(), old.st_uid, old.st_gid);
    }
    if (::fchmod(fd.get(), old.st_mode & 07777) != 0) return fail("cannot set permissions of");
  }
  if (!writeAll(fd.get(), bytes)) return fail("cannot write");
  if (::fsync(fd.get()) != 0) return fail("cannot flush");
  // close reports late write errors of some file systems; the descriptor is gone either way.
  if (::close(fd.release()) != 0) {
    IoStatus status{errnoText("cannot close", tempPath)};
    ::unlink(tempPath.c_str());
    return status;
  }
  if (::rename(tempPath.c_str(), target.c_str()) != 0) {
    IoStatus status{errnoText("cannot replace", target)};
    ::unlink(tempPath.c_str());
    return status;
  }
  syncDirectoryOf(target);
  return {};
}

}  // namespace tavrin::platform
