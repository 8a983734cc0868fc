#pragma once
#include "SectorFile.h"
#include "StorageEntry.h"
#include "StorageHeader.h"
#include <cstdint>
#include <string>
#include <vector>

// Results of read_stream and change_directory.
constexpr int kStorageDone = 1;
constexpr int kStorageStepNotFound = -2;
constexpr int kStorageEntryNotFound = -4;
constexpr int kStorageStreamDamaged = -5;

// A node of the directory tree: its entry's number and its children (node
// indexes, ordered by entry number).
struct StorageNode {
  int parent = -1;
  uint32_t entry_number = 0;
  std::vector<int> children;
};

// A stream's bytes: where they lie in the file when its sectors follow each
// other there, else gathered into bytes of their own. They stay valid while
// the StorageFile they came from stays open.
struct StreamBytes {
  const uint8_t* data = nullptr;
  std::size_t size = 0;
  std::vector<uint8_t> gathered;
};

// Reads a compound file (a small file system of storages and streams inside
// one file) and hands out whole streams by path. Every table, chain and link
// is checked against the file: a chain that loops or names a sector outside
// the file, a directory link that loops or points past the directory, and a
// sector that cannot be read all make the load fail with a reason in error().
class StorageFile {
public:
  StorageFile() = default;
  StorageFile(const StorageFile&) = delete;
  StorageFile& operator=(const StorageFile&) = delete;

  bool open(const std::string& path);
  bool open_bytes(std::vector<uint8_t> bytes);
  void close();
  bool is_open() const { return open_; }
  const std::string& error() const { return error_; }

  // Replaces bytes with the whole stream at path ("\" is the root's own
  // stream, the mini stream). Returns kStorageDone, kStorageEntryNotFound,
  // or kStorageStreamDamaged when its chain does not hold its size.
  int read_stream(const std::u16string& path, std::vector<uint8_t>& bytes);
  // The same stream without copying it where its sectors lie in a row.
  int view_stream(const std::u16string& path, StreamBytes& stream);
  int change_directory(const std::u16string& path);
  const StorageNode* lookup_entry(const std::u16string& path);

  const StorageHeader& header() const { return header_; }
  const StorageEntry& entry(const StorageNode& node) const { return directory_[node.entry_number]; }

private:
  bool load();
  bool fail(const std::string& reason);
  bool read_sector(uint32_t sector);
  bool load_fat();
  bool collect_fat_sectors(std::vector<uint32_t>& sectors);
  bool load_mini_fat();
  bool load_directory();
  bool build_tree();
  // Follows a chain through table until its end, or until limit sectors were
  // taken; false on a loop or a sector outside sector_limit.
  bool follow_chain(const std::vector<uint32_t>& table, uint32_t start, uint64_t sector_limit, uint64_t limit,
                    std::vector<uint32_t>& chain) const;
  // Fill stream.data (size bytes) from a chain of sectors or of mini sectors.
  bool read_big_stream(uint32_t start, uint32_t size, StreamBytes& stream);
  bool read_mini_stream(uint32_t start, uint32_t size, StreamBytes& stream);
  bool load_root_stream();
  // Walks the steps of path; false when a step is not found.
  bool walk(const std::u16string& path, int& node) const;
  int find_child(int node, const std::u16string& name) const;

  bool open_ = false;
  std::string error_;
  std::vector<uint8_t> sector_buffer_;
  SectorFile file_;
  StorageHeader header_;
  std::vector<uint32_t> fat_;
  std::vector<uint32_t> mini_fat_;
  std::vector<StorageEntry> directory_;
  std::vector<StorageNode> nodes_; // nodes_[0] is the root
  int current_node_ = 0;
  bool root_stream_loaded_ = false;
  StreamBytes root_stream_;
};
