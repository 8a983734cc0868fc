#include "SectorFile.h"
#include <algorithm>
#include <cstring>

namespace {

bool seek_to(std::FILE* file, uint64_t offset, int origin)
{
#ifdef _WIN32
  return _fseeki64(file, int64_t(offset), origin) == 0;
#else
  return fseeko(file, off_t(offset), origin) == 0;
#endif
}

int64_t tell(std::FILE* file)
{
#ifdef _WIN32
  return _ftelli64(file);
#else
  return ftello(file);
#endif
}

}

SectorFile::~SectorFile()
{
  close();
}

bool SectorFile::open_path(const std::string& path)
{
  close();
  // The C runtime's "rb" opens with read access and shares reading and writing.
  file_ = std::fopen(path.c_str(), "rb");
  if (!file_)
    return false;
  int64_t size = -1;
  if (seek_to(file_, 0, SEEK_END))
    size = tell(file_);
  if (size < 0) {
    close();
    return false;
  }
  file_size_ = uint64_t(size);
  sector_size_ = 512;
  count_blocks();
  return true;
}

void SectorFile::open_bytes(std::vector<uint8_t> bytes)
{
  close();
  bytes_ = std::move(bytes);
  in_memory_ = true;
  file_size_ = bytes_.size();
  sector_size_ = 512;
  count_blocks();
}

void SectorFile::close()
{
  if (file_)
    std::fclose(file_);
  file_ = nullptr;
  in_memory_ = false;
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
  if (!is_open() || block >= block_count_ || blocks > block_count_ - block)
    return false;
  uint64_t offset = block * sector_size_;
  std::size_t present = std::size_t(std::min<uint64_t>(length, file_size_ - offset));
  std::memset(buffer + present, 0, length - present);
  if (in_memory_) {
    std::memcpy(buffer, bytes_.data() + offset, present);
    return true;
  }
  return seek_to(file_, offset, SEEK_SET) && std::fread(buffer, 1, present, file_) == present;
}
