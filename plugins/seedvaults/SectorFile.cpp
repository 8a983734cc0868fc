#include "SectorFile.h"
#include <algorithm>
#include <cstdint>
#include <cstring>
#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

SectorFile::~SectorFile()
{
  close();
}

#ifdef _WIN32
bool SectorFile::map_file(const std::string& path)
{
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return false;
  LARGE_INTEGER size;
  bool mapped = GetFileSizeEx(file, &size) != 0;
  file_size_ = mapped ? uint64_t(size.QuadPart) : 0;
  // An empty file cannot be mapped, and has nothing to map. A file larger
  // than the address space cannot be mapped whole (no workbook is that large).
  if (mapped && file_size_ > 0) {
    HANDLE mapping = file_size_ <= SIZE_MAX ? CreateFileMappingA(file, nullptr, PAGE_READONLY, 0, 0, nullptr) : nullptr;
    void* view = mapping ? MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0) : nullptr;
    if (view) {
      mapping_ = mapping;
      view_ = static_cast<const uint8_t*>(view);
    } else {
      if (mapping)
        CloseHandle(mapping);
      mapped = false;
    }
  }
  // The view keeps the file open on its own.
  CloseHandle(file);
  return mapped;
}

void SectorFile::unmap_file()
{
  if (mapping_) {
    UnmapViewOfFile(view_);
    CloseHandle(mapping_);
  }
  mapping_ = nullptr;
}
#else
bool SectorFile::map_file(const std::string& path)
{
  int file = ::open(path.c_str(), O_RDONLY);
  if (file < 0)
    return false;
  struct stat status;
  bool mapped = fstat(file, &status) == 0;
  file_size_ = mapped ? uint64_t(status.st_size) : 0;
  if (mapped && file_size_ > 0) {
    void* view = file_size_ > SIZE_MAX ? MAP_FAILED : mmap(nullptr, std::size_t(file_size_), PROT_READ, MAP_PRIVATE, file, 0);
    if (view != MAP_FAILED) {
      mapping_ = view;
      view_ = static_cast<const uint8_t*>(view);
    } else {
      mapped = false;
    }
  }
  ::close(file);
  return mapped;
}

void SectorFile::unmap_file()
{
  if (mapping_)
    munmap(mapping_, std::size_t(file_size_));
  mapping_ = nullptr;
}
#endif

bool SectorFile::open_path(const std::string& path)
{
  close();
  if (!map_file(path)) {
    close();
    return false;
  }
  open_ = true;
  sector_size_ = 512;
  count_blocks();
  return true;
}

void SectorFile::open_bytes(std::vector<uint8_t> bytes)
{
  close();
  bytes_ = std::move(bytes);
  view_ = bytes_.data();
  open_ = true;
  file_size_ = bytes_.size();
  sector_size_ = 512;
  count_blocks();
}

void SectorFile::close()
{
  unmap_file();
  view_ = nullptr;
  open_ = false;
  bytes_.clear();
  bytes_.shrink_to_fit();
  file_size_ = 0;
  block_count_ = 0;
}

void SectorFile::set_sector_size(uint32_t size)
{
  sector_size_ = size;
  count_blocks();
}

void SectorFile::count_blocks()
{
  block_count_ = (file_size_ + sector_size_ - 1) / sector_size_;
}

bool SectorFile::read_block(uint64_t block, uint8_t* buffer)
{
  return read_blocks(block, buffer, sector_size_);
}

bool SectorFile::read_blocks(uint64_t block, uint8_t* buffer, std::size_t length)
{
  uint64_t blocks = (uint64_t(length) + sector_size_ - 1) / sector_size_;
  if (!open_ || block >= block_count_ || blocks > block_count_ - block)
    return false;
  uint64_t offset = block * sector_size_;
  std::size_t present = std::size_t(std::min<uint64_t>(length, file_size_ - offset));
  std::memcpy(buffer, view_ + offset, present);
  std::memset(buffer + present, 0, length - present);
  return true;
}

const uint8_t* SectorFile::bytes_at(uint64_t block, std::size_t length) const
{
  if (!open_ || block >= block_count_)
    return nullptr;
  uint64_t offset = block * sector_size_;
  return length <= file_size_ - offset ? view_ + offset : nullptr;
}
