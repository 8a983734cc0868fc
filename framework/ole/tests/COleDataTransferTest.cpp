// Data offered by a COleDataSource and taken through a COleDataObject: by
// format, as copies the receiver owns; and a drop target that a window
// without a handle cannot register.

#include "ole/COleDataObject.h"
#include "ole/COleDataSource.h"
#include "ole/COleDropSource.h"
#include "ole/COleDropTarget.h"
#include "windows/CWnd.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace
{
HGLOBAL GlobalText(const char* text)
{
    const size_t nSize = std::strlen(text) + 1;
    HGLOBAL hGlobal = ::GlobalAlloc(GMEM_MOVEABLE, nSize);
    std::memcpy(::GlobalLock(hGlobal), text, nSize);
    ::GlobalUnlock(hGlobal);
    return hGlobal;
}

std::string TextOf(HGLOBAL hGlobal)
{
    std::string text(static_cast<const char*>(::GlobalLock(hGlobal)));
    ::GlobalUnlock(hGlobal);
    return text;
}
} // namespace

TEST(COleDataTransferTest, TheReceiverGetsItsOwnCopyOfEachCachedFormat)
{
    const CLIPFORMAT cfOther = static_cast<CLIPFORMAT>(::RegisterClipboardFormat("korvo test format"));
    COleDataSource source;
    source.CacheGlobalData(CF_TEXT, GlobalText("first"));
    source.CacheGlobalData(CF_TEXT, GlobalText("replaced"));
    source.CacheGlobalData(cfOther, GlobalText("other"));
    COleDataObject data;
    data.Attach(&source, FALSE);
    EXPECT_TRUE(data.IsDataAvailable(CF_TEXT));
    EXPECT_TRUE(data.IsDataAvailable(cfOther));
    EXPECT_FALSE(data.IsDataAvailable(CF_BITMAP));
    EXPECT_EQ(HGLOBAL(NULL), data.GetGlobalData(CF_BITMAP));
    HGLOBAL hText = data.GetGlobalData(CF_TEXT);
    ASSERT_NE(HGLOBAL(NULL), hText);
    EXPECT_EQ("replaced", TextOf(hText));
    ::GlobalFree(hText);
    HGLOBAL hAgain = data.GetGlobalData(CF_TEXT);
    EXPECT_EQ("replaced", TextOf(hAgain)) << "the source keeps its own item";
    ::GlobalFree(hAgain);
    source.Empty();
    EXPECT_FALSE(data.IsDataAvailable(CF_TEXT));

    FORMATETC format = {CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_ISTREAM};
    source.CacheGlobalData(CF_TEXT, GlobalText("memory only"));
    EXPECT_NE(S_OK, data.GetIDataObject()->QueryGetData(&format)) << "only global memory is offered";
}

TEST(COleDataTransferTest, AnEmptyDataObjectOffersNothing)
{
    COleDataObject data;
    EXPECT_FALSE(data.IsDataAvailable(CF_TEXT));
    EXPECT_EQ(HGLOBAL(NULL), data.GetGlobalData(CF_TEXT));
}

TEST(COleDataTransferTest, TheDropSourceDropsOnReleaseAndCancelsOnEscape)
{
    COleDropSource source;
    struct Case
    {
        BOOL escape;
        DWORD keys;
        SCODE expected;
    };
    const Case cases[] = {
        {FALSE, MK_LBUTTON, S_OK},
        {FALSE, MK_RBUTTON | MK_CONTROL, S_OK},
        {FALSE, MK_CONTROL, DRAGDROP_S_DROP},
        {FALSE, 0, DRAGDROP_S_DROP},
        {TRUE, MK_LBUTTON, DRAGDROP_S_CANCEL},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, source.QueryContinueDrag(c.escape, c.keys)) << c.keys;
    EXPECT_FALSE(source.OnBeginDrag(nullptr)) << "no window, no drag";
}

TEST(COleDataTransferTest, ATargetNeedsAWindowAndTheThreadsDragAndDrop)
{
    ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
    {
        COleDropTarget target;
        CWnd unmade;
        EXPECT_FALSE(target.Register(&unmade));
        CWnd window;
        ASSERT_TRUE(window.CreateEx(0, "STATIC", "target", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
        EXPECT_TRUE(target.Register(&window));
        EXPECT_EQ(window.GetSafeHwnd(), target.GetRegisteredWindow());
        CWnd second;
        ASSERT_TRUE(second.CreateEx(0, "STATIC", "second", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
        COleDropTarget other;
        EXPECT_TRUE(other.Register(&second));
        other.Revoke();
        EXPECT_TRUE(other.Register(&second)) << "revoked, the window takes a target again";
        other.Revoke();
        target.Revoke();
        window.DestroyWindow();
        second.DestroyWindow();
    }
    ::OleUninitialize();
}
