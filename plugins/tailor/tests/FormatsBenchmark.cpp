// Prints how long the format cores take on images and tables of the largest
// sizes the tool meets, and how the analysis of an image file compares with a
// plain read of it. Run under Wine from test-bin/ (lzma.exe on the path).
#include "BlockScript.h"
#include "FlashImageAnalysis.h"
#include "HiddenProgram.h"
#include "ImageBuilder.h"
#include "NewFlashImage.h"
#include "PresetBlock.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

using namespace image_builder;

namespace {

const std::size_t kImageSize = 64 * 1024 * 1024;
const std::size_t kImageBlocks = 64;

using Clock = std::chrono::steady_clock;

double milliseconds_since(Clock::time_point start)
{
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void measure(const char* what, int rounds, const std::function<bool()>& operation)
{
  const auto start = Clock::now();
  bool ok = true;
  for (int i = 0; i < rounds; ++i)
    ok = operation() && ok;
  std::printf("%-52s %10.2f ms%s\n", what, milliseconds_since(start) / rounds, ok ? "" : "  (FAILED)");
}

// Keeps the smallest of the times it is given.
class BestTime {
public:
  void add(double milliseconds)
  {
    if (rounds_++ == 0 || milliseconds < best_)
      best_ = milliseconds;
  }
  double milliseconds() const { return best_; }

private:
  int rounds_ = 0;
  double best_ = 0;
};

// A 64 MB DM image as built: two boot blocks under a header at the start, 62
// blocks under a second header, together nearly the whole image. The bytes
// are arbitrary, as compressed firmware is, so the marker's first character
// turns up about every 256 bytes.
std::vector<uint8_t> dm_image()
{
  std::vector<uint8_t> image(kImageSize);
  uint32_t seed = 0x2468ACE1;
  for (uint8_t& byte : image) {
    seed = seed * 1103515245u + 12345u;
    byte = static_cast<uint8_t>(seed >> 16);
  }
  const uint32_t boot_length = 0x7F000;
  place_dm_header(image, 0, kImageSize,
                  { entry(1, 0x1000, boot_length, "boot"), entry(2, 0x1000 + boot_length, boot_length, "loader") });
  const uint32_t second_header = 0x100000;
  const uint32_t block_length = static_cast<uint32_t>((kImageSize - second_header - 0x1000) / (kImageBlocks - 2));
  std::vector<FlashBlockEntry> blocks;
  for (uint32_t k = 0; k < kImageBlocks - 2; ++k)
    blocks.push_back(entry(static_cast<uint8_t>(0x10 + k), 0x1000 + k * block_length, block_length, "blk"));
  place_dm_header(image, second_header, kImageSize, blocks);
  return image;
}

std::vector<uint8_t> read_whole_file(const std::string& path)
{
  std::ifstream file(path, std::ios::binary);
  file.seekg(0, std::ios::end);
  std::vector<uint8_t> bytes(static_cast<std::size_t>(file.tellg()));
  file.seekg(0, std::ios::beg);
  file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(file.gcount()));
  return bytes;
}

// Both timings end when the bytes or the model are ready; freeing them is
// left out, as it happens only at the view's Clear. The best of a few rounds
// counts: the file is in the system's cache after the first.
void compare_analysis_with_a_plain_read(const std::vector<uint8_t>& image)
{
  const std::string path = "bench-image.bin";
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(image.data()), image.size());

  const int rounds = 7;
  bool ok = true;
  BestTime read;
  BestTime analysis;
  BestTime scan;
  std::size_t block_bytes = 0;
  for (int round = 0; round < rounds; ++round) {
    {
      const auto start = Clock::now();
      const std::vector<uint8_t> bytes = read_whole_file(path);
      read.add(milliseconds_since(start));
      ok = ok && bytes.size() == image.size();
    }
    {
      FlashImageAnalysis analysed;
      const auto start = Clock::now();
      ok = analysed.analyse_file(path, false).ok() && ok;
      analysis.add(milliseconds_since(start));
      ok = ok && analysed.block_count == kImageBlocks;
      block_bytes = 0;
      for (const BlockRecord& record : analysed.records)
        block_bytes += record.data.size();
    }
    {
      // The same bytes with the markers gone: a search through the whole image.
      FlashImageAnalysis unmarked;
      unmarked.image = image;
      unmarked.image.edit()[0] = unmarked.image.edit()[0x100000] = 0;
      const auto start = Clock::now();
      ok = !unmarked.scan_dm_headers() && ok;
      scan.add(milliseconds_since(start));
    }
  }
  std::remove(path.c_str());

  std::printf("64 MB image file with %zu blocks, best of %d rounds%s\n", kImageBlocks, rounds, ok ? "" : "  (FAILED)");
  std::printf("  plain read of the file                             %10.2f ms\n", read.milliseconds());
  std::printf("  analysis of the file (read, scan, block records)   %10.2f ms\n", analysis.milliseconds());
  std::printf("  analysis / read                                    %10.2f\n", analysis.milliseconds() / read.milliseconds());
  std::printf("  of it: the search for DM headers in 64 MB          %10.2f ms\n", scan.milliseconds());
  std::printf("  and %.1f MB of block data, read where they lie in the image\n", static_cast<double>(block_bytes) / 1048576.0);
}

std::string large_script()
{
  std::string text = "FLASH=" + std::to_string(kImageSize) + "\n";
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
  compare_analysis_with_a_plain_read(dm);

  const std::vector<uint8_t> bank = bank_image(0x800000, 0x800, { entry(1, 0x10000, 0x1000, "ssdata") }, 0x4000, 0x400);
  measure("analyse an 8 MB bank image in memory", 5, [&] {
    FlashImageAnalysis analysis;
    return analysis.analyse(bank, "C:\\box.bin", false).ok();
  });

  FlashImageAnalysis analysis;
  analysis.analyse(dm, "C:\\box.bin", false);
  measure("lay out a new 64 MB image from 64 records", 5, [&] {
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
