#pragma once
#include <windows.h>
#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>

class CWnd;

// The console edit ticks the log with this timer.
constexpr UINT kConsoleLogTimerId = 100;
constexpr UINT kConsoleLogTickMilliseconds = 20000;
constexpr char kConsoleLogNameFormat[] = "SLog_%04u%02u%02u.txt";
constexpr char kTimeStampFormat[] = "\r\n-----Time Stamp(%02u : %02u : %02u)-----\r\n";
constexpr char kConsoleLogCreateFailedText[] = "Create KORVO Log File Fail.";
// Fifteen ticks of twenty seconds: a time stamp every five minutes.
constexpr unsigned kTicksPerTimeStamp = 15;

// The daily log of everything the console receives: "SLog_<date>.txt" in the
// program's directory, appended to, a new file when the date changes. The file
// is written in text mode, so each line feed is stored as CR LF.
class ConsoleLog {
public:
  using Clock = std::function<SYSTEMTIME()>;

  // In the program's directory, by the local time.
  ConsoleLog();
  // In the given directory (ending with a backslash), by the given clock.
  ConsoleLog(std::string directory, Clock clock);
  virtual ~ConsoleLog();

  // Opens today's file, closing the current one; 0 (after telling the user)
  // when it cannot be created, 1 otherwise.
  int open(CWnd* owner);
  void write(const void* bytes, std::size_t count);
  // Rolls over to a new file at a change of date, writes a time stamp every
  // kTicksPerTimeStamp ticks, and flushes.
  void tick();
  void close();

  bool is_open() const { return file_ != nullptr; }
  const char* path() const { return path_; }
  CWnd* owner() const { return owner_; }

private:
  ConsoleLog(const ConsoleLog&) = delete;
  ConsoleLog& operator=(const ConsoleLog&) = delete;

  bool same_date(const SYSTEMTIME& time) const;

  std::FILE* file_;
  SYSTEMTIME date_;
  char path_[MAX_PATH];
  CWnd* owner_;
  std::string directory_;
  Clock clock_;
  unsigned ticks_;
};
