#include "themes/CVrxPThemeWrapper.h"

#include "gdi/CDC.h"
#include "windows/CWnd.h"

#include <cwchar>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace
{
struct CheckBoxCase
{
    int state;
    BOOL enabled;
    BOOL pressed;
    BOOL highlighted;
    int themeState;
};

class CheckBoxStateTest : public ::testing::TestWithParam<CheckBoxCase>
{
};

TEST_P(CheckBoxStateTest, MapsToTheThemeState)
{
    const CheckBoxCase& c = GetParam();
    EXPECT_EQ(c.themeState, CVrxPThemeWrapper::CheckBoxState(c.state, c.enabled, c.pressed, c.highlighted));
}

INSTANTIATE_TEST_SUITE_P(States, CheckBoxStateTest,
                         ::testing::Values(CheckBoxCase{0, TRUE, FALSE, FALSE, 1},
                                           CheckBoxCase{1, TRUE, FALSE, FALSE, 5},
                                           CheckBoxCase{2, TRUE, FALSE, FALSE, 9},
                                           CheckBoxCase{5, TRUE, FALSE, FALSE, 9},
                                           CheckBoxCase{-1, TRUE, FALSE, FALSE, 1},
                                           CheckBoxCase{1, FALSE, TRUE, TRUE, 8},
                                           CheckBoxCase{1, TRUE, TRUE, TRUE, 7},
                                           CheckBoxCase{0, TRUE, FALSE, TRUE, 2}));

TEST(RadioButtonStateTest, MapsEveryCombination)
{
    EXPECT_EQ(8, CVrxPThemeWrapper::RadioButtonState(TRUE, FALSE, TRUE, TRUE));
    EXPECT_EQ(4, CVrxPThemeWrapper::RadioButtonState(FALSE, FALSE, FALSE, FALSE));
    EXPECT_EQ(7, CVrxPThemeWrapper::RadioButtonState(TRUE, TRUE, TRUE, FALSE));
    EXPECT_EQ(3, CVrxPThemeWrapper::RadioButtonState(FALSE, TRUE, TRUE, TRUE));
    EXPECT_EQ(6, CVrxPThemeWrapper::RadioButtonState(TRUE, TRUE, FALSE, TRUE));
    EXPECT_EQ(5, CVrxPThemeWrapper::RadioButtonState(TRUE, TRUE, FALSE, FALSE));
    EXPECT_EQ(2, CVrxPThemeWrapper::RadioButtonState(FALSE, TRUE, FALSE, TRUE));
    EXPECT_EQ(1, CVrxPThemeWrapper::RadioButtonState(FALSE, TRUE, FALSE, FALSE));
}

TEST(ComboButtonStateTest, DisabledBeatsDroppedBeatsHot)
{
    EXPECT_EQ(4, CVrxPThemeWrapper::ComboButtonState(TRUE, TRUE, TRUE));
    EXPECT_EQ(3, CVrxPThemeWrapper::ComboButtonState(FALSE, TRUE, TRUE));
    EXPECT_EQ(2, CVrxPThemeWrapper::ComboButtonState(FALSE, FALSE, TRUE));
    EXPECT_EQ(1, CVrxPThemeWrapper::ComboButtonState(FALSE, FALSE, FALSE));
}

struct SchemeCase
{
    const wchar_t* file;
    const wchar_t* color;
    BOOL accentRead;
    COLORREF accent;
    int scheme;
};

class SchemeTest : public ::testing::TestWithParam<SchemeCase>
{
};

TEST_P(SchemeTest, TellsTheDefaultThemesColourScheme)
{
    const SchemeCase& c = GetParam();
    EXPECT_EQ(c.scheme, CVrxPThemeWrapper::SchemeOf(c.file, c.color, c.accentRead, c.accent));
}

INSTANTIATE_TEST_SUITE_P(
    Themes, SchemeTest,
    ::testing::Values(SchemeCase{L"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles", L"NormalColor", TRUE, 0, 1},
                      SchemeCase{L"C:\\Themes\\LUNA.msstyles", L"homestead", TRUE, 0, 2},
                      SchemeCase{L"Luna.msstyles", L"Metallic", TRUE, 0, 3},
                      SchemeCase{L"Luna.msstyles", L"Other", TRUE, 0, 0},
                      SchemeCase{L"Luna.msstyles", L"NormalColor", TRUE, 1, 0},
                      SchemeCase{L"Luna.msstyles", L"NormalColor", FALSE, 0, 0},
                      SchemeCase{L"C:\\Themes\\Lunar.msstyles", L"NormalColor", TRUE, 0, 0},
                      SchemeCase{L"", L"", TRUE, 0, 0}));

// Each paint answers whether its class's theme is open: with visual styles
// off every one is FALSE and the looks draw themselves.
TEST(ThemeWrapperTest, PaintsOnlyWithAnOpenTheme)
{
    CVrxPThemeWrapper wrapper;
    HDC hDC = ::CreateCompatibleDC(NULL);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(::GetDC(NULL), 100, 20);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    CDC* pDC = CDC::FromHandle(hDC);
    const BOOL bButton = wrapper.GetThemeHandle(CVrxPThemeWrapper::themeButton) != NULL;
    const BOOL bCombo = wrapper.GetThemeHandle(CVrxPThemeWrapper::themeComboBox) != NULL;
    const BOOL bProgress = wrapper.GetThemeHandle(CVrxPThemeWrapper::themeProgress) != NULL;
    EXPECT_EQ(bButton, wrapper.PaintThemeCheckBox(pDC, CRect(0, 0, 13, 13), FALSE, 1, TRUE, FALSE));
    EXPECT_EQ(bButton, wrapper.PaintThemeRadioButton(pDC, CRect(0, 0, 13, 13), FALSE, TRUE, TRUE, FALSE));
    EXPECT_EQ(bCombo, wrapper.PaintThemeComboButton(pDC, CRect(0, 0, 13, 13), FALSE, FALSE, FALSE));
    EXPECT_EQ(bProgress, wrapper.PaintThemeProgress(pDC, nullptr, CRect(0, 0, 100, 13), 0, 0, 0, 0, 0, TRUE));
    ::SelectObject(hDC, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hDC);
}
// Doubles of the visual-styles entry points: every class opens, and each
// background painted is recorded.
struct DrawnPart
{
    HTHEME theme;
    int part;
    int state;
    RECT rect;
};
std::vector<DrawnPart> g_drawn;
std::vector<std::wstring> g_opened;
int g_closed = 0;
COLORREF g_accent = 0;
HRESULT g_accentResult = S_OK;
const wchar_t* g_themeFile = L"";
const wchar_t* g_colorName = L"";

HTHEME WINAPI FakeOpenThemeData(HWND, LPCWSTR lpszClass)
{
    g_opened.push_back(lpszClass);
    return reinterpret_cast<HTHEME>(static_cast<INT_PTR>(g_opened.size()));
}
HRESULT WINAPI FakeCloseThemeData(HTHEME)
{
    g_closed++;
    return S_OK;
}
HRESULT WINAPI FakeDrawThemeBackground(HTHEME hTheme, HDC, int nPart, int nState, const RECT* pRect, const RECT*)
{
    g_drawn.push_back(DrawnPart{hTheme, nPart, nState, *pRect});
    return S_OK;
}
HRESULT WINAPI FakeGetThemeColor(HTHEME, int, int, int, COLORREF* pColor)
{
    *pColor = g_accent;
    return g_accentResult;
}
HRESULT WINAPI FakeGetCurrentThemeName(LPWSTR lpszFile, int nFile, LPWSTR lpszColor, int nColor, LPWSTR, int)
{
    wcsncpy(lpszFile, g_themeFile, static_cast<size_t>(nFile));
    wcsncpy(lpszColor, g_colorName, static_cast<size_t>(nColor));
    return S_OK;
}

class ThemedPathTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_drawn.clear();
        g_opened.clear();
        g_closed = 0;
        g_accent = 0;
        g_accentResult = S_OK;
        CVrxPThemeWrapper::EntryPoints entries;
        entries.openThemeData = FakeOpenThemeData;
        entries.closeThemeData = FakeCloseThemeData;
        entries.drawThemeBackground = FakeDrawThemeBackground;
        entries.getThemeColor = FakeGetThemeColor;
        entries.getCurrentThemeName = FakeGetCurrentThemeName;
        wrapper.BindEntryPoints(entries);
        g_drawn.clear();
        m_hDC = ::CreateCompatibleDC(NULL);
        pDC = CDC::FromHandle(m_hDC);
    }
    void TearDown() override { ::DeleteDC(m_hDC); }
    HTHEME Theme(const wchar_t* lpszClass) const
    {
        for (size_t i = 0; i < g_opened.size(); i++)
            if (g_opened[i] == lpszClass)
                return reinterpret_cast<HTHEME>(static_cast<INT_PTR>(i + 1));
        return NULL;
    }

    CVrxPThemeWrapper wrapper;
    CDC* pDC = nullptr;

private:
    HDC m_hDC = NULL;
};

TEST_F(ThemedPathTest, OpensTheSeventeenClassesInTheirOrder)
{
    const std::vector<std::wstring> expected = {L"WINDOW",   L"TOOLBAR",     L"BUTTON",   L"STATUS",     L"REBAR",
                                                L"COMBOBOX", L"PROGRESS",    L"HEADER",   L"SCROLLBAR",  L"EXPLORERBAR",
                                                L"TREEVIEW", L"STARTPANEL",  L"TASKBAND", L"TASKBAR",    L"SPIN",
                                                L"TAB",      L"TRACKBAR"};
    EXPECT_EQ(expected, g_opened);
    wrapper.OpenThemes();
    EXPECT_EQ(17, g_closed) << "reopening closes every handle first";
}

struct ThemedCheckCase
{
    int state;
    BOOL enabled;
    BOOL pressed;
    BOOL highlighted;
    int themeState;
};

TEST_F(ThemedPathTest, CheckBoxesAndRadioButtonsPaintTheButtonParts)
{
    const ThemedCheckCase cases[] = {{5, TRUE, FALSE, FALSE, 9},  {-1, TRUE, FALSE, FALSE, 1}, {1, FALSE, TRUE, TRUE, 8},
                                     {2, TRUE, TRUE, TRUE, 11},   {0, TRUE, FALSE, TRUE, 2}};
    for (const ThemedCheckCase& c : cases)
    {
        g_drawn.clear();
        EXPECT_TRUE(wrapper.PaintThemeCheckBox(pDC, CRect(1, 2, 14, 15), c.highlighted, c.state, c.enabled, c.pressed));
        ASSERT_EQ(1u, g_drawn.size());
        EXPECT_EQ(Theme(L"BUTTON"), g_drawn[0].theme);
        EXPECT_EQ(3, g_drawn[0].part);
        EXPECT_EQ(c.themeState, g_drawn[0].state) << "state " << c.state;
        EXPECT_EQ(CRect(1, 2, 14, 15), CRect(g_drawn[0].rect));
    }
    g_drawn.clear();
    EXPECT_TRUE(wrapper.PaintThemeRadioButton(pDC, CRect(0, 0, 13, 13), TRUE, TRUE, TRUE, FALSE));
    ASSERT_EQ(1u, g_drawn.size());
    EXPECT_EQ(2, g_drawn[0].part);
    EXPECT_EQ(6, g_drawn[0].state);
}

TEST_F(ThemedPathTest, ProgressDrawsItsChunkInsideTheBar)
{
    EXPECT_TRUE(wrapper.PaintThemeProgress(pDC, nullptr, CRect(0, 0, 106, 20), 0, 50, 0, 0, 0, TRUE));
    ASSERT_EQ(1u, g_drawn.size()) << "range 0: the empty bar only";
    EXPECT_EQ(1, g_drawn[0].part);
    g_drawn.clear();
    EXPECT_TRUE(wrapper.PaintThemeProgress(pDC, nullptr, CRect(0, 0, 106, 20), 200, 50, 0, 0, 0, FALSE));
    ASSERT_EQ(2u, g_drawn.size());
    EXPECT_EQ(Theme(L"PROGRESS"), g_drawn[1].theme);
    EXPECT_EQ(3, g_drawn[1].part);
    EXPECT_EQ(CRect(3, 3, 3 + 50 * 100 / 200, 17), CRect(g_drawn[1].rect));
}

TEST_F(ThemedPathTest, ComboButtonStatesAndTheHotFrame)
{
    EXPECT_TRUE(wrapper.PaintThemeComboButton(pDC, CRect(0, 0, 16, 16), FALSE, TRUE, TRUE));
    ASSERT_EQ(1u, g_drawn.size());
    EXPECT_EQ(Theme(L"COMBOBOX"), g_drawn[0].theme);
    EXPECT_EQ(3, g_drawn[0].state);
    EXPECT_TRUE(wrapper.PaintThemeComboFrame(pDC, CRect(0, 0, 16, 16), FALSE, FALSE, FALSE));
}

TEST_F(ThemedPathTest, RebarBackgroundIsStretchedToTheFrame)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, "STATIC", "frame", WS_POPUP, CRect(100, 100, 400, 300), nullptr, 0));
    CWnd bar;
    ASSERT_TRUE(bar.CreateEx(0, "STATIC", "", WS_CHILD, CRect(0, 0, 100, 20), &parent, 1));
    EXPECT_TRUE(wrapper.PaintThemeRebarBackground(pDC, &bar, CRect(0, 0, 100, 20)));
    ASSERT_EQ(1u, g_drawn.size());
    EXPECT_EQ(Theme(L"REBAR"), g_drawn[0].theme);
    EXPECT_EQ(0, g_drawn[0].part);
    EXPECT_EQ(300, g_drawn[0].rect.right) << "out to the frame's right edge";
    EXPECT_EQ(200, g_drawn[0].rect.bottom);
    bar.DestroyWindow();
    parent.DestroyWindow();
}

TEST_F(ThemedPathTest, SchemeComesFromTheThemeNamesAndTheAccentHint)
{
    g_themeFile = L"C:\\WINDOWS\\Resources\\Themes\\LUNA\\LUNA.MSSTYLES";
    g_colorName = L"Metallic";
    EXPECT_EQ(3, wrapper.DetectThemeScheme());
    g_accent = 1;
    EXPECT_EQ(0, wrapper.DetectThemeScheme()) << "accent hint 1";
    g_accent = 0;
    g_accentResult = E_FAIL;
    EXPECT_EQ(0, wrapper.DetectThemeScheme()) << "accent unreadable";
}

TEST(UnboundThemeTest, WithoutEntryPointsNothingIsThemed)
{
    CVrxPThemeWrapper wrapper;
    wrapper.BindEntryPoints(CVrxPThemeWrapper::EntryPoints());
    HDC hDC = ::CreateCompatibleDC(NULL);
    CDC* pDC = CDC::FromHandle(hDC);
    EXPECT_FALSE(wrapper.PaintThemeCheckBox(pDC, CRect(0, 0, 13, 13), FALSE, 1, TRUE, FALSE));
    EXPECT_FALSE(wrapper.PaintThemeComboFrame(pDC, CRect(0, 0, 13, 13), FALSE, TRUE, TRUE));
    EXPECT_EQ(-1, wrapper.DetectThemeScheme());
    ::DeleteDC(hDC);
}
} // namespace
