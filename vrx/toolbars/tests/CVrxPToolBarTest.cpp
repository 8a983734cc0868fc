#include "toolbars/CVrxPToolBar.h"

#include "files/CArchive.h"
#include "files/CMemFile.h"
#include "foundation/CVrxPAccelFormatter.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPRegistryHolder.h"
#include "themes/CVrxPVisualManager.h"
#include "toolbars/CVrxPMenuBar.h"
#include "toolbars/CVrxPToolbarButton.h"
#include "toolbars/CVrxPToolbarLayout.h"
#include "toolbars/CVrxPToolbarMenuButton.h"

#include "StoredButtonSamples.h"
#include "TestMdiFrame.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <cstdlib>
#include <string>

namespace
{
const char testRoot[] = "Software\\korvo vrx toolbar tests";
const char profile[] = "Software\\korvo vrx toolbar tests\\";

class RegistryTest : public ::testing::Test
{
protected:
    void SetUp() override { ::SHDeleteKeyA(HKEY_CURRENT_USER, testRoot); }
    void TearDown() override { ::SHDeleteKeyA(HKEY_CURRENT_USER, testRoot); }
};

// Buttons of a bar without a window, as the workspace restores them.
class BarButtonsTest : public RegistryTest
{
protected:
    void Fill(CVrxPToolBar& bar)
    {
        CVrxPToolbarButton open(57601, 3, "&Open");
        open.style = CVrxPToolbarButton::styleChecked | CVrxPToolbarButton::styleCheckBox;
        bar.InsertButtonCopy(open);
        bar.InsertSeparatorAt();
        CVrxPToolbarButton user(57603, 7, "Save", TRUE);
        bar.InsertButtonCopy(user);
        CVrxPToolbarMenuButton menu(0, NULL, -1, "&Menu");
        bar.InsertButtonCopy(menu);
    }
};

TEST_F(BarButtonsTest, InsertsFindsAndRemovesButtons)
{
    CVrxPToolBar bar;
    Fill(bar);
    ASSERT_EQ(4, bar.GetCount());
    EXPECT_TRUE(bar.GetButton(1)->IsSeparator());
    EXPECT_EQ(2, bar.CommandToIndex(57603));
    EXPECT_EQ(-1, bar.CommandToIndex(57601, 1));
    EXPECT_EQ(0, bar.InsertButtonCopy(CVrxPToolbarButton(9, -1, "first"), 0));
    EXPECT_EQ(9u, bar.GetButton(0)->commandId);
    EXPECT_TRUE(bar.RemoveButtonAt(0));
    EXPECT_FALSE(bar.RemoveButtonAt(4));
    EXPECT_EQ(nullptr, bar.GetButton(4));
}

namespace
{
// A bar from a picture: a digit is a button of that command, '-' a separator.
void FillFromPicture(CVrxPToolBar& bar, const char* picture)
{
    for (const char* p = picture; *p != '\0'; p++)
    {
        CVrxPToolbarButton* pButton = new CVrxPToolbarButton(*p == '-' ? 0 : static_cast<UINT>(*p - '0'), -1);
        if (*p == '-')
            pButton->style = CVrxPToolbarButton::styleSeparator;
        ASSERT_NE(-1, bar.InsertButtonAt(pButton));
    }
}

std::string Picture(const CVrxPToolBar& bar)
{
    std::string picture;
    for (int i = 0; i < bar.GetCount(); i++)
        picture += bar.GetButton(i)->IsSeparator() ? '-' : static_cast<char>('0' + bar.GetButton(i)->commandId);
    return picture;
}
} // namespace

TEST(ToolBarListTest, RemovingKeepsNoTrailingOrDoubledSeparators)
{
    const struct
    {
        const char* before;
        int index;
        BOOL removed;
        const char* after;
    } cases[] = {
        {"1-2-3", 2, TRUE, "1-3"},   // between two separators: one stays
        {"1-2", 2, TRUE, "1"},       // the last button: no trailing separator
        {"12--", 1, TRUE, "1"},
        {"1-2", 0, TRUE, "-2"},      // a leading separator is the first entry: kept
        {"-", 0, TRUE, ""},
        {"12", 2, FALSE, "12"},
        {"12", -1, FALSE, "12"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.before) + " without " + std::to_string(c.index));
        CVrxPToolBar bar;
        FillFromPicture(bar, c.before);
        EXPECT_EQ(c.removed, bar.RemoveButtonAt(c.index));
        EXPECT_EQ(c.after, Picture(bar));
    }
}

TEST(ToolBarListTest, InsertionRefusesBadIndexesLeadingSeparatorsAndForbiddenCommands)
{
    CVrxPToolBar bar;
    EXPECT_EQ(-1, bar.InsertSeparatorAt(-1)) << "an empty bar takes no separator";
    FillFromPicture(bar, "12");
    EXPECT_EQ(-1, bar.InsertSeparatorAt(0));
    EXPECT_EQ(1, bar.InsertSeparatorAt(1));
    EXPECT_EQ(3, bar.InsertButtonCopy(CVrxPToolbarButton(3, -1), 3)) << "the count appends";
    EXPECT_EQ(-1, bar.InsertButtonCopy(CVrxPToolbarButton(4, -1), 5));
    EXPECT_EQ(-1, bar.InsertButtonCopy(CVrxPToolbarButton(4, -1), -2));
    CVrxPToolBar::ForbiddenCommands().AddTail(4);
    EXPECT_EQ(-1, bar.InsertButtonCopy(CVrxPToolbarButton(4, -1)));
    CVrxPToolBar::ForbiddenCommands().RemoveAll();
    EXPECT_EQ("1-23", Picture(bar));
    EXPECT_EQ(&bar, bar.GetButton(3)->parent);
}

TEST_F(BarButtonsTest, StoresAndRestoresItsButtons)
{
    {
        CVrxPToolBar bar;
        bar.SetBarStyle(CBRS_ALIGN_TOP);
        Fill(bar);
        ASSERT_TRUE(bar.StoreToRegistry(profile, 59392));
    }
    CVrxPToolBar restored;
    ASSERT_TRUE(restored.RestoreFromRegistry(profile, 59392));
    ASSERT_EQ(3, restored.GetCount()) << "menu buttons are rebuilt from the menus, not stored";
    const CVrxPToolbarButton* pOpen = restored.GetButton(0);
    EXPECT_EQ(57601u, pOpen->commandId);
    EXPECT_STREQ("&Open", (LPCTSTR)pOpen->text);
    EXPECT_EQ(3, pOpen->imageIndex);
    EXPECT_EQ(CVrxPToolbarButton::styleCheckBox, pOpen->style) << "checked and pressed are not restored";
    EXPECT_TRUE(restored.GetButton(1)->IsSeparator());
    const CVrxPToolbarButton* pUser = restored.GetButton(2);
    EXPECT_TRUE(pUser->userImage);
    EXPECT_EQ(7, pUser->userImageIndex);
    EXPECT_EQ(-1, pUser->imageIndex);
    EXPECT_EQ(static_cast<DWORD>(CBRS_ALIGN_TOP), restored.GetBarStyle() & CBRS_ALIGN_ANY);
}

TEST_F(BarButtonsTest, ADamagedOrMissingStateLeavesTheBarEmpty)
{
    CVrxPToolBar bar;
    EXPECT_FALSE(bar.RestoreFromRegistry(profile, 59393));
    {
        CVrxPRegistryHolder holder;
        CVrxPRegistry& registry = holder.Open(FALSE, FALSE);
        ASSERT_TRUE(registry.MakeKey(CString(profile) + "VrxToolBar-59393"));
        const BYTE damaged[] = {0x00, 0x20, 0x00, 0x00, 0x01, 0x00, 0x00};
        ASSERT_TRUE(registry.WriteBinary("Buttons", damaged, sizeof(damaged)));
    }
    Fill(bar);
    EXPECT_FALSE(bar.RestoreFromRegistry(profile, 59393));
    EXPECT_EQ(0, bar.GetCount());
}

// Button lists written by someone else: an object of another class among
// the buttons, or one button listed twice, fail the load before any foreign
// object is made, and the bar is left empty.
TEST_F(BarButtonsTest, ForeignOrRepeatedEntriesFailTheLoad)
{
    CVrxPToolbarButton button(57601, 3, "&Open");
    CSampleForeign foreign;
    const struct
    {
        const char* name;
        CObject* pSecond;
    } cases[] = {{"foreign class", &foreign}, {"same button again", &button}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CMemFile file;
        {
            CArchive ar(&file, CArchive::store);
            ar << 0 << 1;
            ar.WriteCount(2);
            ar << static_cast<CObject*>(&button) << c.pSecond;
            ar << 0 << "" << 32767;
        }
        const UINT nBytes = static_cast<UINT>(file.GetLength());
        BYTE* pBytes = file.Detach();
        {
            CVrxPRegistryHolder holder;
            CVrxPRegistry& registry = holder.Open(FALSE, FALSE);
            ASSERT_TRUE(registry.MakeKey(CString(profile) + "VrxToolBar-59394"));
            ASSERT_TRUE(registry.WriteBinary("Buttons", pBytes, nBytes));
        }
        free(pBytes);
        const int nMadeBefore = CSampleForeign::made;
        CVrxPToolBar bar;
        Fill(bar);
        EXPECT_FALSE(bar.RestoreFromRegistry(profile, 59394));
        EXPECT_EQ(0, bar.GetCount());
        EXPECT_EQ(nMadeBefore, CSampleForeign::made);
    }
}

// A profile given is the path itself; without one the application's path
// for "VrxToolBars" is used.
TEST_F(BarButtonsTest, KeysCarryTheBarAndFrameIds)
{
    CVrxPToolBar bar;
    EXPECT_STREQ("Software\\korvo vrx toolbar tests\\VrxToolBar-59392",
                 (LPCTSTR)bar.BuildToolbarKeyPath(profile, 59392, -1));
    EXPECT_STREQ("Software\\korvo vrx toolbar tests\\VrxToolBar-59392ff",
                 (LPCTSTR)bar.BuildToolbarKeyPath(profile, 59392, 255));
}

TEST(ToolbarButtonArchiveTest, WritesTheRecordInItsOrder)
{
    CVrxPToolbarButton button(0x1234, 5, "ab");
    button.style = CVrxPToolbarButton::styleDisabled;
    button.textShown = TRUE;
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        button.Serialize(ar);
    }
    // Seven 32-bit fields and a counted string of two characters; no
    // visible flag without a stored workspace version.
    ASSERT_EQ(static_cast<ULONGLONG>(7 * 4 + 1 + 2), file.GetLength());
    file.SeekToBegin();
    CVrxPToolbarButton copy;
    {
        CArchive ar(&file, CArchive::load);
        copy.Serialize(ar);
    }
    EXPECT_EQ(0x1234u, copy.commandId);
    EXPECT_EQ(CVrxPToolbarButton::styleDisabled, copy.style);
    EXPECT_EQ(5, copy.imageIndex);
    EXPECT_STREQ("ab", (LPCTSTR)copy.text);
    EXPECT_TRUE(copy.textShown);
    EXPECT_TRUE(copy.imageShown);
}

class GlobalOptionsTest : public RegistryTest
{
protected:
    void TearDown() override
    {
        CVrxPToolBar::showTooltips = TRUE;
        CVrxPToolBar::showShortcutKeys = TRUE;
        CVrxPToolBar::largeIcons = FALSE;
        CVrxPToolBar::menuAnimation = 0;
        CVrxPToolBar::menuShadows = TRUE;
        CVrxPToolBar::showAllMenusAfterDelay = TRUE;
        CVrxPMenuBar::recentlyUsedMenus = TRUE;
        CVrxPVisualManager::Instance()->look2000 = FALSE;
        RegistryTest::TearDown();
    }
};

TEST_F(GlobalOptionsTest, RoundTripEveryOption)
{
    CVrxPToolBar::showTooltips = FALSE;
    CVrxPToolBar::largeIcons = TRUE;
    CVrxPToolBar::menuAnimation = 3;
    CVrxPMenuBar::recentlyUsedMenus = FALSE;
    CVrxPToolBar::menuShadows = FALSE;
    CVrxPVisualManager::Instance()->look2000 = TRUE;
    ASSERT_TRUE(CVrxPToolBar::StoreGlobalOptions(profile));

    CVrxPToolBar::showTooltips = TRUE;
    CVrxPToolBar::largeIcons = FALSE;
    CVrxPToolBar::menuAnimation = 0;
    CVrxPMenuBar::recentlyUsedMenus = TRUE;
    CVrxPToolBar::menuShadows = TRUE;
    CVrxPVisualManager::Instance()->look2000 = FALSE;
    ASSERT_TRUE(CVrxPToolBar::ReadGlobalOptions(profile));
    EXPECT_FALSE(CVrxPToolBar::showTooltips);
    EXPECT_TRUE(CVrxPToolBar::showShortcutKeys);
    EXPECT_TRUE(CVrxPToolBar::largeIcons);
    EXPECT_EQ(3, CVrxPToolBar::menuAnimation);
    EXPECT_FALSE(CVrxPMenuBar::recentlyUsedMenus);
    EXPECT_FALSE(CVrxPToolBar::menuShadows);
    EXPECT_TRUE(CVrxPVisualManager::Instance()->look2000);
}

TEST_F(GlobalOptionsTest, ReadingStopsAtTheFirstMissingValue)
{
    EXPECT_FALSE(CVrxPToolBar::ReadGlobalOptions(profile));
    {
        CVrxPRegistryHolder holder;
        CVrxPRegistry& registry = holder.Open(FALSE, FALSE);
        ASSERT_TRUE(registry.MakeKey(CString(profile) + "VrxToolbarParameters"));
        registry.WriteInt("Tooltips", 0);
        registry.WriteInt("ShortcutKeys", 0);
        registry.WriteInt("MenuAnimation", 2);
        registry.WriteInt("MenuShadows", 0);
    }
    CVrxPToolBar::menuAnimation = 3;
    ASSERT_TRUE(CVrxPToolBar::ReadGlobalOptions(profile));
    EXPECT_FALSE(CVrxPToolBar::showTooltips);
    EXPECT_FALSE(CVrxPToolBar::showShortcutKeys);
    EXPECT_EQ(0, CVrxPToolBar::menuAnimation) << "LargeIcons is missing, so the animation was not read";
    EXPECT_TRUE(CVrxPToolBar::menuShadows);
}

TEST(BasicCommandsTest, ReplacingKeepsTheGivenOrder)
{
    CList<UINT, UINT> first;
    first.AddTail(3);
    first.AddTail(1);
    CVrxPToolBar::ReplaceBasicCommands(first);
    CList<UINT, UINT> second;
    second.AddTail(32770);
    second.AddTail(32826);
    CVrxPToolBar::ReplaceBasicCommands(second);
    const CList<UINT, UINT>& basic = CVrxPToolBar::BasicCommands();
    ASSERT_EQ(2, basic.GetCount());
    EXPECT_EQ(32770u, basic.GetHead());
    EXPECT_EQ(32826u, basic.GetTail());
}
// While it lives, the system's menu font has another height (for this
// session only); then the font it had comes back.
class MenuFontHeight
{
public:
    explicit MenuFontHeight(LONG lfHeight)
    {
        m_saved.cbSize = sizeof(m_saved);
        ::SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(m_saved), &m_saved, 0);
        NONCLIENTMETRICS metrics = m_saved;
        metrics.lfMenuFont.lfHeight = lfHeight;
        ::SystemParametersInfo(SPI_SETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    }
    ~MenuFontHeight() { ::SystemParametersInfo(SPI_SETNONCLIENTMETRICS, sizeof(m_saved), &m_saved, 0); }
    static LONG Current()
    {
        NONCLIENTMETRICS metrics = {};
        metrics.cbSize = sizeof(metrics);
        ::SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
        return metrics.lfMenuFont.lfHeight;
    }

private:
    NONCLIENTMETRICS m_saved;
};

// Two toolbars docked at the top of a frame, each with one text button.
class ToolBarFontTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(frame.Create(nullptr, "fonts", WS_OVERLAPPEDWINDOW, CRect(20, 20, 620, 320)));
        frame.AllowDockingSides(CBRS_ALIGN_ANY);
        for (UINT i = 0; i < 2; i++)
        {
            ASSERT_TRUE(bars[i].CreateWithDefaultStyle(&frame, 0x50402808, 0xE820 + i));
            bars[i].InsertButtonCopy(CVrxPToolbarButton(100 + i, -1, i == 0 ? "Settings" : "Wg"));
            bars[i].AllowDocking(CBRS_ALIGN_ANY);
            ASSERT_TRUE(frame.PlaceBarDocked(&bars[i]));
            bars[i].RecalcBarLayout();
        }
        frame.RecalcLayout();
        frame.ShowWindow(SW_SHOW);
        PumpMessages();
    }
    void TearDown() override
    {
        if (frame.GetSafeHwnd() != NULL)
            frame.DestroyWindow();
        VrxPGlobals().RefreshFonts();
        VrxPGlobals().RefreshSysColors();
        CVrxPVisualManager::Instance()->ReloadPalette();
    }

    // The size a button with the text takes in the library's regular font.
    CSize ButtonSizeFor(LPCTSTR lpszText)
    {
        HDC hDC = ::GetDC(NULL);
        HGDIOBJ hOld = ::SelectObject(hDC, VrxPGlobals().fontRegular.GetSafeHandle());
        CRect rect(0, 0, 0, 0);
        ::DrawText(hDC, lpszText, -1, &rect, DT_SINGLELINE | DT_CALCRECT);
        ::SelectObject(hDC, hOld);
        ::ReleaseDC(NULL, hDC);
        return CSize(rect.Width() + 2 * CVrxPToolBar::buttonPaddingX, rect.Height() + 2 * CVrxPToolBar::buttonPaddingY);
    }
    LONG RegularFontHeight()
    {
        LOGFONT font = {};
        VrxPGlobals().fontRegular.GetLogFont(&font);
        return font.lfHeight;
    }
    int WindowHeight(CWnd& wnd)
    {
        CRect rect;
        wnd.GetWindowRect(&rect);
        return rect.Height();
    }

    TestMdiFrame frame;
    CVrxPToolBar bars[2];
};

// The tip names the button and, with the shortcut-keys option, the owner
// frame's shortcut for its command; the options turn either off.
TEST_F(ToolBarFontTest, TooltipsNameTheButtonAndItsShortcut)
{
    // The key names come from the keyboard layout ("Ctrl", or "Control" under
    // some layouts).
    ACCEL entries[] = {{FCONTROL | FVIRTKEY, 'P', 102}, {FVIRTKEY, VK_F2, 101}, {FCONTROL | FVIRTKEY, 'S', 101}};
    HACCEL hAccel = ::CreateAcceleratorTable(entries, 3);
    frame.m_hAccelTable = hAccel;
    CString f2;
    CVrxPAccelFormatter(&entries[1]).BuildText(f2);
    const CString expected = "Save (" + f2 + ")";
    bars[1].GetButton(0)->text = "&Save";
    bars[1].InsertSeparatorAt();
    bars[1].InsertButtonCopy(CVrxPToolbarButton(102, -1, "&Print"));
    bars[1].LayoutButtons();
    const CVrxPToolbarButton& button = *bars[1].GetButton(0);
    EXPECT_STREQ((LPCTSTR)expected, (LPCTSTR)bars[1].TooltipText(button)) << "the first shortcut of the command";
    CString ctrlP;
    CVrxPAccelFormatter(&entries[0]).BuildText(ctrlP);
    EXPECT_STREQ((LPCTSTR)("Print (" + ctrlP + ")"), (LPCTSTR)bars[1].TooltipText(*bars[1].GetButton(2)));

    TOOLINFO info = {};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    EXPECT_EQ(101, bars[1].OnToolHitTest(button.rect.CenterPoint(), &info));
    EXPECT_STREQ((LPCTSTR)expected, info.lpszText);
    EXPECT_EQ(button.rect, CRect(info.rect));
    free(info.lpszText);
    EXPECT_EQ(-1, bars[1].OnToolHitTest(bars[1].GetButton(1)->rect.CenterPoint(), nullptr)) << "separator";

    CVrxPToolBar::showShortcutKeys = FALSE;
    EXPECT_STREQ("Save", (LPCTSTR)bars[1].TooltipText(button));
    CVrxPToolBar::showShortcutKeys = TRUE;
    CVrxPToolBar::showTooltips = FALSE;
    EXPECT_EQ(-1, bars[1].OnToolHitTest(button.rect.CenterPoint(), nullptr));
    CVrxPToolBar::showTooltips = TRUE;
    frame.m_hAccelTable = NULL;
    ::DestroyAcceleratorTable(hAccel);
}

// Programs that read a toolbar through the platform's toolbar messages.
TEST_F(ToolBarFontTest, AnswersThePlatformToolbarMessages)
{
    CVrxPToolBar& bar = bars[0];
    bar.InsertButtonCopy(CVrxPToolbarButton(300, -1, "Open"));
    bar.GetButton(1)->style = CVrxPToolbarButton::styleCheckBox | CVrxPToolbarButton::styleChecked;
    bar.LayoutButtons();
    EXPECT_EQ(2, bar.SendMessage(TB_BUTTONCOUNT));

    EXPECT_EQ(4, bar.SendMessage(TB_GETBUTTONTEXTA, 300, 0)) << "no buffer: the length alone";
    char text[8];
    memset(text, 'x', sizeof(text));
    EXPECT_EQ(4, bar.SendMessage(TB_GETBUTTONTEXTA, 300, reinterpret_cast<LPARAM>(text)));
    EXPECT_STREQ("Open", text);
    EXPECT_EQ('x', text[5]);
    EXPECT_EQ(-1, bar.SendMessage(TB_GETBUTTONTEXTA, 999, reinterpret_cast<LPARAM>(text)));

    RECT rect = {};
    EXPECT_TRUE(bar.SendMessage(TB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&rect)));
    EXPECT_EQ(bar.GetButton(1)->rect, CRect(rect));
    EXPECT_FALSE(bar.SendMessage(TB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&rect)));

    TBBUTTON info = {};
    EXPECT_TRUE(bar.SendMessage(TB_GETBUTTON, 1, reinterpret_cast<LPARAM>(&info)));
    EXPECT_EQ(300, info.idCommand);
    EXPECT_EQ(0x01, info.fsState);
    EXPECT_EQ(0x02, info.fsStyle);
    EXPECT_FALSE(bar.SendMessage(TB_GETBUTTON, 1, 0));
}

// The system tells the frame of a new menu font; the frame passes it on and
// every bar measures its buttons in the new font and takes its new height.
TEST_F(ToolBarFontTest, ANewMenuFontSentToTheFrameResizesEveryBar)
{
    const LONG lfLarger = -(std::abs(MenuFontHeight::Current()) + 14);
    const int nOldHeight = WindowHeight(bars[0]);
    MenuFontHeight larger(lfLarger);
    frame.SendMessage(WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
    PumpMessages();

    EXPECT_EQ(lfLarger, RegularFontHeight());
    const char* texts[] = {"Settings", "Wg"};
    for (int i = 0; i < 2; i++)
    {
        EXPECT_EQ(ButtonSizeFor(texts[i]), bars[i].GetButton(0)->rect.Size()) << texts[i];
        EXPECT_EQ(bars[i].CalcBarSize(FALSE, TRUE).cy, WindowHeight(bars[i])) << "the bar took its new height";
    }
    EXPECT_GT(WindowHeight(bars[0]), nOldHeight);
}

// A new system colour scheme reaches the frame only; the bars take the new
// system colours, the look mixes its colours again and the bars repaint.
TEST_F(ToolBarFontTest, ASystemColourChangeSentToTheFrameReloadsTheLook)
{
    CVrxPGlobals& globals = VrxPGlobals();
    CVrxPVisualManager* pLook = CVrxPVisualManager::Instance();
    globals.colorBarFace = RGB(1, 2, 3);
    pLook->plannerGridColor = RGB(4, 5, 6);
    for (CVrxPToolBar& bar : bars)
        bar.ValidateRect(nullptr);

    frame.SendMessage(WM_SYSCOLORCHANGE, 0, 0);

    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), globals.colorBarFace);
    EXPECT_EQ(CVrxPVisualManager::basePlannerGridColor, pLook->plannerGridColor) << "the palette was reloaded";
    for (CVrxPToolBar& bar : bars)
        EXPECT_TRUE(::GetUpdateRect(bar.m_hWnd, nullptr, FALSE)) << "the bar repaints";
    PumpMessages();
}

TEST_F(ToolBarFontTest, OtherSettingsLeaveTheFonts)
{
    const CRect rectButton = bars[0].GetButton(0)->rect;
    MenuFontHeight larger(-(std::abs(MenuFontHeight::Current()) + 14));
    frame.SendMessage(WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
    EXPECT_NE(MenuFontHeight::Current(), RegularFontHeight());
    EXPECT_EQ(rectButton, bars[0].GetButton(0)->rect);
}

// Without any message: a refresh of the library's fonts re-measures every
// toolbar that has a window.
TEST_F(ToolBarFontTest, RefreshingTheFontsRemeasuresEveryToolbar)
{
    MenuFontHeight larger(-(std::abs(MenuFontHeight::Current()) + 10));
    VrxPGlobals().RefreshFonts();
    EXPECT_EQ(ButtonSizeFor("Settings"), bars[0].GetButton(0)->rect.Size());
    EXPECT_EQ(ButtonSizeFor("Wg"), bars[1].GetButton(0)->rect.Size());
}
} // namespace
