#include "BlockData.h"

#include <algorithm>
#include <utility>

BlockData::BlockData(std::vector<uint8_t> bytes) : source_(std::make_shared<std::vector<uint8_t>>(std::move(bytes))) {}

BlockData::BlockData(const uint8_t* first, std::size_t count)
    : source_(std::make_shared<std::vector<uint8_t>>(first, first + count))
{
}

BlockData::BlockData(std::shared_ptr<std::vector<uint8_t>> source, std::size_t offset, std::size_t count)
    : source_(std::move(source)), run_(true), offset_(offset), count_(count)
{
}

std::size_t BlockData::size() const
{
  if (!source_)
    return 0;
  return run_ ? count_ : source_->size();
}

const uint8_t* BlockData::data() const
{
  if (!source_)
    return nullptr;
  return source_->data() + (run_ ? offset_ : 0);
}

std::vector<uint8_t>& BlockData::edit()
{
  // Records live on the user-interface thread, so the count is exact.
  if (!source_ || run_ || source_.use_count() > 1) {
    source_ = std::make_shared<std::vector<uint8_t>>(begin(), end());
    run_ = false;
    offset_ = 0;
    count_ = 0;
  }
  return *source_;
}

bool BlockData::shares_bytes_with(const BlockData& other) const
{
  return source_ != nullptr && source_ == other.source_ && data() == other.data();
}

bool operator==(const BlockData& a, const BlockData& b)
{
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
}

bool operator==(const BlockData& a, const std::vector<uint8_t>& b)
{
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
}
