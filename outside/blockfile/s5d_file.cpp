#include "outside/blockfile/s5d_file.h"

#include <algorithm>

#include "outside/blockfile/crc32.h"
#include "outside/blockfile/s5d_names.h"

namespace tavrin::blockfile {
namespace {

std::uint32_t readChecksum(const std::uint8_t* bytes) {
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

std::uint32_t recordChecksum(const DirectoryEntry& entry, std::span<const std::uint8_t> data) {
  return crc32(data, crc32(entry));
}

bool holdsIdentity(const BlockRecords& records, BlockIdentity identity) {
  return std::any_of(records.begin(), records.end(), [&](const BlockRecord& record) {
    return identityOf(record.entry.data()) == identity;
  });
}

}  // namespace

std::optional<BlockRecords> parseBlockFile(std::span<const std::uint8_t> bytes) {
  BlockRecords records;
  if (bytes.empty()) return records;
  if (bytes.size() < kFileMagic.size() ||
      !std::equal(kFileMagic.begin(), kFileMagic.end(), bytes.begin()))
    return std::nullopt;
  std::size_t offset = kFileMagic.size();
  while (offset < bytes.size()) {
    if (bytes.size() - offset < kRecordFrameBytes) return std::nullopt;
    const DirectoryEntry entry = entryFrom(bytes.data() + offset);
    const std::uint32_t checksum = readChecksum(bytes.data() + offset + S5D_ENTRY_BYTES);
    offset += kRecordFrameBytes;
    const std::size_t length = entryLength(entry);
    if (bytes.size() - offset < length) return std::nullopt;
    const std::span<const std::uint8_t> data = bytes.subspan(offset, length);
    offset += length;
    if (recordChecksum(entry, data) != checksum) return std::nullopt;
    const BlockIdentity identity = identityOf(entry.data());
    if (!namesBlock(identity) || holdsIdentity(records, identity)) return std::nullopt;
    records.push_back({entry, {data.begin(), data.end()}});
  }
  return records;
}

std::vector<std::uint8_t> serialiseBlockFile(const BlockRecords& records) {
  std::vector<std::uint8_t> bytes;
  if (records.empty()) return bytes;
  std::size_t size = kFileMagic.size();
  for (const BlockRecord& record : records)
    size += kRecordFrameBytes + record.data.size();
  bytes.reserve(size);
  bytes.insert(bytes.end(), kFileMagic.begin(), kFileMagic.end());
  for (const BlockRecord& record : records) {
    const std::uint32_t checksum = recordChecksum(record.entry, record.data);
    bytes.insert(bytes.end(), record.entry.begin(), record.entry.end());
    for (int shift = 0; shift < 32; shift += 8)
      bytes.push_back(static_cast<std::uint8_t>(checksum >> shift));
    bytes.insert(bytes.end(), record.data.begin(), record.data.end());
  }
  return bytes;
}

}  // namespace tavrin::blockfile
