// The MDI tabs saved to the registry and brought back, with documents that
// the test's frame opens by name.

#include "docking/mdi/CVrxPMDIFrameWnd.h"
#include "docking/mdi/CVrxPMDITabsState.h"
#include "docking/tests/KorvoLikeMdi.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <set>
#include <string>
#include <vector>

namespace
{
const char kProfile[] = "Software\\korvo-tests\\mdi-tabs-state\\";
const char kKey[] = "Software\\korvo-tests\\mdi-tabs-state\\MDIClientArea-0";

// A child whose document is named by its title, without a system menu.
class NamedChild : public KorvoLikeChild
{
    DECLARE_DYNCREATE(NamedChild)
public:
    CString DocumentName(CObject**) override
    {
        CString title;
        GetWindowText(title);
        return title;
    }
};
IMPLEMENT_DYNCREATE(NamedChild, KorvoLikeChild)

class DocumentFrame : public CVrxPMDIFrameWnd
{
public:
    CVrxPMDIChildWnd* OpenDocumentWindow(LPCTSTR lpszDocument, CObject*) override
    {
        opened.emplace_back(lpszDocument);
        if (refused.count(lpszDocument) != 0)
            return nullptr;
        auto* pChild = dynamic_cast<CVrxPMDIChildWnd*>(CreateNewChild(RUNTIME_CLASS(NamedChild), 0));
        if (pChild != nullptr)
        {
            pChild->SetWindowText(lpszDocument);
            pChild->ActivateFrame(SW_SHOWMAXIMIZED);
        }
        return pChild;
    }

    std::vector<std::string> opened;
    // Documents that no longer open, as a file deleted since the save.
    std::set<std::string> refused;

protected:
    void PostNcDestroy() override {}
};

class MDITabsSavedStateTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ::SHDeleteKeyA(HKEY_CURRENT_USER, kProfile);
        ASSERT_TRUE(frame.Create(nullptr, "saved tabs", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(20, 20, 620, 470)));
        frame.SetMDITabsOptions(TRUE, TRUE, 1, TRUE, 5, FALSE);
    }
    void TearDown() override
    {
        frame.DestroyWindow();
        ::SHDeleteKeyA(HKEY_CURRENT_USER, kProfile);
    }

    void Open(std::initializer_list<const char*> names)
    {
        for (const char* name : names)
            ASSERT_NE(nullptr, frame.OpenDocumentWindow(name, nullptr)) << name;
        frame.opened.clear();
        Pump();
    }
    static void Pump()
    {
        MSG msg;
        while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
            ::DispatchMessage(&msg);
    }
    CVrxPTabWnd& Tabs() { return frame.GetClientArea().MainTabs(); }
    void UseTabListButton(BOOL bOn)
    {
        CVrxPMDITabOptions options = frame.GetClientArea().Options();
        options.tabListButton = bOn;
        frame.GetClientArea().EnableMDITabs(TRUE, options);
    }
    std::vector<std::string> Labels()
    {
        std::vector<std::string> labels;
        for (int i = 0; i < Tabs().CountTabs(); i++)
        {
            CString label;
            Tabs().TabLabelAt(i, label);
            labels.emplace_back(static_cast<LPCTSTR>(label));
        }
        return labels;
    }
    std::string ActiveTitle()
    {
        HWND hActive = reinterpret_cast<HWND>(::SendMessage(frame.m_hWndMDIClient, WM_MDIGETACTIVE, 0, 0));
        char title[64] = "";
        ::GetWindowText(hActive, title, sizeof(title));
        return title;
    }
    static std::vector<BYTE> StoredBytes()
    {
        BYTE bytes[4096];
        DWORD size = sizeof(bytes);
        if (::SHGetValueA(HKEY_CURRENT_USER, kKey, "MDITabsState", nullptr, bytes, &size) != ERROR_SUCCESS)
            return {};
        return std::vector<BYTE>(bytes, bytes + size);
    }
    static void Store(const std::vector<BYTE>& bytes)
    {
        ::SHSetValueA(HKEY_CURRENT_USER, kKey, "MDITabsState", REG_BINARY, bytes.data(),
                      static_cast<DWORD>(bytes.size()));
    }

    DocumentFrame frame;
};

TEST_F(MDITabsSavedStateTest, TheTabsComeBackInTheirOrderWithTheActiveOneAndTheirColours)
{
    Open({"alpha", "beta", "gamma"});
    ASSERT_EQ((std::vector<std::string>{"alpha", "beta", "gamma"}), Labels());
    Tabs().ActivateTab(1);
    Pump();
    ASSERT_EQ("beta", ActiveTitle());
    UseTabListButton(TRUE);
    ASSERT_TRUE(Tabs().IsListMode());
    Tabs().SetTabColorAt(2, RGB(0, 128, 255));
    ASSERT_TRUE(frame.SaveMDITabsState(kProfile));
    CVrxPMDITabsState stored;
    ASSERT_TRUE(stored.Read(StoredBytes(), TRUE)) << "the value holds what the reader takes";

    frame.GetClientArea().CloseAllChildren();
    UseTabListButton(FALSE);
    Pump();
    ASSERT_EQ(0, Tabs().CountTabs());
    ASSERT_TRUE(frame.LoadMDITabsState(kProfile));
    Pump();
    EXPECT_EQ((std::vector<std::string>{"alpha", "beta", "gamma"}), frame.opened);
    EXPECT_EQ((std::vector<std::string>{"alpha", "beta", "gamma"}), Labels());
    EXPECT_EQ("beta", ActiveTitle());
    EXPECT_EQ(1, Tabs().ActiveTabIndex());
    EXPECT_EQ(RGB(0, 128, 255), Tabs().TabColorAt(2));
    EXPECT_TRUE(Tabs().IsListMode()) << "the tab-list button comes back with the tabs";
}

TEST_F(MDITabsSavedStateTest, ADocumentThatDoesNotReopenIsSkippedAndAnActiveIndexPastTheTabsTakesTheLast)
{
    Open({"kept", "gone", "last"});
    Tabs().ActivateTab(2);
    Pump();
    ASSERT_TRUE(frame.SaveMDITabsState(kProfile));
    frame.refused.insert("gone");
    ASSERT_TRUE(frame.LoadMDITabsState(kProfile));
    Pump();
    EXPECT_EQ((std::vector<std::string>{"kept", "gone", "last"}), frame.opened);
    EXPECT_EQ((std::vector<std::string>{"kept", "last"}), Labels());
    EXPECT_EQ("last", ActiveTitle());
}

TEST_F(MDITabsSavedStateTest, ADamagedOrMissingValueKeepsTheOpenWindows)
{
    Open({"one", "two"});
    ASSERT_TRUE(frame.SaveMDITabsState(kProfile));
    const std::vector<BYTE> good = StoredBytes();
    ASSERT_FALSE(good.empty());
    std::vector<BYTE> longer = good;
    longer.push_back(0);
    std::vector<BYTE> badArrangement = good;
    badArrangement[44] = 7;
    const std::vector<std::vector<BYTE>> damaged = {
        std::vector<BYTE>(good.begin(), good.end() - 1), longer, badArrangement, {0xFF}};
    HWND hOne = ::FindWindowEx(frame.m_hWndMDIClient, NULL, NULL, "one");
    HWND hTwo = ::FindWindowEx(frame.m_hWndMDIClient, NULL, NULL, "two");
    for (size_t i = 0; i < damaged.size(); i++)
    {
        Store(damaged[i]);
        EXPECT_FALSE(frame.LoadMDITabsState(kProfile)) << i;
        Pump();
        EXPECT_TRUE(::IsWindow(hOne) && ::IsWindow(hTwo)) << i << ": no window was closed";
        EXPECT_EQ((std::vector<std::string>{"one", "two"}), Labels()) << i;
        EXPECT_TRUE(frame.opened.empty()) << i;
    }
    ::SHDeleteKeyA(HKEY_CURRENT_USER, kProfile);
    EXPECT_FALSE(frame.LoadMDITabsState(kProfile)) << "no value";
    EXPECT_TRUE(::IsWindow(hOne) && ::IsWindow(hTwo));
}
} // namespace
