// A bus participant for korvo's end-to-end checks with portlink.dll: a
// plug-in that korvo loads from its folder like any other. A driver sends it
// commands by WM_COPYDATA to its hidden window (class "KORVO::BusProbe"); it
// turns them into requests to "memcopy" and "com connector" and answers with
// the request's result. Every broadcast it hears goes, one line each, to
// "bus-probe.events" in the working folder.
//
//   read ADDRESS COUNT   memory read of COUNT bytes (ADDRESS in hex)
//   os TYPE PARAMETER    OS-state query of that type
//   send TYPE TEXT       the text to the connector under that type
//   high-speed 0|1       the high-speed switch
//   busy                 whether the connector is still sending
//   reset                memcopy back to idle
#include "BusMessage.h"
#include "Component.h"
#include "ComponentNames.h"
#include "HostSystem.h"
#include "MemoryCounterpart.h"
#include "PluginInterface.h"
#include <windows.h>
#include <cstdio>
#include <mutex>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr char kWindowClass[] = "KORVO::BusProbe";
constexpr char kEventsFile[] = "bus-probe.events";
constexpr uint32_t kCheckSize = 4;
constexpr uint32_t kDestinationSize = 0x10000;
// The record's address and length go to the target; its pointer stays here.
constexpr int32_t kRecordBytesSent = 8;

std::string hex_of(const void* data, std::size_t count)
{
  std::string text;
  char digits[4];
  for (std::size_t i = 0; i < count; ++i) {
    std::snprintf(digits, sizeof digits, "%02x", static_cast<const uint8_t*>(data)[i]);
    text += digits;
  }
  return text;
}

class BusProbe : public Component {
public:
  explicit BusProbe(HostSystem* system) : Component("bus probe", system), system_(system), destination_(kDestinationSize)
  {
    set_active(true);
  }

  bool shareable() const override { return true; }
  std::string type_name() const override { return "test probe"; }

  int32_t notify(BusMessage* message) override
  {
    std::ostringstream line;
    line << message->type << ' ' << message->len;
    if (message->type == BUS_SEND_PROGRESS && message->data != nullptr) {
      line << ' ' << *static_cast<const uint32_t*>(message->data);
    } else if (message->type == BUS_REQUEST_4 && message->data != nullptr && message->len > 0) {
      line << ' ' << hex_of(message->data, static_cast<std::size_t>(message->len));
    } else if (message->type == BUS_READ_OK && message->len > 0 &&
               static_cast<uint32_t>(message->len) <= kDestinationSize) {
      line << ' ' << hex_of(destination_.data(), static_cast<std::size_t>(message->len));
    }
    record(line.str());
    return 0;
  }

  int32_t run(const std::string& command)
  {
    std::istringstream words(command);
    std::string verb;
    words >> verb;
    if (verb == "read") {
      uint32_t address = 0;
      uint32_t count = 0;
      words >> std::hex >> address >> std::dec >> count;
      return read(BUS_MEMORY_READ, address, count + kCheckSize);
    }
    if (verb == "os") {
      int32_t type = 0;
      uint32_t parameter = 0;
      words >> type >> parameter;
      return read(type, parameter, kDestinationSize);
    }
    if (verb == "send") {
      int32_t type = 0;
      words >> type;
      std::string text;
      std::getline(words >> std::ws, text);
      BusMessage message{type, static_cast<int32_t>(text.size()), &text[0]};
      return system_->acquire(kConnectorName)->request(&message);
    }
    if (verb == "high-speed") {
      int32_t on = 0;
      words >> on;
      BusMessage message{BUS_SET_HIGH_SPEED, on, nullptr};
      return system_->acquire(kConnectorName)->request(&message);
    }
    if (verb == "busy") {
      BusMessage message{BUS_QUERY_BUSY, 0, nullptr};
      return system_->acquire(kConnectorName)->request(&message);
    }
    if (verb == "reset") {
      BusMessage message{BUS_RESET, 0, nullptr};
      return system_->acquire(kMemoryReaderName)->request(&message);
    }
    return -1;
  }

private:
  int32_t read(int32_t type, uint32_t first, uint32_t length)
  {
    record_ = MemoryRequest{first, length, destination_.data()};
    BusMessage message{type, kRecordBytesSent, &record_};
    return system_->acquire(kMemoryReaderName)->request(&message);
  }

  void record(const std::string& line)
  {
    std::lock_guard<std::mutex> hold(file_lock_);
    if (std::FILE* file = std::fopen(kEventsFile, "ab")) {
      std::fprintf(file, "%s\n", line.c_str());
      std::fclose(file);
    }
  }

  HostSystem* system_;
  std::vector<uint8_t> destination_;
  MemoryRequest record_{};
  std::mutex file_lock_;
};

BusProbe* probe = nullptr;

LRESULT CALLBACK probe_window(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
  if (message == WM_COPYDATA && probe != nullptr) {
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lparam);
    return probe->run(std::string(static_cast<const char*>(data->lpData), data->cbData));
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

extern "C" {

__declspec(dllexport) int32_t dll_init(CWnd*, HostSystem* system)
{
  if (probe != nullptr) {
    return 1;
  }
  // The system owns the component from here on.
  probe = new BusProbe(system);
  WNDCLASSA window_class = {};
  window_class.lpfnWndProc = &probe_window;
  window_class.hInstance = GetModuleHandleA(nullptr);
  window_class.lpszClassName = kWindowClass;
  RegisterClassA(&window_class);
  return CreateWindowExA(0, kWindowClass, "", WS_POPUP, 0, 0, 0, 0, NULL, NULL, window_class.hInstance, nullptr) !=
                 NULL
             ? 1
             : 0;
}

__declspec(dllexport) void dll_deinit() {}

__declspec(dllexport) const char* dll_get_title()
{
  return "bus probe";
}

__declspec(dllexport) int32_t dll_is_gui()
{
  return 1;
}

}  // extern "C"
