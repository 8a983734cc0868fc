#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The file under a compound file, read in blocks of the sector size. Block 0
// is the header; sector s of the format is block s + 1. The file is opened for
// reading only and shared for reading and writing, so a spreadsheet that
// another program holds open (or that is read-only) can still be read. It is
// mapped into memory whole: a stream whose sectors follow each other is then
// read where it lies, without a copy (the system refuses to shorten a file
// while a view of it is open).
class SectorFile {
public:
  SectorFile() = default;
  SectorFile(const SectorFile&) = delete;
  SectorFile& operator=(const SectorFile&) = delete;
  ~SectorFile();

  bool open_path(const std::string& path);
  void open_bytes(std::vector<uint8_t> bytes);
  void close();
  bool is_open() const { return open_; }

  void set_sector_size(uint32_t size);
  uint32_t sector_size() const { return sector_size_; }
  // File size divided by the sector size, rounded up (the header block included).
  uint64_t block_count() const { return block_count_; }

  // Reads one whole block into buffer (sector_size bytes). A last block that
  // the file ends inside is completed with zeros. False when the block lies
  // beyond the file.
  bool read_block(uint64_t block, uint8_t* buffer);
  // Reads length bytes from the start of block on, through as many blocks as
  // they need; past the end of the file they are zeros. False when a block
  // they need lies beyond the file.
  bool read_blocks(uint64_t block, uint8_t* buffer, std::size_t length);
  // The length bytes from the start of block on where they lie in the file,
  // or null when they run past its end.
  const uint8_t* bytes_at(uint64_t block, std::size_t length) const;

private:
  void count_blocks();
  bool map_file(const std::string& path);
  void unmap_file();

  bool open_ = false;
  // The file's bytes: its mapped view, or bytes_ when opened from memory.
  const uint8_t* view_ = nullptr;
  void* mapping_ = nullptr;
  std::vector<uint8_t> bytes_;
  uint32_t sector_size_ = 512;
  uint64_t file_size_ = 0;
  uint64_t block_count_ = 0;
};
