#include "StorageFile.h"
#include "ByteReader.h"
#include <algorithm>
#include <cstring>

namespace {

constexpr uint16_t kSectorShift512 = 9;
constexpr uint16_t kSectorShift4096 = 12;
constexpr uint16_t kMiniSectorShift = 6;

}

bool StorageFile::open(const std::string& path)
{
  close();
  if (!file_.open_path(path))
    return fail("cannot open the file for reading");
  return load();
}

bool StorageFile::open_bytes(std::vector<uint8_t> bytes)
{
  close();
  file_.open_bytes(std::move(bytes));
  return load();
}

void StorageFile::close()
{
  file_.close();
  open_ = false;
  fat_.clear();
  mini_fat_.clear();
  directory_.clear();
  nodes_.clear();
  current_node_ = 0;
  root_stream_loaded_ = false;
  root_stream_ = StreamBytes();
  header_ = StorageHeader();
}

bool StorageFile::fail(const std::string& reason)
{
  error_ = reason;
  close();
  return false;
}

bool StorageFile::load()
{
  error_.clear();
  sector_buffer_.assign(kHeaderSize, 0);
  if (!file_.read_block(0, sector_buffer_.data()))
    return fail("the file is shorter than a compound-file header");
  if (!header_.decode(sector_buffer_.data()))
    return fail("the file is not a compound file");
  if ((header_.sector_shift != kSectorShift512 && header_.sector_shift != kSectorShift4096) ||
      header_.mini_sector_shift != kMiniSectorShift)
    return fail("unsupported sector size");
  file_.set_sector_size(header_.sector_size());
  sector_buffer_.assign(header_.sector_size(), 0);
  if (!load_fat() || !load_mini_fat() || !load_directory() || !build_tree())
    return false;
  current_node_ = 0;
  open_ = true;
  return true;
}

bool StorageFile::read_sector(uint32_t sector)
{
  return file_.read_block(uint64_t(sector) + 1, sector_buffer_.data());
}

bool StorageFile::collect_fat_sectors(std::vector<uint32_t>& sectors)
{
  uint32_t wanted = header_.fat_sector_count;
  // Every FAT sector is a sector of its own in the file.
  if (wanted > file_.block_count())
    return fail("the header names more FAT sectors than the file holds");
  for (uint32_t i = 0; i < kHeaderDifatEntries && sectors.size() < wanted; ++i)
    sectors.push_back(header_.difat[i]);
  uint32_t per_sector = header_.sector_size() / 4;
  std::vector<bool> seen(std::size_t(file_.block_count()), false);
  uint32_t difat_sector = header_.first_difat_sector;
  for (uint32_t taken = 0; sectors.size() < wanted; ++taken) {
    if (taken >= header_.difat_sector_count || difat_sector >= file_.block_count() - 1 || seen[difat_sector])
      return fail("the DIFAT chain loops or points outside the file");
    seen[difat_sector] = true;
    if (!read_sector(difat_sector))
      return fail("a DIFAT sector cannot be read");
    for (uint32_t i = 0; i + 1 < per_sector && sectors.size() < wanted; ++i)
      sectors.push_back(load_u32(&sector_buffer_[4 * i]));
    difat_sector = load_u32(&sector_buffer_[4 * (per_sector - 1)]);
  }
  return true;
}

bool StorageFile::load_fat()
{
  std::vector<uint32_t> fat_sectors;
  if (!collect_fat_sectors(fat_sectors))
    return false;
  uint32_t per_sector = header_.sector_size() / 4;
  fat_.reserve(std::size_t(fat_sectors.size()) * per_sector);
  for (uint32_t sector : fat_sectors) {
    if (!read_sector(sector))
      return fail("a FAT sector lies outside the file or cannot be read");
    for (uint32_t i = 0; i < per_sector; ++i)
      fat_.push_back(load_u32(&sector_buffer_[4 * i]));
  }
  return true;
}

bool StorageFile::follow_chain(const std::vector<uint32_t>& table, uint32_t start, uint64_t sector_limit,
                               uint64_t limit, std::vector<uint32_t>& chain) const
{
  chain.clear();
  uint64_t bound = std::min<uint64_t>(table.size(), sector_limit);
  std::vector<bool> seen(std::size_t(bound), false);
  for (uint32_t sector = start; sector != kEndOfChain && chain.size() < limit; sector = table[sector]) {
    if (sector >= bound || seen[sector])
      return false;
    seen[sector] = true;
    chain.push_back(sector);
  }
  return true;
}

bool StorageFile::load_mini_fat()
{
  std::vector<uint32_t> chain;
  if (!follow_chain(fat_, header_.first_mini_fat_sector, file_.block_count() - 1, UINT64_MAX, chain))
    return fail("the mini-FAT chain loops or points outside the file");
  uint32_t per_sector = header_.sector_size() / 4;
  for (uint32_t sector : chain) {
    if (!read_sector(sector))
      return fail("a mini-FAT sector cannot be read");
    for (uint32_t i = 0; i < per_sector; ++i)
      mini_fat_.push_back(load_u32(&sector_buffer_[4 * i]));
  }
  return true;
}

bool StorageFile::load_directory()
{
  std::vector<uint32_t> chain;
  if (!follow_chain(fat_, header_.first_directory_sector, file_.block_count() - 1, UINT64_MAX, chain))
    return fail("the directory chain loops or points outside the file");
  uint32_t per_sector = header_.sector_size() / kDirectoryEntrySize;
  // An entry's number is its place in the directory: links name entries by
  // place, so empty entries keep their places and are never linked to.
  for (uint32_t sector : chain) {
    if (!read_sector(sector))
      return fail("a directory sector cannot be read");
    for (uint32_t i = 0; i < per_sector; ++i) {
      StorageEntry entry;
      entry.decode(&sector_buffer_[kDirectoryEntrySize * i]);
      directory_.push_back(entry);
    }
  }
  if (directory_.empty() || directory_[0].is_empty())
    return fail("the directory has no root entry");
  return true;
}

bool StorageFile::build_tree()
{
  nodes_.assign(1, StorageNode());
  std::vector<bool> attached(directory_.size(), false);
  attached[0] = true;
  struct Pending {
    uint32_t entry;
    int parent;
  };
  std::vector<Pending> pending;
  if (directory_[0].child != kNoEntry)
    pending.push_back({directory_[0].child, 0});
  while (!pending.empty()) {
    Pending next = pending.back();
    pending.pop_back();
    if (next.entry >= directory_.size() || attached[next.entry] || directory_[next.entry].is_empty())
      return fail("a directory link loops or points past the directory");
    attached[next.entry] = true;
    const StorageEntry& entry = directory_[next.entry];
    int node = int(nodes_.size());
    nodes_.push_back(StorageNode{next.parent, next.entry, {}});
    nodes_[next.parent].children.push_back(node);
    if (entry.left_sibling != kNoEntry)
      pending.push_back({entry.left_sibling, next.parent});
    if (entry.right_sibling != kNoEntry)
      pending.push_back({entry.right_sibling, next.parent});
    if (entry.child != kNoEntry)
      pending.push_back({entry.child, node});
  }
  for (StorageNode& node : nodes_)
    std::sort(node.children.begin(), node.children.end(),
              [this](int a, int b) { return nodes_[a].entry_number < nodes_[b].entry_number; });
  return true;
}

int StorageFile::find_child(int node, const std::u16string& name) const
{
  for (int child : nodes_[node].children)
    if (directory_[nodes_[child].entry_number].name_text() == name)
      return child;
  return -1;
}

bool StorageFile::walk(const std::u16string& path, int& node) const
{
  std::size_t at = 0;
  if (!path.empty() && path[0] == u'\\') {
    node = 0;
    at = 1;
  }
  while (at < path.size()) {
    std::size_t end = path.find(u'\\', at);
    if (end == std::u16string::npos)
      end = path.size();
    std::u16string step = path.substr(at, end - at);
    if (step == u"..") {
      if (nodes_[node].parent >= 0)
        node = nodes_[node].parent;
    } else if (!step.empty() && step != u".") {
      node = find_child(node, step);
      if (node < 0)
        return false;
    }
    at = end + 1;
  }
  return true;
}

int StorageFile::change_directory(const std::u16string& path)
{
  if (!open_)
    return kStorageStepNotFound;
  int node = current_node_;
  if (!walk(path, node))
    return kStorageStepNotFound;
  current_node_ = node;
  return kStorageDone;
}

const StorageNode* StorageFile::lookup_entry(const std::u16string& path)
{
  if (!open_)
    return nullptr;
  int node = current_node_;
  return walk(path, node) ? &nodes_[node] : nullptr;
}

bool StorageFile::read_big_stream(uint32_t start, uint32_t size, StreamBytes& stream)
{
  uint32_t sector_size = header_.sector_size();
  uint64_t needed = (uint64_t(size) + sector_size - 1) / sector_size;
  std::vector<uint32_t> chain;
  if (!follow_chain(fat_, start, file_.block_count() - 1, needed, chain) || chain.size() < needed)
    return false;
  // Sectors that follow each other in the file are taken in one go: where
  // the whole stream does, it is used where it lies.
  bool in_a_row = !chain.empty();
  for (std::size_t i = 1; i < chain.size() && in_a_row; ++i)
    in_a_row = chain[i] == chain[i - 1] + 1;
  const uint8_t* in_place = in_a_row ? file_.bytes_at(uint64_t(chain.front()) + 1, size) : nullptr;
  if (in_place) {
    stream.data = in_place;
    return true;
  }
  std::vector<uint8_t>& bytes = stream.gathered;
  bytes.resize(size);
  for (std::size_t first = 0; first < chain.size();) {
    std::size_t last = first;
    while (last + 1 < chain.size() && chain[last + 1] == chain[last] + 1)
      ++last;
    std::size_t offset = first * sector_size;
    std::size_t length = std::min<std::size_t>((last - first + 1) * sector_size, size - offset);
    if (!file_.read_blocks(uint64_t(chain[first]) + 1, bytes.data() + offset, length))
      return false;
    first = last + 1;
  }
  stream.data = bytes.data();
  return true;
}

bool StorageFile::load_root_stream()
{
  if (root_stream_loaded_)
    return true;
  const StorageEntry& root = directory_[0];
  if (!read_big_stream(root.starting_sector, root.stream_size, root_stream_))
    return false;
  root_stream_.size = root.stream_size;
  root_stream_loaded_ = true;
  return true;
}

bool StorageFile::read_mini_stream(uint32_t start, uint32_t size, StreamBytes& stream)
{
  if (!load_root_stream())
    return false;
  uint32_t mini_size = header_.mini_sector_size();
  uint64_t needed = (uint64_t(size) + mini_size - 1) / mini_size;
  uint64_t mini_sectors = root_stream_.size / mini_size;
  std::vector<uint32_t> chain;
  if (!follow_chain(mini_fat_, start, mini_sectors, needed, chain) || chain.size() < needed)
    return false;
  std::vector<uint8_t>& bytes = stream.gathered;
  bytes.resize(size);
  for (std::size_t i = 0; i < chain.size(); ++i) {
    std::size_t offset = i * mini_size;
    std::memcpy(bytes.data() + offset, root_stream_.data + std::size_t(chain[i]) * mini_size,
                std::min<std::size_t>(mini_size, size - offset));
  }
  stream.data = bytes.data();
  return true;
}

int StorageFile::view_stream(const std::u16string& path, StreamBytes& stream)
{
  stream = StreamBytes();
  const StorageNode* node = lookup_entry(path);
  if (!node)
    return kStorageEntryNotFound;
  const StorageEntry& found = entry(*node);
  bool whole = node == &nodes_[0] || found.stream_size >= kMiniStreamCutoff;
  bool read = whole ? read_big_stream(found.starting_sector, found.stream_size, stream)
                    : read_mini_stream(found.starting_sector, found.stream_size, stream);
  if (!read) {
    stream = StreamBytes();
    error_ = "a stream's sector chain does not hold its size";
    return kStorageStreamDamaged;
  }
  stream.size = found.stream_size;
  return kStorageDone;
}

int StorageFile::read_stream(const std::u16string& path, std::vector<uint8_t>& bytes)
{
  StreamBytes stream;
  int result = view_stream(path, stream);
  bytes.assign(stream.data, stream.data + stream.size);
  return result;
}
