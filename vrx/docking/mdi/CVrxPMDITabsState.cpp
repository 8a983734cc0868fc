#include "docking/mdi/CVrxPMDITabsState.h"

#include "core/CException.h"
#include "files/CArchive.h"
#include "files/CMemFile.h"

namespace
{
using State = CVrxPMDITabsState;

void Damaged()
{
    AfxThrowArchiveException(CArchiveException::genericException);
}

int ReadInt(CArchive& ar)
{
    int n = 0;
    ar >> n;
    return n;
}

void Check(bool bSound)
{
    if (!bSound)
        Damaged();
}

bool IsFlag(int n)
{
    return n == FALSE || n == TRUE;
}

bool IsColor(int n)
{
    return (static_cast<DWORD>(n) & 0xFF000000u) == 0;
}

bool IsSound(const RECT& rect)
{
    return rect.left <= rect.right && rect.top <= rect.bottom;
}

int ReadCount(CArchive& ar, int nMax)
{
    const int n = ReadInt(ar);
    Check(n >= 0 && n <= nMax);
    return n;
}

void StoreRect(CArchive& ar, const RECT& rect)
{
    ar << static_cast<int>(rect.left) << static_cast<int>(rect.top) << static_cast<int>(rect.right)
       << static_cast<int>(rect.bottom);
}

RECT LoadRect(CArchive& ar)
{
    RECT rect;
    rect.left = ReadInt(ar);
    rect.top = ReadInt(ar);
    rect.right = ReadInt(ar);
    rect.bottom = ReadInt(ar);
    Check(IsSound(rect));
    return rect;
}

void StorePoint(CArchive& ar, const POINT& point)
{
    ar << static_cast<int>(point.x) << static_cast<int>(point.y);
}

POINT LoadPoint(CArchive& ar)
{
    POINT point;
    point.x = ReadInt(ar);
    point.y = ReadInt(ar);
    return point;
}

void StoreDocument(CArchive& ar, const State::Document& document)
{
    ar << document.name;
    ar << static_cast<int>(document.object != nullptr);
    if (document.object != nullptr)
        ar.WriteObject(document.object.get());
}

State::Document LoadDocument(CArchive& ar)
{
    State::Document document;
    ar >> document.name;
    const int hasObject = ReadInt(ar);
    Check(IsFlag(hasObject));
    if (hasObject)
    {
        document.object.reset(ar.ReadObject(nullptr));
        Check(document.object != nullptr);
    }
    return document;
}

int LoadPaneId(CArchive& ar, BOOL bWithPaneIds)
{
    if (!bWithPaneIds)
        return State::noPane;
    const int n = ReadInt(ar);
    Check(n >= State::noPane);
    return n;
}

void StoreTabWindow(CArchive& ar, const State::TabWindow& window)
{
    ar << static_cast<int>(window.tabs.size()) << window.active << window.activeGroup;
    for (const State::Tab& tab : window.tabs)
    {
        StoreDocument(ar, tab.document);
        ar << tab.label << tab.resizeEdge << tab.color << tab.paneId;
    }
    ar << window.autoColors << static_cast<int>(window.palette.size());
    for (COLORREF color : window.palette)
        ar << static_cast<int>(color);
    ar << window.tabListButton << window.reorderByDrag << window.borderSize;
    StoreRect(ar, window.windowRect);
}

State::TabWindow LoadTabWindow(CArchive& ar, BOOL bWithPaneIds)
{
    State::TabWindow window;
    const int nTabs = ReadCount(ar, State::maxTabs);
    window.active = ReadInt(ar);
    Check(window.active >= -1 && window.active < nTabs && (nTabs == 0 || window.active >= 0));
    window.activeGroup = ReadInt(ar);
    Check(IsFlag(window.activeGroup));
    for (int i = 0; i < nTabs; i++)
    {
        State::Tab tab;
        tab.document = LoadDocument(ar);
        ar >> tab.label;
        tab.resizeEdge = ReadInt(ar);
        Check(tab.resizeEdge >= 0 && tab.resizeEdge <= 2);
        // The edge belongs to the tab window; every entry repeats it.
        Check(window.tabs.empty() || tab.resizeEdge == window.tabs.front().resizeEdge);
        tab.color = ReadInt(ar);
        Check(tab.color == State::noColor || IsColor(tab.color));
        tab.paneId = LoadPaneId(ar, bWithPaneIds);
        window.tabs.push_back(std::move(tab));
    }
    window.autoColors = ReadInt(ar);
    Check(IsFlag(window.autoColors));
    const int nColors = ReadCount(ar, State::maxPaletteColors);
    for (int i = 0; i < nColors; i++)
    {
        const int color = ReadInt(ar);
        Check(IsColor(color));
        window.palette.push_back(static_cast<COLORREF>(color));
    }
    window.tabListButton = ReadInt(ar);
    window.reorderByDrag = ReadInt(ar);
    Check(IsFlag(window.tabListButton) && IsFlag(window.reorderByDrag));
    window.borderSize = ReadInt(ar);
    Check(window.borderSize >= 0);
    window.windowRect = LoadRect(ar);
    return window;
}

void StoreChild(CArchive& ar, const State::Child& child)
{
    StoreDocument(ar, child.document);
    ar << child.flags << child.length;
    StorePoint(ar, child.maxPosition);
    StorePoint(ar, child.minPosition);
    StoreRect(ar, child.normalPosition);
    ar << child.showCmd << child.active << child.paneId;
}

State::Child LoadChild(CArchive& ar, BOOL bWithPaneIds)
{
    State::Child child;
    child.document = LoadDocument(ar);
    child.flags = ReadInt(ar);
    child.length = ReadInt(ar);
    Check(child.length == State::placementLength);
    child.maxPosition = LoadPoint(ar);
    child.minPosition = LoadPoint(ar);
    child.normalPosition = LoadRect(ar);
    child.showCmd = ReadInt(ar);
    Check(child.showCmd >= 0 && child.showCmd <= State::showCmdMax);
    child.active = ReadInt(ar);
    Check(IsFlag(child.active));
    child.paneId = LoadPaneId(ar, bWithPaneIds);
    return child;
}
} // namespace

void CVrxPMDITabsState::Store(CArchive& ar) const
{
    ar << options.location << options.style << options.closeButton << options.icons << options.autoColors
       << options.tabListButton << options.reorderByDrag << options.borderSize;
    ar << mdiTabsOn << groupsOn << tabsShown << arrangement << resizeMargin << newGroupZone;
    if (mdiTabsOn)
    {
        static const TabWindow none;
        StoreTabWindow(ar, tabWindows.empty() ? none : tabWindows.front());
        return;
    }
    if (groupsOn)
    {
        ar << static_cast<int>(tabWindows.size());
        for (const TabWindow& window : tabWindows)
            StoreTabWindow(ar, window);
        return;
    }
    ar << static_cast<int>(children.size());
    for (const Child& child : children)
        StoreChild(ar, child);
}

void CVrxPMDITabsState::Load(CArchive& ar, BOOL bWithPaneIds)
{
    CVrxPMDITabsState state;
    Options& read = state.options;
    for (int* pField : {&read.location, &read.style, &read.closeButton, &read.icons, &read.autoColors,
                        &read.tabListButton, &read.reorderByDrag, &read.borderSize, &state.mdiTabsOn,
                        &state.groupsOn, &state.tabsShown, &state.arrangement, &state.resizeMargin,
                        &state.newGroupZone})
        *pField = ReadInt(ar);
    for (int flag : {read.closeButton, read.icons, read.autoColors, read.tabListButton, read.reorderByDrag,
                     state.mdiTabsOn, state.groupsOn, state.tabsShown})
        Check(IsFlag(flag));
    // -1: the look leaves the border size to the tab window.
    Check(read.borderSize >= -1 && state.arrangement >= 0 && state.arrangement <= 2 && state.resizeMargin >= 0 &&
          state.newGroupZone >= 0);
    if (state.mdiTabsOn)
        state.tabWindows.push_back(LoadTabWindow(ar, bWithPaneIds));
    else if (state.groupsOn)
    {
        const int nGroups = ReadCount(ar, maxGroups);
        int nActive = 0;
        for (int i = 0; i < nGroups; i++)
        {
            state.tabWindows.push_back(LoadTabWindow(ar, bWithPaneIds));
            nActive += state.tabWindows.back().activeGroup;
        }
        Check(nActive <= 1);
    }
    else
    {
        const int nChildren = ReadCount(ar, maxTabs);
        int nActive = 0;
        for (int i = 0; i < nChildren; i++)
        {
            state.children.push_back(LoadChild(ar, bWithPaneIds));
            nActive += state.children.back().active;
        }
        Check(nActive <= 1);
    }
    BYTE extra = 0;
    Check(ar.Read(&extra, 1) == 0);
    *this = std::move(state);
}

BOOL CVrxPMDITabsState::Read(const std::vector<BYTE>& bytes, BOOL bWithPaneIds)
{
    if (bytes.empty())
        return FALSE;
    std::vector<BYTE> copy(bytes);
    CMemFile file(copy.data(), static_cast<UINT>(copy.size()));
    try
    {
        CArchive ar(&file, CArchive::load);
        Load(ar, bWithPaneIds);
    }
    catch (CException* e)
    {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

std::vector<BYTE> CVrxPMDITabsState::Bytes() const
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        Store(ar);
    }
    std::vector<BYTE> bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}
