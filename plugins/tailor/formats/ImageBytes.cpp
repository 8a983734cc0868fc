#include "ImageBytes.h"

#include <utility>

ImageBytes::ImageBytes(std::vector<uint8_t> bytes) : bytes_(std::make_shared<std::vector<uint8_t>>(std::move(bytes))) {}

ImageBytes& ImageBytes::operator=(std::vector<uint8_t> bytes)
{
  bytes_ = std::make_shared<std::vector<uint8_t>>(std::move(bytes));
  return *this;
}

const std::vector<uint8_t>& ImageBytes::bytes() const
{
  static const std::vector<uint8_t> none;
  return bytes_ ? *bytes_ : none;
}

std::vector<uint8_t>& ImageBytes::edit()
{
  // The image and its records live on the user-interface thread, so the
  // count is exact.
  if (!bytes_)
    bytes_ = std::make_shared<std::vector<uint8_t>>();
  else if (bytes_.use_count() > 1)
    bytes_ = std::make_shared<std::vector<uint8_t>>(*bytes_);
  return *bytes_;
}
