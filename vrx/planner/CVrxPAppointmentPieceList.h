#pragma once

#include "CVrxPAppointmentPiece.h"

#include "ole/COleDateTime.h"

#include <vector>

// The pieces of one appointment, each over a run of consecutive days, in
// the order they were made. Days registered in date order merge into one
// piece while they are consecutive and keep the same top and bottom.
class CVrxPAppointmentPieceList
{
public:
    struct Entry
    {
        COleDateTime firstDay;
        COleDateTime lastDay;
        CVrxPAppointmentPiece* pRecord;
    };

    CVrxPAppointmentPieceList() = default;
    virtual ~CVrxPAppointmentPieceList();
    CVrxPAppointmentPieceList(const CVrxPAppointmentPieceList&) = delete;
    CVrxPAppointmentPieceList& operator=(const CVrxPAppointmentPieceList&) = delete;

    virtual void SetRect(const COleDateTime& date, const RECT& rect);
    virtual CVrxPAppointmentPiece* CreateRecord() const;

    CVrxPAppointmentPiece* FindByDate(const COleDateTime& date) const;
    CVrxPAppointmentPiece* FindAtPoint(POINT point) const;
    bool ContainsPoint(POINT point) const { return FindAtPoint(point) != nullptr; }
    void RemoveAll();
    int GetCount() const { return static_cast<int>(m_entries.size()); }
    const Entry& GetEntry(int nIndex) const { return m_entries[nIndex]; }

protected:
    std::vector<Entry> m_entries;
};

class CVrxPAppointmentScreenPieceList : public CVrxPAppointmentPieceList
{
public:
    CVrxPAppointmentPiece* CreateRecord() const override;
    bool TextContainsPoint(POINT point) const;
};
