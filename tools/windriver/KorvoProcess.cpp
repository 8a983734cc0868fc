#include "KorvoProcess.h"

#include "WindowDriver.h"

namespace windriver
{
const char KorvoProcess::kMainClass[] = "KORVO::Mainframe";

KorvoProcess::~KorvoProcess()
{
    if (m_process.hProcess != NULL && !close())
        ::TerminateProcess(m_process.hProcess, 1);
}

bool KorvoProcess::start(const std::string& exe, const std::string& folder)
{
    std::string path = exe.find(':') == std::string::npos ? program_folder() + exe : exe;
    std::string command = "\"" + path + "\"";
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    if (!::CreateProcessA(NULL, line.data(), NULL, NULL, FALSE, 0, NULL, folder.c_str(), &startup, &m_process))
    {
        m_process = {};
        return false;
    }
    return true;
}

HWND KorvoProcess::wait_for_main_window()
{
    DWORD id = process_id();
    m_main = wait_for([id] { return find_top_window(id, kMainClass); });
    return m_main;
}

HWND KorvoProcess::mdi_client() const
{
    return ::FindWindowExA(m_main, NULL, "MDICLIENT", NULL);
}

HWND KorvoProcess::console() const
{
    return ::GetDlgItem(find_descendant(m_main, kOutputPaneId), kConsoleId);
}

std::string KorvoProcess::console_text() const
{
    return text_of(console());
}

HWND KorvoProcess::child_titled(const std::string& title) const
{
    for (HWND window = ::GetWindow(mdi_client(), GW_CHILD); window != NULL; window = ::GetWindow(window, GW_HWNDNEXT))
    {
        if (text_of(window) == title)
            return window;
    }
    return NULL;
}

std::string KorvoProcess::active_child_title() const
{
    return text_of(reinterpret_cast<HWND>(::SendMessageA(mdi_client(), WM_MDIGETACTIVE, 0, 0)));
}

void KorvoProcess::copy_data(const std::string& bytes) const
{
    COPYDATASTRUCT data = {0, static_cast<DWORD>(bytes.size()), const_cast<char*>(bytes.data())};
    ::SendMessageA(m_main, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
}

bool KorvoProcess::close()
{
    if (m_main != NULL)
        ::PostMessageA(m_main, WM_CLOSE, 0, 0);
    return ends_within_limit();
}

bool KorvoProcess::ends_within_limit()
{
    if (m_process.hProcess == NULL)
        return true;
    bool ended = ::WaitForSingleObject(m_process.hProcess, kWaitLimit) == WAIT_OBJECT_0;
    if (!ended)
        ::TerminateProcess(m_process.hProcess, 1);
    ::CloseHandle(m_process.hThread);
    ::CloseHandle(m_process.hProcess);
    m_process = {};
    m_main = NULL;
    return ended;
}

std::string make_folder(const std::string& folder, const std::vector<std::string>& files)
{
    std::string path = folder.back() == '\\' ? folder : folder + "\\";
    ::CreateDirectoryA(path.c_str(), NULL);
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((path + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE)
    {
        do
        {
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
                ::DeleteFileA((path + found.cFileName).c_str());
        } while (::FindNextFileA(search, &found));
        ::FindClose(search);
    }
    for (const std::string& file : files)
        ::CopyFileA(file.c_str(), (path + file.substr(file.find_last_of('\\') + 1)).c_str(), FALSE);
    return path;
}
} // namespace windriver
