#include "ConfigAreaExport.h"

#include "FlashImageAnalysis.h"

#include <algorithm>
#include <fstream>

FormatResult export_config_area(const std::vector<uint8_t>& image, const std::string& output_path)
{
  if (output_path.empty())
    return FormatResult::failure(kNoExportPathMessage);
  if (image.size() < kConfigLengthOffset + 4)
    return FormatResult::failure(kConfigAreaOutsideMessage);
  const uint64_t position = FlashBlockEntry::read_u32(image.data() + kConfigPositionOffset);
  const uint64_t length = FlashBlockEntry::read_u32(image.data() + kConfigLengthOffset);
  if (position + length > image.size())
    return FormatResult::failure(kConfigAreaOutsideMessage);
  std::ofstream file(output_path, std::ios::binary | std::ios::trunc);
  if (file)
    file.write(reinterpret_cast<const char*>(image.data() + position), static_cast<std::streamsize>(length));
  if (!file)
    return FormatResult::failure(kExportFailedMessage);
  return FormatResult::success();
}

bool internal_tool_enabled(const std::string& setting)
{
  std::string value = setting;
  value.erase(std::remove(value.begin(), value.end(), ' '), value.end());
  return value == "1";
}
