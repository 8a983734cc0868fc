#include "StorageWriter.h"
#include "ByteReader.h"
#include "StorageEntry.h"
#include "StorageHeader.h"
#include <algorithm>
#include <cwctype>

namespace {

constexpr uint32_t kSectorSize = 512;
constexpr uint32_t kMiniSectorSize = 64;
constexpr uint32_t kEntriesPerFatSector = kSectorSize / 4;
constexpr uint32_t kEntriesPerDifatSector = kEntriesPerFatSector - 1;
constexpr uint32_t kEntriesPerDirectorySector = kSectorSize / kDirectoryEntrySize;
constexpr std::size_t kMaxNameUnits = 31;

uint32_t sectors_for(std::size_t bytes, uint32_t size)
{
  return uint32_t((bytes + size - 1) / size);
}

// Directory order: shorter names first, then by upper-cased units.
bool name_before(const std::u16string& a, const std::u16string& b)
{
  if (a.size() != b.size())
    return a.size() < b.size();
  for (std::size_t i = 0; i < a.size(); ++i) {
    char16_t upper_a = char16_t(std::towupper(a[i])), upper_b = char16_t(std::towupper(b[i]));
    if (upper_a != upper_b)
      return upper_a < upper_b;
  }
  return false;
}

// Links entries first..last-1 (directory numbers, sorted by name) as a
// balanced tree; returns the number of its top entry.
uint32_t link_tree(std::vector<StorageEntry>& entries, uint32_t first, uint32_t last)
{
  if (first >= last)
    return kNoEntry;
  uint32_t middle = first + (last - first) / 2;
  entries[middle].left_sibling = link_tree(entries, first, middle);
  entries[middle].right_sibling = link_tree(entries, middle + 1, last);
  return middle;
}

void append_chain(std::vector<uint32_t>& table, uint32_t first, uint32_t count)
{
  for (uint32_t i = 0; i < count; ++i)
    table[first + i] = i + 1 < count ? first + i + 1 : kEndOfChain;
}

}

bool StorageWriter::add_stream(const std::u16string& name, std::vector<uint8_t> bytes)
{
  if (name.empty() || name.size() > kMaxNameUnits)
    return false;
  for (const Stream& stream : streams_)
    if (!name_before(stream.name, name) && !name_before(name, stream.name))
      return false;
  streams_.push_back({name, std::move(bytes)});
  return true;
}

std::vector<uint8_t> StorageWriter::build() const
{
  std::vector<Stream> streams = streams_;
  std::sort(streams.begin(), streams.end(), [](const Stream& a, const Stream& b) { return name_before(a.name, b.name); });

  // Directory: the root, then the streams in name order.
  std::vector<StorageEntry> entries(1 + streams.size());
  entries[0].set_name(u"Root Entry");
  entries[0].type = kEntryRoot;
  entries[0].child = link_tree(entries, 1, uint32_t(entries.size()));
  for (std::size_t i = 0; i < streams.size(); ++i) {
    entries[i + 1].set_name(streams[i].name);
    entries[i + 1].type = kEntryStream;
    entries[i + 1].stream_size = uint32_t(streams[i].bytes.size());
  }

  // Small streams share the mini stream; its chains go to the mini FAT.
  std::vector<uint8_t> mini_stream;
  std::vector<uint32_t> mini_fat;
  uint32_t big_sectors = 0;
  for (std::size_t i = 0; i < streams.size(); ++i) {
    const std::vector<uint8_t>& bytes = streams[i].bytes;
    if (bytes.empty() || bytes.size() >= kMiniStreamCutoff) {
      big_sectors += sectors_for(bytes.size(), kSectorSize);
      continue;
    }
    uint32_t first = uint32_t(mini_fat.size());
    uint32_t count = sectors_for(bytes.size(), kMiniSectorSize);
    mini_fat.resize(first + count);
    append_chain(mini_fat, first, count);
    entries[i + 1].starting_sector = first;
    mini_stream.insert(mini_stream.end(), bytes.begin(), bytes.end());
    mini_stream.resize(std::size_t(first + count) * kMiniSectorSize, 0);
  }

  uint32_t mini_fat_sectors = sectors_for(mini_fat.size() * 4, kSectorSize);
  uint32_t directory_sectors = sectors_for(entries.size(), kEntriesPerDirectorySector);
  uint32_t mini_stream_sectors = sectors_for(mini_stream.size(), kSectorSize);
  uint32_t data_sectors = mini_fat_sectors + directory_sectors + mini_stream_sectors + big_sectors;
  uint32_t fat_sectors = 0, difat_sectors = 0;
  while (true) {
    uint32_t fat = sectors_for(std::size_t(data_sectors + fat_sectors + difat_sectors) * 4, kSectorSize);
    uint32_t difat = fat > kHeaderDifatEntries ? sectors_for(fat - kHeaderDifatEntries, kEntriesPerDifatSector) : 0;
    if (fat == fat_sectors && difat == difat_sectors)
      break;
    fat_sectors = fat;
    difat_sectors = difat;
  }

  // Layout: FAT, DIFAT, mini FAT, directory, mini stream, big streams.
  uint32_t total = fat_sectors + difat_sectors + data_sectors;
  std::vector<uint32_t> fat(std::size_t(fat_sectors) * kEntriesPerFatSector, kFreeSector);
  std::fill(fat.begin(), fat.begin() + fat_sectors, kFatSectorMark);
  std::fill(fat.begin() + fat_sectors, fat.begin() + fat_sectors + difat_sectors, kDifatSectorMark);
  uint32_t next = fat_sectors + difat_sectors;
  uint32_t first_mini_fat = mini_fat_sectors ? next : kEndOfChain;
  append_chain(fat, next, mini_fat_sectors);
  next += mini_fat_sectors;
  uint32_t first_directory = next;
  append_chain(fat, next, directory_sectors);
  next += directory_sectors;
  entries[0].starting_sector = mini_stream_sectors ? next : kEndOfChain;
  entries[0].stream_size = uint32_t(mini_stream.size());
  append_chain(fat, next, mini_stream_sectors);
  next += mini_stream_sectors;
  for (std::size_t i = 0; i < streams.size(); ++i) {
    std::size_t size = streams[i].bytes.size();
    if (size < kMiniStreamCutoff)
      continue;
    uint32_t count = sectors_for(size, kSectorSize);
    entries[i + 1].starting_sector = next;
    append_chain(fat, next, count);
    next += count;
  }

  std::vector<uint8_t> file(std::size_t(total + 1) * kSectorSize, 0);
  auto sector = [&file](uint32_t number) { return file.data() + std::size_t(number + 1) * kSectorSize; };

  uint8_t* header = file.data();
  store_u32(header, kSignatureLow);
  store_u32(header + 4, kSignatureHigh);
  store_u16(header + 24, 0x003E);
  store_u16(header + 26, 3);
  store_u16(header + 28, 0xFFFE);
  store_u16(header + 30, 9);
  store_u16(header + 32, 6);
  store_u32(header + 44, fat_sectors);
  store_u32(header + 48, first_directory);
  store_u32(header + 56, kMiniStreamCutoff);
  store_u32(header + 60, first_mini_fat);
  store_u32(header + 64, mini_fat_sectors);
  store_u32(header + 68, difat_sectors ? fat_sectors : kEndOfChain);
  store_u32(header + 72, difat_sectors);
  for (uint32_t i = 0; i < kHeaderDifatEntries; ++i)
    store_u32(header + 76 + 4 * i, i < fat_sectors ? i : kFreeSector);

  for (uint32_t d = 0; d < difat_sectors; ++d) {
    uint8_t* at = sector(fat_sectors + d);
    for (uint32_t i = 0; i < kEntriesPerDifatSector; ++i) {
      uint32_t fat_sector = kHeaderDifatEntries + d * kEntriesPerDifatSector + i;
      store_u32(at + 4 * i, fat_sector < fat_sectors ? fat_sector : kFreeSector);
    }
    store_u32(at + 4 * kEntriesPerDifatSector, d + 1 < difat_sectors ? fat_sectors + d + 1 : kEndOfChain);
  }
  for (std::size_t i = 0; i < fat.size(); ++i)
    store_u32(sector(0) + 4 * i, fat[i]);
  for (std::size_t i = 0; i < mini_fat_sectors * kEntriesPerFatSector; ++i)
    store_u32(sector(fat_sectors + difat_sectors) + 4 * i, i < mini_fat.size() ? mini_fat[i] : kFreeSector);
  for (uint32_t i = 0; i < directory_sectors * kEntriesPerDirectorySector; ++i) {
    StorageEntry unused;
    unused.type = kEntryUnused;
    unused.colour = 0;
    unused.starting_sector = 0;
    (i < entries.size() ? entries[i] : unused).encode(sector(first_directory) + kDirectoryEntrySize * i);
  }
  if (mini_stream_sectors)
    std::copy(mini_stream.begin(), mini_stream.end(), sector(entries[0].starting_sector));
  for (std::size_t i = 0; i < streams.size(); ++i)
    if (streams[i].bytes.size() >= kMiniStreamCutoff)
      std::copy(streams[i].bytes.begin(), streams[i].bytes.end(), sector(entries[i + 1].starting_sector));
  return file;
}
