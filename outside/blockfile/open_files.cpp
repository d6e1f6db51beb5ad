#include "outside/blockfile/open_files.h"

#include <algorithm>
#include <optional>

#include "outside/blockfile/file_io.h"
#include "outside/blockfile/s5d_file.h"

namespace tavrin::blockfile {

OpenFiles::Slot* OpenFiles::slotOf(S5DHandle handle) {
  if (handle == 0) return nullptr;
  const auto it = std::find_if(slots_.begin(), slots_.end(),
                               [&](const Slot& slot) { return slot.handle == handle; });
  return it == slots_.end() ? nullptr : &*it;
}

std::shared_ptr<S5DDocument> OpenFiles::documentOf(const std::string& canonical) const {
  for (const Slot& slot : slots_)
    if (slot.document && slot.document->path() == canonical) return slot.document;
  return nullptr;
}

S5DHandle OpenFiles::nextHandle() {
  do {
    ++lastHandle_;
  } while (lastHandle_ == 0 || slotOf(lastHandle_) != nullptr);
  return lastHandle_;
}

OpenResult OpenFiles::open(const std::string& path) {
  const auto empty =
      std::find_if(slots_.begin(), slots_.end(), [](const Slot& slot) { return slot.handle == 0; });
  if (empty == slots_.end()) return {0, S5D_TOO_MANY_FILES};
  FileRead file = readFile(path, true);
  if (file.status != S5D_OK) return {0, file.status};
  std::optional<BlockRecords> records = parseBlockFile(file.bytes);
  if (!records) return {0, S5D_READ_FAILED};
  const std::optional<std::string> canonical = canonicalPath(path);
  if (!canonical) return {0, S5D_OPEN_FAILED};
  std::shared_ptr<S5DDocument> document = documentOf(*canonical);
  if (!document) document = std::make_shared<S5DDocument>(*canonical, std::move(*records));
  const S5DHandle handle = nextHandle();
  empty->document = std::move(document);
  empty->handle = handle;
  return {handle, S5D_OK};
}

bool OpenFiles::close(S5DHandle handle) {
  Slot* slot = slotOf(handle);
  if (slot == nullptr) return false;
  *slot = Slot{};
  return true;
}

S5DDocument* OpenFiles::find(S5DHandle handle) {
  Slot* slot = slotOf(handle);
  return slot == nullptr ? nullptr : slot->document.get();
}

int OpenFiles::compress(const std::string& path) {
  FileRead file = readFile(path, false);
  if (file.status != S5D_OK) return file.status;
  std::optional<BlockRecords> records = parseBlockFile(file.bytes);
  if (!records) return S5D_READ_FAILED;
  const std::optional<std::string> canonical = canonicalPath(path);
  if (!canonical) return S5D_OPEN_FAILED;
  const int status = replaceFile(*canonical, serialiseBlockFile(*records));
  if (status != S5D_OK) return status;
  if (const std::shared_ptr<S5DDocument> document = documentOf(*canonical))
    document->adopt(std::move(*records));
  return S5D_OK;
}

}  // namespace tavrin::blockfile
