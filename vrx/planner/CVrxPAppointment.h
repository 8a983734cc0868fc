#pragma once

#include "CVrxPAppointmentPieceList.h"
#include "CVrxPTimeLocale.h"

#include "core/CObject.h"
#include "ole/COleDateTime.h"
#include "strings/CString.h"

#include <vector>

class CVrxPAppointmentPropertyList;
class CVrxPRecurrence;

// One planner entry: plain, a recurrence master (it owns the recurrence
// that makes its occurrences) or an occurrence (made from a master for one
// pattern date, owned by whoever asked for it). Besides its data it carries
// what the views and printing leave on it: per-day pieces, rectangles and
// visibility.
class CVrxPAppointment : public CObject
{
    DECLARE_SERIAL(CVrxPAppointment)
public:
    // Hit-test parts.
    enum HitPart { hitNone, hitBody, hitMoveGrip, hitTopEdge, hitBottomEdge, hitLeftEdge, hitRightEdge };
    // FormatTime flags, also handed to the system's time formatting.
    enum TimeFlags { timeHoursOnly = 1, timeNoSeconds = 2, timeMarkerAlways = 4, timeForce24Hour = 8 };
    // The colour that means "the visual manager's default".
    static constexpr COLORREF defaultColor = 0xFF000000;
    // How much of the description the display text shows.
    static constexpr int maxDisplayDescription = 256;

    CVrxPAppointment();
    ~CVrxPAppointment() override;

    void Reset();

    const COleDateTime& GetStart() const { return m_dtStart; }
    const COleDateTime& GetFinish() const { return m_dtFinish; }
    void SetInterval(const COleDateTime& dtStart, const COleDateTime& dtFinish);
    bool IsAllDay() const { return m_bAllDay != 0; }
    void SetAllDay(bool bAllDay);
    COleDateTimeSpan GetDuration() const;
    bool IsLong() const;

    virtual CString GetDescription() const { return m_strDescription; }
    void SetDescription(const CString& strDescription);
    virtual CString GetDisplayText() const;
    virtual bool AllowsCopy() const { return true; }

    COLORREF GetBackgroundColor() const { return m_clrBackground; }
    void SetBackgroundColor(COLORREF clr) { m_clrBackground = clr; }
    COLORREF GetDurationColor() const { return m_clrDuration; }
    void SetDurationColor(COLORREF clr) { m_clrDuration = clr; }
    COLORREF GetForegroundColor() const { return m_clrForeground; }
    void SetForegroundColor(COLORREF clr) { m_clrForeground = clr; }
    const std::vector<int>& GetImages() const { return m_images; }
    void SetImages(const std::vector<int>& images) { m_images = images; }

    bool IsSelected() const { return m_bSelected != 0; }
    void SetSelected(bool bSelected) { m_bSelected = bSelected ? 1 : 0; }

    // Lower-case time texts of start and finish, without seconds.
    const CString& GetStartTimeText() const;
    const CString& GetFinishTimeText() const;
    // The texts follow the dates: they are formatted again, in the user's
    // locale, when next asked for (most occurrences are never shown).
    void UpdateTimeTexts();
    // The time of the date in the user's locale: its own format when
    // bLocaleDefault is set, else a picture built from its values and flags.
    static CString FormatTime(const COleDateTime& date, int nFlags, bool bLocaleDefault);
    // The same with the picture built from the given locale values.
    static CString FormatTime(const COleDateTime& date, int nFlags, const CVrxPTimeLocale& locale);

    // Properties 0..7: start, finish, description, the three colours,
    // images, all-day.
    virtual void GetProperties(CVrxPAppointmentPropertyList& list) const;
    // Answers the occurrence flag; 0 for an empty list.
    virtual int SetProperties(const CVrxPAppointmentPropertyList& list);

    // Pieces and rectangles.
    RECT GetDrawRect(const COleDateTime& date) const;
    RECT GetEditRect(const COleDateTime& date) const;
    RECT GetTextRect(const COleDateTime& date) const;
    bool IsVisibleOn(const COleDateTime& date) const;
    void SetVisibleOn(bool bVisible, const COleDateTime& date);
    int GetDrawStateOn(const COleDateTime& date) const;
    RECT GetPrintRect(const COleDateTime& date) const;
    bool IsPrintVisibleOn(const COleDateTime& date) const;
    void SetPrintVisibleOn(bool bVisible, const COleDateTime& date);
    void SetDrawRect(const RECT& rect, const COleDateTime& date);
    void SetPrintRect(const RECT& rect, const COleDateTime& date);
    void ClearDrawRects();
    void ClearPrintRects();
    void SetEditRect(const RECT& rect) { m_rectEdit = rect; }
    void SetTextRect(const RECT& rect) { m_rectText = rect; }
    void SetDrawState(int nDrawState) { m_nDrawState = nDrawState; }
    const CVrxPAppointmentScreenPieceList& GetScreenPieces() const { return m_screenPieces; }
    const CVrxPAppointmentPieceList& GetPrintPieces() const { return m_printPieces; }
    bool ContainsPoint(POINT point) const;
    bool IsPointInText(POINT point) const;
    void ChooseEditRectAt(POINT point);
    void DeflatePieceRect(RECT& rect, bool bVertical) const;
    virtual int HitTest(POINT point) const;

    // Recurrence.
    bool IsRecurring() const { return m_bRecurring != 0; }
    int GetRecurrenceId() const { return m_nRecurrenceId; }
    void SetRecurrenceId(int nId) { m_nRecurrenceId = nId; }
    bool IsOccurrence() const { return m_bOccurrence != 0; }
    const COleDateTime& GetOccurrenceDate() const { return m_dtOccurrence; }
    bool IsChanged() const { return m_bChanged != 0; }
    void SetChanged(bool bChanged) { m_bChanged = bChanged ? 1 : 0; }
    CVrxPRecurrence* GetRecurrence() const { return m_pRecurrence; }
    void ClearRecurrence();
    // Takes ownership; null makes the appointment plain.
    void SetRecurrence(CVrxPRecurrence* pRecurrence);
    void ApplyRecurrenceRule();
    // A new object of the master's class for the pattern date, owned by
    // the caller; null for a missing master, an occurrence or id 0.
    static CVrxPAppointment* CreateOccurrence(const CVrxPAppointment* pMaster, const COleDateTime& date);
    // The same from the master's properties as its GetProperties gave them,
    // so that a series reads them once for all its occurrences.
    static CVrxPAppointment* CreateOccurrence(const CVrxPAppointment* pMaster, const COleDateTime& date,
                                              const CVrxPAppointmentPropertyList& masterProperties);

    // The appointment order: negative when a comes first.
    static int Compare(const CVrxPAppointment* a, const CVrxPAppointment* b);
    // Sorts the first nCount entries in appointment order.
    static void Sort(CVrxPAppointment** ppAppointments, int nCount);

    void Serialize(CArchive& ar) override;

private:
    void SetAllDayMidnights();
    void FormatTimeTexts() const;
    const CVrxPAppointmentScreenPiece* ScreenPieceOn(const COleDateTime& date) const;
    const CVrxPAppointmentPiece* PrintPieceOn(const COleDateTime& date) const;
    void RegisterDayRect(CVrxPAppointmentPieceList& pieces, RECT& singleRect, const RECT& rect,
                         const COleDateTime& date);

    COleDateTime m_dtStart;
    COleDateTime m_dtFinish;
    CString m_strDescription;
    std::vector<int> m_images;
    COLORREF m_clrBackground;
    COLORREF m_clrDuration;
    COLORREF m_clrForeground;
    int m_bSelected;
    int m_bAllDay;
    RECT m_rectDraw;
    RECT m_rectPrint;
    RECT m_rectEdit;
    RECT m_rectText;
    int m_bVisible;
    int m_bPrintVisible;
    int m_nDrawState;
    CVrxPAppointmentScreenPieceList m_screenPieces;
    CVrxPAppointmentPieceList m_printPieces;
    int m_bRecurring;
    int m_nRecurrenceId;
    int m_bOccurrence;
    COleDateTime m_dtOccurrence;
    int m_bChanged;
    CVrxPRecurrence* m_pRecurrence;
    mutable CString m_strStartTime;
    mutable CString m_strFinishTime;
    mutable bool m_bTimeTextsFormatted;
};
