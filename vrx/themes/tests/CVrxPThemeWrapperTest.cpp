#include "themes/CVrxPThemeWrapper.h"

#include "gdi/CDC.h"

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
} // namespace
