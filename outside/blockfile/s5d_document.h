// The blocks of one open S5D file, kept in memory and written through to the file.
//
// Contents
//   S5DDocument   the file's path and blocks; find, store, remove, take over reread blocks
//
// Every change builds the new list of blocks, writes the complete file and only then takes the
// new list: when the write fails, both the file and the document are as they were.
#ifndef OUTSIDE_BLOCKFILE_S5D_DOCUMENT_H
#define OUTSIDE_BLOCKFILE_S5D_DOCUMENT_H

#include <string>
#include <utility>

#include "outside/blockfile/directory_entry.h"
#include "outside/blockfile/s5d_file.h"

namespace tavrin::blockfile {

class S5DDocument {
 public:
  S5DDocument(std::string path, BlockRecords records)
      : path_(std::move(path)), records_(std::move(records)) {}

  const std::string& path() const { return path_; }
  const BlockRecords& records() const { return records_; }

  // The block with this identity, or null.
  const BlockRecord* find(BlockIdentity identity) const;

  // Replaces the block of the same identity where it stands, or appends a new one; a status.
  int store(BlockRecord record);

  // S5D_BLOCK_MISSING when there is no such block.
  int remove(BlockIdentity identity);

  // The file was rewritten from these blocks by someone else.
  void adopt(BlockRecords records) { records_ = std::move(records); }

 private:
  int commit(BlockRecords next);

  std::string path_;
  BlockRecords records_;
};

}  // namespace tavrin::blockfile

#endif
