#include "frames/CDockState.h"

#include "app/CWinApp.h"
#include "files/CArchive.h"
#include "files/CMemFile.h"
#include "frames/CFrameWnd.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace
{
const char kRegistryKey[] = "korvo frames dock state tests";
const char kProfile[] = "Settings\\ControlBars";
const int kBarHeight = 16;

// A bar that takes a strip at the top while it is shown.
class ShowableBar : public CWnd
{
protected:
    afx_msg LRESULT OnSizeParent(WPARAM, LPARAM lParam)
    {
        if ((GetStyle() & WS_VISIBLE) == 0)
            return 0;
        AFX_SIZEPARENTPARAMS* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
        if (pLayout->hDWP != NULL)
            pLayout->hDWP = ::DeferWindowPos(pLayout->hDWP, m_hWnd, NULL, pLayout->rect.left, pLayout->rect.top,
                                             pLayout->rect.right - pLayout->rect.left, kBarHeight,
                                             SWP_NOZORDER | SWP_NOACTIVATE);
        pLayout->rect.top += kBarHeight;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ShowableBar, CWnd)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
END_MESSAGE_MAP()

std::vector<BYTE> Stored(const CDockState& state)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        const_cast<CDockState&>(state).Serialize(ar);
        ar.Close();
    }
    const UINT nBytes = static_cast<UINT>(file.GetLength());
    BYTE* pData = file.Detach();
    std::vector<BYTE> bytes(pData, pData + nBytes);
    free(pData);
    return bytes;
}

std::string SectionKey()
{
    return std::string("Software\\") + kRegistryKey + "\\" + AfxGetApp()->m_pszProfileName + "\\" + kProfile;
}

void WriteRawValue(const std::vector<BYTE>& bytes)
{
    HKEY hKey;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyEx(HKEY_CURRENT_USER, SectionKey().c_str(), 0, NULL, 0, KEY_WRITE, NULL,
                                            &hKey, NULL));
    RegSetValueEx(hKey, CDockState::valueName, 0, REG_BINARY, bytes.data(), static_cast<DWORD>(bytes.size()));
    RegCloseKey(hKey);
}

// The application's profile goes to a registry key of the test's own for
// the time of one test.
class DockStateRegistryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CWinApp* pApp = AfxGetApp();
        ASSERT_NE(nullptr, pApp);
        m_pszOldKey = pApp->m_pszRegistryKey;
        m_pszOldProfile = pApp->m_pszProfileName;
        pApp->m_pszRegistryKey = NULL;
        pApp->m_pszProfileName = NULL;
        pApp->SetRegistryKey(kRegistryKey);
        SHDeleteKey(HKEY_CURRENT_USER, (std::string("Software\\") + kRegistryKey).c_str());
    }
    void TearDown() override
    {
        SHDeleteKey(HKEY_CURRENT_USER, (std::string("Software\\") + kRegistryKey).c_str());
        CWinApp* pApp = AfxGetApp();
        free(const_cast<LPTSTR>(pApp->m_pszRegistryKey));
        free(const_cast<LPTSTR>(pApp->m_pszProfileName));
        pApp->m_pszRegistryKey = m_pszOldKey;
        pApp->m_pszProfileName = m_pszOldProfile;
    }

    LPCTSTR m_pszOldKey = NULL;
    LPCTSTR m_pszOldProfile = NULL;
};

void AddTwoBars(CDockState& state)
{
    state.m_arrBarInfo.Add(CDockState::BarInfo{0xE801, TRUE});
    state.m_arrBarInfo.Add(CDockState::BarInfo{0xE8FF, FALSE});
}

TEST(CDockState, ArchiveFormIsCountThenIdAndShownFlagPerBar)
{
    CDockState state;
    AddTwoBars(state);
    EXPECT_EQ((std::vector<BYTE>{1, 0, 2, 0, 0x01, 0xE8, 1, 0xFF, 0xE8, 0}), Stored(state));
    EXPECT_EQ((std::vector<BYTE>{1, 0, 0, 0}), Stored(CDockState()));
}

TEST_F(DockStateRegistryTest, StateRoundTripsThroughTheProfile)
{
    CDockState saved;
    AddTwoBars(saved);
    ASSERT_TRUE(saved.SaveState(kProfile));
    CDockState loaded;
    loaded.m_arrBarInfo.Add(CDockState::BarInfo{0xE805, TRUE});
    ASSERT_TRUE(loaded.LoadState(kProfile));
    ASSERT_EQ(2, loaded.m_arrBarInfo.GetSize());
    EXPECT_EQ(0xE801u, loaded.m_arrBarInfo[0].nBarID);
    EXPECT_TRUE(loaded.m_arrBarInfo[0].bVisible);
    EXPECT_EQ(0xE8FFu, loaded.m_arrBarInfo[1].nBarID);
    EXPECT_FALSE(loaded.m_arrBarInfo[1].bVisible);

    HKEY hKey;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyEx(HKEY_CURRENT_USER, SectionKey().c_str(), 0, KEY_READ, &hKey));
    DWORD dwType = 0, dwSize = 0;
    EXPECT_EQ(ERROR_SUCCESS, RegQueryValueEx(hKey, CDockState::valueName, NULL, &dwType, NULL, &dwSize));
    RegCloseKey(hKey);
    EXPECT_EQ(static_cast<DWORD>(REG_BINARY), dwType);
    EXPECT_EQ(10u, dwSize);
}

TEST_F(DockStateRegistryTest, AMissingValueLoadsNothing)
{
    CDockState state;
    AddTwoBars(state);
    EXPECT_FALSE(state.LoadState(kProfile));
    EXPECT_EQ(0, state.m_arrBarInfo.GetSize());
}

TEST_F(DockStateRegistryTest, DamagedValuesAreRefused)
{
    const struct
    {
        const char* what;
        std::vector<BYTE> bytes;
    } cases[] = {
        {"empty", {}},
        {"one byte", {1}},
        {"count without bars", {1, 0, 2, 0}},
        {"cut inside a bar", {1, 0, 1, 0, 0x01, 0xE8}},
        {"other form", {2, 0, 1, 0, 0x01, 0xE8, 1}},
        {"id below the bar range", {1, 0, 1, 0, 0xFF, 0xE7, 1}},
        {"id of a pane", {1, 0, 1, 0, 0x00, 0xE9, 1}},
        {"shown flag not 0 or 1", {1, 0, 1, 0, 0x01, 0xE8, 2}},
        {"bytes left over", {1, 0, 1, 0, 0x01, 0xE8, 1, 0}},
        {"more bars than ids", {1, 0, 0x01, 0x01}},
    };
    for (const auto& c : cases)
    {
        WriteRawValue(c.bytes);
        CDockState state;
        AddTwoBars(state);
        EXPECT_FALSE(state.LoadState(kProfile)) << c.what;
        EXPECT_EQ(0, state.m_arrBarInfo.GetSize()) << c.what;
    }
}

class DockStateFrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CFrameWnd;
        ASSERT_TRUE(m_pFrame->Create(NULL, "dock state", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200)));
        m_hWndFrame = m_pFrame->m_hWnd;
        ASSERT_TRUE(m_pane.Create(NULL, "pane", WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), m_pFrame,
                                  AFX_IDW_PANE_FIRST));
        ASSERT_TRUE(m_shown.Create(NULL, "shown", WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), m_pFrame, 0xE801));
        ASSERT_TRUE(m_hidden.Create(NULL, "hidden", WS_CHILD, CRect(0, 0, 1, 1), m_pFrame, 0xE805));
        // A framework child outside the bar range is not a bar.
        ASSERT_TRUE(m_other.Create(NULL, "other", WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), m_pFrame, 100));
        m_pFrame->RecalcLayout();
    }
    void TearDown() override
    {
        if (::IsWindow(m_hWndFrame))
            ::DestroyWindow(m_hWndFrame);
    }

    int PaneTop() const
    {
        CRect rect;
        ::GetWindowRect(m_pane.m_hWnd, &rect);
        ::MapWindowPoints(NULL, m_hWndFrame, reinterpret_cast<LPPOINT>(&rect), 2);
        return rect.top;
    }

    CFrameWnd* m_pFrame = nullptr;
    HWND m_hWndFrame = NULL;
    CWnd m_pane;
    ShowableBar m_shown;
    ShowableBar m_hidden;
    CWnd m_other;
};

TEST_F(DockStateFrameTest, GetListsTheBarsShownOrHidden)
{
    CDockState state;
    m_pFrame->GetDockState(state);
    ASSERT_EQ(2, state.m_arrBarInfo.GetSize());
    std::vector<std::pair<UINT, BOOL>> bars;
    for (INT_PTR i = 0; i < state.m_arrBarInfo.GetSize(); ++i)
        bars.emplace_back(state.m_arrBarInfo[i].nBarID, state.m_arrBarInfo[i].bVisible);
    std::sort(bars.begin(), bars.end());
    EXPECT_EQ((std::vector<std::pair<UINT, BOOL>>{{0xE801, TRUE}, {0xE805, FALSE}}), bars);
}

TEST_F(DockStateFrameTest, SetShowsAndHidesTheNamedBarsAndLaysTheFrameOut)
{
    EXPECT_EQ(kBarHeight, PaneTop());
    CDockState state;
    state.m_arrBarInfo.Add(CDockState::BarInfo{0xE801, FALSE});
    state.m_arrBarInfo.Add(CDockState::BarInfo{0xE805, TRUE});
    state.m_arrBarInfo.Add(CDockState::BarInfo{0xE8F0, TRUE});
    m_pFrame->SetDockState(state);
    EXPECT_FALSE(m_shown.GetStyle() & WS_VISIBLE);
    EXPECT_TRUE(m_hidden.GetStyle() & WS_VISIBLE);
    EXPECT_TRUE(m_other.GetStyle() & WS_VISIBLE);
    EXPECT_EQ(kBarHeight, PaneTop());

    state.m_arrBarInfo[1].bVisible = FALSE;
    m_pFrame->SetDockState(state);
    EXPECT_EQ(0, PaneTop());
}
TEST(CDockStateFrame, AFrameWithoutAWindowHasNoBars)
{
    CFrameWnd* pFrame = new CFrameWnd;
    CDockState state;
    AddTwoBars(state);
    pFrame->GetDockState(state);
    EXPECT_EQ(0, state.m_arrBarInfo.GetSize());
    AddTwoBars(state);
    pFrame->SetDockState(state);
    EXPECT_EQ(NULL, pFrame->m_hWnd);
    delete pFrame;
}
} // namespace
