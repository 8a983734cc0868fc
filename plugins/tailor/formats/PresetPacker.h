#pragma once
#include "FormatResult.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Working files of lzma.exe, in the host program's directory.
const char kPresetPlainFile[] = "npreset";
const char kPresetPackedFile[] = "npreset.7z";
const char kPackCommand[] = "lzma.exe e ";
const char kUnpackCommand[] = "lzma.exe d ";
const char kPackOutputMissingMessage[] = "error to open output file!";

// Starts a command line hidden and waits for its end; true when the program
// ran and reported success.
using ProgramRunner = std::function<bool(const std::string& command_line)>;

// Packs and unpacks the preset block through lzma.exe and its two working
// files. A failure with an empty message is not shown to the user.
class PresetPacker {
public:
  PresetPacker(std::string host_directory, ProgramRunner runner);

  FormatResult pack_preset(const std::vector<uint8_t>& input, std::vector<uint8_t>& output);
  FormatResult unpack_preset(const std::vector<uint8_t>& input, std::vector<uint8_t>& output);

private:
  FormatResult run_lzma(const char* command, const char* input_name, const char* output_name,
                        const std::vector<uint8_t>& input, std::vector<uint8_t>& output);
  std::string path_of(const char* file_name) const;

  std::string host_directory_;
  ProgramRunner runner_;
};
