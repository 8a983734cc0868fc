#include "MessageBoxAnswerer.h"
#include "WindowDriver.h"

namespace {

constexpr DWORD kLookInterval = 10;

}  // namespace

MessageBoxAnswerer::MessageBoxAnswerer() : stop_(false), thread_(&MessageBoxAnswerer::answer, this)
{
}

MessageBoxAnswerer::~MessageBoxAnswerer()
{
  stop_ = true;
  thread_.join();
}

std::vector<std::string> MessageBoxAnswerer::texts() const
{
  std::lock_guard<std::mutex> lock(mutex_);
  return texts_;
}

void MessageBoxAnswerer::answer()
{
  while (!stop_) {
    HWND box = windriver::find_message_box(0);
    if (box == NULL) {
      Sleep(kLookInterval);
      continue;
    }
    {
      std::lock_guard<std::mutex> lock(mutex_);
      texts_.push_back(windriver::message_box_text(box));
    }
    windriver::press_button(box, IDOK);
    windriver::wait_until([box] { return !IsWindow(box) || !IsWindowVisible(box); });
  }
}
