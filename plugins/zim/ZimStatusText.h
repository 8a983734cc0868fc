#pragma once
#include "FlashBlockEntry.h"
#include "ZimView.h"
#include <cstdint>
#include <string>

enum class ZimStatusMode { dump, block, whole };

// The status line of the upgrade dialog's group for the mode.
std::string zim_status_text(ZimStatusMode mode, int type, uint32_t done, uint32_t total);
// The block dialog's status line; read: blocks are read back.
std::string zim_block_status_text(bool read, int type, uint32_t done, uint32_t total);
// done as a percentage of total; 0 for an empty total.
uint32_t zim_progress_percent(uint32_t done, uint32_t total);
// A block dialog row's label: the name cut to 8 characters and the id.
std::string zim_block_label(const FlashBlockEntry& entry);
