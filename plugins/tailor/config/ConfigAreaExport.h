#pragma once
#include "FormatResult.h"

#include <cstdint>
#include <string>
#include <vector>

const char kNoExportPathMessage[] = "Please select a file to be exported!";
const char kConfigAreaOutsideMessage[] = "The customer configuration area lies outside the image!";
const char kExportFailedMessage[] = "Failed to write the exported file!";

// Writes a bank-form image's customer-configuration area (position at image
// offset 28, length at 32) to a new file, emptied when it exists.
FormatResult export_config_area(const std::vector<uint8_t>& image, const std::string& output_path);

// The settings value of the internal-tool switch: on only when it is "1"
// once its spaces are gone.
bool internal_tool_enabled(const std::string& setting);
