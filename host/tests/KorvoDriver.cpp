// Drives korvo.exe from outside, as a user and other programs would: starts
// it in a folder of test plug-ins, finds its main window by class, reads the
// child frames and the console, answers its message boxes, closes it and
// reads what the plug-ins and the system log recorded. --shot=<file.bmp>
// keeps a picture of the screen.

#include "KorvoProcess.h"
#include "ScreenPicture.h"
#include "WindowDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
using namespace windriver;

const char kLookKey[] = "Software\\VrxP AppWizard-Generated Applications\\korvo\\Settings";

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
        s_folder = make_plugin_folder("korvo-run",
                                      {"korvo_test_com", "korvo_test_zim", "korvo_test_seed", "korvo_test_quiet"});
        s_korvo = new KorvoProcess;
        if (s_korvo->start(kKorvoExe, s_folder))
            s_korvo->wait_for_main_window();
        // Let the start-up finish: the connection window is activated last.
        ::Sleep(500);
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

TEST_F(KorvoWithPlugins, CtrlDigitActivatesThePluginAtThatListIndex)
{
    // The scan order is the file system's: the first three indexes reach
    // three different windows, or two when the non-window plug-in is among
    // them; the terminator's index and those past the list change nothing.
    std::vector<std::string> reached;
    for (int index = 0; index < 3; ++index)
    {
        ::PostMessage(s_korvo->main_window(), WM_HOTKEY, 40961 + index, MAKELPARAM(MOD_CONTROL, '1' + index));
        ::Sleep(300);
        reached.push_back(s_korvo->active_child_title());
    }
    std::sort(reached.begin(), reached.end());
    reached.erase(std::unique(reached.begin(), reached.end()), reached.end());
    EXPECT_GE(reached.size(), 2u);
    for (const std::string& title : reached)
        EXPECT_NE(nullptr, s_korvo->child_titled(title)) << title;

    std::string before = s_korvo->active_child_title();
    ::PostMessage(s_korvo->main_window(), WM_HOTKEY, 40961 + 4, MAKELPARAM(MOD_CONTROL, '5'));
    ::PostMessage(s_korvo->main_window(), WM_HOTKEY, 40961 + 6, MAKELPARAM(MOD_CONTROL, '7'));
    ::Sleep(300);
    EXPECT_EQ(before, s_korvo->active_child_title());
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
        s_korvo->copy_data(block);
    EXPECT_EQ(230000, ::GetWindowTextLength(m_console));
    s_korvo->copy_data(block);
    EXPECT_EQ(180000, ::GetWindowTextLength(m_console));
    ::SendMessage(m_console, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
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

TEST_F(KorvoWithPlugins, ClosingEndsPluginsBeforeComponentsBeforeLibraries)
{
    ASSERT_TRUE(s_korvo->close());
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
} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    g_shot_path = shot_path(argc, argv, g_shot_path);
    return RUN_ALL_TESTS();
}
