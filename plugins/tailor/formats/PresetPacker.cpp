#include "PresetPacker.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <utility>

PresetPacker::PresetPacker(std::string host_directory, ProgramRunner runner)
    : host_directory_(std::move(host_directory)), runner_(std::move(runner))
{
}

FormatResult PresetPacker::pack_preset(const std::vector<uint8_t>& input, std::vector<uint8_t>& output)
{
  return run_lzma(kPackCommand, kPresetPlainFile, kPresetPackedFile, input, output);
}

FormatResult PresetPacker::unpack_preset(const std::vector<uint8_t>& input, std::vector<uint8_t>& output)
{
  return run_lzma(kUnpackCommand, kPresetPackedFile, kPresetPlainFile, input, output);
}

FormatResult PresetPacker::run_lzma(const char* command, const char* input_name, const char* output_name,
                                    const std::vector<uint8_t>& input, std::vector<uint8_t>& output)
{
  const std::string input_path = path_of(input_name);
  const std::string output_path = path_of(output_name);
  // Every run starts without leftovers of the previous one.
  std::remove(path_of(kPresetPackedFile).c_str());
  std::remove(path_of(kPresetPlainFile).c_str());

  {
    std::ofstream file(input_path, std::ios::binary);
    if (!file)
      return FormatResult::failure(std::string());
    file.write(reinterpret_cast<const char*>(input.data()), static_cast<std::streamsize>(input.size()));
    if (!file.flush())
      return FormatResult::failure(std::string());
  }

  const std::string command_line = std::string(command) + "\"" + input_path + "\" \"" + output_path + "\"";
  if (!runner_(command_line)) {
    // A failed run's output, if any, is not the block.
    std::remove(output_path.c_str());
    return FormatResult::failure(kPackOutputMissingMessage);
  }

  std::ifstream file(output_path, std::ios::binary);
  if (!file)
    return FormatResult::failure(kPackOutputMissingMessage);
  output.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  return FormatResult::success();
}

std::string PresetPacker::path_of(const char* file_name) const
{
  return host_directory_ + "\\" + file_name;
}
