#include "ConsoleLog.h"
#include "ExeDirectory.h"
#include "HostMessage.h"
#include <utility>

namespace {

SYSTEMTIME local_time()
{
  SYSTEMTIME now;
  GetLocalTime(&now);
  return now;
}

}  // namespace

ConsoleLog::ConsoleLog() : ConsoleLog(get_exe_directory(), &local_time)
{
}

ConsoleLog::ConsoleLog(std::string directory, Clock clock)
    : file_(nullptr), date_(), path_(), owner_(nullptr), directory_(std::move(directory)), clock_(std::move(clock)),
      ticks_(0)
{
}

ConsoleLog::~ConsoleLog()
{
  close();
}

int ConsoleLog::open(CWnd* owner)
{
  close();
  date_ = clock_();
  char file_name[32];
  std::snprintf(file_name, sizeof file_name, kConsoleLogNameFormat, static_cast<unsigned>(date_.wYear),
                static_cast<unsigned>(date_.wMonth), static_cast<unsigned>(date_.wDay));
  std::snprintf(path_, sizeof path_, "%s%s", directory_.c_str(), file_name);
  // Text mode on purpose: the log has always stored line feeds as CR LF.
  file_ = std::fopen(path_, "a");
  if (file_ == nullptr) {
    show_host_message(kConsoleLogCreateFailedText);
    return 0;
  }
  owner_ = owner;
  return 1;
}

void ConsoleLog::write(const void* bytes, std::size_t count)
{
  if (file_ != nullptr && bytes != nullptr && count != 0) {
    std::fwrite(bytes, 1, count, file_);
  }
}

void ConsoleLog::tick()
{
  SYSTEMTIME now = clock_();
  if (!same_date(now)) {
    open(owner_);
  }
  if (file_ == nullptr) {
    return;
  }
  if (++ticks_ >= kTicksPerTimeStamp) {
    std::fprintf(file_, kTimeStampFormat, static_cast<unsigned>(now.wHour),
                 static_cast<unsigned>(now.wMinute), static_cast<unsigned>(now.wSecond));
    ticks_ = 0;
  }
  std::fflush(file_);
}

void ConsoleLog::close()
{
  if (file_ != nullptr) {
    std::fclose(file_);
    file_ = nullptr;
  }
}

bool ConsoleLog::same_date(const SYSTEMTIME& time) const
{
  return time.wDay == date_.wDay && time.wMonth == date_.wMonth && time.wYear == date_.wYear;
}
