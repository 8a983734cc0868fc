#pragma once

// korvo.exe started by a driver in a working folder of its own, with the
// windows a user looks at: the main frame, its MDI children and the console.

#include <windows.h>

#include <string>
#include <vector>

namespace windriver
{
class KorvoProcess
{
public:
    static const char kMainClass[];
    static const int kOutputPaneId = 32804;
    static const int kConsoleId = 1;

    KorvoProcess() = default;
    // Ends korvo if it still runs.
    ~KorvoProcess();
    KorvoProcess(const KorvoProcess&) = delete;
    KorvoProcess& operator=(const KorvoProcess&) = delete;

    // Starts the exe (path relative to the driver's folder or absolute) in
    // the folder; false when it could not start.
    bool start(const std::string& exe, const std::string& folder);
    // The main frame once it is there, or NULL after the limit.
    HWND wait_for_main_window();
    DWORD process_id() const { return m_process.dwProcessId; }
    HWND main_window() const { return m_main; }
    HWND mdi_client() const;
    HWND console() const;
    std::string console_text() const;
    // The MDI child with this title, or NULL.
    HWND child_titled(const std::string& title) const;
    std::string active_child_title() const;
    // Sends text to the console as another program would, by WM_COPYDATA.
    void copy_data(const std::string& bytes) const;
    // Asks korvo to close and waits for its end; false if it had to be
    // terminated.
    bool close();
    // Waits for the process to end by itself; terminates it after the limit.
    bool ends_within_limit();

private:
    PROCESS_INFORMATION m_process = {};
    HWND m_main = NULL;
};

// A fresh folder (emptied of files if it exists) holding copies of the files.
std::string make_folder(const std::string& folder, const std::vector<std::string>& files);
} // namespace windriver
