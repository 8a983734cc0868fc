#include "CVrxPAppointment.h"

#include "CVrxPAppointmentProperty.h"
#include "CVrxPAppointmentPropertyImages.h"
#include "CVrxPAppointmentPropertyList.h"
#include "CVrxPPlannerView.h"
#include "CVrxPRecurrence.h"
#include "CVrxPRecurrenceBaseRule.h"

#include "VrxPPlannerArchive.h"

#include "files/CArchive.h"

#include <cctype>
#include <utility>

IMPLEMENT_SERIAL(CVrxPAppointment, CObject, 1 | VERSIONABLE_SCHEMA)

namespace {

// The property ids of an appointment.
enum PropertyId
{
    idStart = 0,
    idFinish = 1,
    idDescription = 2,
    idBackgroundColor = 3,
    idDurationColor = 4,
    idForegroundColor = 5,
    idImages = 6,
    idAllDay = 7
};

// The width of the edge bands that resize an appointment.
const int edgeBand = 4;

COleDateTime MidnightOf(const COleDateTime& date)
{
    return COleDateTime(date.GetYear(), date.GetMonth(), date.GetDay(), 0, 0, 0);
}

// The day of one date at the time of day of another; not valid when
// either is not.
COleDateTime DayAtTimeOf(const COleDateTime& day, const COleDateTime& time)
{
    SYSTEMTIME dayParts = {};
    SYSTEMTIME timeParts = {};
    if (!day.GetAsSystemTime(dayParts) || !time.GetAsSystemTime(timeParts))
    {
        COleDateTime invalid;
        invalid.SetStatus(COleDateTime::invalid);
        return invalid;
    }
    return COleDateTime(dayParts.wYear, dayParts.wMonth, dayParts.wDay, timeParts.wHour, timeParts.wMinute,
                        timeParts.wSecond);
}

bool IsZeroDate(const COleDateTime& date)
{
    return date == COleDateTime();
}

RECT EmptyRect()
{
    return RECT{0, 0, 0, 0};
}

bool InBand(LONG value, LONG from, LONG to)
{
    return from <= value && value <= to;
}

} // namespace

CVrxPAppointment::CVrxPAppointment()
    : m_clrBackground(defaultColor), m_clrDuration(defaultColor), m_clrForeground(defaultColor),
      m_pRecurrence(nullptr), m_bTimeTextsFormatted(true)
{
    Reset();
}

CVrxPAppointment::~CVrxPAppointment()
{
    delete m_pRecurrence;
}

void CVrxPAppointment::Reset()
{
    delete m_pRecurrence;
    m_pRecurrence = nullptr;
    m_rectDraw = m_rectPrint = m_rectEdit = m_rectText = EmptyRect();
    m_bVisible = 1;
    m_bPrintVisible = 1;
    m_nDrawState = 0;
    m_bSelected = 0;
    m_bAllDay = 0;
    m_images.clear();
    m_dtOccurrence = COleDateTime();
    m_bRecurring = 0;
    m_nRecurrenceId = 0;
    m_bOccurrence = 0;
    m_bChanged = 0;
}

// Dates.

void CVrxPAppointment::SetInterval(const COleDateTime& dtStart, const COleDateTime& dtFinish)
{
    if (dtStart == m_dtStart && dtFinish == m_dtFinish)
        return;
    m_dtStart = dtStart;
    m_dtFinish = dtFinish;
    if (m_bAllDay)
        SetAllDayMidnights();
    UpdateTimeTexts();
}

void CVrxPAppointment::SetAllDayMidnights()
{
    m_dtStart = MidnightOf(m_dtStart);
    m_dtFinish = MidnightOf(m_dtFinish);
}

void CVrxPAppointment::SetAllDay(bool bAllDay)
{
    if ((m_bAllDay != 0) == bAllDay)
        return;
    m_bAllDay = bAllDay ? 1 : 0;
    if (bAllDay)
        SetInterval(MidnightOf(m_dtStart), MidnightOf(m_dtFinish));
}

COleDateTimeSpan CVrxPAppointment::GetDuration() const
{
    COleDateTimeSpan duration = m_dtFinish - m_dtStart;
    if (m_bAllDay)
        duration += COleDateTimeSpan(1, 0, 0, 0);
    return duration;
}

bool CVrxPAppointment::IsLong() const
{
    const COleDateTimeSpan span = m_dtFinish - m_dtStart;
    return span.GetStatus() == COleDateTimeSpan::valid && span.GetTotalDays() >= 1.0;
}

// Texts.

void CVrxPAppointment::SetDescription(const CString& strDescription)
{
    if (m_strDescription != strDescription)
        m_strDescription = strDescription;
}

CString CVrxPAppointment::GetDisplayText() const
{
    CString text;
    if (!m_bAllDay)
    {
        text = GetStartTimeText();
        if (m_dtStart != m_dtFinish)
            text += "-" + GetFinishTimeText();
    }
    const CString description = GetDescription();
    if (!description.IsEmpty())
    {
        if (!text.IsEmpty())
            text += "\r\n";
        text += description.GetLength() > maxDisplayDescription ? description.Left(maxDisplayDescription)
                                                                 : description;
    }
    return text;
}

void CVrxPAppointment::UpdateTimeTexts()
{
    m_bTimeTextsFormatted = false;
}

void CVrxPAppointment::FormatTimeTexts() const
{
    if (m_bTimeTextsFormatted)
        return;
    const CVrxPTimeLocale locale = CVrxPTimeLocale::User();
    m_strStartTime = FormatTime(m_dtStart, timeNoSeconds, locale);
    m_strStartTime.MakeLower();
    m_strFinishTime = FormatTime(m_dtFinish, timeNoSeconds, locale);
    m_strFinishTime.MakeLower();
    m_bTimeTextsFormatted = true;
}

const CString& CVrxPAppointment::GetStartTimeText() const
{
    FormatTimeTexts();
    return m_strStartTime;
}

const CString& CVrxPAppointment::GetFinishTimeText() const
{
    FormatTimeTexts();
    return m_strFinishTime;
}

// Properties.

void CVrxPAppointment::GetProperties(CVrxPAppointmentPropertyList& list) const
{
    list.RemoveAll();
    list.Add(idStart, new CVrxPAppointmentProperty(m_dtStart));
    list.Add(idFinish, new CVrxPAppointmentProperty(m_dtFinish));
    list.Add(idDescription, new CVrxPAppointmentProperty(GetDescription()));
    list.Add(idBackgroundColor, new CVrxPAppointmentProperty(static_cast<int>(m_clrBackground)));
    list.Add(idDurationColor, new CVrxPAppointmentProperty(static_cast<int>(m_clrDuration)));
    list.Add(idForegroundColor, new CVrxPAppointmentProperty(static_cast<int>(m_clrForeground)));
    list.Add(idImages, new CVrxPAppointmentPropertyImages(m_images));
    list.Add(idAllDay, new CVrxPAppointmentProperty(m_bAllDay != 0));
}

int CVrxPAppointment::SetProperties(const CVrxPAppointmentPropertyList& list)
{
    if (list.GetCount() == 0)
        return 0;
    // Values of the wrong kind are skipped: a list may come from anywhere.
    auto value = [&list](int nId) -> const CVrxPAppointmentProperty* {
        const CVrxPAppointmentBaseProperty* pProperty = list.Get(nId);
        return pProperty != nullptr && pProperty->IsKindOf(RUNTIME_CLASS(CVrxPAppointmentProperty))
                   ? static_cast<const CVrxPAppointmentProperty*>(pProperty)
                   : nullptr;
    };
    bool bTimes = false;
    if (const CVrxPAppointmentProperty* pStart = value(idStart))
    {
        m_dtStart = pStart->AsDate();
        bTimes = true;
    }
    if (const CVrxPAppointmentProperty* pFinish = value(idFinish))
    {
        m_dtFinish = pFinish->AsDate();
        bTimes = true;
    }
    if (const CVrxPAppointmentProperty* pAllDay = value(idAllDay))
        SetAllDay(pAllDay->AsBool());
    if (bTimes)
        UpdateTimeTexts();
    if (const CVrxPAppointmentProperty* pDescription = value(idDescription))
        SetDescription(pDescription->AsText());
    if (const CVrxPAppointmentProperty* pColor = value(idBackgroundColor))
        m_clrBackground = static_cast<COLORREF>(pColor->AsInt());
    if (const CVrxPAppointmentProperty* pColor = value(idDurationColor))
        m_clrDuration = static_cast<COLORREF>(pColor->AsInt());
    if (const CVrxPAppointmentProperty* pColor = value(idForegroundColor))
        m_clrForeground = static_cast<COLORREF>(pColor->AsInt());
    const CVrxPAppointmentBaseProperty* pImages = list.Get(idImages);
    if (pImages != nullptr && pImages->IsKindOf(RUNTIME_CLASS(CVrxPAppointmentPropertyImages)))
        static_cast<const CVrxPAppointmentPropertyImages*>(pImages)->GetImages(m_images);
    if (m_bOccurrence)
        m_bChanged = 1;
    return m_bOccurrence;
}

// Pieces and rectangles.

const CVrxPAppointmentScreenPiece* CVrxPAppointment::ScreenPieceOn(const COleDateTime& date) const
{
    if (IsZeroDate(date) || m_screenPieces.GetCount() == 0)
        return nullptr;
    return static_cast<const CVrxPAppointmentScreenPiece*>(m_screenPieces.FindByDate(date));
}

const CVrxPAppointmentPiece* CVrxPAppointment::PrintPieceOn(const COleDateTime& date) const
{
    if (IsZeroDate(date) || m_printPieces.GetCount() == 0)
        return nullptr;
    return m_printPieces.FindByDate(date);
}

RECT CVrxPAppointment::GetDrawRect(const COleDateTime& date) const
{
    const CVrxPAppointmentScreenPiece* pPiece = ScreenPieceOn(date);
    return pPiece != nullptr ? pPiece->GetRect() : m_rectDraw;
}

RECT CVrxPAppointment::GetEditRect(const COleDateTime& date) const
{
    const CVrxPAppointmentScreenPiece* pPiece = ScreenPieceOn(date);
    return pPiece != nullptr ? pPiece->GetEditRect() : m_rectEdit;
}

RECT CVrxPAppointment::GetTextRect(const COleDateTime& date) const
{
    const CVrxPAppointmentScreenPiece* pPiece = ScreenPieceOn(date);
    return pPiece != nullptr ? pPiece->GetTextRect() : m_rectText;
}

bool CVrxPAppointment::IsVisibleOn(const COleDateTime& date) const
{
    const CVrxPAppointmentScreenPiece* pPiece = ScreenPieceOn(date);
    return pPiece != nullptr ? pPiece->IsVisible() : m_bVisible != 0;
}

void CVrxPAppointment::SetVisibleOn(bool bVisible, const COleDateTime& date)
{
    if (const CVrxPAppointmentScreenPiece* pPiece = ScreenPieceOn(date))
        const_cast<CVrxPAppointmentScreenPiece*>(pPiece)->SetVisible(bVisible);
    else
        m_bVisible = bVisible ? 1 : 0;
}

int CVrxPAppointment::GetDrawStateOn(const COleDateTime& date) const
{
    const CVrxPAppointmentScreenPiece* pPiece = ScreenPieceOn(date);
    return pPiece != nullptr ? pPiece->GetDrawState() : m_nDrawState;
}

RECT CVrxPAppointment::GetPrintRect(const COleDateTime& date) const
{
    const CVrxPAppointmentPiece* pPiece = PrintPieceOn(date);
    return pPiece != nullptr ? pPiece->GetRect() : m_rectPrint;
}

bool CVrxPAppointment::IsPrintVisibleOn(const COleDateTime& date) const
{
    const CVrxPAppointmentPiece* pPiece = PrintPieceOn(date);
    return pPiece != nullptr ? pPiece->IsVisible() : m_bPrintVisible != 0;
}

void CVrxPAppointment::SetPrintVisibleOn(bool bVisible, const COleDateTime& date)
{
    if (const CVrxPAppointmentPiece* pPiece = PrintPieceOn(date))
        const_cast<CVrxPAppointmentPiece*>(pPiece)->SetVisible(bVisible);
    else
        m_bPrintVisible = bVisible ? 1 : 0;
}

void CVrxPAppointment::SetDrawRect(const RECT& rect, const COleDateTime& date)
{
    RegisterDayRect(m_screenPieces, m_rectDraw, rect, date);
}

void CVrxPAppointment::SetPrintRect(const RECT& rect, const COleDateTime& date)
{
    RegisterDayRect(m_printPieces, m_rectPrint, rect, date);
}

void CVrxPAppointment::RegisterDayRect(CVrxPAppointmentPieceList& pieces, RECT& singleRect, const RECT& rect,
                                       const COleDateTime& date)
{
    if (IsZeroDate(date) || CVrxPPlannerView::IsSameDay(m_dtStart, m_dtFinish))
    {
        singleRect = rect;
        return;
    }
    const bool bWasEmpty = pieces.GetCount() == 0;
    const bool bIsStart = CVrxPPlannerView::IsSameDay(date, m_dtStart);
    bool bIsFinish = CVrxPPlannerView::IsSameDay(date, m_dtFinish);
    const COleDateTimeSpan oneDay(1, 0, 0, 0);

    CVrxPAppointmentPiece* pRecord = nullptr;
    const bool bEndsAtMidnight = !m_bAllDay && m_dtFinish.GetHour() == 0 && m_dtFinish.GetMinute() == 0 &&
                                 (bIsFinish || date + oneDay == m_dtFinish);
    if (bEndsAtMidnight && !bWasEmpty)
    {
        // The finish day itself gets no area: the piece of the day before
        // is stretched over it.
        if (!bIsFinish)
            pieces.SetRect(date, rect);
        const COleDateTime day = bIsFinish ? date - oneDay : date;
        pRecord = pieces.FindByDate(day);
        if (pRecord == nullptr)
            return;
        const RECT dayRect = pRecord->GetRect();
        pieces.SetRect(day + oneDay, dayRect);
        pRecord = pieces.FindByDate(day);
        bIsFinish = true;
    }
    else
    {
        if (bEndsAtMidnight)
            bIsFinish = true;
        pieces.SetRect(date, rect);
        pRecord = pieces.FindByDate(date);
    }
    if (pRecord == nullptr)
        return;
    int nKind = pRecord->GetKind();
    if (bWasEmpty)
    {
        if (!bIsStart)
            nKind &= ~CVrxPAppointmentPiece::kindStart;
        if (bIsFinish)
            nKind |= CVrxPAppointmentPiece::kindFinish;
    }
    else if (bIsFinish)
    {
        nKind |= CVrxPAppointmentPiece::kindFinish;
    }
    else
    {
        nKind &= ~CVrxPAppointmentPiece::kindFinish;
    }
    pRecord->SetKind(nKind);
}

void CVrxPAppointment::ClearDrawRects()
{
    m_rectDraw = m_rectEdit = m_rectText = EmptyRect();
    m_bVisible = 0;
    m_nDrawState = 0;
    m_screenPieces.RemoveAll();
}

void CVrxPAppointment::ClearPrintRects()
{
    m_rectPrint = EmptyRect();
    m_bPrintVisible = 0;
    m_printPieces.RemoveAll();
}

bool CVrxPAppointment::ContainsPoint(POINT point) const
{
    if (m_screenPieces.GetCount() > 0)
        return m_screenPieces.ContainsPoint(point);
    return m_bVisible && PtInRect(&m_rectDraw, point);
}

bool CVrxPAppointment::IsPointInText(POINT point) const
{
    if (m_screenPieces.GetCount() > 0)
        return m_screenPieces.TextContainsPoint(point);
    return m_bVisible && PtInRect(&m_rectDraw, point);
}

void CVrxPAppointment::ChooseEditRectAt(POINT point)
{
    if (m_screenPieces.GetCount() == 0)
        return;
    if (const CVrxPAppointmentPiece* pPiece = m_screenPieces.FindAtPoint(point))
        m_rectEdit = static_cast<const CVrxPAppointmentScreenPiece*>(pPiece)->GetEditRect();
}

void CVrxPAppointment::DeflatePieceRect(RECT& rect, bool bVertical) const
{
    if (m_bAllDay || IsLong())
    {
        rect.left += edgeBand;
        rect.right -= edgeBand;
    }
    else if (bVertical)
    {
        rect.top += edgeBand;
        rect.bottom -= edgeBand;
    }
}

int CVrxPAppointment::HitTest(POINT point) const
{
    const bool bHorizontal = m_bAllDay || IsLong();
    RECT rect;
    RECT textRect;
    LONG left;
    int nKind;
    if (m_screenPieces.GetCount() > 0)
    {
        const auto* pPiece = static_cast<const CVrxPAppointmentScreenPiece*>(m_screenPieces.FindAtPoint(point));
        if (pPiece == nullptr)
            return hitNone;
        rect = pPiece->GetRect();
        textRect = pPiece->GetTextRect();
        left = pPiece->GetEditRect().left;
        nKind = pPiece->GetKind();
    }
    else
    {
        if (!m_bVisible || !PtInRect(&m_rectDraw, point))
            return hitNone;
        rect = m_rectDraw;
        textRect = m_rectText;
        left = m_rectEdit.left;
        // Without pieces the finish edge is tried only when the start edge
        // did not take the point.
        if (bHorizontal)
        {
            if (InBand(point.x, left, left + edgeBand))
                return hitLeftEdge;
            if (InBand(point.x, rect.right - edgeBand, rect.right))
                return hitRightEdge;
        }
        else
        {
            if (InBand(point.y, rect.top, rect.top + edgeBand))
                return hitTopEdge;
            if (InBand(point.y, rect.bottom - edgeBand, rect.bottom))
                return hitBottomEdge;
        }
        return point.x >= rect.left && point.x < textRect.left ? hitMoveGrip : hitBody;
    }
    int nResult = hitBody;
    if (bHorizontal)
    {
        if ((nKind & CVrxPAppointmentPiece::kindStart) && InBand(point.x, left, left + edgeBand))
            nResult = hitLeftEdge;
        if ((nKind & CVrxPAppointmentPiece::kindFinish) && InBand(point.x, rect.right - edgeBand, rect.right))
            nResult = hitRightEdge;
    }
    else
    {
        if ((nKind & CVrxPAppointmentPiece::kindStart) && InBand(point.y, rect.top, rect.top + edgeBand))
            nResult = hitTopEdge;
        if ((nKind & CVrxPAppointmentPiece::kindFinish) && InBand(point.y, rect.bottom - edgeBand, rect.bottom))
            nResult = hitBottomEdge;
    }
    if (nResult == hitBody && point.x >= rect.left && point.x < textRect.left)
        nResult = hitMoveGrip;
    return nResult;
}

// Recurrence.

void CVrxPAppointment::ClearRecurrence()
{
    m_dtOccurrence = COleDateTime();
    m_bRecurring = 0;
    m_nRecurrenceId = 0;
    m_bOccurrence = 0;
    m_bChanged = 0;
    delete m_pRecurrence;
    m_pRecurrence = nullptr;
}

void CVrxPAppointment::SetRecurrence(CVrxPRecurrence* pRecurrence)
{
    ClearRecurrence();
    if (pRecurrence == nullptr)
        return;
    m_bRecurring = 1;
    m_pRecurrence = pRecurrence;
    pRecurrence->SetOwner(this);
    ApplyRecurrenceRule();
}

void CVrxPAppointment::ApplyRecurrenceRule()
{
    if (!m_bRecurring || m_bOccurrence || m_pRecurrence == nullptr)
        return;
    CVrxPRecurrenceBaseRule* pRule = m_pRecurrence->GetRule();
    if (pRule == nullptr)
        return;
    pRule->CorrectStart();
    m_bAllDay = 0;
    const COleDateTime start = pRule->GetStart();
    SetInterval(start + pRule->GetStartOffset(), start + pRule->GetFinishOffset());
}

CVrxPAppointment* CVrxPAppointment::CreateOccurrence(const CVrxPAppointment* pMaster, const COleDateTime& date)
{
    if (pMaster == nullptr)
        return nullptr;
    CVrxPAppointmentPropertyList properties;
    pMaster->GetProperties(properties);
    return CreateOccurrence(pMaster, date, properties);
}

CVrxPAppointment* CVrxPAppointment::CreateOccurrence(const CVrxPAppointment* pMaster, const COleDateTime& date,
                                                     const CVrxPAppointmentPropertyList& masterProperties)
{
    if (pMaster == nullptr || pMaster->IsOccurrence() || pMaster->GetRecurrenceId() == 0)
        return nullptr;
    CObject* pObject = pMaster->GetRuntimeClass()->CreateObject();
    if (pObject == nullptr)
        return nullptr;
    auto* pOccurrence = static_cast<CVrxPAppointment*>(pObject);
    pOccurrence->SetProperties(masterProperties);
    const COleDateTime start = DayAtTimeOf(date, pMaster->GetStart());
    pOccurrence->SetInterval(start, start + (pMaster->GetFinish() - pMaster->GetStart()));
    pOccurrence->m_bRecurring = 1;
    pOccurrence->m_nRecurrenceId = pMaster->GetRecurrenceId();
    pOccurrence->m_dtOccurrence = date;
    pOccurrence->m_bOccurrence = 1;
    pOccurrence->m_bChanged = 0;
    return pOccurrence;
}

// Archive.

void CVrxPAppointment::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << m_dtStart << m_dtFinish << m_strDescription << m_bAllDay << static_cast<int>(m_clrBackground)
           << static_cast<int>(m_clrDuration) << static_cast<int>(m_clrForeground) << m_bRecurring;
        if (m_bRecurring)
        {
            ar << m_nRecurrenceId << m_dtOccurrence << m_bOccurrence;
            if (m_bOccurrence)
                ar << m_bChanged;
            else
                ar << static_cast<const CObject*>(m_pRecurrence);
        }
        ar.WriteCount(m_images.size());
        for (int nImage : m_images)
            ar << nImage;
        return;
    }
    Reset();
    ar >> m_dtStart >> m_dtFinish >> m_strDescription;
    int bAllDay = 0;
    ar >> bAllDay;
    SetAllDay(bAllDay != 0);
    int nColor = 0;
    ar >> nColor;
    m_clrBackground = static_cast<COLORREF>(nColor);
    ar >> nColor;
    m_clrDuration = static_cast<COLORREF>(nColor);
    ar >> nColor;
    m_clrForeground = static_cast<COLORREF>(nColor);
    int bRecurring = 0;
    ar >> bRecurring;
    m_bRecurring = bRecurring != 0 ? 1 : 0;
    if (m_bRecurring)
    {
        int bOccurrence = 0;
        ar >> m_nRecurrenceId >> m_dtOccurrence >> bOccurrence;
        m_bOccurrence = bOccurrence != 0 ? 1 : 0;
        if (m_bOccurrence)
        {
            int bChanged = 0;
            ar >> bChanged;
            m_bChanged = bChanged != 0 ? 1 : 0;
        }
        else
        {
            SetRecurrence(static_cast<CVrxPRecurrence*>(ar.ReadOwnedObject(RUNTIME_CLASS(CVrxPRecurrence))));
        }
    }
    UpdateTimeTexts();
    const DWORD_PTR nCount = ar.ReadCount();
    for (DWORD_PTR i = 0; i < nCount; ++i)
    {
        int nImage = 0;
        ar >> nImage;
        m_images.push_back(nImage);
    }
}

// Order.

int CVrxPAppointment::Compare(const CVrxPAppointment* a, const CVrxPAppointment* b)
{
    if (a == b)
        return 0;
    const bool bLongA = a->IsLong() || a->IsAllDay();
    const bool bLongB = b->IsLong() || b->IsAllDay();
    if (CVrxPPlannerView::IsSameDay(a->GetStart(), b->GetStart()))
    {
        if (bLongA && !bLongB)
            return -1;
        if (bLongB && !bLongA)
            return 1;
    }
    if (a->GetStart() < b->GetStart())
        return -1;
    if (b->GetStart() < a->GetStart())
        return 1;
    const COleDateTimeSpan durationA = a->GetDuration();
    const COleDateTimeSpan durationB = b->GetDuration();
    if (durationA < durationB)
        return 1;
    if (durationA > durationB)
        return -1;
    const CString descriptionA = a->GetDescription();
    const CString descriptionB = b->GetDescription();
    int nResult;
    if (!descriptionA.IsEmpty() && !descriptionB.IsEmpty() &&
        std::toupper(static_cast<unsigned char>(descriptionA[0])) ==
            std::toupper(static_cast<unsigned char>(descriptionB[0])))
        nResult = descriptionA.Compare(descriptionB);
    else
        nResult = descriptionA.CompareNoCase(descriptionB);
    return nResult < 0 ? -1 : nResult > 0 ? 1 : 0;
}

namespace {

// Quicksort around the middle element. The pivot leaves the range at every
// step and every scan stays inside its range, so the sort ends and stays in
// bounds even where the order is not consistent (dates that are not valid).
void SortRange(CVrxPAppointment** items, int nFirst, int nLast)
{
    while (nFirst < nLast)
    {
        std::swap(items[nFirst + (nLast - nFirst) / 2], items[nLast]);
        CVrxPAppointment* pPivot = items[nLast];
        int nStore = nFirst;
        for (int i = nFirst; i < nLast; ++i)
        {
            if (CVrxPAppointment::Compare(items[i], pPivot) < 0)
                std::swap(items[i], items[nStore++]);
        }
        std::swap(items[nStore], items[nLast]);
        if (nStore - nFirst < nLast - nStore)
        {
            SortRange(items, nFirst, nStore - 1);
            nFirst = nStore + 1;
        }
        else
        {
            SortRange(items, nStore + 1, nLast);
            nLast = nStore - 1;
        }
    }
}

} // namespace

void CVrxPAppointment::Sort(CVrxPAppointment** ppAppointments, int nCount)
{
    if (ppAppointments != nullptr && nCount > 1)
        SortRange(ppAppointments, 0, nCount - 1);
}
