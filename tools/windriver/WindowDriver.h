#pragma once

// Finding, reading and pressing windows of any process, with every wait
// bounded, so that a driver never hangs on a window that does not come.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace windriver
{
const DWORD kWaitLimit = 20000;

// Polls until find gives a window, or NULL after the limit.
HWND wait_for(const std::function<HWND()>& find, DWORD limit_ms = kWaitLimit);
// Polls until done is true; false after the limit.
bool wait_until(const std::function<bool()>& done, DWORD limit_ms = kWaitLimit);

std::string text_of(HWND window);
std::string class_of(HWND window);

// Visible top-level windows of a process (0: this process).
std::vector<HWND> top_windows(DWORD process_id);
// The first visible top-level window of the process with the class (and
// the title, when given), or NULL.
HWND find_top_window(DWORD process_id, const std::string& class_name, const std::string& title = "");
// A descendant of parent, at any depth, by control id / by its text.
HWND find_descendant(HWND parent, int id);
HWND find_descendant_titled(HWND parent, const std::string& text);

// A dialog box class window ("#32770") of the process: message boxes and
// modal dialogs.
HWND find_dialog(DWORD process_id, const std::string& title = "");
// A message box of the process: a dialog box that holds a message text,
// which tells it from the other dialogs.
HWND find_message_box(DWORD process_id);
// The texts of a message box's static controls, joined.
std::string message_box_text(HWND box);
// Waits for a message box of the process, reads its text and presses the
// button. "<no message box>" when none came within the limit.
std::string answer_message_box(DWORD process_id, int button = IDOK, DWORD limit_ms = kWaitLimit);

// Posts a button's click to its dialog as the button itself would.
void press_button(HWND dialog, int id);
// Mouse input at a point of the screen. The point travels with the event:
// a pointer moved apart may not have arrived when a loaded machine
// delivers the button.
void send_mouse(DWORD flags, POINT screen_point);
// Once the window shows at a point of its client area, moves the pointer
// there and clicks the left button: real input, which reaches the window as
// a user's does. False, and no click, when it did not show there in time.
bool click(HWND window, POINT client_point);
// Replaces an edit's text as typing would, with the change notification.
void set_edit_text(HWND dialog, int id, const std::string& text);

std::string read_file(const std::string& path);
// The folder of the running program, with a trailing backslash.
std::string program_folder();
} // namespace windriver
