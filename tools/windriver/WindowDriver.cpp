#include "WindowDriver.h"

#include <fstream>
#include <sstream>

namespace windriver
{
namespace
{
const DWORD kPollInterval = 25;
// The control that shows a message box's text.
const int kMessageTextId = 0xFFFF;

struct TopWindowSearch
{
    DWORD process_id;
    std::vector<HWND> found;
};

BOOL CALLBACK collect_top_window(HWND window, LPARAM lParam)
{
    TopWindowSearch* search = reinterpret_cast<TopWindowSearch*>(lParam);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == search->process_id && ::IsWindowVisible(window))
        search->found.push_back(window);
    return TRUE;
}

struct DescendantSearch
{
    std::function<bool(HWND)> matches;
    HWND found;
};

BOOL CALLBACK find_matching_child(HWND window, LPARAM lParam)
{
    DescendantSearch* search = reinterpret_cast<DescendantSearch*>(lParam);
    if (!search->matches(window))
        return TRUE;
    search->found = window;
    return FALSE;
}

HWND find_descendant_where(HWND parent, std::function<bool(HWND)> matches)
{
    DescendantSearch search = {std::move(matches), NULL};
    ::EnumChildWindows(parent, find_matching_child, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK collect_static_text(HWND window, LPARAM lParam)
{
    if (::lstrcmpiA(class_of(window).c_str(), "Static") == 0)
        *reinterpret_cast<std::string*>(lParam) += text_of(window);
    return TRUE;
}
} // namespace

HWND wait_for(const std::function<HWND()>& find, DWORD limit_ms)
{
    DWORD start = ::GetTickCount();
    for (;;)
    {
        if (HWND window = find())
            return window;
        if (::GetTickCount() - start >= limit_ms)
            return NULL;
        ::Sleep(kPollInterval);
    }
}

bool wait_until(const std::function<bool()>& done, DWORD limit_ms)
{
    return wait_for([&done] { return done() ? ::GetDesktopWindow() : HWND(NULL); }, limit_ms) != NULL;
}

std::string text_of(HWND window)
{
    // WM_GETTEXT through SendMessageTimeout: a hung window gives "" rather
    // than hanging the driver.
    DWORD_PTR length = 0;
    if (!::SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kWaitLimit, &length))
        return "";
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    ::SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]), SMTO_ABORTIFHUNG,
                          kWaitLimit, &copied);
    text.resize(copied);
    return text;
}

std::string class_of(HWND window)
{
    char name[256] = "";
    ::GetClassNameA(window, name, sizeof(name));
    return name;
}

std::vector<HWND> top_windows(DWORD process_id)
{
    TopWindowSearch search = {process_id != 0 ? process_id : ::GetCurrentProcessId(), {}};
    ::EnumWindows(collect_top_window, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND find_top_window(DWORD process_id, const std::string& class_name, const std::string& title)
{
    for (HWND window : top_windows(process_id))
    {
        if (class_of(window) == class_name && (title.empty() || text_of(window) == title))
            return window;
    }
    return NULL;
}

HWND find_descendant(HWND parent, int id)
{
    return find_descendant_where(parent, [id](HWND window) { return ::GetDlgCtrlID(window) == id; });
}

HWND find_descendant_titled(HWND parent, const std::string& text)
{
    return find_descendant_where(parent, [&text](HWND window) { return text_of(window) == text; });
}

HWND find_dialog(DWORD process_id, const std::string& title)
{
    return find_top_window(process_id, "#32770", title);
}

HWND find_message_box(DWORD process_id)
{
    for (HWND window : top_windows(process_id))
    {
        // A box is shown once its texts are set: found earlier, it reads empty.
        if (class_of(window) == "#32770" && ::GetDlgItem(window, kMessageTextId) != NULL &&
            ::IsWindowVisible(window))
            return window;
    }
    return NULL;
}

std::string message_box_text(HWND box)
{
    std::string text;
    ::EnumChildWindows(box, collect_static_text, reinterpret_cast<LPARAM>(&text));
    return text;
}

std::string answer_message_box(DWORD process_id, int button, DWORD limit_ms)
{
    HWND box = wait_for([process_id] { return find_dialog(process_id); }, limit_ms);
    if (box == NULL)
        return "<no message box>";
    std::string text = message_box_text(box);
    ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    wait_until([box] { return !::IsWindow(box) || !::IsWindowVisible(box); });
    return text;
}

void press_button(HWND dialog, int id)
{
    HWND button = ::GetDlgItem(dialog, id);
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

void send_mouse(DWORD flags, POINT screen_point)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screen_point.x, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(screen_point.y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    ::SendInput(1, &input, sizeof(INPUT));
}

bool click(HWND window, POINT client_point)
{
    ::ClientToScreen(window, &client_point);
    if (!wait_until([&] { return ::WindowFromPoint(client_point) == window; }))
        return false;
    send_mouse(MOUSEEVENTF_LEFTDOWN, client_point);
    send_mouse(MOUSEEVENTF_LEFTUP, client_point);
    return true;
}

void set_edit_text(HWND dialog, int id, const std::string& text)
{
    HWND edit = ::GetDlgItem(dialog, id);
    ::SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, EN_CHANGE), reinterpret_cast<LPARAM>(edit));
}

std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

std::string program_folder()
{
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(NULL, path, MAX_PATH);
    std::string folder = path;
    folder.erase(folder.find_last_of('\\') + 1);
    return folder;
}
} // namespace windriver
