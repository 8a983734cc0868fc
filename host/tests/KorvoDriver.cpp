// Drives korvo.exe from outside, as a user and other programs would: starts
// it in a folder of test plug-ins, finds its main window by class, reads the
// child frames and the console, answers its message boxes, closes it and
// reads what the plug-ins and the system log recorded. --shot=<file.bmp>
// keeps a picture of the screen.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace
{
const DWORD kWaitLimit = 20000;
const DWORD kPollInterval = 50;
const char kMainClass[] = "KORVO::Mainframe";
const int kOutputPaneId = 32804;
const int kConsoleId = 1;
const char kLookKey[] = "Software\\VrxP AppWizard-Generated Applications\\korvo\\Settings";

std::string g_shot_path = "korvo.bmp";
std::string g_bin;  // test-bin, with a trailing backslash

HWND wait_for(const std::function<HWND()>& find)
{
    for (DWORD waited = 0; waited < kWaitLimit; waited += kPollInterval)
    {
        if (HWND window = find())
            return window;
        ::Sleep(kPollInterval);
    }
    return NULL;
}

std::string text_of(HWND window)
{
    int length = static_cast<int>(::SendMessage(window, WM_GETTEXTLENGTH, 0, 0));
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    ::SendMessage(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

bool save_screen(const std::string& path)
{
    int cx = ::GetSystemMetrics(SM_CXSCREEN);
    int cy = ::GetSystemMetrics(SM_CYSCREEN);
    HDC screen = ::GetDC(NULL);
    HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = cx;
    info.bmiHeader.biHeight = cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, cx, cy, screen, 0, 0, SRCCOPY);
    ::GdiFlush();
    DWORD row_bytes = ((cx * 3) + 3) & ~3u;
    DWORD image_bytes = row_bytes * static_cast<DWORD>(cy);
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info.bmiHeader);
    file.bfSize = file.bfOffBits + image_bytes;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof(info.bmiHeader));
    out.write(static_cast<const char*>(bits), image_bytes);
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(NULL, screen);
    return out.good();
}

// A folder of test-bin holding copies of the named test plug-ins.
std::string make_folder(const std::string& name, const std::vector<std::string>& plugins)
{
    std::string folder = g_bin + name + "\\";
    ::CreateDirectory(folder.c_str(), NULL);
    WIN32_FIND_DATA found;
    HANDLE search = ::FindFirstFile((folder + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE)
    {
        do
        {
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
                ::DeleteFile((folder + found.cFileName).c_str());
        } while (::FindNextFile(search, &found));
        ::FindClose(search);
    }
    for (const std::string& plugin : plugins)
        ::CopyFile((g_bin + "korvo-plugins\\" + plugin + ".dll").c_str(), (folder + plugin + ".dll").c_str(), FALSE);
    return folder;
}

PROCESS_INFORMATION start_korvo(const std::string& folder)
{
    PROCESS_INFORMATION process = {};
    STARTUPINFO startup = {};
    startup.cb = sizeof(startup);
    std::string command = "\"" + g_bin + "..\\dist\\korvo.exe\"";
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    ::CreateProcess(NULL, line.data(), NULL, NULL, FALSE, 0, NULL, folder.c_str(), &startup, &process);
    return process;
}

struct MessageBoxSearch
{
    DWORD process_id;
    HWND found;
};

BOOL CALLBACK find_message_box(HWND window, LPARAM lParam)
{
    MessageBoxSearch* search = reinterpret_cast<MessageBoxSearch*>(lParam);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    char class_name[32] = "";
    ::GetClassName(window, class_name, sizeof(class_name));
    if (owner == search->process_id && std::strcmp(class_name, "#32770") == 0 && ::IsWindowVisible(window))
    {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK collect_static_text(HWND window, LPARAM lParam)
{
    char class_name[32] = "";
    ::GetClassName(window, class_name, sizeof(class_name));
    if (::lstrcmpi(class_name, "Static") == 0)
        *reinterpret_cast<std::string*>(lParam) += text_of(window);
    return TRUE;
}

// Waits for the process's message box, reads its text and presses OK.
std::string answer_message_box(DWORD process_id)
{
    MessageBoxSearch search = {process_id, NULL};
    HWND box = wait_for([&search] {
        ::EnumWindows(find_message_box, reinterpret_cast<LPARAM>(&search));
        return search.found;
    });
    if (box == NULL)
        return "<no message box>";
    std::string text;
    ::EnumChildWindows(box, collect_static_text, reinterpret_cast<LPARAM>(&text));
    ::PostMessage(box, WM_COMMAND, IDOK, 0);
    wait_for([box] { return ::IsWindow(box) ? NULL : box; });
    return text;
}

bool ends_within_limit(const PROCESS_INFORMATION& process)
{
    bool ended = ::WaitForSingleObject(process.hProcess, kWaitLimit) == WAIT_OBJECT_0;
    if (!ended)
        ::TerminateProcess(process.hProcess, 1);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return ended;
}

int stored_look()
{
    DWORD value = 0;
    DWORD size = sizeof(value);
    HKEY key;
    if (::RegOpenKeyEx(HKEY_CURRENT_USER, kLookKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return -1;
    LONG result = ::RegQueryValueEx(key, "ApplicationLook", NULL, NULL, reinterpret_cast<BYTE*>(&value), &size);
    ::RegCloseKey(key);
    return result == ERROR_SUCCESS ? static_cast<int>(value) : -1;
}

class KorvoWithPlugins : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        ::RegDeleteKey(HKEY_CURRENT_USER, kLookKey);
        s_folder = make_folder("korvo-run", {"korvo_test_com", "korvo_test_zim", "korvo_test_seed", "korvo_test_quiet"});
        s_process = start_korvo(s_folder);
        s_main = wait_for([] { return ::FindWindow(kMainClass, NULL); });
        // Let the start-up finish: the connection window is activated last.
        ::Sleep(500);
    }

    void SetUp() override
    {
        ASSERT_NE(nullptr, s_process.hProcess) << "korvo.exe did not start";
        ASSERT_NE(nullptr, s_main) << "no window of class " << kMainClass;
        m_client = ::FindWindowEx(s_main, NULL, "MDICLIENT", NULL);
        ASSERT_NE(nullptr, m_client);
        m_console = ::GetDlgItem(::GetDlgItem(s_main, kOutputPaneId), kConsoleId);
        ASSERT_NE(nullptr, m_console);
    }

    HWND child_titled(const std::string& title) const
    {
        for (HWND window = ::GetWindow(m_client, GW_CHILD); window != NULL; window = ::GetWindow(window, GW_HWNDNEXT))
        {
            if (text_of(window) == title)
                return window;
        }
        return NULL;
    }

    std::string active_title() const
    {
        return text_of(reinterpret_cast<HWND>(::SendMessage(m_client, WM_MDIGETACTIVE, 0, 0)));
    }

    void copy_data(const std::string& bytes) const
    {
        COPYDATASTRUCT data = {0, static_cast<DWORD>(bytes.size()), const_cast<char*>(bytes.data())};
        ::SendMessage(s_main, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
    }

    static std::string s_folder;
    static PROCESS_INFORMATION s_process;
    static HWND s_main;
    HWND m_client = NULL;
    HWND m_console = NULL;
};

std::string KorvoWithPlugins::s_folder;
PROCESS_INFORMATION KorvoWithPlugins::s_process = {};
HWND KorvoWithPlugins::s_main = NULL;

TEST_F(KorvoWithPlugins, EveryWindowedPluginHasAChildFrameWithItsTitleAndForm)
{
    for (const char* title : {"COM connection", "ZIM", "Seedvaults"})
    {
        HWND child = child_titled(title);
        ASSERT_NE(nullptr, child) << title;
        HWND form = ::GetDlgItem(child, 0xE900);
        ASSERT_NE(nullptr, form) << title;
        EXPECT_EQ("A test plug-in's form", text_of(::GetDlgItem(form, 3901))) << title;
    }
    EXPECT_EQ(nullptr, child_titled("quiet"));
    EXPECT_EQ(0u, text_of(s_main).find("KORVO_Tarsel"));
}

TEST_F(KorvoWithPlugins, TheConnectionWindowIsActiveAfterStartAndMaximised)
{
    EXPECT_EQ("COM connection", active_title());
    BOOL maximised = FALSE;
    ::SendMessage(m_client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximised));
    EXPECT_TRUE(maximised);
}

TEST_F(KorvoWithPlugins, AFirstStartStoresTheDefaultLook)
{
    EXPECT_EQ(32830, stored_look());
}

TEST_F(KorvoWithPlugins, CtrlDigitActivatesThePluginAtThatListIndex)
{
    // The scan order is the file system's: the first three indexes reach
    // three different windows, or two when the non-window plug-in is among
    // them; the terminator's index and those past the list change nothing.
    std::vector<std::string> reached;
    for (int index = 0; index < 3; ++index)
    {
        ::PostMessage(s_main, WM_HOTKEY, 40961 + index, MAKELPARAM(MOD_CONTROL, '1' + index));
        ::Sleep(300);
        reached.push_back(active_title());
    }
    std::sort(reached.begin(), reached.end());
    reached.erase(std::unique(reached.begin(), reached.end()), reached.end());
    EXPECT_GE(reached.size(), 2u);
    for (const std::string& title : reached)
        EXPECT_NE(nullptr, child_titled(title)) << title;

    std::string before = active_title();
    ::PostMessage(s_main, WM_HOTKEY, 40961 + 4, MAKELPARAM(MOD_CONTROL, '5'));
    ::PostMessage(s_main, WM_HOTKEY, 40961 + 6, MAKELPARAM(MOD_CONTROL, '7'));
    ::Sleep(300);
    EXPECT_EQ(before, active_title());
}

TEST_F(KorvoWithPlugins, CopyDataTextArrivesInTheConsole)
{
    ::SendMessage(m_console, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    copy_data("ab\r\ncd");
    copy_data(std::string("e\0f", 3));
    copy_data("");
    copy_data("gh\b");
    EXPECT_EQ("ab\r\ncdefg", text_of(m_console));
}

// Disabled: under Wine the console reads empty once it holds 230,000
// characters; the trimming itself is covered by host_console_tests.
TEST_F(KorvoWithPlugins, DISABLED_ConsoleTextIsTrimmedAtFourFifthsOfItsLimit)
{
    ::SendMessage(m_console, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    // Lines of 98 characters and a line end: 100 characters each shown.
    std::string line(98, 'x');
    line += '\n';
    std::string block;
    for (int i = 0; i < 100; ++i)
        block += line;
    for (int i = 0; i < 23; ++i)
        copy_data(block);
    EXPECT_EQ(230000, ::GetWindowTextLength(m_console));
    copy_data(block);
    EXPECT_EQ(180000, ::GetWindowTextLength(m_console));
    ::SendMessage(m_console, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
}

TEST_F(KorvoWithPlugins, ATypedKeyWithoutAConnectorTellsTheUser)
{
    ::SendMessage(m_console, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    ::PostMessage(m_console, WM_CHAR, 'x', 0);
    EXPECT_EQ("Connector is .zZzZ", answer_message_box(s_process.dwProcessId));
    // Nothing is echoed locally.
    EXPECT_EQ("", text_of(m_console));
}

TEST_F(KorvoWithPlugins, ALookCommandIsStoredAsApplicationLook)
{
    ::SendMessage(s_main, WM_COMMAND, 32828, 0);
    EXPECT_EQ(32828, stored_look());
}

TEST_F(KorvoWithPlugins, APictureOfKorvo)
{
    copy_data("korvo console\nline two\n");
    ::SetForegroundWindow(s_main);
    ::Sleep(800);
    EXPECT_TRUE(save_screen(g_shot_path));
}

TEST_F(KorvoWithPlugins, ClosingEndsPluginsBeforeComponentsBeforeLibraries)
{
    ::PostMessage(s_main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(ends_within_limit(s_process));
    s_process = {};
    const std::string lifetime = "dll_init\ndll_deinit\ncomponent deleted\nlibrary freed\n";
    for (const char* title : {"COM connection", "ZIM", "Seedvaults"})
        EXPECT_EQ(lifetime, read_file(s_folder + title + ".events")) << title;
    EXPECT_EQ("library freed\n", read_file(s_folder + "quiet.events"));
    // The system log is written in text mode.
    std::string log = read_file(s_folder + "korvo_sys.log");
    log.erase(std::remove(log.begin(), log.end(), '\r'), log.end());
    EXPECT_EQ(0u, log.find("sys initializing\n"));
    EXPECT_NE(std::string::npos, log.find("component <output> registered\n"));
    EXPECT_NE(std::string::npos, log.find("sys deiniting:\n"));
}

TEST(KorvoAlone, WithoutPluginsItSaysSoAndEnds)
{
    std::string folder = make_folder("korvo-empty", {});
    PROCESS_INFORMATION process = start_korvo(folder);
    ASSERT_NE(nullptr, process.hProcess);
    EXPECT_EQ("Default component(connect.dll) was not installed", answer_message_box(process.dwProcessId));
    EXPECT_TRUE(ends_within_limit(process));
}

TEST(KorvoAlone, APluginWhoseInitFailsIsNamedAndKorvoEnds)
{
    std::string folder = make_folder("korvo-broken", {"korvo_test_broken"});
    PROCESS_INFORMATION process = start_korvo(folder);
    ASSERT_NE(nullptr, process.hProcess);
    EXPECT_EQ("failed to load korvo_test_broken.dll", answer_message_box(process.dwProcessId));
    EXPECT_TRUE(ends_within_limit(process));
}

TEST(KorvoAlone, TheStoredLookIsKeptAtTheNextStart)
{
    std::string folder = make_folder("korvo-look", {"korvo_test_zim"});
    PROCESS_INFORMATION process = start_korvo(folder);
    ASSERT_NE(nullptr, process.hProcess);
    HWND main = wait_for([] { return ::FindWindow(kMainClass, NULL); });
    ASSERT_NE(nullptr, main);
    EXPECT_EQ(32828, stored_look());
    ::PostMessage(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(ends_within_limit(process));
}
} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i)
    {
        if (std::strncmp(argv[i], "--shot=", 7) == 0)
            g_shot_path = argv[i] + 7;
    }
    char path[MAX_PATH] = "";
    ::GetModuleFileName(NULL, path, MAX_PATH);
    g_bin = path;
    g_bin.erase(g_bin.find_last_of('\\') + 1);
    return RUN_ALL_TESTS();
}
