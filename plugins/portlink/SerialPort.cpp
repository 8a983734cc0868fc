#include "SerialPort.h"
#include "app/AfxMessageBox.h"
#include <setupapi.h>
#include <algorithm>
#include <cstddef>
#include <string>

namespace {

// The device-interface class of COM ports.
constexpr GUID kComPortInterfaceClass = {0x86E0D1E0, 0x8089, 0x11D0, {0x9C, 0xE4, 0x08, 0x00, 0x3E, 0x30, 0x1F, 0x73}};
constexpr char kSerialCommKey[] = "Hardware\\DeviceMap\\SerialComm";
// The prefix that opens a device by name; it also reaches COM10 and above.
constexpr char kDevicePrefix[] = "\\\\.\\";
constexpr DWORD kRegistryTextSize = 256;
constexpr DWORD kInterfaceDetailSize = 261;
constexpr DWORD kFriendlyNameSize = 256;

class SectionGuard {
public:
  explicit SectionGuard(CRITICAL_SECTION& section) : section_(section) { EnterCriticalSection(&section_); }
  ~SectionGuard() { LeaveCriticalSection(&section_); }
  SectionGuard(const SectionGuard&) = delete;
  SectionGuard& operator=(const SectionGuard&) = delete;

private:
  CRITICAL_SECTION& section_;
};

HANDLE new_manual_reset_event()
{
  return CreateEventA(nullptr, TRUE, FALSE, nullptr);
}

DWORD wait_time(int32_t timeout_ms)
{
  return timeout_ms < 0 ? INFINITE : static_cast<DWORD>(timeout_ms);
}

void wait_on_closed_port(int32_t timeout_ms)
{
  Sleep(timeout_ms < 0 ? SerialPort::kClosedPortPoll : static_cast<DWORD>(timeout_ms));
}

// Ends an operation that was broken off. The bytes it moved before it ended
// still count, although it reports itself aborted: they have left the
// driver's queue.
uint32_t cancel_operation(HANDLE handle, OVERLAPPED& overlapped)
{
  CancelIo(handle);
  DWORD transferred = 0;
  GetOverlappedResult(handle, &overlapped, &transferred, TRUE);
  return transferred;
}

uint32_t finished_operation(HANDLE handle, OVERLAPPED& overlapped)
{
  DWORD transferred = 0;
  return GetOverlappedResult(handle, &overlapped, &transferred, FALSE) ? transferred : 0;
}

}  // namespace

SerialPort::SerialPort()
    : handle_(nullptr),
      cancel_event_(new_manual_reset_event()),
      closing_event_(new_manual_reset_event()),
      read_overlapped_(),
      write_overlapped_(),
      current_(0)
{
  read_overlapped_.hEvent = new_manual_reset_event();
  write_overlapped_.hEvent = new_manual_reset_event();
  InitializeCriticalSection(&read_lock_);
  InitializeCriticalSection(&write_lock_);
}

SerialPort::~SerialPort()
{
  close();
  CloseHandle(read_overlapped_.hEvent);
  CloseHandle(write_overlapped_.hEvent);
  CloseHandle(cancel_event_);
  CloseHandle(closing_event_);
  DeleteCriticalSection(&write_lock_);
  DeleteCriticalSection(&read_lock_);
}

uint32_t SerialPort::write(const uint8_t* bytes, uint32_t count, int32_t timeout_ms)
{
  {
    SectionGuard guard(write_lock_);
    HANDLE handle = handle_;
    if (handle != nullptr) {
      ResetEvent(write_overlapped_.hEvent);
      DWORD written = 0;
      if (WriteFile(handle, bytes, count, &written, &write_overlapped_) || GetLastError() != ERROR_IO_PENDING) {
        return written;
      }
      // A cancel is meant for a waiting read: a write ends by its time-out.
      HANDLE events[] = {write_overlapped_.hEvent, closing_event_};
      DWORD woken = WaitForMultipleObjects(2, events, FALSE, wait_time(timeout_ms));
      if (woken == WAIT_OBJECT_0) {
        return finished_operation(handle, write_overlapped_);
      }
      return cancel_operation(handle, write_overlapped_);
    }
  }
  wait_on_closed_port(timeout_ms);
  return 0;
}

uint32_t SerialPort::read(uint8_t* buffer, uint32_t size, int32_t timeout_ms)
{
  {
    SectionGuard guard(read_lock_);
    HANDLE handle = handle_;
    if (handle != nullptr) {
      if (size == 0) {
        return 0;
      }
      // What has come already is taken at once; otherwise the first byte is
      // awaited and what came with it taken too. A read that waits for the
      // line to go quiet would add that wait to every reply.
      uint32_t got = read_waiting(handle, buffer, size);
      if (got == 0) {
        got = overlapped_read(handle, buffer, 1, timeout_ms);
        if (got == 1) {
          got += read_waiting(handle, buffer + 1, size - 1);
        }
      }
      if (got > 0) {
        // The worker looks at its state after every read that brought bytes.
        ResetEvent(cancel_event_);
      }
      return got;
    }
  }
  wait_on_closed_port(timeout_ms);
  return 0;
}

uint32_t SerialPort::read_waiting(HANDLE handle, uint8_t* buffer, uint32_t size)
{
  DWORD errors = 0;
  COMSTAT status = {};
  if (size == 0 || !ClearCommError(handle, &errors, &status) || status.cbInQue == 0) {
    return 0;
  }
  // The bytes are there: the read ends at once, so no time-out is needed.
  return overlapped_read(handle, buffer, std::min<uint32_t>(size, status.cbInQue), kNoTimeLimit);
}

uint32_t SerialPort::overlapped_read(HANDLE handle, uint8_t* buffer, uint32_t count, int32_t timeout_ms)
{
  ResetEvent(read_overlapped_.hEvent);
  DWORD got = 0;
  if (ReadFile(handle, buffer, count, &got, &read_overlapped_)) {
    return got;
  }
  if (GetLastError() != ERROR_IO_PENDING) {
    rest_after_failed_read(timeout_ms);
    return 0;
  }
  HANDLE events[] = {read_overlapped_.hEvent, cancel_event_, closing_event_};
  DWORD woken = WaitForMultipleObjects(3, events, FALSE, wait_time(timeout_ms));
  if (woken == WAIT_OBJECT_0) {
    if (GetOverlappedResult(handle, &read_overlapped_, &got, FALSE)) {
      return got;
    }
    rest_after_failed_read(timeout_ms);
    return 0;
  }
  if (woken == WAIT_OBJECT_0 + 1) {
    ResetEvent(cancel_event_);
  }
  return cancel_operation(handle, read_overlapped_);
}

void SerialPort::rest_after_failed_read(int32_t timeout_ms)
{
  HANDLE events[] = {cancel_event_, closing_event_};
  DWORD rest = timeout_ms < 0 ? kClosedPortPoll : static_cast<DWORD>(timeout_ms);
  if (WaitForMultipleObjects(2, events, FALSE, rest) == WAIT_OBJECT_0) {
    ResetEvent(cancel_event_);
  }
}

void SerialPort::cancel()
{
  SetEvent(cancel_event_);
}

bool SerialPort::open(uint8_t index)
{
  if (index >= table_.entries().size()) {
    return false;
  }
  const PortInfo& port = table_.entries()[index];
  SectionGuard read_guard(read_lock_);
  SectionGuard write_guard(write_lock_);
  HANDLE handle = handle_;
  if (handle == nullptr) {
    std::string path = kDevicePrefix + port.name;
    handle = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_FLAG_OVERLAPPED,
                         nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
      return false;
    }
  }
  if (!configure(handle, port)) {
    CloseHandle(handle);
    handle_ = nullptr;
    return false;
  }
  ResetEvent(closing_event_);
  handle_ = handle;
  current_ = index;
  return true;
}

void SerialPort::close()
{
  SetEvent(closing_event_);
  SectionGuard read_guard(read_lock_);
  SectionGuard write_guard(write_lock_);
  HANDLE handle = handle_.exchange(nullptr);
  if (handle != nullptr) {
    CloseHandle(handle);
  }
  ResetEvent(closing_event_);
}

uint32_t SerialPort::enumerate()
{
  table_.clear();
  read_registry_ports();
  if (!table_.entries().empty()) {
    read_friendly_names();
  }
  return static_cast<uint32_t>(table_.entries().size());
}

std::vector<PortInfo>& SerialPort::ports()
{
  return table_.entries();
}

int32_t SerialPort::high_baud()
{
  const PortInfo* port = current_port();
  return port != nullptr ? port->high_baud : 0;
}

bool SerialPort::set_baud(bool high)
{
  HANDLE handle = handle_;
  const PortInfo* port = current_port();
  if (handle == nullptr || port == nullptr) {
    return false;
  }
  DCB settings = {};
  settings.DCBlength = sizeof settings;
  if (!GetCommState(handle, &settings)) {
    return false;
  }
  settings.BaudRate = static_cast<DWORD>(high ? port->high_baud : port->baud);
  return SetCommState(handle, &settings) != FALSE;
}

bool SerialPort::high_speed_usable()
{
  const PortInfo* port = current_port();
  return handle_ != nullptr && port != nullptr && port->usb_or_pci != 0 && port->high_speed != 0;
}

void SerialPort::read_registry_ports()
{
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSerialCommKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return;
  }
  for (DWORD index = 0;; ++index) {
    char value_name[kRegistryTextSize];
    DWORD value_name_size = kRegistryTextSize;
    char data[kRegistryTextSize];
    DWORD data_size = kRegistryTextSize;
    LONG result = RegEnumValueA(key, index, value_name, &value_name_size, nullptr, nullptr,
                                reinterpret_cast<BYTE*>(data), &data_size);
    if (result == ERROR_NO_MORE_ITEMS) {
      break;
    }
    if (result != ERROR_SUCCESS) {
      continue;
    }
    std::string port_name(data, strnlen(data, data_size));
    table_.add_registry_value(std::string(value_name, value_name_size), port_name);
  }
  RegCloseKey(key);
}

void SerialPort::read_friendly_names()
{
  HDEVINFO devices = SetupDiGetClassDevsA(&kComPortInterfaceClass, nullptr, nullptr,
                                          DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
  if (devices == INVALID_HANDLE_VALUE) {
    AfxMessageBox(kSetupDevicesFailedText, MB_OK);
    return;
  }
  for (DWORD index = 0;; ++index) {
    SP_DEVICE_INTERFACE_DATA interface_data = {};
    interface_data.cbSize = sizeof interface_data;
    if (!SetupDiEnumDeviceInterfaces(devices, nullptr, &kComPortInterfaceClass, index, &interface_data)) {
      break;
    }
    alignas(DWORD) char detail_buffer[kInterfaceDetailSize] = {};
    auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(detail_buffer);
    // The size the platform expects is that of the fixed part and one character.
    detail->cbSize = offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_A, DevicePath) + sizeof(char);
    SP_DEVINFO_DATA device = {};
    device.cbSize = sizeof device;
    if (!SetupDiGetDeviceInterfaceDetailA(devices, &interface_data, detail, kInterfaceDetailSize, nullptr, &device)) {
      break;
    }
    bool usb_or_pci = PortTable::device_path_is_usb_or_pci(detail->DevicePath);
    char friendly_name[kFriendlyNameSize] = {};
    if (SetupDiGetDeviceRegistryPropertyA(devices, &device, SPDRP_FRIENDLYNAME, nullptr,
                                          reinterpret_cast<BYTE*>(friendly_name), kFriendlyNameSize - 1, nullptr)) {
      table_.apply_friendly_name(friendly_name, usb_or_pci);
    }
  }
  SetupDiDestroyDeviceInfoList(devices);
}

bool SerialPort::configure(HANDLE handle, const PortInfo& port)
{
  DCB settings = {};
  settings.DCBlength = sizeof settings;
  if (!GetCommState(handle, &settings)) {
    return false;
  }
  settings.BaudRate = static_cast<DWORD>(port.baud);
  settings.fDsrSensitivity = FALSE;
  settings.ByteSize = 8;
  settings.Parity = NOPARITY;
  settings.StopBits = ONESTOPBIT;
  settings.XonLim = 0;
  settings.XoffLim = 0;
  if (!SetCommState(handle, &settings)) {
    return false;
  }
  // Reads ask for one byte or for bytes that have come, so the interval
  // time-out never holds one back.
  COMMTIMEOUTS timeouts = {};
  timeouts.ReadIntervalTimeout = 1;
  return SetCommTimeouts(handle, &timeouts) && SetupComm(handle, kInputQueueSize, kOutputQueueSize) &&
         SetCommMask(handle, EV_RXCHAR | EV_TXEMPTY);
}

const PortInfo* SerialPort::current_port() const
{
  const std::vector<PortInfo>& entries = table_.entries();
  return current_ >= 0 && static_cast<std::size_t>(current_) < entries.size() ? &entries[current_] : nullptr;
}
