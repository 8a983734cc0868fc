#include "foundation/VrxPShutdownLibrary.h"

#include "foundation/CVrxPToolbarImageList.h"
#include "toolbars/CVrxPMenuStore.h"
#include "toolbars/CVrxPToolBar.h"
#include "toolbars/CVrxPToolbarButton.h"

#include "TestBitmaps.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

// The shutdown releases what the whole process shares, so it has a program
// of its own.
namespace
{
// The menu store's files in the temporary folder.
std::set<std::string> StoreFiles()
{
    std::set<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE hFind = ::FindFirstFileA((TempDirectory() + CVrxPMenuStore::tempFilePrefix + "*.tmp").c_str(), &found);
    if (hFind == INVALID_HANDLE_VALUE)
        return names;
    do
        names.insert(TempDirectory() + found.cFileName);
    while (::FindNextFileA(hFind, &found));
    ::FindClose(hFind);
    return names;
}

TEST(VrxPShutdownLibrary, ClosesTheMenuStoreAndEmptiesTheSharedImages)
{
    CVrxPToolBar bar;
    bar.InsertButtonCopy(CVrxPToolbarButton(57600, 0, "New"));
    HMENU hMenu = ::CreateMenu();
    const std::set<std::string> filesBefore = StoreFiles();
    ASSERT_TRUE(CVrxPMenuStore::Global().Store(hMenu, &bar));
    std::set<std::string> filesStored = StoreFiles();
    for (const std::string& name : filesBefore)
        filesStored.erase(name);
    ASSERT_EQ(1u, filesStored.size());
    const std::string storeFile = *filesStored.begin();

    CVrxPToolbarImageList first, second;
    for (CVrxPToolbarImageList* pImages : {&first, &second})
    {
        HBITMAP hStrip = MakeStripBitmap(3);
        ASSERT_EQ(2, pImages->AppendImage(hStrip));
        ::DeleteObject(hStrip);
        ASSERT_EQ(3, pImages->GetCount());
    }
    CVrxPToolBar::SetSharedImages(&first, &second);

    VrxPShutdownLibrary();

    EXPECT_FALSE(CVrxPMenuStore::Global().HasStored(hMenu));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(storeFile.c_str())) << storeFile;
    EXPECT_EQ(0, first.GetCount());
    EXPECT_EQ(0, second.GetCount());
    CVrxPToolBar::SetSharedImages(nullptr, nullptr);
    ::DestroyMenu(hMenu);
}
} // namespace
