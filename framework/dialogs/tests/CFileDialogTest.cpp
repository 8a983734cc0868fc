#include "dialogs/CFileDialog.h"

#include "ModalDriver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// The filter as the system reads it: strings up to the empty one.
std::vector<std::string> FilterStrings(LPCTSTR lpszFilter)
{
    std::vector<std::string> strings;
    for (LPCTSTR p = lpszFilter; *p != '\0'; p += lstrlen(p) + 1)
        strings.push_back(p);
    return strings;
}

TEST(CFileDialog, TurnsTheBarSeparatedFilterIntoTheSystemsForm)
{
    struct Case
    {
        const char* pszFilter;
        std::vector<std::string> expected;
    } cases[] = {
        {"Images (*.bin)|*.bin|All Files (*.*)|*.*||", {"Images (*.bin)", "*.bin", "All Files (*.*)", "*.*"}},
        {"A|*.a||", {"A", "*.a"}},
        {"A|*.a|", {"A", "*.a"}},
        {"A|*.a", {"A", "*.a"}},
    };
    for (const Case& c : cases)
    {
        CFileDialog dialog(TRUE, NULL, NULL, OFN_HIDEREADONLY, c.pszFilter);
        ASSERT_NE(nullptr, dialog.m_ofn.lpstrFilter) << c.pszFilter;
        EXPECT_EQ(c.expected, FilterStrings(dialog.m_ofn.lpstrFilter)) << c.pszFilter;
    }
    CFileDialog noFilter(TRUE);
    EXPECT_EQ(nullptr, noFilter.m_ofn.lpstrFilter);
}

TEST(CFileDialog, StartsWithTheNameExtensionAndFlagsGiven)
{
    CFileDialog dialog(FALSE, "bin", "C:\\dumps\\flash.dump.bin", OFN_OVERWRITEPROMPT);
    EXPECT_STREQ("bin", dialog.m_ofn.lpstrDefExt);
    EXPECT_TRUE(dialog.m_ofn.Flags & OFN_OVERWRITEPROMPT);
    EXPECT_STREQ("C:\\dumps\\flash.dump.bin", dialog.GetPathName());
    EXPECT_STREQ("flash.dump.bin", dialog.GetFileName());
    EXPECT_STREQ("bin", dialog.GetFileExt());
    EXPECT_STREQ("flash.dump", dialog.GetFileTitle());

    CFileDialog bare(TRUE, NULL, "readme");
    EXPECT_STREQ("", bare.GetFileExt());
    EXPECT_STREQ("readme", bare.GetFileTitle());
    EXPECT_EQ(nullptr, bare.m_ofn.lpstrDefExt);
}

// What the system leaves in the buffer after the user chose.
std::vector<std::string> ChosenPaths(CFileDialog& dialog, const std::string& buffer)
{
    std::vector<char> storage(buffer.begin(), buffer.end());
    storage.resize(storage.size() + 2, '\0');
    dialog.m_ofn.lpstrFile = storage.data();
    dialog.m_ofn.nMaxFile = static_cast<DWORD>(storage.size());
    std::vector<std::string> paths;
    for (POSITION pos = dialog.GetStartPosition(); pos != NULL;)
        paths.push_back(static_cast<LPCTSTR>(dialog.GetNextPathName(pos)));
    return paths;
}

TEST(CFileDialog, GoesThroughEveryFileChosen)
{
    CFileDialog multi(TRUE, NULL, NULL, OFN_ALLOWMULTISELECT);
    EXPECT_EQ((std::vector<std::string>{"C:\\dir\\a.bin", "C:\\dir\\b.bin"}),
              ChosenPaths(multi, std::string("C:\\dir\0a.bin\0b.bin\0", 20)));
    EXPECT_EQ((std::vector<std::string>{"C:\\x.bin", "C:\\y.bin"}),
              ChosenPaths(multi, std::string("C:\\\0x.bin\0y.bin\0", 16)));
    EXPECT_EQ((std::vector<std::string>{"C:\\dir\\only.bin"}), ChosenPaths(multi, "C:\\dir\\only.bin"));
    EXPECT_EQ(std::vector<std::string>{}, ChosenPaths(multi, ""));

    CFileDialog single(TRUE);
    EXPECT_EQ((std::vector<std::string>{"C:\\dir\\one.bin"}), ChosenPaths(single, "C:\\dir\\one.bin"));
}

// The system's dialog, driven: a name typed into it comes back as the path.
BOOL CALLBACK FindFileDialog(HWND hWnd, LPARAM lParam)
{
    // The explorer-style dialog's file name box.
    const int kFileNameBox = 0x47C;
    if (::IsWindowVisible(hWnd) && ::GetDlgItem(hWnd, kFileNameBox) != NULL)
    {
        *reinterpret_cast<HWND*>(lParam) = hWnd;
        return FALSE;
    }
    return TRUE;
}

TEST(CFileDialog, ReturnsThePathChosenInTheSystemsDialog)
{
    char szDirectory[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szDirectory);
    std::string strPath = std::string(szDirectory) + "chosen.bin";
    CFileDialog dialog(FALSE, "bin", NULL, OFN_HIDEREADONLY, "Images (*.bin)|*.bin||");
    ModalDriver driver({[&] {
        HWND hWndDialog = NULL;
        ::EnumThreadWindows(::GetCurrentThreadId(), FindFileDialog, reinterpret_cast<LPARAM>(&hWndDialog));
        if (hWndDialog == NULL)
            return false;
        ::SetDlgItemTextA(hWndDialog, 0x47C, strPath.c_str());
        PressButton(hWndDialog, IDOK);
        return true;
    }});
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_TRUE(driver.Finished());
    EXPECT_STRCASEEQ(strPath.c_str(), dialog.GetPathName());
    EXPECT_STREQ("chosen.bin", dialog.GetFileName());
}
} // namespace
