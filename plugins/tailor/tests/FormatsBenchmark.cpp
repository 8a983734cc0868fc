// Prints how long the format cores take on images and tables of the largest
// sizes the tool meets. Run under Wine from test-bin/ (lzma.exe on the path).
#include "BlockScript.h"
#include "FlashImageAnalysis.h"
#include "HiddenProgram.h"
#include "ImageBuilder.h"
#include "NewFlashImage.h"
#include "PresetBlock.h"

#include <chrono>
#include <cstring>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <sstream>

using namespace image_builder;

namespace {

const std::size_t kImageSize = 32 * 1024 * 1024;

void measure(const char* what, int rounds, const std::function<bool()>& operation)
{
  const auto start = std::chrono::steady_clock::now();
  bool ok = true;
  for (int i = 0; i < rounds; ++i)
    ok = operation() && ok;
  const double milliseconds =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() / rounds;
  std::printf("%-52s %10.2f ms%s\n", what, milliseconds, ok ? "" : "  (FAILED)");
}

std::vector<uint8_t> dm_image()
{
  std::vector<uint8_t> image(kImageSize, 0x5A);
  std::vector<FlashBlockEntry> boot = { entry(1, 0x1000, 0x40000, "boot"), entry(2, 0x41000, 0x40000, "loader") };
  place_dm_header(image, 0, kImageSize, boot);
  std::vector<FlashBlockEntry> blocks;
  for (uint8_t k = 0; k < 62; ++k)
    blocks.push_back(entry(static_cast<uint8_t>(0x10 + k), 0x1000 + k * 0x70000u, 0x60000, "blk"));
  place_dm_header(image, 0x100000, kImageSize, blocks);
  return image;
}

std::string large_script()
{
  std::string text = "FLASH=33554432\n";
  for (int block = 0; block < 64; ++block) {
    text += "ID=" + std::to_string(block + 1) + "\nEM=0\nname=block" + std::to_string(block) + "\nOFFSET=0\n##";
    for (int field = 0; field < 100; ++field)
      text += "[field" + std::to_string(field) + "][2][" + std::to_string(field * 8) + "][8][0][255][1]" +
              (field == 99 ? "##\n" : ";\n");
  }
  return text;
}

PresetTable large_table()
{
  PresetTable table(2000, 20);
  for (std::size_t r = 0; r < table.rows; ++r) {
    for (std::size_t c = 0; c < table.columns; ++c) {
      if ((r + c) % 5 == 0)
        continue;
      table.at(r, c) = c % 2 ? PresetCell::of_number(double(r * 100 + c)) : PresetCell::of_text(u"Program name 123");
    }
  }
  return table;
}

}  // namespace

int main()
{
  const std::vector<uint8_t> dm = dm_image();
  const std::vector<uint8_t> bank = bank_image(0x800000, 0x800, { entry(1, 0x10000, 0x1000, "ssdata") }, 0x4000, 0x400);

  measure("analyse a 32 MB DM image (64 blocks, 24 MB of data)", 5, [&] {
    FlashImageAnalysis analysis;
    return analysis.analyse(dm, "C:\\box.bin", false).ok();
  });
  measure("analyse an 8 MB bank image (no DM header to find)", 5, [&] {
    FlashImageAnalysis analysis;
    return analysis.analyse(bank, "C:\\box.bin", false).ok();
  });

  FlashImageAnalysis analysis;
  analysis.analyse(dm, "C:\\box.bin", false);
  measure("lay out a new 32 MB image from 64 records", 5, [&] {
    std::vector<BlockRecord> records = analysis.record_copy;
    NewFlashImage result;
    return result.lay_out(records, analysis.image).ok();
  });

  const std::string script = large_script();
  measure("parse a block script of 64 blocks x 100 fields", 5, [&] {
    std::istringstream in(script);
    BlockScript parsed;
    return parsed.parse(in, kImageSize).ok();
  });

  const std::filesystem::path host = std::filesystem::absolute("bench-host");
  std::filesystem::create_directories(host);
  PresetPacker packer(host.string(), run_hidden_and_wait);
  const PresetTable table = large_table();
  std::vector<BlockRecord> records(1);
  std::memcpy(records[0].entry.name, "preset", 6);
  std::vector<uint8_t> plain;
  build_preset_data(table, plain);
  std::size_t packed_length = 0;
  measure("build and pack a 2000 x 20 preset table via lzma.exe", 3, [&] {
    return build_preset_block(records, table, packer, packed_length).ok();
  });
  std::printf("  preset block: %zu bytes plain, %zu bytes packed\n", plain.size(), packed_length);
  measure("unpack and read it back", 3, [&] {
    PresetSheet sheet;
    return read_preset_block(records[0], packer, sheet).ok();
  });
  std::filesystem::remove_all(host);
  return 0;
}
