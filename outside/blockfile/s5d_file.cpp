#include "outside/blockfile/s5d_file.h"

#include <algorithm>

#include "outside/blockfile/crc32.h"
#include "outside/blockfile/s5d_names.h"

namespace tavrin::blockfile {
namespace {

// The trailer is told from a record by its first byte.
constexpr bool trailerTagIsNoTypeCode() {
  return std::none_of(kNameForms.begin(), kNameForms.end(),
                      [](const NameForm& form) { return form.typeCode == kTrailerTag[0]; });
}
static_assert(trailerTagIsNoTypeCode(), "a record could be taken for the trailer");

std::uint32_t readWord32(const std::uint8_t* bytes) {
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

void appendWord32(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8)
    bytes.push_back(static_cast<std::uint8_t>(value >> shift));
}

std::uint32_t recordChecksum(const DirectoryEntry& entry, std::span<const std::uint8_t> data) {
  return crc32(data, crc32(entry));
}

bool holdsIdentity(const BlockRecords& records, BlockIdentity identity) {
  return std::any_of(records.begin(), records.end(), [&](const BlockRecord& record) {
    return identityOf(record.entry.data()) == identity;
  });
}

// The trailer at `offset`, which must end the file: its tag, the count of `records` and the
// checksum of everything before the checksum.
bool trailerHolds(std::span<const std::uint8_t> bytes, std::size_t offset,
                  const BlockRecords& records) {
  if (bytes.size() - offset != kTrailerBytes) return false;
  const std::span<const std::uint8_t> trailer = bytes.subspan(offset);
  if (!std::equal(kTrailerTag.begin(), kTrailerTag.end(), trailer.begin())) return false;
  if (readWord32(trailer.data() + kTrailerTag.size()) != records.size()) return false;
  const std::span<const std::uint8_t> covered = bytes.first(bytes.size() - 4);
  return crc32(covered) == readWord32(bytes.data() + covered.size());
}

}  // namespace

std::optional<BlockRecords> parseBlockFile(std::span<const std::uint8_t> bytes) {
  BlockRecords records;
  if (bytes.empty()) return records;
  if (bytes.size() < kFileMagic.size() ||
      !std::equal(kFileMagic.begin(), kFileMagic.end(), bytes.begin()))
    return std::nullopt;
  std::size_t offset = kFileMagic.size();
  for (;;) {
    // A file that ends without its trailer was cut short.
    if (offset == bytes.size()) return std::nullopt;
    if (bytes[offset] == kTrailerTag[0]) break;
    if (bytes.size() - offset < kRecordFrameBytes) return std::nullopt;
    const DirectoryEntry entry = entryFrom(bytes.data() + offset);
    const std::uint32_t checksum = readWord32(bytes.data() + offset + S5D_ENTRY_BYTES);
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
  // No blocks are written as the empty file only.
  if (records.empty() || !trailerHolds(bytes, offset, records)) return std::nullopt;
  return records;
}

std::vector<std::uint8_t> serialiseBlockFile(const BlockRecords& records) {
  if (records.empty()) return {};
  std::size_t size = kFileMagic.size() + kTrailerBytes;
  for (const BlockRecord& record : records)
    size += kRecordFrameBytes + record.data.size();
  std::vector<std::uint8_t> bytes(kFileMagic.begin(), kFileMagic.end());
  bytes.reserve(size);
  for (const BlockRecord& record : records) {
    bytes.insert(bytes.end(), record.entry.begin(), record.entry.end());
    appendWord32(bytes, recordChecksum(record.entry, record.data));
    bytes.insert(bytes.end(), record.data.begin(), record.data.end());
  }
  bytes.insert(bytes.end(), kTrailerTag.begin(), kTrailerTag.end());
  appendWord32(bytes, static_cast<std::uint32_t>(records.size()));
  appendWord32(bytes, crc32(bytes));
  return bytes;
}

}  // namespace tavrin::blockfile
