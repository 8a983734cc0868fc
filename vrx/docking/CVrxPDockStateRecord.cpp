#include "docking/CVrxPDockStateRecord.h"

namespace
{
using Record = CVrxPDockStateRecord;

// Reads numbers off the stream; after the first failure every read fails,
// so a parse checks once per entry rather than per number.
class Cursor
{
public:
    Cursor(const BYTE* pBytes, size_t nSize) : m_pBytes(pBytes), m_nSize(nSize) {}

    bool Number(int& nValue)
    {
        if (!m_bSound || m_nSize - m_nAt < 4)
            return m_bSound = false;
        const BYTE* p = m_pBytes + m_nAt;
        nValue = static_cast<int>(static_cast<DWORD>(p[0]) | static_cast<DWORD>(p[1]) << 8 |
                                  static_cast<DWORD>(p[2]) << 16 | static_cast<DWORD>(p[3]) << 24);
        m_nAt += 4;
        return true;
    }
    bool Flag(BOOL& bValue)
    {
        int nValue = 0;
        if (!Number(nValue) || (nValue != 0 && nValue != 1))
            return m_bSound = false;
        bValue = nValue;
        return true;
    }
    // Each entry takes at least 4 bytes, so a count beyond what is left is
    // damage, not a reason to reserve memory.
    bool Count(int& nCount)
    {
        if (!Number(nCount) || nCount < 0 || static_cast<size_t>(nCount) > (m_nSize - m_nAt) / 4)
            return m_bSound = false;
        return true;
    }
    bool Rectangle(RECT& rect)
    {
        int edges[4];
        for (int& edge : edges)
            if (!Number(edge))
                return false;
        if (edges[0] > edges[2] || edges[1] > edges[3])
            return m_bSound = false;
        rect = {edges[0], edges[1], edges[2], edges[3]};
        return true;
    }
    bool Refuse() { return m_bSound = false; }
    bool AtEnd() const { return m_bSound && m_nAt == m_nSize; }

private:
    const BYTE* m_pBytes;
    size_t m_nSize;
    size_t m_nAt = 0;
    bool m_bSound = true;
};

bool IsOneSide(int nAlignment)
{
    return nAlignment == Record::alignLeft || nAlignment == Record::alignTop || nAlignment == Record::alignRight ||
           nAlignment == Record::alignBottom;
}

bool ReadManager(Cursor& in, Record::ManagerRecord& manager, int nDepth);

bool ReadPaneEntry(Cursor& in, Record::PaneEntry& entry)
{
    if (!in.Number(entry.id))
        return false;
    return entry.id != Record::tabbedPaneId || in.Number(entry.firstTabId);
}

bool ReadSlider(Cursor& in, Record::SliderRecord& slider, int nDepth)
{
    int nAlignment = 0;
    int nStyle = 0;
    if (!in.Number(nAlignment) || !in.Flag(slider.barVisible) || !in.Number(slider.id) || !in.Number(slider.step) ||
        !in.Rectangle(slider.rect) || !in.Flag(slider.visible) || !in.Number(nStyle) ||
        !in.Number(slider.thickness) || !in.Flag(slider.isDefault) || !in.Number(slider.minOffset) ||
        !in.Number(slider.maxOffset))
        return false;
    if ((static_cast<DWORD>(nAlignment) & ~Record::alignmentMask) != 0 ||
        (nStyle != int(Record::sliderHorizontal) && nStyle != int(Record::sliderVertical)) || slider.thickness < 0)
        return in.Refuse();
    slider.barAlignment = static_cast<DWORD>(nAlignment);
    slider.style = static_cast<DWORD>(nStyle);
    if (!slider.isDefault)
        return true;
    slider.manager = std::make_shared<Record::ManagerRecord>();
    return ReadManager(in, *slider.manager, nDepth);
}

// A tabbed pane's own record inside a container is not followed: the pane
// field holds an id or nothing.
bool ReadPaneField(Cursor& in, int& nId)
{
    if (!in.Number(nId))
        return false;
    return nId != Record::tabbedPaneId || in.Refuse();
}

bool ReadContainer(Cursor& in, Record::ContainerRecord& node, int nDepth);

bool ReadChild(Cursor& in, std::shared_ptr<Record::ContainerRecord>& child, int nDepth)
{
    BOOL bPresent = FALSE;
    if (!in.Flag(bPresent))
        return false;
    if (!bPresent)
        return true;
    child = std::make_shared<Record::ContainerRecord>();
    return ReadContainer(in, *child, nDepth + 1);
}

bool ReadContainer(Cursor& in, Record::ContainerRecord& node, int nDepth)
{
    if (nDepth > Record::maxTreeDepth)
        return in.Refuse();
    if (!ReadPaneField(in, node.firstPaneId) || !ReadPaneField(in, node.secondPaneId) || !in.Number(node.sliderId))
        return false;
    if (node.sliderId != 0)
    {
        // An inner slider: it names itself as the node does and holds no
        // panes of its own.
        node.slider = std::make_shared<Record::SliderRecord>();
        if (!ReadSlider(in, *node.slider, nDepth))
            return false;
        if (node.slider->isDefault || node.slider->id != node.sliderId)
            return in.Refuse();
    }
    return ReadChild(in, node.firstChild, nDepth) && ReadChild(in, node.secondChild, nDepth);
}

bool ReadManager(Cursor& in, Record::ManagerRecord& manager, int nDepth)
{
    if (!ReadContainer(in, manager.root, nDepth + 1))
        return false;
    int nCount = 0;
    if (!in.Count(nCount))
        return false;
    manager.panes.resize(static_cast<size_t>(nCount));
    for (Record::PaneEntry& entry : manager.panes)
        if (!ReadPaneEntry(in, entry))
            return false;
    return true;
}

bool ReadDockEntry(Cursor& in, Record::DockEntry& entry)
{
    if (!in.Number(entry.kind))
        return false;
    if (entry.kind == Record::kindPane)
        return ReadPaneEntry(in, entry.pane);
    if (entry.kind != Record::kindSlider)
        return in.Refuse();
    // The dock list holds default sliders only; their panes follow them.
    return ReadSlider(in, entry.slider, 0) && (entry.slider.isDefault || in.Refuse());
}

bool ReadAutoHide(Cursor& in, Record::AutoHideRecord& record)
{
    int nIds = 0;
    if (!in.Number(record.id) || !in.Number(record.alignment) || !in.Flag(record.visible) || !in.Count(nIds))
        return false;
    if (!IsOneSide(record.alignment))
        return in.Refuse();
    record.ids.resize(static_cast<size_t>(nIds));
    for (int& nId : record.ids)
        if (!in.Number(nId))
            return false;
    return in.Rectangle(record.rect) && in.Number(record.state[0]) && in.Number(record.state[1]) &&
           in.Number(record.state[2]);
}

// A count the form stores as always zero.
bool ReadNone(Cursor& in)
{
    int nCount = 0;
    return in.Number(nCount) && (nCount == 0 || in.Refuse());
}

class Writer
{
public:
    void Number(int nValue)
    {
        const DWORD dw = static_cast<DWORD>(nValue);
        m_bytes.insert(m_bytes.end(), {static_cast<BYTE>(dw), static_cast<BYTE>(dw >> 8),
                                       static_cast<BYTE>(dw >> 16), static_cast<BYTE>(dw >> 24)});
    }
    void Count(size_t nCount) { Number(static_cast<int>(nCount)); }
    void Rectangle(const RECT& rect)
    {
        for (LONG edge : {rect.left, rect.top, rect.right, rect.bottom})
            Number(static_cast<int>(edge));
    }
    void PaneEntry(const Record::PaneEntry& entry)
    {
        Number(entry.id);
        if (entry.id == Record::tabbedPaneId)
            Number(entry.firstTabId);
    }
    void Slider(const Record::SliderRecord& slider)
    {
        Number(static_cast<int>(slider.barAlignment));
        Number(slider.barVisible ? 1 : 0);
        Number(slider.id);
        Number(slider.step);
        Rectangle(slider.rect);
        Number(slider.visible ? 1 : 0);
        Number(static_cast<int>(slider.style));
        Number(slider.thickness);
        Number(slider.isDefault ? 1 : 0);
        Number(slider.minOffset);
        Number(slider.maxOffset);
        if (slider.isDefault)
            Manager(slider.manager ? *slider.manager : Record::ManagerRecord());
    }
    void Container(const Record::ContainerRecord& node)
    {
        Number(node.firstPaneId);
        Number(node.secondPaneId);
        Number(node.slider ? node.sliderId : 0);
        if (node.slider)
            Slider(*node.slider);
        for (const std::shared_ptr<Record::ContainerRecord>& child : {node.firstChild, node.secondChild})
        {
            Number(child ? 1 : 0);
            if (child)
                Container(*child);
        }
    }
    void Manager(const Record::ManagerRecord& manager)
    {
        Container(manager.root);
        Count(manager.panes.size());
        for (const Record::PaneEntry& entry : manager.panes)
            PaneEntry(entry);
    }
    std::vector<BYTE> Take() { return std::move(m_bytes); }

private:
    std::vector<BYTE> m_bytes;
};
} // namespace

BOOL CVrxPDockStateRecord::Read(const BYTE* pBytes, size_t nSize, BOOL bWithClosedPanes)
{
    Cursor in(pBytes, nSize);
    CVrxPDockStateRecord read;
    int nCount = 0;
    if (!ReadNone(in) || !in.Count(nCount))
        return FALSE;
    read.dockList.resize(static_cast<size_t>(nCount));
    for (DockEntry& entry : read.dockList)
        if (!ReadDockEntry(in, entry))
            return FALSE;
    if (!ReadNone(in) || !in.Count(nCount))
        return FALSE;
    read.autoHide.resize(static_cast<size_t>(nCount));
    for (AutoHideRecord& record : read.autoHide)
        if (!ReadAutoHide(in, record))
            return FALSE;
    if (bWithClosedPanes)
    {
        if (!in.Count(nCount))
            return FALSE;
        read.closedPaneIds.resize(static_cast<size_t>(nCount));
        for (int& nId : read.closedPaneIds)
            if (!in.Number(nId))
                return FALSE;
        if (!in.AtEnd())
            return FALSE;
    }
    *this = std::move(read);
    return TRUE;
}

std::vector<BYTE> CVrxPDockStateRecord::Write() const
{
    Writer out;
    out.Count(0);
    out.Count(dockList.size());
    for (const DockEntry& entry : dockList)
    {
        out.Number(entry.kind);
        if (entry.kind == kindSlider)
            out.Slider(entry.slider);
        else
            out.PaneEntry(entry.pane);
    }
    out.Count(0);
    out.Count(autoHide.size());
    for (const AutoHideRecord& record : autoHide)
    {
        out.Number(record.id);
        out.Number(record.alignment);
        out.Number(record.visible ? 1 : 0);
        out.Count(record.ids.size());
        for (int nId : record.ids)
            out.Number(nId);
        out.Rectangle(record.rect);
        for (int nState : record.state)
            out.Number(nState);
    }
    out.Count(closedPaneIds.size());
    for (int nId : closedPaneIds)
        out.Number(nId);
    return out.Take();
}
