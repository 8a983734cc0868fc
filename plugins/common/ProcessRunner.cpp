#include "ProcessRunner.h"
#include <cstdio>
#include <vector>

namespace {

// How long a notify window may take to answer before the runner goes on.
constexpr UINT kNotifyTimeoutMs = 1000;
constexpr DWORD kTerminateWaitMs = 1000;
// stop() waits this long for the waiter, and for each reader to see its pipe
// break; all of stop stays within about 2.5 seconds.
constexpr DWORD kWaiterWaitMs = 1000;
constexpr DWORD kReaderWaitMs = 200;
constexpr DWORD kCancelledReadWaitMs = 100;

// Ends a thread that did not end within wait_ms: a read it is blocked in is
// cancelled (systems before Vista lack that call) and, when even that does
// not end it, the thread is terminated. A program that left a process of its
// own holding the pipes keeps a reader waiting until then.
void end_thread(HANDLE thread, DWORD wait_ms)
{
  if (thread == nullptr || WaitForSingleObject(thread, wait_ms) != WAIT_TIMEOUT)
    return;
  using CancelSynchronousIoCall = BOOL(WINAPI*)(HANDLE);
  auto cancel = reinterpret_cast<CancelSynchronousIoCall>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "CancelSynchronousIo")));
  if (cancel != nullptr && cancel(thread) &&
      WaitForSingleObject(thread, kCancelledReadWaitMs) != WAIT_TIMEOUT)
    return;
  TerminateThread(thread, 1);
  WaitForSingleObject(thread, kCancelledReadWaitMs);
}

bool make_pipe(HANDLE& read_end, HANDLE& write_end)
{
  SECURITY_ATTRIBUTES attributes = {sizeof(attributes), nullptr, TRUE};
  return CreatePipe(&read_end, &write_end, &attributes, 0) != FALSE;
}

}

ProcessRunner::ProcessRunner(HWND notify_window) : notify_window_(notify_window) {}

ProcessRunner::~ProcessRunner()
{
  stop();
}

void ProcessRunner::close_handle(HANDLE& handle)
{
  if (handle != nullptr)
    CloseHandle(handle);
  handle = nullptr;
}

bool ProcessRunner::start(const std::string& command_line, bool show)
{
  stop();
  HANDLE child_input = nullptr, child_output = nullptr, child_error = nullptr;
  bool piped = make_pipe(child_input, input_) && make_pipe(output_, child_output) && make_pipe(error_, child_error);
  // Only the child's ends are inherited.
  for (HANDLE own : {input_, output_, error_})
    if (own != nullptr)
      SetHandleInformation(own, HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
  startup.wShowWindow = show ? SW_SHOW : SW_HIDE;
  startup.hStdInput = child_input;
  startup.hStdOutput = child_output;
  startup.hStdError = child_error;
  PROCESS_INFORMATION info = {};
  std::vector<char> writable(command_line.begin(), command_line.end());
  writable.push_back('\0');
  bool started = piped && CreateProcessA(nullptr, writable.data(), nullptr, nullptr, TRUE, CREATE_NEW_CONSOLE, nullptr,
                                         nullptr, &startup, &info) != FALSE;
  // The child holds its own copies now; ours would keep the readers waiting
  // after it ended.
  close_handle(child_input);
  close_handle(child_output);
  close_handle(child_error);

  if (!started) {
    close_handle(input_);
    close_handle(output_);
    close_handle(error_);
    std::string text = "Unable to start " + command_line + "\n";
    on_stdout(text.c_str());
    return false;
  }
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  stop_event_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  output_thread_ = CreateThread(nullptr, 0, read_output, this, 0, nullptr);
  error_thread_ = CreateThread(nullptr, 0, read_error, this, 0, nullptr);
  waiter_thread_ = CreateThread(nullptr, 0, wait_for_program, this, 0, nullptr);
  on_started(command_line);
  return true;
}

bool ProcessRunner::is_running() const
{
  return exit_code() == STILL_ACTIVE && process_ != nullptr;
}

DWORD ProcessRunner::exit_code() const
{
  DWORD code = STILL_ACTIVE;
  if (process_ != nullptr)
    GetExitCodeProcess(process_, &code);
  return code;
}

bool ProcessRunner::wait(DWORD timeout_ms)
{
  if (process_ == nullptr)
    return false;
  HANDLE ends[] = {process_, output_thread_, error_thread_};
  return WaitForMultipleObjects(3, ends, TRUE, timeout_ms) == WAIT_OBJECT_0;
}

void ProcessRunner::stop()
{
  if (process_ == nullptr)
    return;
  SetEvent(stop_event_);
  end_thread(waiter_thread_, kWaiterWaitMs);
  // A program reading its input sees it end; one that does not is ended.
  close_handle(input_);
  if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, kTerminateWaitMs);
  }
  // The program's end breaks both pipes, which ends the readers.
  end_thread(output_thread_, kReaderWaitMs);
  end_thread(error_thread_, kReaderWaitMs);
  close_handle(output_thread_);
  close_handle(error_thread_);
  close_handle(waiter_thread_);
  close_handle(output_);
  close_handle(error_);
  close_handle(stop_event_);
  close_handle(process_);
}

LRESULT ProcessRunner::send_copy_data(HWND window, ULONG_PTR code, WPARAM wparam, const void* data, DWORD size)
{
  if (!IsWindow(window))
    return 0;
  COPYDATASTRUCT copy = {code, size, const_cast<void*>(data)};
  DWORD_PTR result = 0;
  // Handled on the window's own thread; the timeout keeps a busy window from
  // holding the waiter forever.
  SendMessageTimeoutA(window, WM_COPYDATA, wparam, reinterpret_cast<LPARAM>(&copy), SMTO_NORMAL, kNotifyTimeoutMs,
                      &result);
  return LRESULT(result);
}

void ProcessRunner::on_started(const std::string& command_line)
{
  if (notify_window_ != nullptr)
    send_copy_data(notify_window_, kCopyDataProgramStarted, 0, command_line.c_str(), DWORD(command_line.size() + 1));
}

void ProcessRunner::on_stdout(const char*) {}

void ProcessRunner::on_stderr(const char*) {}

void ProcessRunner::on_finished()
{
  if (notify_window_ != nullptr)
    send_copy_data(notify_window_, kCopyDataProgramFinished, 0, nullptr, 0);
}

DWORD WINAPI ProcessRunner::read_output(void* argument)
{
  auto* runner = static_cast<ProcessRunner*>(argument);
  runner->read_pipe(runner->output_, false);
  return 0;
}

DWORD WINAPI ProcessRunner::read_error(void* argument)
{
  auto* runner = static_cast<ProcessRunner*>(argument);
  runner->read_pipe(runner->error_, true);
  return 0;
}

void ProcessRunner::read_pipe(HANDLE pipe, bool error)
{
  // Read to the end even after the program ended: its last words are in the pipe.
  char buffer[kReadChunk + 1];
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(pipe, buffer, kReadChunk, &read, nullptr))
      return;
    if (read == 0)
      continue;
    buffer[read] = '\0';
    if (error)
      on_stderr(buffer);
    else
      on_stdout(buffer);
  }
}

DWORD WINAPI ProcessRunner::wait_for_program(void* argument)
{
  auto* runner = static_cast<ProcessRunner*>(argument);
  HANDLE events[] = {runner->stop_event_, runner->process_};
  WaitForMultipleObjects(2, events, FALSE, INFINITE);
  runner->on_finished();
  return 0;
}
