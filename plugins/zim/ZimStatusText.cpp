#include "ZimStatusText.h"
#include <cstdio>

namespace {

std::string counted(const char* format, uint32_t done, uint32_t total)
{
  char text[64];
  std::snprintf(text, sizeof text, format, static_cast<int>(done), static_cast<int>(total));
  return text;
}

}  // namespace

std::string zim_status_text(ZimStatusMode mode, int type, uint32_t done, uint32_t total)
{
  switch (type) {
  case kZimStatusReset:
    return "Please reset the slave STB!";
  case kZimStatusSync:
    return "Sync with slave, please wait...";
  case kZimStatusBlockTable:
    return mode == ZimStatusMode::block ? "Get Slave block info,please select upgrade block operation" : " ";
  case kZimStatusTransfer:
    if (mode == ZimStatusMode::dump) {
      return counted("Dumping: %d/%d", done, total);
    }
    return mode == ZimStatusMode::whole ? counted("Transferring: %d/%d", done, total) : " ";
  case kZimStatusBurn:
    return mode == ZimStatusMode::whole ? counted("Burning: %d/%d", done, total) : " ";
  default:
    return " ";
  }
}

std::string zim_block_status_text(bool read, int type, uint32_t done, uint32_t total)
{
  if (type == kZimStatusTransfer) {
    return counted(read ? "Downloading: %d/%d" : "Transferring: %d/%d", done, total);
  }
  if (type == kZimStatusBurn) {
    return counted("Burning: %d/%d", done, total);
  }
  return " ";
}

uint32_t zim_progress_percent(uint32_t done, uint32_t total)
{
  if (total == 0) {
    return 0;
  }
  return static_cast<uint32_t>(static_cast<uint64_t>(done) * 100 / total);
}

std::string zim_block_label(const FlashBlockEntry& entry)
{
  char text[32];
  std::snprintf(text, sizeof text, "%.8s(%02X)", entry.name, entry.id);
  return text;
}
