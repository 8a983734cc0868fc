#include "ByteReader.h"
#include "StorageFile.h"
#include "StorageWriter.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <functional>

namespace {

std::vector<uint8_t> pattern(std::size_t size, uint8_t seed)
{
  std::vector<uint8_t> bytes(size);
  for (std::size_t i = 0; i < size; ++i)
    bytes[i] = uint8_t(seed + i * 7 + i / 251);
  return bytes;
}

// A compound-file image whose tables a test patches in place.
struct CompoundImage {
  std::vector<uint8_t> bytes;

  uint32_t header_u32(std::size_t offset) const { return load_u32(&bytes[offset]); }
  void set_header_u32(std::size_t offset, uint32_t value) { store_u32(&bytes[offset], value); }
  std::size_t sector_offset(uint32_t sector) const { return (std::size_t(sector) + 1) * 512; }
  // FAT entries: the writer puts the FAT first, in consecutive sectors.
  uint32_t fat(uint32_t sector) const { return load_u32(&bytes[sector_offset(0) + 4 * sector]); }
  void set_fat(uint32_t sector, uint32_t value) { store_u32(&bytes[sector_offset(0) + 4 * sector], value); }
  std::size_t entry_offset(uint32_t entry) const
  {
    return sector_offset(header_u32(48)) + 128 * entry;
  }
  uint32_t entry_u32(uint32_t entry, std::size_t field) const { return load_u32(&bytes[entry_offset(entry) + field]); }
  void set_entry_u32(uint32_t entry, std::size_t field, uint32_t value)
  {
    store_u32(&bytes[entry_offset(entry) + field], value);
  }
};

constexpr std::size_t kLeft = 68, kRight = 72, kChild = 76, kStart = 116, kSize = 120;

// Streams in name order: "Small" (entry 1, mini stream), "Workbook" (entry 2, 5,000 bytes in sectors).
CompoundImage two_stream_image()
{
  StorageWriter writer;
  writer.add_stream(u"Workbook", pattern(5000, 1));
  writer.add_stream(u"Small", pattern(300, 2));
  return {writer.build()};
}

}

TEST(StorageFile, StreamsComeBackWholeFromSectorsAndMiniStream)
{
  const std::vector<std::pair<std::u16string, std::size_t>> streams = {
    {u"Empty", 0}, {u"One", 1}, {u"Below", 4095}, {u"Cutoff", 4096}, {u"Tiny", 64}, {u"Later", 900}, {u"Large", 70000}};
  StorageWriter writer;
  for (std::size_t i = 0; i < streams.size(); ++i)
    ASSERT_TRUE(writer.add_stream(streams[i].first, pattern(streams[i].second, uint8_t(i))));
  StorageFile storage;
  ASSERT_TRUE(storage.open_bytes(writer.build())) << storage.error();
  for (std::size_t i = 0; i < streams.size(); ++i) {
    std::vector<uint8_t> bytes;
    EXPECT_EQ(kStorageDone, storage.read_stream(streams[i].first, bytes));
    EXPECT_EQ(pattern(streams[i].second, uint8_t(i)), bytes) << streams[i].second;
  }
}

TEST(StorageFile, StreamWhoseSectorsLieOutOfOrderComesBackInChainOrder)
{
  // The writer lays "Workbook" out in ten consecutive sectors; its fourth and
  // seventh change places in the file and in the chain.
  CompoundImage image = two_stream_image();
  uint32_t start = image.entry_u32(2, kStart);
  std::swap_ranges(image.bytes.begin() + image.sector_offset(start + 3),
                   image.bytes.begin() + image.sector_offset(start + 4),
                   image.bytes.begin() + image.sector_offset(start + 6));
  image.set_fat(start + 2, start + 6);
  image.set_fat(start + 6, start + 4);
  image.set_fat(start + 5, start + 3);
  image.set_fat(start + 3, start + 7);
  StorageFile storage;
  ASSERT_TRUE(storage.open_bytes(image.bytes)) << storage.error();
  std::vector<uint8_t> bytes;
  EXPECT_EQ(kStorageDone, storage.read_stream(u"Workbook", bytes));
  EXPECT_EQ(pattern(5000, 1), bytes);
}

TEST(StorageFile, StreamBelowCutoffLiesInMiniStreamAndCutoffSizeDoesNot)
{
  for (std::size_t size : {std::size_t(4095), std::size_t(4096)}) {
    StorageWriter writer;
    writer.add_stream(u"Workbook", pattern(size, 3));
    StorageFile storage;
    ASSERT_TRUE(storage.open_bytes(writer.build()));
    std::vector<uint8_t> mini_stream;
    EXPECT_EQ(kStorageDone, storage.read_stream(u"\\", mini_stream));
    EXPECT_EQ(size < 4096 ? 4096u : 0u, mini_stream.size()) << size;
    std::vector<uint8_t> bytes;
    EXPECT_EQ(kStorageDone, storage.read_stream(u"Workbook", bytes));
    EXPECT_EQ(pattern(size, 3), bytes);
  }
}

TEST(StorageFile, ManyFatSectorsAreFoundThroughDifatSectors)
{
  // 110 FAT sectors map more than 109 x 128 sectors.
  std::vector<uint8_t> big = pattern(110 * 128 * 512, 5);
  StorageWriter writer;
  writer.add_stream(u"Workbook", big);
  StorageFile storage;
  ASSERT_TRUE(storage.open_bytes(writer.build())) << storage.error();
  EXPECT_GT(storage.header().difat_sector_count, 0u);
  std::vector<uint8_t> bytes;
  EXPECT_EQ(kStorageDone, storage.read_stream(u"Workbook", bytes));
  EXPECT_TRUE(bytes == big);
}

TEST(StorageFile, PathsMatchNamesExactlyAndWalkSteps)
{
  StorageFile storage;
  ASSERT_TRUE(storage.open_bytes(two_stream_image().bytes));
  std::vector<uint8_t> bytes;
  EXPECT_EQ(kStorageEntryNotFound, storage.read_stream(u"WORKBOOK", bytes));
  EXPECT_TRUE(bytes.empty());
  EXPECT_EQ(kStorageDone, storage.read_stream(u"\\Workbook", bytes));
  EXPECT_EQ(kStorageDone, storage.read_stream(u"..\\.\\Workbook", bytes));
  EXPECT_EQ(kStorageStepNotFound, storage.change_directory(u"Missing\\Deeper"));
  EXPECT_EQ(kStorageDone, storage.change_directory(u"\\"));
  const StorageNode* node = storage.lookup_entry(u"Small");
  ASSERT_NE(nullptr, node);
  EXPECT_EQ(u"Small", storage.entry(*node).name_text());
  EXPECT_EQ(nullptr, storage.lookup_entry(u"Missing\\Small"));
}

TEST(StorageFile, EmptyEntryKeepsItsPlaceSoLaterEntriesKeepTheirNumbers)
{
  // Entries: 1 "A", 2 "B" (top of the tree), 3 "C". Entry 1 is freed.
  StorageWriter writer;
  writer.add_stream(u"A", pattern(10, 1));
  writer.add_stream(u"B", pattern(20, 2));
  writer.add_stream(u"C", pattern(30, 3));
  CompoundImage image{writer.build()};
  ASSERT_EQ(1u, image.entry_u32(2, kLeft));
  std::fill(image.bytes.begin() + image.entry_offset(1), image.bytes.begin() + image.entry_offset(2), 0);
  image.set_entry_u32(2, kLeft, kNoEntry);
  StorageFile storage;
  ASSERT_TRUE(storage.open_bytes(image.bytes)) << storage.error();
  std::vector<uint8_t> bytes;
  EXPECT_EQ(kStorageEntryNotFound, storage.read_stream(u"A", bytes));
  EXPECT_EQ(kStorageDone, storage.read_stream(u"C", bytes));
  EXPECT_EQ(pattern(30, 3), bytes);
}

TEST(StorageFile, DamagedTablesAndLinksFailTheOpen)
{
  struct Case {
    const char* name;
    std::function<void(CompoundImage&)> damage;
  };
  const Case cases[] = {
    {"bad signature", [](CompoundImage& image) { image.bytes[0] = 0; }},
    {"shorter than a header", [](CompoundImage& image) { image.bytes.resize(100); }},
    {"odd sector size", [](CompoundImage& image) { store_u16(&image.bytes[30], 10); }},
    {"more FAT sectors than the file", [](CompoundImage& image) { image.set_header_u32(44, 0x10000000); }},
    {"FAT sector outside the file", [](CompoundImage& image) { image.set_header_u32(76, 90000); }},
    {"directory chain loops",
     [](CompoundImage& image) { image.set_fat(image.header_u32(48), image.header_u32(48)); }},
    {"directory starts outside the file", [](CompoundImage& image) { image.set_header_u32(48, 5000); }},
    {"mini-FAT chain loops",
     [](CompoundImage& image) { image.set_fat(image.header_u32(60), image.header_u32(60)); }},
    {"sibling points to itself", [](CompoundImage& image) { image.set_entry_u32(1, kRight, 1); }},
    {"sibling points back to the root", [](CompoundImage& image) { image.set_entry_u32(1, kLeft, 0); }},
    {"child past the directory", [](CompoundImage& image) { image.set_entry_u32(0, kChild, 50); }},
    {"child is an empty entry", [](CompoundImage& image) { image.set_entry_u32(0, kChild, 3); }},
  };
  for (const Case& test : cases) {
    CompoundImage image = two_stream_image();
    test.damage(image);
    StorageFile storage;
    EXPECT_FALSE(storage.open_bytes(image.bytes)) << test.name;
    EXPECT_FALSE(storage.error().empty()) << test.name;
    EXPECT_FALSE(storage.is_open()) << test.name;
  }
}

TEST(StorageFile, DamagedStreamChainsAreRefused)
{
  struct Case {
    const char* name;
    const char16_t* stream;
    std::function<void(CompoundImage&)> damage;
  };
  const Case cases[] = {
    {"FAT chain loops", u"Workbook",
     [](CompoundImage& image) {
       uint32_t start = image.entry_u32(2, kStart);
       image.set_fat(start + 1, start);
     }},
    {"FAT chain leaves the file", u"Workbook",
     [](CompoundImage& image) { image.set_fat(image.entry_u32(2, kStart), 70000); }},
    {"FAT chain ends early", u"Workbook",
     [](CompoundImage& image) { image.set_fat(image.entry_u32(2, kStart), kEndOfChain); }},
    {"truncated inside the stream", u"Workbook",
     [](CompoundImage& image) { image.bytes.resize(image.bytes.size() - 2048); }},
    {"size beyond every sector", u"Workbook", [](CompoundImage& image) { image.set_entry_u32(2, kSize, 0xFFFFFFF0); }},
    {"mini chain loops", u"Small",
     [](CompoundImage& image) {
       std::size_t mini_fat = image.sector_offset(image.header_u32(60));
       store_u32(&image.bytes[mini_fat + 4], 1);
     }},
    {"mini sector past the mini stream", u"Small", [](CompoundImage& image) { image.set_entry_u32(1, kStart, 4000); }},
    {"mini stream shorter than its chains", u"Small", [](CompoundImage& image) { image.set_entry_u32(0, kSize, 64); }},
  };
  for (const Case& test : cases) {
    CompoundImage image = two_stream_image();
    test.damage(image);
    StorageFile storage;
    ASSERT_TRUE(storage.open_bytes(image.bytes)) << test.name << ": " << storage.error();
    std::vector<uint8_t> bytes;
    EXPECT_EQ(kStorageStreamDamaged, storage.read_stream(test.stream, bytes)) << test.name;
    EXPECT_TRUE(bytes.empty()) << test.name;
  }
}

TEST(StorageFile, DifatChainThatLoopsFailsTheOpen)
{
  StorageWriter writer;
  writer.add_stream(u"Workbook", pattern(200 * 1024, 4));
  CompoundImage image{writer.build()};
  // Claim 300 FAT sectors: 109 in the header, 127 per DIFAT sector, whose
  // chain names the same sector again.
  uint32_t difat = image.entry_u32(1, kStart);
  image.set_header_u32(44, 300);
  image.set_header_u32(68, difat);
  image.set_header_u32(72, 5);
  store_u32(&image.bytes[image.sector_offset(difat) + 508], difat);
  StorageFile storage;
  EXPECT_FALSE(storage.open_bytes(image.bytes));
  EXPECT_NE(std::string::npos, storage.error().find("DIFAT")) << storage.error();
}

TEST(StorageFile, FileOpenedByPathIsReadAndMissingFileFails)
{
  const char* path = "storage_by_path.bin";
  {
    std::FILE* file = std::fopen(path, "wb");
    ASSERT_NE(nullptr, file);
    std::vector<uint8_t> bytes = two_stream_image().bytes;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  }
  StorageFile storage;
  ASSERT_TRUE(storage.open(path)) << storage.error();
  std::vector<uint8_t> bytes;
  EXPECT_EQ(kStorageDone, storage.read_stream(u"Workbook", bytes));
  EXPECT_EQ(pattern(5000, 1), bytes);
  storage.close();
  std::remove(path);
  EXPECT_FALSE(storage.open(path));
}
