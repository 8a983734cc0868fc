#pragma once
#include <windows.h>
#include <string>

// WM_COPYDATA codes sent to the notify window.
constexpr ULONG_PTR kCopyDataProgramStarted = 4002;
constexpr ULONG_PTR kCopyDataProgramFinished = 4003;

// Starts a console program with its standard handles on pipes and follows it
// with three threads: an output reader, an error reader and a waiter. The
// child's pipe ends are closed once it has them, so the readers end when the
// program does. Callers poll is_running (or wait) and take the program's
// results from the files it writes.
class ProcessRunner {
public:
  static constexpr DWORD kReadChunk = 1024;

  explicit ProcessRunner(HWND notify_window = nullptr);
  ProcessRunner(const ProcessRunner&) = delete;
  ProcessRunner& operator=(const ProcessRunner&) = delete;
  // Stops a program that is still running.
  virtual ~ProcessRunner();

  // Starts the command line as it is; a program still running from an
  // earlier start is stopped first. False when it cannot be started.
  bool start(const std::string& command_line, bool show);
  bool is_running() const;
  // Waits up to timeout_ms for the program to end and its output to be read
  // to the end; true when both happened.
  bool wait(DWORD timeout_ms);
  // Ends the threads and, when it still runs, the program (exit code 1),
  // within about 2.5 seconds whatever the program left behind.
  void stop();
  // The program's exit code, or STILL_ACTIVE while it runs (and without one).
  DWORD exit_code() const;

  static LRESULT send_copy_data(HWND window, ULONG_PTR code, WPARAM wparam, const void* data, DWORD size);

protected:
  // Called on the caller's thread.
  virtual void on_started(const std::string& command_line);
  // Called on the reader threads with each piece the program writes.
  virtual void on_stdout(const char* text);
  virtual void on_stderr(const char* text);
  // Called on the waiter thread once the program ended or was stopped.
  virtual void on_finished();

private:
  static DWORD WINAPI read_output(void* argument);
  static DWORD WINAPI read_error(void* argument);
  static DWORD WINAPI wait_for_program(void* argument);
  void read_pipe(HANDLE pipe, bool error);
  static void close_handle(HANDLE& handle);

  HWND notify_window_;
  HANDLE stop_event_ = nullptr;
  HANDLE input_ = nullptr;
  HANDLE output_ = nullptr;
  HANDLE error_ = nullptr;
  HANDLE output_thread_ = nullptr;
  HANDLE error_thread_ = nullptr;
  HANDLE waiter_thread_ = nullptr;
  HANDLE process_ = nullptr;
};
