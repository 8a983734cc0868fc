// Drives korvo.exe from outside, as a user and other programs would: starts
// it in a folder of test plug-ins, finds its main window by class, reads the
// child frames and the console, answers its message boxes, closes it and
// reads what the plug-ins and the system log recorded. --shot=<file.bmp>
// keeps a picture of the screen.

#include "KorvoProcess.h"
#include "KorvoTestPluginIds.h"
#include "ScreenPicture.h"
#include "WindowDriver.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace
{
using namespace windriver;

const char kSettingsKey[] = "Software\\VrxP AppWizard-Generated Applications\\korvo\\Settings";
const int kSetFilterCommand = 32852;
const int kFilterTextId = 1042;
const int kAboutCommand = 57664;
const int kAboutTextId = 1043;
const int kAboutLinkId = 1041;
const int kWindowsManagerCommand = 32825;
const int kCustomizeCommand = 32770;
const int kExitCommand = 32843;
const int kWindowsListId = 16923;
const int kCloseWindowsId = 16922;
const int kActivateId = 16920;
const int kTileHorizontallyId = 16924;
const int kMinimizeId = 16925;
const int kCascadeId = 16926;
const int kTileVerticallyId = 16928;
const int kOutputPaneId = 32804;
const int kLookBase = 32826;
const int kLook2003 = 32828;
const int kLookVS2005 = 32830;

std::string g_shot_path = "korvo.bmp";

// A folder of test-bin holding copies of the named test plug-ins.
std::string make_plugin_folder(const std::string& name, const std::vector<std::string>& plugins)
{
    std::vector<std::string> files;
    for (const std::string& plugin : plugins)
        files.push_back(program_folder() + "korvo-plugins\\" + plugin + ".dll");
    return make_folder(program_folder() + name, files);
}

const char kKorvoExe[] = "..\\dist\\korvo.exe";

int stored_look()
{
    DWORD value = 0;
    DWORD size = sizeof(value);
    HKEY key;
    if (::RegOpenKeyEx(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return -1;
    LONG result = ::RegQueryValueEx(key, "ApplicationLook", NULL, NULL, reinterpret_cast<BYTE*>(&value), &size);
    ::RegCloseKey(key);
    return result == ERROR_SUCCESS ? static_cast<int>(value) : -1;
}

bool has_value(const std::string& key_path, const char* name)
{
    HKEY key;
    if (::RegOpenKeyEx(HKEY_CURRENT_USER, key_path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    LONG result = ::RegQueryValueEx(key, name, NULL, NULL, NULL, NULL);
    ::RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

// The title each test plug-in gives, by its library's name; empty for the
// one without a window.
std::string title_of_plugin(const std::string& library)
{
    const std::map<std::string, std::string> titles = {{"korvo_test_com.dll", "COM connection"},
                                                       {"korvo_test_zim.dll", "ZIM"},
                                                       {"korvo_test_seed.dll", "Seedvaults"},
                                                       {"korvo_test_quiet.dll", ""}};
    auto found = titles.find(library);
    return found != titles.end() ? found->second : "";
}

// The libraries of the folder in the order korvo's scan meets them: the
// file system's.
std::vector<std::string> scan_order(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((folder + "*.dll").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do
        names.push_back(found.cFileName);
    while (::FindNextFileA(search, &found));
    ::FindClose(search);
    return names;
}

std::size_t scan_index(const std::string& folder, const std::string& library)
{
    const std::vector<std::string> order = scan_order(folder);
    return static_cast<std::size_t>(std::find(order.begin(), order.end(), library) - order.begin());
}

// Ctrl+digit for the list index, as the system delivers a registered hot
// key, and time for korvo to answer it.
void press_hot_key(const KorvoProcess& korvo, std::size_t index)
{
    const int digit = static_cast<int>(index) + 1;
    ::PostMessage(korvo.main_window(), WM_HOTKEY, static_cast<WPARAM>(40960 + digit), MAKELPARAM(MOD_CONTROL, '0' + digit));
    ::Sleep(400);
}

class KorvoWithPlugins : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        // The whole saved state goes, the layout's subkeys too.
        ::SHDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey);
        s_folder = make_plugin_folder("korvo-run",
                                      {"korvo_test_com", "korvo_test_zim", "korvo_test_seed", "korvo_test_quiet"});
        s_korvo = new KorvoProcess;
        if (s_korvo->start(kKorvoExe, s_folder) && s_korvo->wait_for_main_window() != NULL)
        {
            // The start-up ends by activating the connection window.
            windriver::wait_until([] { return s_korvo->active_child_title() == "COM connection"; });
        }
    }

    static void TearDownTestSuite()
    {
        delete s_korvo;
        s_korvo = nullptr;
    }

    void SetUp() override
    {
        ASSERT_NE(0u, s_korvo->process_id()) << "korvo.exe did not start";
        ASSERT_NE(nullptr, s_korvo->main_window()) << "no window of class " << KorvoProcess::kMainClass;
        ASSERT_NE(nullptr, s_korvo->mdi_client());
        m_console = s_korvo->console();
        ASSERT_NE(nullptr, m_console);
    }

    static std::string s_folder;
    static KorvoProcess* s_korvo;
    HWND m_console = NULL;
};

std::string KorvoWithPlugins::s_folder;
KorvoProcess* KorvoWithPlugins::s_korvo = nullptr;

TEST_F(KorvoWithPlugins, EveryWindowedPluginHasAChildFrameWithItsTitleAndForm)
{
    for (const char* title : {"COM connection", "ZIM", "Seedvaults"})
    {
        HWND child = s_korvo->child_titled(title);
        ASSERT_NE(nullptr, child) << title;
        HWND form = ::GetDlgItem(child, 0xE900);
        ASSERT_NE(nullptr, form) << title;
        EXPECT_EQ("A test plug-in's form", text_of(::GetDlgItem(form, 3901))) << title;
    }
    EXPECT_EQ(nullptr, s_korvo->child_titled("quiet"));
    EXPECT_EQ(0u, text_of(s_korvo->main_window()).find("KORVO_Tarsel"));
}

TEST_F(KorvoWithPlugins, TheConnectionWindowIsActiveAfterStartAndMaximised)
{
    EXPECT_EQ("COM connection", s_korvo->active_child_title());
    BOOL maximised = FALSE;
    ::SendMessage(s_korvo->mdi_client(), WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximised));
    EXPECT_TRUE(maximised);
}

TEST_F(KorvoWithPlugins, AFirstStartStoresTheDefaultLook)
{
    EXPECT_EQ(32830, stored_look());
}

// Three points of the "Output" pane's caption, on the screen: near its top
// and near its bottom at one place, and near its top further right, all
// clear of the caption's text and buttons.
struct CaptionPoints
{
    COLORREF top = CLR_INVALID;
    COLORREF bottom = CLR_INVALID;
    COLORREF right = CLR_INVALID;
};

CaptionPoints output_caption(HWND main)
{
    CaptionPoints points;
    HWND pane = find_descendant(main, kOutputPaneId);
    if (pane == nullptr)
        return points;
    ::SetForegroundWindow(main);
    ::RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    ::Sleep(500);
    RECT rect;
    ::GetWindowRect(pane, &rect);
    HDC screen = ::GetDC(nullptr);
    points.top = ::GetPixel(screen, rect.left + 150, rect.top + 8);
    points.bottom = ::GetPixel(screen, rect.left + 150, rect.top + 16);
    points.right = ::GetPixel(screen, rect.left + 300, rect.top + 8);
    ::ReleaseDC(nullptr, screen);
    return points;
}

// The default look draws the inactive pane caption flat in its own colour,
// darker than the face; the base look fills it with the inactive caption
// colour, and the 2003 look, which the default derives from, with a
// gradient.
TEST_F(KorvoWithPlugins, TheDefaultLookDrawsThePaneCaptionAfterStart)
{
    const CaptionPoints vs2005 = output_caption(s_korvo->main_window());
    ASSERT_NE(CLR_INVALID, vs2005.top);
    EXPECT_EQ(vs2005.top, vs2005.bottom) << "flat";
    EXPECT_EQ(vs2005.top, vs2005.right) << "flat";

    ::SendMessage(s_korvo->main_window(), WM_COMMAND, kLookBase, 0);
    const CaptionPoints base = output_caption(s_korvo->main_window());
    EXPECT_NE(vs2005.top, base.top);
    ::SendMessage(s_korvo->main_window(), WM_COMMAND, kLook2003, 0);
    const CaptionPoints look2003 = output_caption(s_korvo->main_window());
    EXPECT_NE(look2003.top, look2003.bottom) << "a gradient";

    ::SendMessage(s_korvo->main_window(), WM_COMMAND, kLookVS2005, 0);
    const CaptionPoints again = output_caption(s_korvo->main_window());
    EXPECT_EQ(vs2005.top, again.top);
    EXPECT_EQ(kLookVS2005, stored_look());
}

// "<shot>_<look>.bmp" per look command, korvo's default look last.
TEST_F(KorvoWithPlugins, PicturesOfKorvoInEachLook)
{
    const std::pair<int, const char*> looks[] = {{kLookBase, "base"}, {32827, "xp"},        {kLook2003, "2003"},
                                                 {32829, "winxp"},    {32831, "2007"},      {kLookVS2005, "vs2005"}};
    for (const auto& look : looks)
    {
        ::SendMessage(s_korvo->main_window(), WM_COMMAND, static_cast<WPARAM>(look.first), 0);
        ::SetForegroundWindow(s_korvo->main_window());
        ::Sleep(600);
        std::string shot = g_shot_path;
        shot.insert(shot.size() - (shot.size() >= 4 ? 4 : 0), std::string("_") + look.second);
        EXPECT_TRUE(save_screen(shot)) << look.second;
        EXPECT_EQ(look.first, stored_look());
    }
}

TEST_F(KorvoWithPlugins, CtrlDigitActivatesThePluginAtThatListIndex)
{
    // Ctrl+n reaches the record at index n-1 of the scan; the window-less
    // plug-in's key, the terminator's and those past the list change nothing.
    const std::vector<std::string> order = scan_order(s_folder);
    ASSERT_EQ(4u, order.size());
    for (std::size_t index = 0; index < 7; ++index)
    {
        const std::string title = index < order.size() ? title_of_plugin(order[index]) : "";
        // Another window is active first, so that reaching this one shows.
        const std::string other = title == "ZIM" ? "Seedvaults" : "ZIM";
        ::SendMessage(s_korvo->mdi_client(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(s_korvo->child_titled(other)),
                      0);
        ASSERT_EQ(other, s_korvo->active_child_title());
        const std::string expected = title.empty() ? other : title;
        press_hot_key(*s_korvo, index);
        EXPECT_EQ(expected, s_korvo->active_child_title()) << "Ctrl+" << index + 1 << " (" << title << ")";
    }
}

TEST_F(KorvoWithPlugins, CopyDataTextArrivesInTheConsole)
{
    ::SendMessage(m_console, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    s_korvo->copy_data("ab\r\ncd");
    s_korvo->copy_data(std::string("e\0f", 3));
    s_korvo->copy_data("");
    s_korvo->copy_data("gh\b");
    EXPECT_EQ("ab\r\ncdefg", text_of(m_console));
}

// Has the ZIM test plug-in send console text (see KorvoTestPluginIds.h).
bool plugin_speaks(const KorvoProcess& korvo, WPARAM how, LPARAM blocks)
{
    HWND form = ::GetDlgItem(korvo.child_titled("ZIM"), 0xE900);
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutA(form, WM_TEST_PLUGIN_SPEAK, how, blocks, SMTO_NORMAL, 10000, &result) != 0;
}

TEST_F(KorvoWithPlugins, TextAndAClearReachTheConsoleInTheOrderSent)
{
    ::SendMessage(m_console, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    // A worker thread's text, then a clear and text from the user-interface
    // thread: the clear removes the worker's text.
    ASSERT_TRUE(plugin_speaks(*s_korvo, 0, 0));
    ::Sleep(500);
    EXPECT_EQ("after the clear\r\n", text_of(m_console));

    // More text from the user-interface thread than the ring holds arrives
    // whole, its newest block last.
    ::SendMessage(m_console, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    ASSERT_TRUE(plugin_speaks(*s_korvo, 1, 3));
    ASSERT_TRUE(wait_until([this] {
        const std::string text = text_of(m_console);
        return text.size() >= 9 && text.compare(text.size() - 9, 9, "block 2\r\n") == 0;
    })) << text_of(m_console).size();
    const std::string text = text_of(m_console);
    EXPECT_EQ(std::string::npos, text.find("block 0")) << "the console keeps its newest text only";
    ::SendMessage(m_console, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
}

TEST_F(KorvoWithPlugins, ConsoleTextIsTrimmedAtFourFifthsOfItsLimit)
{
    ::SendMessage(m_console, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    // Lines of 98 characters and a line end: 100 characters each shown.
    std::string line(98, 'x');
    line += '\n';
    std::string block;
    for (int i = 0; i < 100; ++i)
        block += line;
    for (int i = 0; i < 23; ++i)
        s_korvo->copy_data(block);
    EXPECT_EQ(230000u, text_of(m_console).size());
    s_korvo->copy_data("first of the last block\n" + block);
    std::string text = text_of(m_console);
    ASSERT_EQ(180025u, text.size());
    // The oldest 60,000 characters went; the newest block is whole.
    EXPECT_EQ("first of the last block\r\n", text.substr(text.size() - 10025, 25));
    ::SendMessage(m_console, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
}

TEST_F(KorvoWithPlugins, ABlockLargerThanTheConsoleKeepsItsNewestText)
{
    ::SendMessage(m_console, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    // 4,000 numbered lines of 100 characters shown: 400,000 in one block,
    // more than the console's limit of 300,000.
    std::string block;
    for (int i = 0; i < 4000; ++i)
    {
        char number[8];
        std::snprintf(number, sizeof(number), "%07d", i);
        block += number + std::string(91, 'y') + "\n";
    }
    s_korvo->copy_data(block);
    std::string text = text_of(m_console);
    // Fifths of the limit go until the text is below four fifths of it.
    ASSERT_EQ(220000u, text.size());
    EXPECT_EQ("0001800", text.substr(0, 7));
    EXPECT_EQ("0003999", text.substr(text.size() - 100, 7));
    ::SendMessage(m_console, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
}

struct ConsoleCase
{
    const char* what;
    std::vector<std::string> blocks;
    std::string shown;
};

TEST_F(KorvoWithPlugins, TheConsoleShowsControlCharactersByItsRules)
{
    const ConsoleCase cases[] = {
        {"a line feed ends the line, a carriage return is dropped", {"ab\r\ncd", "e\rf"}, "ab\r\ncdef"},
        {"a backspace in a later block deletes the last character", {"abc", "\b"}, "ab"},
        {"a backspace after a line end deletes its line feed", {"ab\n", "\b"}, "ab\r"},
        {"a bell sounds and adds nothing", {"x\ay"}, "xy"},
        // High bytes in pairs: a lone one is no character in a double-byte code page.
        {"other control characters and high bytes stay", {"\x01\x1b[0m\xc4\xe3"}, "\x01\x1b[0m\xc4\xe3"},
        {"a NUL byte does not cut the text", {std::string("p\0q", 3)}, "pq"},
    };
    for (const ConsoleCase& c : cases)
    {
        ::SendMessage(m_console, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
        for (const std::string& block : c.blocks)
            s_korvo->copy_data(block);
        EXPECT_EQ(c.shown, text_of(m_console)) << c.what;
    }
}

// Opens Set Filter from the console's menu, types the text and closes the
// dialog with the button.
void set_filter(KorvoProcess& korvo, HWND console, const std::string& text, int button = IDOK)
{
    ::PostMessage(console, WM_COMMAND, kSetFilterCommand, 0);
    DWORD id = korvo.process_id();
    HWND dialog = wait_for([id] { return find_dialog(id, "Set Filter"); });
    ASSERT_NE(nullptr, dialog);
    set_edit_text(dialog, kFilterTextId, text);
    press_button(dialog, button);
    ASSERT_TRUE(wait_until([dialog] { return !::IsWindow(dialog); }));
}

TEST_F(KorvoWithPlugins, TheFilterShowsOnlyLinesThatBeginWithIt)
{
    ASSERT_NO_FATAL_FAILURE(set_filter(*s_korvo, m_console, "OK"));
    ::SendMessage(m_console, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    s_korvo->copy_data("OK one\r\nNO two\r\nnot OK\r\nOK three");
    // A line that arrives in pieces is judged as one line.
    s_korvo->copy_data(" goes on\r\nO");
    s_korvo->copy_data("K four\r\nN");
    s_korvo->copy_data("O five\r\n");
    EXPECT_EQ("OK one\r\nOK three goes on\r\nOK four\r\n", text_of(m_console));

    // Cancel keeps the filter; an empty text turns it off.
    ASSERT_NO_FATAL_FAILURE(set_filter(*s_korvo, m_console, "NO", IDCANCEL));
    s_korvo->copy_data("NO six\r\n");
    EXPECT_EQ("OK one\r\nOK three goes on\r\nOK four\r\n", text_of(m_console));
    ASSERT_NO_FATAL_FAILURE(set_filter(*s_korvo, m_console, ""));
    s_korvo->copy_data("NO seven\r\n");
    EXPECT_EQ("OK one\r\nOK three goes on\r\nOK four\r\nNO seven\r\n", text_of(m_console));
    ::SendMessage(m_console, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
}

TEST_F(KorvoWithPlugins, EnterAddsALineEndAndSendsTheKey)
{
    ::SendMessage(m_console, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("prompt>"));
    ::PostMessage(m_console, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    // The carriage return goes to the target, and there is no connector.
    EXPECT_EQ("Connector is .zZzZ", answer_message_box(s_korvo->process_id()));
    EXPECT_EQ("prompt>\r\n", text_of(m_console));
}

TEST_F(KorvoWithPlugins, CtrlASelectsAllAndSendsTheKey)
{
    ::SendMessage(m_console, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("some text"));
    ::PostMessage(m_console, WM_CHAR, 1, 0);
    EXPECT_EQ("Connector is .zZzZ", answer_message_box(s_korvo->process_id()));
    DWORD selection = static_cast<DWORD>(::SendMessage(m_console, EM_GETSEL, 0, 0));
    EXPECT_EQ(0, LOWORD(selection));
    EXPECT_EQ(9, HIWORD(selection));
}

// A dialog opens centred on its owner.
void expect_centred_on(HWND owner, HWND dialog)
{
    RECT outer;
    RECT inner;
    ::GetWindowRect(owner, &outer);
    ::GetWindowRect(dialog, &inner);
    EXPECT_LE(std::abs((outer.left + outer.right) - (inner.left + inner.right)), 2) << text_of(dialog);
    EXPECT_LE(std::abs((outer.top + outer.bottom) - (inner.top + inner.bottom)), 2) << text_of(dialog);
}

TEST_F(KorvoWithPlugins, TheAboutBoxNamesTheProductAndVersion)
{
    ::PostMessage(s_korvo->main_window(), WM_COMMAND, kAboutCommand, 0);
    DWORD id = s_korvo->process_id();
    HWND about = wait_for([id] { return find_dialog(id, "About korvo"); });
    ASSERT_NE(nullptr, about);
    EXPECT_EQ("KORVO_Tarsel  V4.70", text_of(::GetDlgItem(about, kAboutTextId)));
    EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(about, kAboutLinkId)));
    EXPECT_EQ(BS_OWNERDRAW, ::GetWindowLongA(::GetDlgItem(about, kAboutLinkId), GWL_STYLE) & BS_TYPEMASK)
        << "the library's link button draws the link";
    expect_centred_on(s_korvo->main_window(), about);
    // A picture of the box beside korvo's own: "<shot>_about.bmp".
    ::Sleep(500);
    std::string about_shot = g_shot_path;
    about_shot.insert(about_shot.size() - (about_shot.size() >= 4 ? 4 : 0), "_about");
    EXPECT_TRUE(save_screen(about_shot));
    press_button(about, IDOK);
    EXPECT_TRUE(wait_until([about] { return !::IsWindow(about); }));
}

TEST_F(KorvoWithPlugins, TheWindowsManagerListsThePluginWindows)
{
    ::PostMessage(s_korvo->main_window(), WM_COMMAND, kWindowsManagerCommand, 0);
    DWORD id = s_korvo->process_id();
    HWND manager = wait_for([id] { return find_dialog(id, "Windows"); });
    ASSERT_NE(nullptr, manager);
    HWND list = ::FindWindowExA(manager, NULL, "ListBox", NULL);
    ASSERT_NE(nullptr, list);
    EXPECT_EQ(3, ::SendMessage(list, LB_GETCOUNT, 0, 0));
    expect_centred_on(s_korvo->main_window(), manager);
    press_button(manager, IDOK);
    EXPECT_TRUE(wait_until([manager] { return !::IsWindow(manager); }));
}

TEST_F(KorvoWithPlugins, CustomizeOpensItsSheetBesideTheFrame)
{
    ::PostMessage(s_korvo->main_window(), WM_COMMAND, kCustomizeCommand, 0);
    DWORD id = s_korvo->process_id();
    HWND sheet = wait_for([id] {
        for (HWND window : top_windows(id))
        {
            if (text_of(window) == "Customize")
                return window;
        }
        return HWND(NULL);
    });
    ASSERT_NE(nullptr, sheet);
    // Modeless: the frame still takes input.
    EXPECT_TRUE(::IsWindowEnabled(s_korvo->main_window()));
    ::PostMessage(sheet, WM_CLOSE, 0, 0);
    EXPECT_TRUE(wait_until([sheet] { return !::IsWindow(sheet); }));
}

TEST_F(KorvoWithPlugins, ATypedKeyWithoutAConnectorTellsTheUser)
{
    ::SendMessage(m_console, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    ::PostMessage(m_console, WM_CHAR, 'x', 0);
    EXPECT_EQ("Connector is .zZzZ", answer_message_box(s_korvo->process_id()));
    // Nothing is echoed locally.
    EXPECT_EQ("", text_of(m_console));
}

TEST_F(KorvoWithPlugins, ALookCommandIsStoredAsApplicationLook)
{
    ::SendMessage(s_korvo->main_window(), WM_COMMAND, 32828, 0);
    EXPECT_EQ(32828, stored_look());
}

TEST_F(KorvoWithPlugins, APictureOfKorvo)
{
    s_korvo->copy_data("korvo console\nline two\n");
    ::SetForegroundWindow(s_korvo->main_window());
    ::Sleep(800);
    EXPECT_TRUE(save_screen(g_shot_path));
}

// Keys as the user types them, to whichever window is in front.
void type_keys(std::initializer_list<std::pair<WORD, bool>> keys)
{
    std::vector<INPUT> inputs;
    for (const auto& key : keys)
    {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key.first;
        input.ki.dwFlags = key.second ? 0 : KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// The menu korvo shows is its library's own popup (a pop-up window of its
// process without caption), never the platform's menu window.
HWND open_menu_of(DWORD process_id, HWND main_window)
{
    for (HWND window : top_windows(process_id))
    {
        const LONG style = ::GetWindowLong(window, GWL_STYLE);
        if (window != main_window && ::IsWindowVisible(window) && (style & WS_POPUP) != 0 &&
            (style & WS_CAPTION) != WS_CAPTION && class_of(window) != "#32768")
            return window;
    }
    return NULL;
}

TEST_F(KorvoWithPlugins, AltAndAMnemonicOpenTheMenuAndEnterRunsItsCommand)
{
    const HWND main_window = s_korvo->main_window();
    const DWORD id = s_korvo->process_id();
    ::SetForegroundWindow(main_window);
    ::Sleep(300);
    type_keys({{VK_MENU, true}, {'H', true}, {'H', false}, {VK_MENU, false}});
    HWND help = wait_for([id, main_window] { return open_menu_of(id, main_window); });
    ASSERT_NE(nullptr, help) << "Alt+H opens Help";
    RECT help_rect;
    ::GetWindowRect(help, &help_rect);
    RECT frame_rect;
    ::GetWindowRect(main_window, &frame_rect);
    EXPECT_GT(help_rect.left, frame_rect.left) << "Help stands right of File";
    EXPECT_LT(help_rect.top, (frame_rect.top + frame_rect.bottom) / 2) << "under the menu bar";

    type_keys({{VK_LEFT, true}, {VK_LEFT, false}});
    EXPECT_TRUE(wait_until([help] { return !::IsWindow(help); })) << "Left leaves Help";
    HWND file = wait_for([id, main_window] { return open_menu_of(id, main_window); });
    ASSERT_NE(nullptr, file) << "and opens File";
    RECT file_rect;
    ::GetWindowRect(file, &file_rect);
    EXPECT_LT(file_rect.left, help_rect.left);
    ::Sleep(300);
    std::string menu_shot = g_shot_path;
    menu_shot.insert(menu_shot.size() - (menu_shot.size() >= 4 ? 4 : 0), "_menu");
    EXPECT_TRUE(save_screen(menu_shot));

    type_keys({{VK_RIGHT, true}, {VK_RIGHT, false}, {VK_DOWN, true}, {VK_DOWN, false}});
    ::Sleep(300);
    type_keys({{VK_RETURN, true}, {VK_RETURN, false}});
    HWND about = wait_for([id] { return find_dialog(id, "About korvo"); });
    ASSERT_NE(nullptr, about) << "Enter on About korvo... runs it";
    EXPECT_EQ(nullptr, open_menu_of(id, main_window)) << "the menu closed before the command ran";
    press_button(about, IDOK);
    EXPECT_TRUE(wait_until([about] { return !::IsWindow(about); }));
}

bool hot_key_is_free(int digit)
{
    if (!::RegisterHotKey(NULL, 1, MOD_CONTROL, '0' + digit))
        return false;
    ::UnregisterHotKey(NULL, 1);
    return true;
}

TEST_F(KorvoWithPlugins, ClosingEndsPluginsBeforeComponentsBeforeLibraries)
{
    for (int digit = 1; digit <= 9; ++digit)
        EXPECT_FALSE(hot_key_is_free(digit)) << "Ctrl+" << digit << " while korvo runs";
    ASSERT_TRUE(s_korvo->close());
    for (int digit = 1; digit <= 9; ++digit)
        EXPECT_TRUE(hot_key_is_free(digit)) << "Ctrl+" << digit << " after korvo";
    // The user-interface state was saved as korvo closed.
    EXPECT_TRUE(has_value(std::string(kSettingsKey) + "\\WindowPlacement", "MainWindowRect"));
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
    KorvoProcess korvo;
    ASSERT_TRUE(korvo.start(kKorvoExe, make_plugin_folder("korvo-empty", {})));
    EXPECT_EQ("Default component(connect.dll) was not installed", answer_message_box(korvo.process_id()));
    EXPECT_TRUE(korvo.ends_within_limit());
}

TEST(KorvoAlone, APluginWhoseInitFailsIsNamedAndKorvoEnds)
{
    KorvoProcess korvo;
    ASSERT_TRUE(korvo.start(kKorvoExe, make_plugin_folder("korvo-broken", {"korvo_test_broken"})));
    EXPECT_EQ("failed to load korvo_test_broken.dll", answer_message_box(korvo.process_id()));
    EXPECT_TRUE(korvo.ends_within_limit());
}

TEST(KorvoAlone, TheStoredLookIsKeptAtTheNextStart)
{
    KorvoProcess korvo;
    ASSERT_TRUE(korvo.start(kKorvoExe, make_plugin_folder("korvo-look", {"korvo_test_zim"})));
    ASSERT_NE(nullptr, korvo.wait_for_main_window());
    EXPECT_EQ(32828, stored_look());
    EXPECT_TRUE(korvo.close());
}

TEST(KorvoAlone, AChildClosedInTheWindowsManagerIsForgottenByItsHotKey)
{
    const std::string folder =
        make_plugin_folder("korvo-closed", {"korvo_test_com", "korvo_test_zim", "korvo_test_seed"});
    KorvoProcess korvo;
    ASSERT_TRUE(korvo.start(kKorvoExe, folder));
    ASSERT_NE(nullptr, korvo.wait_for_main_window());
    ASSERT_TRUE(wait_until([&korvo] { return korvo.active_child_title() == "COM connection"; }));

    ::PostMessage(korvo.main_window(), WM_COMMAND, kWindowsManagerCommand, 0);
    DWORD id = korvo.process_id();
    HWND manager = wait_for([id] { return find_dialog(id, "Windows"); });
    ASSERT_NE(nullptr, manager);
    HWND list = ::GetDlgItem(manager, kWindowsListId);
    LRESULT zim = ::SendMessage(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("ZIM"));
    ASSERT_NE(LB_ERR, zim);
    ::SendMessage(list, LB_SETSEL, FALSE, -1);
    ::SendMessage(list, LB_SETSEL, TRUE, zim);
    ::SendMessage(manager, WM_COMMAND, MAKEWPARAM(kWindowsListId, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    press_button(manager, kCloseWindowsId);
    EXPECT_TRUE(wait_until([&korvo] { return korvo.child_titled("ZIM") == NULL; }));
    press_button(manager, IDOK);
    ASSERT_TRUE(wait_until([manager] { return !::IsWindow(manager); }));
    EXPECT_EQ("dll_init\ndll_deinit\n", read_file(folder + "ZIM.events"));

    // The closed window's key does nothing; the others still work.
    const std::string active = korvo.active_child_title();
    press_hot_key(korvo, scan_index(folder, "korvo_test_zim.dll"));
    ASSERT_TRUE(::IsWindow(korvo.main_window())) << "korvo ended on the closed window's hot key";
    EXPECT_EQ(active, korvo.active_child_title());
    const std::string other = active == "Seedvaults" ? "COM connection" : "Seedvaults";
    const std::string other_library = other == "Seedvaults" ? "korvo_test_seed.dll" : "korvo_test_com.dll";
    press_hot_key(korvo, scan_index(folder, other_library));
    EXPECT_EQ(other, korvo.active_child_title());
    EXPECT_TRUE(korvo.close());
}
// The titles the "Windows" dialog lists, in its order.
std::vector<std::string> listed_titles(HWND manager)
{
    HWND list = ::GetDlgItem(manager, kWindowsListId);
    std::vector<std::string> titles;
    const LRESULT count = ::SendMessage(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; i++)
        titles.push_back(text_of(reinterpret_cast<HWND>(::SendMessage(list, LB_GETITEMDATA, i, 0))));
    return titles;
}

TEST(KorvoAlone, TheWindowsManagerListsKorvosFourPluginWindows)
{
    std::vector<std::string> plugins;
    for (const char* name : {"portlink", "zim", "tailor", "seedvaults"})
        plugins.push_back(program_folder() + "..\\dist\\" + name + ".dll");
    KorvoProcess korvo;
    ASSERT_TRUE(korvo.start(kKorvoExe, make_folder(program_folder() + "korvo-four", plugins)));
    ASSERT_NE(nullptr, korvo.wait_for_main_window());
    const std::vector<std::string> titles = {"COM connection", "Seedvaults", "TAILOR", "ZIM"};
    ASSERT_TRUE(wait_until([&korvo, &titles] {
        return std::all_of(titles.begin(), titles.end(),
                           [&korvo](const std::string& title) { return korvo.child_titled(title) != NULL; });
    }));

    ::PostMessage(korvo.main_window(), WM_COMMAND, kWindowsManagerCommand, 0);
    const DWORD id = korvo.process_id();
    HWND manager = wait_for([id] { return find_dialog(id, "Windows"); });
    ASSERT_NE(nullptr, manager);
    EXPECT_EQ(titles, listed_titles(manager)) << "sorted by title";
    // korvo's children have no system menu: nothing to arrange.
    for (int arranging : {kCascadeId, kTileHorizontallyId, kTileVerticallyId, kMinimizeId})
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(manager, arranging))) << arranging;
    HWND list = ::GetDlgItem(manager, kWindowsListId);
    EXPECT_EQ(1, ::SendMessage(list, LB_GETSELCOUNT, 0, 0)) << "the active window is selected";
    ::SetForegroundWindow(manager);
    ::Sleep(500);
    std::string shot = g_shot_path;
    shot.insert(shot.size() - (shot.size() >= 4 ? 4 : 0), "_windows");
    EXPECT_TRUE(save_screen(shot));

    // Activate on another window brings it forward and ends the dialog.
    const std::string other = korvo.active_child_title() == "ZIM" ? "TAILOR" : "ZIM";
    const LRESULT index =
        ::SendMessage(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(other.c_str()));
    ASSERT_NE(LB_ERR, index);
    ::SendMessage(list, LB_SETSEL, FALSE, -1);
    ::SendMessage(list, LB_SETSEL, TRUE, index);
    ::SendMessage(manager, WM_COMMAND, MAKEWPARAM(kWindowsListId, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    press_button(manager, kActivateId);
    EXPECT_TRUE(wait_until([manager] { return !::IsWindow(manager); }));
    EXPECT_TRUE(wait_until([&korvo, &other] { return korvo.active_child_title() == other; }));
    EXPECT_TRUE(korvo.close());
}

TEST(KorvoAlone, ExitDuringAConsoleFloodEndsKorvoAsItsCloseBoxDoes)
{
    const std::string folder = make_plugin_folder("korvo-exit", {"korvo_test_com", "korvo_test_zim"});
    const std::string placement = std::string(kSettingsKey) + "\\WindowPlacement";
    ::SHDeleteKeyA(HKEY_CURRENT_USER, placement.c_str());
    KorvoProcess korvo;
    ASSERT_TRUE(korvo.start(kKorvoExe, folder));
    ASSERT_NE(nullptr, korvo.wait_for_main_window());
    ASSERT_TRUE(wait_until([&korvo] { return korvo.child_titled("ZIM") != NULL; }));
    // A worker thread sends far more text than the console ring holds, so
    // it waits for room as korvo is asked to end.
    ASSERT_TRUE(plugin_speaks(korvo, 2, 0));
    ASSERT_TRUE(wait_until([&korvo] { return korvo.console_text().find("flooding the console") != std::string::npos; }));
    ::Sleep(500);
    ::PostMessage(korvo.main_window(), WM_COMMAND, kExitCommand, 0);
    ASSERT_TRUE(korvo.ends_within_limit()) << "korvo did not end after File > Exit";
    EXPECT_TRUE(has_value(placement, "MainWindowRect"));
    const std::string lifetime = "dll_init\ndll_deinit\ncomponent deleted\nlibrary freed\n";
    for (const char* title : {"COM connection", "ZIM"})
        EXPECT_EQ(lifetime, read_file(folder + title + ".events")) << title;
}
} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    g_shot_path = shot_path(argc, argv, g_shot_path);
    return RUN_ALL_TESTS();
}
