#include "foundation/CVrxPKeyboardManager.h"

#include "app/CWinApp.h"
#include "docking/mdi/CVrxPMDIFrameWnd.h"
#include "foundation/CVrxPAccelFormatter.h"
#include "frames/CDocument.h"
#include "frames/CMultiDocTemplate.h"
#include "frames/CView.h"
#include "toolbars/CVrxPToolBar.h"

#include "TestFrame.h"
#include "VrxFoundationTestResources.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <vector>

namespace
{
const char testProfile[] = "Software\\korvo vrx keyboard tests\\";
const char testRoot[] = "Software\\korvo vrx keyboard tests";

const ACCEL fiveEntries[] = {{FVIRTKEY | FCONTROL, 'N', 100},
                             {FVIRTKEY | FCONTROL, 'O', 101},
                             {FVIRTKEY | FCONTROL | FSHIFT, VK_F5, 102},
                             {FVIRTKEY | FALT, VK_HOME, 103},
                             {FVIRTKEY, VK_F2, 102}};

HACCEL MakeTable()
{
    return CreateAcceleratorTable(const_cast<ACCEL*>(fiveEntries), 5);
}

std::vector<ACCEL> EntriesOf(HACCEL hAccel)
{
    std::vector<ACCEL> entries(static_cast<size_t>(CopyAcceleratorTable(hAccel, NULL, 0)));
    CopyAcceleratorTable(hAccel, entries.data(), static_cast<int>(entries.size()));
    return entries;
}

class KeyboardManagerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SHDeleteKey(HKEY_CURRENT_USER, testRoot);
        ASSERT_TRUE(m_frame.Create(nullptr, "keyboard"));
    }
    void TearDown() override
    {
        m_frame.DestroyWindow();
        SHDeleteKey(HKEY_CURRENT_USER, testRoot);
    }

    CVrxPKeyboardManager m_manager;
    TestFrame m_frame;
};

TEST_F(KeyboardManagerTest, FiveEntriesAreThirtyBytes)
{
    HACCEL hTable = MakeTable();
    ASSERT_TRUE(m_manager.SaveTable(testProfile, 0, hTable));
    DestroyAcceleratorTable(hTable);
    HKEY hKey;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyEx(HKEY_CURRENT_USER, (std::string(testProfile) + "VrxKeyboard-0").c_str(), 0,
                                          KEY_READ, &hKey));
    std::vector<BYTE> bytes(64);
    DWORD nSize = static_cast<DWORD>(bytes.size());
    DWORD type = 0;
    ASSERT_EQ(ERROR_SUCCESS, RegQueryValueEx(hKey, "Accelerators", NULL, &type, bytes.data(), &nSize));
    RegCloseKey(hKey);
    EXPECT_EQ(static_cast<DWORD>(REG_BINARY), type);
    EXPECT_EQ(30u, nSize);
    EXPECT_EQ(FVIRTKEY | FCONTROL | FSHIFT, bytes[12]);
    EXPECT_EQ(VK_F5, bytes[14]);
    EXPECT_EQ(102, bytes[16]);
}

TEST_F(KeyboardManagerTest, EmptyTableIsNotSaved)
{
    EXPECT_FALSE(m_manager.SaveTable(testProfile, 0, NULL));
    HACCEL hLoaded = NULL;
    EXPECT_FALSE(m_manager.LoadTable(testProfile, 0, hLoaded));
    EXPECT_EQ(nullptr, hLoaded);
}

TEST_F(KeyboardManagerTest, FrameTableSurvivesStoreAndRestore)
{
    m_frame.m_hAccelTable = MakeTable();
    ASSERT_TRUE(m_manager.StoreState(testProfile, &m_frame));
    const ACCEL other = {FVIRTKEY, VK_F9, 555};
    ASSERT_TRUE(m_manager.InstallAccelTable(nullptr, &other, 1, &m_frame));
    ASSERT_EQ(1, CopyAcceleratorTable(m_frame.m_hAccelTable, NULL, 0));
    ASSERT_TRUE(m_manager.RestoreState(testProfile, &m_frame));
    std::vector<ACCEL> entries(5);
    ASSERT_EQ(5, CopyAcceleratorTable(m_frame.m_hAccelTable, entries.data(), 5));
    EXPECT_EQ(VK_HOME, entries[3].key);
    EXPECT_EQ(103, entries[3].cmd);
}

TEST_F(KeyboardManagerTest, ShortcutTextIsTheFirstShortcut)
{
    m_frame.m_hAccelTable = MakeTable();
    CString text;
    EXPECT_TRUE(CVrxPKeyboardManager::LookupShortcutText(102, text, &m_frame, FALSE));
    EXPECT_STREQ(CVrxPAccelFormatter::KeyName(VK_CONTROL) + "+" + CVrxPAccelFormatter::KeyName(VK_SHIFT) + "+F5", text);
    EXPECT_FALSE(CVrxPKeyboardManager::LookupShortcutText(999, text, &m_frame, TRUE));
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_TRUE(CVrxPKeyboardManager::IsKeyBound(VK_HOME, FVIRTKEY | FALT, &m_frame, FALSE));
    EXPECT_FALSE(CVrxPKeyboardManager::IsKeyBound(VK_HOME, FVIRTKEY, &m_frame, FALSE));
}

TEST_F(KeyboardManagerTest, CopyFollowsANewTable)
{
    m_frame.m_hAccelTable = MakeTable();
    CString text;
    ASSERT_TRUE(CVrxPKeyboardManager::LookupShortcutText(100, text, &m_frame, FALSE));
    const ACCEL other = {FVIRTKEY | FCONTROL, 'Q', 100};
    ASSERT_TRUE(m_manager.InstallAccelTable(nullptr, &other, 1, &m_frame));
    ASSERT_TRUE(CVrxPKeyboardManager::LookupShortcutText(100, text, &m_frame, FALSE));
    EXPECT_STREQ(CVrxPAccelFormatter::KeyName(VK_CONTROL) + "+Q", text);
}

TEST_F(KeyboardManagerTest, NothingToInstallForIsRefused)
{
    const ACCEL entry = {FVIRTKEY, VK_F9, 1};
    EXPECT_FALSE(m_manager.InstallAccelTable(nullptr, &entry, 1, nullptr));
}

TEST_F(KeyboardManagerTest, ASavedForbiddenCommandComesBackAsNoCommand)
{
    HACCEL hTable = MakeTable();
    ASSERT_TRUE(m_manager.SaveTable(testProfile, 0, hTable));
    DestroyAcceleratorTable(hTable);
    CVrxPToolBar::ForbiddenCommands().AddTail(103);
    HACCEL hLoaded = NULL;
    const BOOL bLoaded = m_manager.LoadTable(testProfile, 0, hLoaded);
    CVrxPToolBar::ForbiddenCommands().RemoveAll();
    ASSERT_TRUE(bLoaded);
    const std::vector<ACCEL> entries = EntriesOf(hLoaded);
    DestroyAcceleratorTable(hLoaded);
    ASSERT_EQ(5u, entries.size());
    EXPECT_EQ(VK_HOME, entries[3].key);
    EXPECT_EQ(0, entries[3].cmd);
    EXPECT_EQ(102, entries[4].cmd);
}

TEST_F(KeyboardManagerTest, AValueEndingInsideAnEntryIsRefused)
{
    HKEY hKey;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyEx(HKEY_CURRENT_USER, (std::string(testProfile) + "VrxKeyboard-0").c_str(), 0,
                                            NULL, 0, KEY_WRITE, NULL, &hKey, NULL));
    const BYTE damaged[] = {FVIRTKEY, 0, VK_F2, 0, 100, 0, FVIRTKEY};
    RegSetValueEx(hKey, "Accelerators", 0, REG_BINARY, damaged, sizeof(damaged));
    RegCloseKey(hKey);
    HACCEL hLoaded = NULL;
    EXPECT_FALSE(m_manager.LoadTable(testProfile, 0, hLoaded));
    EXPECT_EQ(nullptr, hLoaded);
}

class KeyboardTemplatesTest : public KeyboardManagerTest
{
protected:
    void SetUp() override
    {
        KeyboardManagerTest::SetUp();
        m_pTemplate = new CMultiDocTemplate(IDR_TEST_TEMPLATE_KEYS, RUNTIME_CLASS(CDocument), RUNTIME_CLASS(CFrameWnd),
                                            RUNTIME_CLASS(CView));
        m_app.AddDocTemplate(m_pTemplate);
        if (m_pTemplate->m_hAccelTable != NULL)
            DestroyAcceleratorTable(m_pTemplate->m_hAccelTable);
        m_pTemplate->m_hAccelTable = MakeTable();
    }
    void TearDown() override
    {
        m_app.m_pMainWnd = nullptr;
        KeyboardManagerTest::TearDown();
    }

    CWinApp m_app{"korvo vrx keyboard test"};
    CMultiDocTemplate* m_pTemplate = nullptr;
};

TEST_F(KeyboardTemplatesTest, TemplateTablesAreKeptUnderTheirResourceId)
{
    m_frame.m_hAccelTable = MakeTable();
    ASSERT_TRUE(m_manager.StoreState(testProfile, &m_frame));
    HKEY hKey;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyEx(HKEY_CURRENT_USER, (std::string(testProfile) + "VrxKeyboard-141").c_str(), 0,
                                          KEY_READ, &hKey));
    RegCloseKey(hKey);

    const ACCEL other = {FVIRTKEY, VK_F9, 555};
    ASSERT_TRUE(m_manager.InstallAccelTable(m_pTemplate, &other, 1, nullptr));
    ASSERT_EQ(1u, EntriesOf(m_pTemplate->m_hAccelTable).size());
    ASSERT_TRUE(m_manager.RestoreState(testProfile, &m_frame));
    const std::vector<ACCEL> entries = EntriesOf(m_pTemplate->m_hAccelTable);
    ASSERT_EQ(5u, entries.size());
    EXPECT_EQ(103, entries[3].cmd);
}

TEST_F(KeyboardTemplatesTest, DefaultsComeBackFromTheResources)
{
    CVrxPMDIFrameWnd mainFrame;
    mainFrame.GetFrameHelper().resourceId = IDR_TEST_FRAME_KEYS;
    mainFrame.m_hAccelTable = MakeTable();
    m_app.m_pMainWnd = &mainFrame;
    m_manager.RestoreDefaultAccelerators();

    const std::vector<ACCEL> frameEntries = EntriesOf(mainFrame.m_hAccelTable);
    ASSERT_EQ(2u, frameEntries.size());
    EXPECT_EQ('S', frameEntries[0].key);
    EXPECT_EQ(ID_TEST_CUT, frameEntries[0].cmd);
    EXPECT_EQ(VK_F7, frameEntries[1].key);
    const std::vector<ACCEL> templateEntries = EntriesOf(m_pTemplate->m_hAccelTable);
    ASSERT_EQ(1u, templateEntries.size());
    EXPECT_EQ(ID_TEST_PASTE, templateEntries[0].cmd);
    EXPECT_EQ(FVIRTKEY | FCONTROL | FSHIFT, templateEntries[0].fVirt & ~0x80);
    DestroyAcceleratorTable(mainFrame.m_hAccelTable);
    mainFrame.m_hAccelTable = NULL;
}

TEST_F(KeyboardTemplatesTest, AFrameWithoutADefaultMenuKeepsItsTable)
{
    m_frame.m_hAccelTable = MakeTable();
    m_app.m_pMainWnd = &m_frame;
    m_manager.RestoreDefaultAccelerators();
    EXPECT_EQ(5u, EntriesOf(m_frame.m_hAccelTable).size());
}

TEST(CVrxPKeyboardManager, UpperCaseOfLettersAndDigits)
{
    EXPECT_EQ(static_cast<UINT>('A'), CVrxPKeyboardManager::UpperCaseKey('A'));
    EXPECT_EQ(static_cast<UINT>('Q'), CVrxPKeyboardManager::UpperCaseKey('q'));
    EXPECT_EQ(static_cast<UINT>('7'), CVrxPKeyboardManager::UpperCaseKey('7'));
    EXPECT_TRUE(CVrxPKeyboardManager::ProducesCharacter('A'));
    EXPECT_FALSE(CVrxPKeyboardManager::ProducesCharacter(VK_F5));
}

TEST(CVrxPKeyboardManager, OneManagerAtATime)
{
    EXPECT_EQ(nullptr, CVrxPKeyboardManager::Instance());
    {
        CVrxPKeyboardManager manager;
        EXPECT_EQ(&manager, CVrxPKeyboardManager::Instance());
    }
    EXPECT_EQ(nullptr, CVrxPKeyboardManager::Instance());
}
} // namespace
