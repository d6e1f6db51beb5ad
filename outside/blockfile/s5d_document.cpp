#include "outside/blockfile/s5d_document.h"

#include <algorithm>

#include "outside/blockfile/file_io.h"

namespace tavrin::blockfile {
namespace {

BlockRecords::const_iterator findIn(const BlockRecords& records, BlockIdentity identity) {
  return std::find_if(records.begin(), records.end(), [&](const BlockRecord& record) {
    return identityOf(record.entry.data()) == identity;
  });
}

}  // namespace

const BlockRecord* S5DDocument::find(BlockIdentity identity) const {
  const auto it = findIn(records_, identity);
  return it == records_.end() ? nullptr : &*it;
}

int S5DDocument::store(BlockRecord record) {
  BlockRecords next = records_;
  const auto it = findIn(records_, identityOf(record.entry.data()));
  if (it == records_.end())
    next.push_back(std::move(record));
  else
    next[static_cast<std::size_t>(it - records_.begin())] = std::move(record);
  return commit(std::move(next));
}

int S5DDocument::remove(BlockIdentity identity) {
  const auto it = findIn(records_, identity);
  if (it == records_.end()) return S5D_BLOCK_MISSING;
  BlockRecords next = records_;
  next.erase(next.begin() + (it - records_.begin()));
  return commit(std::move(next));
}

int S5DDocument::commit(BlockRecords next) {
  const int status = replaceFile(path_, serialiseBlockFile(next));
  if (status == S5D_OK) records_ = std::move(next);
  return status;
}

}  // namespace tavrin::blockfile
