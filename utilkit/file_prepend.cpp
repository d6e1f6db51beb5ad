// Putting a line in front of a file's contents: the new line ends in CR LF, the old contents
// follow byte for byte (lines of any length), and a work file replaces the file by rename, so
// the file is never missing or half written.
#include <cstdio>
#include <cstring>
#include <string>

#include "utilkit/library_paths.h"
#include "utilkit/utilkit40.h"

namespace fs = std::filesystem;
using namespace tavrin::utilkit;

namespace {

// Closes a stream on every way out of a function.
class Stream {
 public:
  explicit Stream(std::FILE* file) : file_(file) {}
  Stream(const Stream&) = delete;
  Stream& operator=(const Stream&) = delete;
  ~Stream() {
    if (file_ != nullptr) std::fclose(file_);
  }
  std::FILE* get() const { return file_; }
  // Closes now and reports whether everything written reached the file.
  bool close() {
    std::FILE* file = file_;
    file_ = nullptr;
    return std::fclose(file) == 0;
  }

 private:
  std::FILE* file_;
};

bool writeLineAndCopy(std::FILE* out, const char* text, std::FILE* in) {
  const std::size_t len = std::strlen(text);
  if (std::fwrite(text, 1, len, out) != len || std::fwrite("\r\n", 1, 2, out) != 2) return false;
  char block[16384];
  std::size_t got;
  while ((got = std::fread(block, 1, sizeof block, in)) > 0)
    if (std::fwrite(block, 1, got, out) != got) return false;
  return std::ferror(in) == 0;
}

}  // namespace

extern "C" {

unsigned char U_StringAmAnfangEinerDateiEinfuegen(const char* file, const char* text) {
  if (file == nullptr || text == nullptr) return 0;
  try {
    const fs::path target = existingPath(file);
    const fs::path work = target.parent_path() / "TEMP.TMP";
    if (target.filename() == work.filename()) return 0;  // the work file would be the file itself
    std::error_code ec;
    if (!fs::is_regular_file(target, ec)) return 0;
    Stream in(std::fopen(target.c_str(), "rb"));
    if (in.get() == nullptr) return 0;
    Stream out(std::fopen(work.c_str(), "wb"));
    if (out.get() == nullptr) return 0;
    const bool written = writeLineAndCopy(out.get(), text, in.get());
    if (out.close() && written && std::rename(work.c_str(), target.c_str()) == 0) return 1;
    std::remove(work.c_str());
    return 0;
  } catch (...) {
    return 0;
  }
}

}  // extern "C"
