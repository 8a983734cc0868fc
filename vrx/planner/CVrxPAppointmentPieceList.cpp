#include "CVrxPAppointmentPieceList.h"

CVrxPAppointmentPieceList::~CVrxPAppointmentPieceList()
{
    RemoveAll();
}

CVrxPAppointmentPiece* CVrxPAppointmentPieceList::CreateRecord() const
{
    return new CVrxPAppointmentPiece;
}

void CVrxPAppointmentPieceList::SetRect(const COleDateTime& date, const RECT& rect)
{
    if (m_entries.empty())
    {
        CVrxPAppointmentPiece* pRecord = CreateRecord();
        pRecord->SetKind(CVrxPAppointmentPiece::kindStart);
        pRecord->SetRect(rect);
        m_entries.push_back(Entry{date, date, pRecord});
        return;
    }
    if (CVrxPAppointmentPiece* pFound = FindByDate(date))
    {
        pFound->SetRect(rect);
        return;
    }
    Entry& last = m_entries.back();
    CVrxPAppointmentPiece* pLast = last.pRecord;
    const COleDateTimeSpan gap = date - last.lastDay;
    const bool bNextDay = last.lastDay < date && gap.GetStatus() == COleDateTimeSpan::valid &&
                          static_cast<long>(gap.GetTotalDays() + 0.5 / 86400) <= 1;
    if (bNextDay && rect.top == pLast->GetRect().top && rect.bottom == pLast->GetRect().bottom)
    {
        RECT merged;
        UnionRect(&merged, &pLast->GetRect(), &rect);
        pLast->SetRect(merged);
        pLast->SetKind(pLast->GetKind() | CVrxPAppointmentPiece::kindFinish);
        last.lastDay = date;
        return;
    }
    pLast->SetKind(pLast->GetKind() & ~CVrxPAppointmentPiece::kindFinish);
    CVrxPAppointmentPiece* pRecord = CreateRecord();
    pRecord->SetKind(CVrxPAppointmentPiece::kindFinish);
    pRecord->SetRect(rect);
    m_entries.push_back(Entry{date, date, pRecord});
}

CVrxPAppointmentPiece* CVrxPAppointmentPieceList::FindByDate(const COleDateTime& date) const
{
    for (const Entry& entry : m_entries)
    {
        if (entry.firstDay <= date && date <= entry.lastDay)
            return entry.pRecord;
    }
    return nullptr;
}

CVrxPAppointmentPiece* CVrxPAppointmentPieceList::FindAtPoint(POINT point) const
{
    for (const Entry& entry : m_entries)
    {
        if (entry.pRecord->IsVisible() && PtInRect(&entry.pRecord->GetRect(), point))
            return entry.pRecord;
    }
    return nullptr;
}

void CVrxPAppointmentPieceList::RemoveAll()
{
    for (Entry& entry : m_entries)
        delete entry.pRecord;
    m_entries.clear();
}

CVrxPAppointmentPiece* CVrxPAppointmentScreenPieceList::CreateRecord() const
{
    return new CVrxPAppointmentScreenPiece;
}

bool CVrxPAppointmentScreenPieceList::TextContainsPoint(POINT point) const
{
    for (const Entry& entry : m_entries)
    {
        const auto* pPiece = static_cast<const CVrxPAppointmentScreenPiece*>(entry.pRecord);
        if (pPiece->IsVisible() && PtInRect(&pPiece->GetTextRect(), point))
            return true;
    }
    return false;
}
