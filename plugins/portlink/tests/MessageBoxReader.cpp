#include "MessageBoxReader.h"
#include <windows.h>

namespace {

// A message box is a dialog whose text is the static control 0xFFFF.
constexpr int kMessageTextId = 0xFFFF;
constexpr int kPolls = 2000;
constexpr DWORD kPollInterval = 10;

BOOL CALLBACK collect_box(HWND window, LPARAM boxes)
{
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  char class_name[16] = "";
  GetClassNameA(window, class_name, sizeof class_name);
  if (process == GetCurrentProcessId() && std::string(class_name) == "#32770" && IsWindowVisible(window)) {
    reinterpret_cast<std::vector<HWND>*>(boxes)->push_back(window);
  }
  return TRUE;
}

std::vector<HWND> open_boxes()
{
  std::vector<HWND> boxes;
  EnumWindows(&collect_box, reinterpret_cast<LPARAM>(&boxes));
  return boxes;
}

std::string text_of(HWND box)
{
  char text[256] = "";
  GetDlgItemTextA(box, kMessageTextId, text, sizeof text);
  return text;
}

}  // namespace

std::vector<std::string> MessageBoxReader::open_texts()
{
  std::vector<std::string> texts;
  for (HWND box : open_boxes()) {
    texts.push_back(text_of(box));
  }
  return texts;
}

std::string MessageBoxReader::press_ok()
{
  for (int poll = 0; poll < kPolls; ++poll) {
    std::vector<HWND> boxes = open_boxes();
    if (!boxes.empty()) {
      HWND box = boxes.front();
      std::string text = text_of(box);
      PostMessageA(box, WM_COMMAND, IDOK, 0);
      while (IsWindow(box) && poll++ < kPolls) {
        Sleep(kPollInterval);
      }
      return text;
    }
    Sleep(kPollInterval);
  }
  return "";
}
