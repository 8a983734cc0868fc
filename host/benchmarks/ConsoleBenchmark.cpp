// Prints how fast korvo's console takes target text: starts korvo.exe with
// the window tests' plug-ins, sends 20 MB of console-like lines to its main
// window by WM_COPYDATA, as another program would, and reports the bytes
// shown per second and the bytes its daily log gained. Each send returns
// once the console has taken and logged the block.
// Run in test-bin under the build's Wine session:
//   ../wine-run korvo_console_benchmark.exe
#include "KorvoProcess.h"
#include "WindowDriver.h"
#include <windows.h>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using windriver::KorvoProcess;

constexpr std::size_t kTotalBytes = 20u << 20;

// Lines like those a set-top box prints while it runs: a time stamp, a
// task name and a few numbers, ended by CR LF.
std::string target_text(std::size_t size)
{
  static const char* const kTasks[] = {"demux", "av_sync", "tuner", "osd", "pvr", "ci_mgr"};
  std::string text;
  text.reserve(size + 128);
  unsigned seed = 12345;
  for (unsigned line = 0; text.size() < size; ++line) {
    seed = seed * 1103515245u + 12345u;
    char buffer[128];
    int length = std::snprintf(buffer, sizeof buffer, "[%6u.%03u] %-8s pid 0x%04x cc %2u len %3u %s\r\n", line / 50,
                               (line * 20) % 1000, kTasks[(seed >> 8) % 6], (seed >> 12) & 0x1FFF, (seed >> 4) % 16,
                               (seed >> 16) % 188, (seed & 0x100) != 0 ? "ok" : "resync");
    text.append(buffer, static_cast<std::size_t>(length));
  }
  text.resize(size);
  return text;
}

std::size_t line_feeds(const std::string& text)
{
  std::size_t count = 0;
  for (char c : text) {
    count += c == '\n' ? 1 : 0;
  }
  return count;
}

// Total size of the daily logs in the folder.
unsigned long long log_bytes(const std::string& folder)
{
  unsigned long long total = 0;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "SLog_*.txt").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) {
    return 0;
  }
  do {
    total += (static_cast<unsigned long long>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return total;
}

bool run(std::size_t block_size, const std::string& text)
{
  // A copy of korvo.exe in a folder of its own keeps its daily log there,
  // away from the build's dist folder; the libraries are on Wine's path.
  const std::string bin = windriver::program_folder();
  std::vector<std::string> files = {bin + "..\\dist\\korvo.exe"};
  for (const char* name : {"korvo_test_com", "korvo_test_zim", "korvo_test_seed"}) {
    files.push_back(bin + "korvo-plugins\\" + name + ".dll");
  }
  std::string folder = windriver::make_folder(bin + "korvo-bench", files);

  KorvoProcess korvo;
  if (!korvo.start(folder + "korvo.exe", folder) || korvo.wait_for_main_window() == NULL) {
    std::printf("korvo.exe did not start\n");
    return false;
  }
  Sleep(500);
  unsigned long long logged_before = log_bytes(folder);

  Clock::time_point start = Clock::now();
  for (std::size_t offset = 0; offset < text.size(); offset += block_size) {
    korvo.copy_data(text.substr(offset, block_size));
  }
  // Reading the console waits for the last text to be in it.
  std::string tail = korvo.console_text();
  double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  bool closed = korvo.close();
  unsigned long long logged = log_bytes(folder) - logged_before;

  // The log is in text mode: each line feed is stored as CR LF.
  unsigned long long received_logged = logged >= line_feeds(text) ? logged - line_feeds(text) : 0;
  double megabyte = 1024.0 * 1024.0;
  std::printf("blocks of %6zu bytes: %.1f MB in %.2f s\n", block_size, static_cast<double>(text.size()) / megabyte, seconds);
  std::printf("  shown:  %8.2f MB/s (console holds %zu characters at the end)\n", static_cast<double>(text.size()) / megabyte / seconds,
              tail.size());
  std::printf("  logged: %8.2f MB/s (%llu of %zu received bytes in the log file)\n", static_cast<double>(received_logged) / megabyte / seconds,
              received_logged, text.size());
  if (!closed) {
    std::printf("  korvo had to be ended\n");
  }
  return true;
}

}  // namespace

int main()
{
  std::string text = target_text(kTotalBytes);
  // 1,024 bytes is what the connector reads from the port at once.
  for (std::size_t block_size : {std::size_t(1024), std::size_t(65536)}) {
    if (!run(block_size, text)) {
      return 1;
    }
  }
  std::printf("goal: 2.00 MB/s shown and logged\n");
  return 0;
}
