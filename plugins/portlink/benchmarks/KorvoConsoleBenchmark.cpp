// Prints how fast the target's console text gets through: "flood N" makes
// the simulated target on the served port (KORVO_TEST_PORT) send N bytes of
// text lines as fast as the line takes them, then "flood done". First the
// connector alone, in this process, to a bus participant that counts; then
// korvo.exe with portlink.dll, to its console and its daily log.
// korvo_console_benchmark.sh serves the port and runs this.
#include "CPortlink.h"
#include "ComConnector.h"
#include "ComponentNames.h"
#include "ComponentSystem.h"
#include "ErrorManager.h"
#include "KorvoProcess.h"
#include "PortlinkResources.h"
#include "TransportProtocol.h"
#include "WindowDriver.h"
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace windriver;
using Clock = std::chrono::steady_clock;

constexpr unsigned kDefaultBytes = 20000000;
// The flood's line, as the target prints it: 65 bytes ending in CR LF.
constexpr unsigned kLineBytes = 65;
// The log is written through a stdio buffer: what is still in it shows when
// korvo ends.
constexpr unsigned long long kLogBufferSlack = 64 * 1024;
constexpr DWORD kPoll = 20;
constexpr DWORD kFloodLimit = 600000;
constexpr char kFloodEnd[] = "flood done";

double seconds_since(Clock::time_point start)
{
  return std::chrono::duration<double>(Clock::now() - start).count();
}

unsigned long long file_size(const std::string& path)
{
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
    return 0;
  }
  return (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::string today_log()
{
  SYSTEMTIME now;
  GetLocalTime(&now);
  char name[32];
  std::snprintf(name, sizeof name, "SLog_%04u%02u%02u.txt", now.wYear, now.wMonth, now.wDay);
  return program_folder() + "..\\dist\\" + name;
}

int port_index(HWND ports, const std::string& name)
{
  int count = static_cast<int>(SendMessageA(ports, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    wchar_t text[256] = L"";
    SendMessageW(ports, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
    if (std::string(text, text + wcslen(text)).find(name) != std::string::npos) {
      return i;
    }
  }
  return -1;
}

// Types into the console at a pace the connector takes: one key per send.
void type(HWND console, const std::string& keys)
{
  for (char key : keys) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(console, WM_CHAR, static_cast<unsigned char>(key), 1, SMTO_NORMAL, 5000, &result);
    Sleep(100);
  }
}

int fail(const char* what)
{
  std::printf("benchmark failed: %s\n", what);
  return 1;
}

// Counts the console text the connector broadcasts and notices the end.
class TextCounter : public Component {
public:
  explicit TextCounter(ComponentSystem* system) : Component(kOutputName, system) { set_active(true); }
  bool shareable() const override { return true; }
  std::string type_name() const override { return "counter"; }
  int32_t notify(BusMessage* message) override
  {
    if (message->type == BUS_TEXT && message->len > 0) {
      bytes += message->len;
      tail.append(static_cast<const char*>(message->data), static_cast<std::size_t>(message->len));
      if (tail.find(kFloodEnd) != std::string::npos) {
        ended = true;
      }
      tail.erase(0, tail.size() > 64 ? tail.size() - 64 : 0);
    }
    return 0;
  }

  std::atomic<long long> bytes{0};
  std::atomic<bool> ended{false};
  std::string tail;
};

bool connector_alone(const std::string& port, unsigned bytes)
{
  ComponentSystem system;
  new ErrorManager(&system);
  new TransportProtocol(&system);
  auto* counter = new TextCounter(&system);
  auto* connector = new ComConnector(kConnectorName, &system);
  connector->port().enumerate();
  int index = -1;
  for (std::size_t i = 0; i < connector->port().ports().size(); ++i) {
    if (connector->port().ports()[i].name == port) {
      index = static_cast<int>(i);
    }
  }
  if (index < 0 || !connector->open(static_cast<uint8_t>(index))) {
    return false;
  }
  std::string command = "flood " + std::to_string(bytes) + "\r";
  BusMessage message{BUS_SEND_RAW, static_cast<int32_t>(command.size()), &command[0]};
  connector->request(&message);
  Clock::time_point start = Clock::now();
  bool ended = wait_until([&] { return counter->ended.load(); }, kFloodLimit);
  double seconds = seconds_since(start);
  connector->close();
  std::printf("  connector alone, to the bus: %.2f s, %.0f B/s (%lld bytes of text broadcast)\n", seconds,
              static_cast<double>(counter->bytes.load()) / seconds, counter->bytes.load());
  system.deinit();
  return ended;
}

}  // namespace

int main(int argc, char** argv)
{
  const unsigned bytes = argc > 1 ? static_cast<unsigned>(std::strtoul(argv[1], nullptr, 10)) : kDefaultBytes;
  const char* port = std::getenv("KORVO_TEST_PORT");
  std::printf("flood of %u bytes of console text at the target (a 921,600-baud line takes 92,160 B/s)\n", bytes);
  if (port == nullptr || !connector_alone(port, bytes)) {
    return fail("the connector did not get the flood");
  }
  std::string folder = make_folder(program_folder() + "portlink-korvo-bench", {program_folder() + "..\\dist\\portlink.dll"});
  KorvoProcess korvo;
  if (!korvo.start("..\\dist\\korvo.exe", folder) || korvo.wait_for_main_window() == NULL) {
    return fail("korvo did not start");
  }
  HWND form = wait_for([&] { return GetDlgItem(korvo.child_titled("COM connection"), 0xE900); });
  HWND ports = GetDlgItem(form, IDC_PORTS);
  int index = port_index(ports, port);
  if (index < 0) {
    return fail("the port is not listed");
  }
  SendMessageA(ports, CB_SETCURSEL, index, 0);
  SendMessageA(form, WM_COMMAND, MAKEWPARAM(IDC_PORTS, CBN_SELCHANGE), reinterpret_cast<LPARAM>(ports));
  if (text_of(GetDlgItem(form, IDC_OPEN_CLOSE)) != kCloseText) {
    return fail("the port did not open");
  }

  const std::string log = today_log();
  const unsigned long long log_before = file_size(log);
  // The log stores each line feed as CR LF.
  const unsigned long long log_goal = log_before + bytes + bytes / kLineBytes;
  type(korvo.console(), "flood " + std::to_string(bytes));
  Clock::time_point start = Clock::now();
  type(korvo.console(), "\r");
  if (!wait_until([&] { return file_size(log) + kLogBufferSlack >= log_goal; }, kFloodLimit)) {
    return fail("the log did not grow by the flood");
  }
  double log_seconds = seconds_since(start);
  if (!wait_until([&] { return korvo.console_text().find(kFloodEnd) != std::string::npos; }, kFloodLimit)) {
    return fail("the console did not show the flood's end");
  }
  double console_seconds = seconds_since(start);
  korvo.close();
  unsigned long long logged = file_size(log) - log_before;

  std::printf("  korvo, daily log:  %.2f s, %.0f B/s (%llu bytes logged, line feeds stored as CR LF)\n", log_seconds,
              bytes / log_seconds, logged);
  std::printf("  korvo, console:   %.2f s, %.0f B/s (its end shown)\n", console_seconds, bytes / console_seconds);
  return logged >= log_goal - log_before ? 0 : fail("the log lost bytes");
}
