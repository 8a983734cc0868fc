#include "app/CWinApp.h"
#include "docking/CVrxPMiniFrameWnd.h"
#include "docking/mdi/CVrxPFrameHelper.h"
#include "docking/mdi/CVrxPMDIFrameWnd.h"
#include "foundation/CVrxPRegistryHolder.h"
#include "foundation/CVrxPWorkspace.h"
#include "foundation/VrxPMessages.h"
#include "toolbars/CVrxPToolBar.h"
#include "toolbars/CVrxPToolbarButton.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <string>
#include <vector>

namespace
{
const char testRoot[] = "Software\\korvo vrx frame extras tests";
const char settingsPath[] = "SOFTWARE\\korvo vrx frame extras tests\\korvo vrx test\\Settings\\";
const UINT firstId = 0xE828;
const UINT lastId = 0xE831;

class OwnedFrame : public CVrxPMDIFrameWnd
{
protected:
    void PostNcDestroy() override {}
};

BOOL KeyExists(const std::string& path)
{
    HKEY hKey;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return FALSE;
    ::RegCloseKey(hKey);
    return TRUE;
}

std::string TearOffKey(int n)
{
    return std::string(settingsPath) + "ControlBars-TearOff-" + std::to_string(n);
}

// The text of the message box the frame shows, which is then closed.
std::string g_messageBoxText;

BOOL CALLBACK ReadMessageBox(HWND hWnd, LPARAM)
{
    char className[16] = "";
    ::GetClassNameA(hWnd, className, sizeof(className));
    if (std::string(className) != "#32770" || !::IsWindowVisible(hWnd))
        return TRUE;
    char text[256] = "";
    ::GetDlgItemTextA(hWnd, 0xFFFF, text, sizeof(text));
    g_messageBoxText = text;
    ::PostMessage(hWnd, WM_COMMAND, IDOK, 0);
    return FALSE;
}

void CALLBACK AnswerMessageBox(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    ::EnumThreadWindows(::GetCurrentThreadId(), ReadMessageBox, 0);
    if (!g_messageBoxText.empty())
        ::KillTimer(NULL, nTimer);
}

class UserToolbarsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ::SHDeleteKeyA(HKEY_CURRENT_USER, testRoot);
        app.SetRegistryKey("korvo vrx frame extras tests");
        workspace.ChooseRegistryBase("Settings");
        ASSERT_TRUE(frame.Create(nullptr, "user toolbars", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(10, 10, 610, 410)));
        frame.AllowDockingSides(CBRS_ALIGN_ANY);
        helper().PrepareUserToolbars(nullptr, firstId, lastId);
    }
    void TearDown() override
    {
        std::vector<CVrxPToolBar*> bars;
        for (CObList* pList : {&helper().userToolbars, &helper().tearOffBars})
            while (!pList->IsEmpty())
                bars.push_back(static_cast<CVrxPToolBar*>(pList->RemoveHead()));
        // The windows go with the frame first, while their own destruction
        // handlers still run.
        frame.DestroyWindow();
        for (CVrxPToolBar* pBar : bars)
            delete pBar;
        ::SHDeleteKeyA(HKEY_CURRENT_USER, testRoot);
    }

    CVrxPFrameHelper& helper() { return frame.GetFrameHelper(); }

    CVrxPToolBar* CreateThroughFrame(const char* name)
    {
        return reinterpret_cast<CVrxPToolBar*>(
            frame.SendMessage(VrxTOOLBAR_CREATE, 0, reinterpret_cast<LPARAM>(name)));
    }

    // A torn-off bar as the tear-off code hands it over: a child of the
    // frame with buttons.
    CVrxPToolBar* TearOff(UINT nID, const char* name, int nButtons)
    {
        CVrxPToolBar* pBar = new CVrxPToolBar;
        if (!pBar->CreateWithDefaultStyle(&frame, CVrxPFrameHelper::userToolbarStyle, nID))
        {
            delete pBar;
            return nullptr;
        }
        pBar->SetWindowText(name);
        for (int i = 0; i < nButtons; i++)
            pBar->InsertButtonCopy(CVrxPToolbarButton(static_cast<UINT>(32800 + i), -1, "Item"));
        helper().RememberTearOffBar(pBar);
        return pBar;
    }

    CWinApp app{"korvo vrx test"};
    CVrxPWorkspace workspace{TRUE};
    OwnedFrame frame;
};

TEST(FindFreeUserToolbarId, TakesTheSmallestUnusedIdOfTheRange)
{
    OwnedFrame parent;
    ASSERT_TRUE(parent.Create(nullptr, "ids", WS_OVERLAPPEDWINDOW, CRect(0, 0, 100, 100)));
    std::vector<CWnd*> windows;
    CObList bars;
    for (UINT nID : {0xE828u, 0xE82Au})
    {
        CWnd* pWnd = new CWnd;
        ASSERT_TRUE(pWnd->Create("STATIC", "", WS_CHILD, CRect(0, 0, 1, 1), &parent, nID));
        windows.push_back(pWnd);
        bars.AddTail(pWnd);
    }
    const CObList none;
    struct Case
    {
        UINT first;
        UINT last;
        const CObList* list;
        UINT expected;
    };
    const Case cases[] = {
        {0xE828, 0xE831, &none, 0xE828},
        {0xE828, 0xE831, &bars, 0xE829},
        {0xE828, 0xE828, &none, 0xE828},
        {0xE828, 0xE829, &bars, 0},
        {CVrxPFrameHelper::noUserToolbarId, 0xE831, &none, 0},
        {0xE828, CVrxPFrameHelper::noUserToolbarId, &none, 0},
        {0xE82A, 0xE82A, &bars, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, CVrxPFrameHelper::FindFreeUserToolbarId(c.first, c.last, *c.list))
            << std::hex << c.first << ".." << c.last << " with " << c.list->GetCount() << " bars";
    for (CWnd* pWnd : windows)
    {
        pWnd->DestroyWindow();
        delete pWnd;
    }
    parent.DestroyWindow();
}

TEST_F(UserToolbarsTest, TheFrameCreatesFloatingUserToolbarsUpToTheRangeAndRefusesTheEleventh)
{
    for (UINT i = 0; i < 10; i++)
    {
        const std::string name = "Mine " + std::to_string(i);
        CVrxPToolBar* pBar = CreateThroughFrame(name.c_str());
        ASSERT_NE(nullptr, pBar) << i;
        EXPECT_EQ(firstId + i, static_cast<UINT>(pBar->GetDlgCtrlID()));
        CString text;
        pBar->GetWindowText(text);
        EXPECT_STREQ(name.c_str(), text);
        EXPECT_EQ(CVrxPFrameHelper::userToolbarBarStyle, pBar->GetBarStyle() & CVrxPFrameHelper::userToolbarBarStyle);
        EXPECT_EQ(static_cast<DWORD>(CBRS_ALIGN_ANY), pBar->GetAllowedDocking());
        EXPECT_NE(nullptr, pBar->FindMiniFrameParent()) << "a new user toolbar floats";
        EXPECT_TRUE(helper().IsUserToolbar(pBar));
    }
    EXPECT_EQ(10, helper().userToolbars.GetCount());

    g_messageBoxText.clear();
    const UINT_PTR nTimer = ::SetTimer(NULL, 0, 50, AnswerMessageBox);
    EXPECT_EQ(nullptr, CreateThroughFrame("One too many"));
    ::KillTimer(NULL, nTimer);
    EXPECT_EQ("You can't create more than 10 user-defined toolbars!", g_messageBoxText);
    EXPECT_EQ(10, helper().userToolbars.GetCount());
}

TEST_F(UserToolbarsTest, ADeletedUserToolbarTakesItsStoredStateAndFreesItsId)
{
    CVrxPToolBar* pFirst = CreateThroughFrame("First");
    CVrxPToolBar* pSecond = CreateThroughFrame("Second");
    ASSERT_NE(nullptr, pFirst);
    ASSERT_NE(nullptr, pSecond);
    ASSERT_EQ(firstId + 1, static_cast<UINT>(pSecond->GetDlgCtrlID()));
    pSecond->InsertButtonCopy(CVrxPToolbarButton(57600, -1, "New"));
    helper().StoreUserToolbars(FALSE);
    const std::string secondKey = std::string(settingsPath) + "VrxToolBar-" + std::to_string(firstId + 1);
    ASSERT_TRUE(KeyExists(secondKey));

    CMiniFrameWnd* pMiniFrame = pSecond->FindMiniFrameParent();
    ASSERT_NE(nullptr, pMiniFrame);
    const HWND hMiniFrame = pMiniFrame->GetSafeHwnd();
    EXPECT_TRUE(frame.SendMessage(VrxTOOLBAR_DELETE, 0, reinterpret_cast<LPARAM>(pSecond)));
    EXPECT_FALSE(KeyExists(secondKey));
    EXPECT_FALSE(::IsWindow(hMiniFrame)) << "the floating frame goes with its bar";
    EXPECT_EQ(NULL, helper().userToolbars.Find(pSecond));
    EXPECT_EQ(NULL, frame.GetBarManager().GetBarList().Find(pSecond));

    CVrxPToolBar* pThird = CreateThroughFrame("Third");
    ASSERT_NE(nullptr, pThird);
    EXPECT_EQ(firstId + 1, static_cast<UINT>(pThird->GetDlgCtrlID()));

    CVrxPToolBar other;
    EXPECT_FALSE(helper().DeleteUserToolbar(&other)) << "a bar that is not a user toolbar";
    EXPECT_FALSE(helper().IsUserToolbar(&other));
}

TEST_F(UserToolbarsTest, StoredUserToolbarsComeBackWithTheirButtons)
{
    CVrxPToolBar* pBar = CreateThroughFrame("Kept");
    ASSERT_NE(nullptr, pBar);
    pBar->InsertButtonCopy(CVrxPToolbarButton(57600, -1, "New"));
    pBar->InsertButtonCopy(CVrxPToolbarButton(57601, -1, "Open"));
    helper().StoreUserToolbars(FALSE);
    ASSERT_TRUE(helper().DeleteUserToolbar(pBar));
    EXPECT_TRUE(helper().userToolbars.IsEmpty());

    CVrxPToolBar* pKept = CreateThroughFrame("Kept");
    ASSERT_NE(nullptr, pKept);
    pKept->InsertButtonCopy(CVrxPToolbarButton(57603, -1, "Save"));
    helper().StoreUserToolbars(FALSE);

    OwnedFrame again;
    ASSERT_TRUE(again.Create(nullptr, "again", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(10, 10, 610, 410)));
    again.AllowDockingSides(CBRS_ALIGN_ANY);
    CVrxPFrameHelper& restored = again.GetFrameHelper();
    restored.PrepareUserToolbars(nullptr, firstId, lastId);
    restored.RecreateUserToolbars();
    ASSERT_EQ(1, restored.userToolbars.GetCount());
    CVrxPToolBar* pBack = static_cast<CVrxPToolBar*>(restored.userToolbars.GetHead());
    EXPECT_EQ(firstId, static_cast<UINT>(pBack->GetDlgCtrlID()));
    const int nButtons = pBack->GetCount();
    const UINT nCommand = nButtons > 0 ? pBack->GetButton(0)->commandId : 0;
    again.DestroyWindow();
    delete restored.userToolbars.RemoveHead();
    EXPECT_EQ(1, nButtons);
    EXPECT_EQ(57603u, nCommand);
}

TEST_F(UserToolbarsTest, StoringFewerTornOffBarsLeavesNoKeysBeyondThem)
{
    std::vector<CVrxPToolBar*> bars;
    for (UINT i = 0; i < 5; i++)
        bars.push_back(TearOff(0xE850 + i, "Torn", 1));
    helper().StoreTearOffBars(FALSE);
    for (int n = 0; n < 5; n++)
        EXPECT_TRUE(KeyExists(TearOffKey(n))) << n;

    for (int i = 3; i < 5; i++)
    {
        helper().ForgetTearOffBar(bars[static_cast<size_t>(i)]);
        bars[static_cast<size_t>(i)]->DestroyWindow();
        delete bars[static_cast<size_t>(i)];
    }
    helper().StoreTearOffBars(FALSE);
    for (int n = 0; n < 3; n++)
        EXPECT_TRUE(KeyExists(TearOffKey(n))) << n;
    EXPECT_FALSE(KeyExists(TearOffKey(3)));
    EXPECT_FALSE(KeyExists(TearOffKey(4)));
}

TEST_F(UserToolbarsTest, VisibleTornOffBarsRoundTripWithoutGaps)
{
    TearOff(0xE850, "Edit", 2);
    CVrxPToolBar* pHidden = TearOff(0xE851, "Hidden", 1);
    TearOff(0xE852, "View", 3);
    pHidden->ShowWindow(SW_HIDE);
    helper().StoreTearOffBars(FALSE);
    EXPECT_FALSE(KeyExists(TearOffKey(2)));

    helper().RestoreTearOffBars();
    ASSERT_EQ(2, helper().tearOffBars.GetCount());
    struct Expected
    {
        int id;
        const char* name;
        int buttons;
    };
    const Expected expected[] = {{0xE850, "Edit", 2}, {0xE852, "View", 3}};
    POSITION pos = helper().tearOffBars.GetHeadPosition();
    for (const Expected& e : expected)
    {
        CVrxPToolBar* pBar = static_cast<CVrxPToolBar*>(helper().tearOffBars.GetNext(pos));
        EXPECT_EQ(e.id, pBar->GetDlgCtrlID());
        CString name;
        pBar->GetWindowText(name);
        EXPECT_STREQ(e.name, name);
        EXPECT_EQ(e.buttons, pBar->GetCount()) << e.name;
        EXPECT_EQ(&frame, pBar->GetTopLevelFrame());
    }
    EXPECT_EQ(NULL, ::GetDlgItem(frame.GetSafeHwnd(), 0xE851));
}

TEST_F(UserToolbarsTest, AStoredStateOfAnotherClassEndsTheRestoreCleanly)
{
    TearOff(0xE850, "First", 1);
    TearOff(0xE851, "Second", 1);
    helper().StoreTearOffBars(FALSE);
    {
        // Key 0 now holds a button where the bar object belongs.
        CVrxPRegistryHolder holder;
        CVrxPRegistry& registry = holder.Open(FALSE, FALSE);
        ASSERT_TRUE(registry.MakeKey(TearOffKey(0).c_str()));
        CVrxPToolbarButton button(57600, -1, "New");
        ASSERT_TRUE(registry.WriteObject("State", &button));
    }
    helper().RestoreTearOffBars();
    EXPECT_TRUE(helper().tearOffBars.IsEmpty());
    EXPECT_EQ(NULL, ::GetDlgItem(frame.GetSafeHwnd(), 0xE850));
    EXPECT_EQ(NULL, ::GetDlgItem(frame.GetSafeHwnd(), 0xE851)) << "later bars are not restored";
}
} // namespace
