// A spreadsheet turned into a preset by each project group's converter.
// Byte 0 picks the converter; the rest is the file.
#include "PresetConverterFactory.h"
#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  if (size < 1) {
    return 0;
  }
  // The converters load from a file, as the dialog hands them one.
  static const std::string path = "/tmp/korvo-preset-fuzz-" + std::to_string(getpid()) + ".xls";
  {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data + 1), static_cast<std::streamsize>(size - 1));
  }
  SatTpProg48Factory prog48;
  SatTpProg52Factory prog52;
  SatTp52Factory tp52;
  PresetConverterFactory* factories[] = {&prog48, &prog52, &tp52};
  std::unique_ptr<PresetConverter> converter = factories[data[0] % 3]->create();
  if (converter->load(path)) {
    std::vector<uint8_t> output;
    converter->convert(output, converter->count_data_rows());
    std::string message;
    converter->result_message(message);
  }
  std::remove(path.c_str());
  return 0;
}
