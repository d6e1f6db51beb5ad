// The extern "C" functions of blockfile32.h: argument checks, the status of the last call, and
// a guard that turns every exception into a failure with status 1.
//
// The status is kept per thread, as errno is; the table of open files is shared by all threads
// and each call holds its lock from start to end.
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <optional>
#include <string>

#include "outside/blockfile/blockfile32.h"
#include "outside/blockfile/directory_entry.h"
#include "outside/blockfile/open_files.h"
#include "outside/blockfile/s5d_names.h"

namespace {

using namespace tavrin::blockfile;

static_assert(kNameForms.size() * 256 <= 0xFFFF, "a directory's count must fit 16 bits");

thread_local unsigned short lastStatus = S5D_OK;

std::mutex& tableLock() {
  static std::mutex lock;
  return lock;
}

OpenFiles& openFiles() {
  static OpenFiles files;
  return files;
}

template <typename Result, typename Body>
Result guarded(Result failure, Body&& body) noexcept {
  try {
    return body();
  } catch (...) {
    lastStatus = S5D_GENERAL_ERROR;
    return failure;
  }
}

template <typename Result>
Result failWith(int status, Result result) {
  lastStatus = static_cast<unsigned short>(status);
  return result;
}

template <typename Result>
Result succeed(Result result) {
  lastStatus = S5D_OK;
  return result;
}

// The identity bytes of an entry that names a block, or nothing.
std::optional<BlockIdentity> namedIdentity(const unsigned char* entry) {
  if (entry == nullptr) return std::nullopt;
  const BlockIdentity identity = identityOf(entry);
  if (!namesBlock(identity)) return std::nullopt;
  return identity;
}

}  // namespace

extern "C" {

unsigned short _NameZuBst(const char* name, unsigned char* entry) {
  return guarded<unsigned short>(0, [&]() -> unsigned short {
    if (name == nullptr || entry == nullptr) return failWith(S5D_GENERAL_ERROR, 0);
    const std::optional<BlockIdentity> identity = parseBlockName(name);
    if (!identity) return failWith(S5D_GENERAL_ERROR, 0);
    std::memset(entry, 0, S5D_ENTRY_BYTES);
    entry[0] = identity->typeCode;
    entry[1] = identity->number;
    entry[2] = static_cast<unsigned char>(identity->kind);
    return succeed(1);
  });
}

char* _BstZuName(const unsigned char* entry, char* text) {
  return guarded<char*>(nullptr, [&]() -> char* {
    if (text == nullptr) return failWith<char*>(S5D_GENERAL_ERROR, nullptr);
    text[0] = '\0';
    const std::optional<BlockIdentity> identity = namedIdentity(entry);
    if (!identity) return failWith(S5D_GENERAL_ERROR, text);
    const std::string name = blockName(*identity);
    std::memcpy(text, name.c_str(), name.size() + 1);
    return succeed(text);
  });
}

S5DHandle _OeffneS5Datei(const char* path) {
  return guarded<S5DHandle>(0, [&]() -> S5DHandle {
    if (path == nullptr) return failWith<S5DHandle>(S5D_GENERAL_ERROR, 0);
    const std::scoped_lock lock(tableLock());
    const OpenResult opened = openFiles().open(path);
    return failWith(opened.status, opened.handle);
  });
}

unsigned short _SchlS5Datei(S5DHandle handle) {
  return guarded<unsigned short>(0, [&]() -> unsigned short {
    const std::scoped_lock lock(tableLock());
    if (!openFiles().close(handle)) return failWith(S5D_CLOSE_FAILED, 0);
    return succeed(1);
  });
}

unsigned short _KomprimiereDatei(const char* path) {
  return guarded<unsigned short>(0, [&]() -> unsigned short {
    if (path == nullptr) return failWith(S5D_GENERAL_ERROR, 0);
    const std::scoped_lock lock(tableLock());
    const int status = openFiles().compress(path);
    return failWith(status, status == S5D_OK ? 1 : 0);
  });
}

unsigned char* _LeseBuchhalter(S5DHandle handle, unsigned short* count) {
  return guarded<unsigned char*>(nullptr, [&]() -> unsigned char* {
    if (count == nullptr) return failWith<unsigned char*>(S5D_GENERAL_ERROR, nullptr);
    *count = 0;
    const std::scoped_lock lock(tableLock());
    const S5DDocument* document = openFiles().find(handle);
    if (document == nullptr) return failWith<unsigned char*>(S5D_GENERAL_ERROR, nullptr);
    const BlockRecords& records = document->records();
    if (records.empty()) return succeed<unsigned char*>(nullptr);
    auto* directory = static_cast<unsigned char*>(std::malloc(records.size() * S5D_ENTRY_BYTES));
    if (directory == nullptr) return failWith<unsigned char*>(S5D_GENERAL_ERROR, nullptr);
    for (std::size_t i = 0; i < records.size(); ++i)
      std::memcpy(directory + i * S5D_ENTRY_BYTES, records[i].entry.data(), S5D_ENTRY_BYTES);
    *count = static_cast<unsigned short>(records.size());
    return succeed(directory);
  });
}

void _EntfBuchhalter(unsigned char* directory) {
  std::free(directory);
  lastStatus = S5D_OK;
}

unsigned char* _LeseBstDaten(S5DHandle handle, unsigned char* entry) {
  return guarded<unsigned char*>(nullptr, [&]() -> unsigned char* {
    const std::optional<BlockIdentity> identity = namedIdentity(entry);
    if (!identity) return failWith<unsigned char*>(S5D_GENERAL_ERROR, nullptr);
    const std::scoped_lock lock(tableLock());
    const S5DDocument* document = openFiles().find(handle);
    if (document == nullptr) return failWith<unsigned char*>(S5D_GENERAL_ERROR, nullptr);
    const BlockRecord* record = document->find(*identity);
    if (record == nullptr) return failWith<unsigned char*>(S5D_BLOCK_MISSING, nullptr);
    // A block of no bytes still comes back as a buffer, so that null always means failure.
    auto* data =
        static_cast<unsigned char*>(std::malloc(record->data.empty() ? 1 : record->data.size()));
    if (data == nullptr) return failWith<unsigned char*>(S5D_GENERAL_ERROR, nullptr);
    if (!record->data.empty()) std::memcpy(data, record->data.data(), record->data.size());
    std::memcpy(entry + 3, record->entry.data() + 3, S5D_ENTRY_BYTES - 3);
    return succeed(data);
  });
}

void _EntfBstDaten(unsigned char* data) {
  std::free(data);
  lastStatus = S5D_OK;
}

unsigned short _SchrBstDaten(S5DHandle handle, const unsigned char* entry,
                             const unsigned char* data) {
  return guarded<unsigned short>(0, [&]() -> unsigned short {
    if (!namedIdentity(entry)) return failWith(S5D_GENERAL_ERROR, 0);
    BlockRecord record{entryFrom(entry), {}};
    const std::size_t length = entryLength(record.entry);
    if (data == nullptr && length > 0) return failWith(S5D_GENERAL_ERROR, 0);
    if (length > 0) record.data.assign(data, data + length);
    const std::scoped_lock lock(tableLock());
    S5DDocument* document = openFiles().find(handle);
    if (document == nullptr) return failWith(S5D_GENERAL_ERROR, 0);
    const int status = document->store(std::move(record));
    return failWith(status, status == S5D_OK ? 1 : 0);
  });
}

unsigned short _LoescheBst(S5DHandle handle, const unsigned char* entry) {
  return guarded<unsigned short>(0, [&]() -> unsigned short {
    const std::optional<BlockIdentity> identity = namedIdentity(entry);
    if (!identity) return failWith(S5D_GENERAL_ERROR, 0);
    const std::scoped_lock lock(tableLock());
    S5DDocument* document = openFiles().find(handle);
    if (document == nullptr) return failWith(S5D_GENERAL_ERROR, 0);
    const int status = document->remove(*identity);
    return failWith(status, status == S5D_OK ? 1 : 0);
  });
}

unsigned short _BstKopfLng(const unsigned char* entry) {
  return guarded<unsigned short>(0, [&]() -> unsigned short {
    const std::optional<BlockIdentity> identity = namedIdentity(entry);
    if (!identity) return failWith(S5D_GENERAL_ERROR, 0);
    return succeed<unsigned short>(headerLength(identity->kind));
  });
}

unsigned short _GetStatus(void) {
  return lastStatus;
}

}  // extern "C"
