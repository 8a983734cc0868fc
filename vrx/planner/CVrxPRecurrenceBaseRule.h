#pragma once

#include "core/CObject.h"
#include "ole/COleDateTime.h"

#include <vector>

class CVrxPAppointmentPropertyList;

// What every recurrence rule has: its first pattern date, the times of day
// its occurrences start and finish, and how the series ends. The rule
// classes add their pattern. Pattern dates are midnights; the zero date
// means "no date" and ends a series.
class CVrxPRecurrenceBaseRule : public CObject
{
    DECLARE_SERIAL(CVrxPRecurrenceBaseRule)
public:
    enum LimitType { limitNone = 0, limitCount = 1, limitDate = 2 };
    // Rule ids of the rule classes.
    enum RuleId { ruleDaily = 1, ruleWeekly = 2, ruleMonthly = 3, ruleYearly = 4 };
    // The property ids every rule has.
    enum PropertyId
    {
        idStart = 100,
        idStartOffset = 101,
        idFinishOffset = 102,
        idLimitType = 103,
        idLimitCount = 104,
        idLimitDate = 105,
        idFirstClassProperty = 106
    };

    CVrxPRecurrenceBaseRule();

    virtual void GetProperties(CVrxPAppointmentPropertyList& list) const;
    virtual void SetProperties(const CVrxPAppointmentPropertyList& list);
    virtual void CorrectStart();
    virtual COleDateTime FirstOccurrenceFrom(const COleDateTime& date) const;
    virtual COleDateTime NextOccurrence(const COleDateTime& date) const;
    virtual COleDateTime ReservedDateQuery(const COleDateTime& date) const;
    virtual bool IsEqual(const CVrxPRecurrenceBaseRule* pRule) const;
    bool IsDifferent(const CVrxPRecurrenceBaseRule* pRule) const { return !IsEqual(pRule); }

    // The midnight of the date's day.
    void SetStart(const COleDateTime& date);
    const COleDateTime& GetStart() const { return m_dtStart; }
    const COleDateTimeSpan& GetStartOffset() const { return m_spanStartOffset; }
    const COleDateTimeSpan& GetFinishOffset() const { return m_spanFinishOffset; }
    void SetOffsets(const COleDateTimeSpan& startOffset, const COleDateTimeSpan& finishOffset);
    int GetLimitType() const { return m_nLimitType; }
    void SetLimitType(int nLimitType) { m_nLimitType = nLimitType; }
    const COleDateTime& GetLimitDate() const { return m_dtLimit; }
    void SetLimitDate(const COleDateTime& date) { m_dtLimit = date; }
    int GetLimitCount() const { return m_nLimitCount; }
    void SetLimitCount(int nLimitCount) { m_nLimitCount = nLimitCount; }
    int GetRuleId() const { return m_nRuleId; }
    void SetRuleId(int nRuleId) { m_nRuleId = nRuleId; }

    // A new rule of the same class with the same properties and rule id.
    CVrxPRecurrenceBaseRule* Clone() const;

    // Schema 2: the common fields, then the class's own. Loading refuses a
    // limit type outside 0..2 and what the class does not accept.
    void Serialize(CArchive& ar) override;

protected:
    // The class's own rule id, given to a loaded rule that has none.
    virtual int DefaultRuleId() const { return 0; }
    // The rule class's own int32 fields, in the order of their property ids
    // (from idFirstClassProperty) and of the archive; none in the base.
    virtual std::vector<int*> ClassFields() { return {}; }
    // Sets one of them, from a property or from an archive.
    virtual void SetClassField(int* pField, int nValue) { *pField = nValue; }
    // Whether the class can hold the values just loaded.
    virtual bool AcceptsLoadedFields() const { return true; }
    // The zero date when date R lies past the series' date limit.
    COleDateTime LimitedByDate(const COleDateTime& date) const;

    COleDateTime m_dtStart;
    COleDateTimeSpan m_spanStartOffset;
    COleDateTimeSpan m_spanFinishOffset;
    int m_nLimitType;
    COleDateTime m_dtLimit;
    int m_nLimitCount;
    int m_nRuleId;
};

// Helpers the rule classes share.
namespace VrxPRecurrenceDates
{
// The zero date: no date.
COleDateTime Zero();
bool IsZero(const COleDateTime& date);
// 1 Monday .. 7 Sunday; -1 for a date that is not valid.
int MondayBasedWeekday(const COleDateTime& date);
// The Monday of the date's week.
COleDateTime MondayOf(const COleDateTime& date);
// Whole days from a to b (the span plus half a second, toward zero).
long DaysBetween(const COleDateTime& a, const COleDateTime& b);
COleDateTime AddDays(const COleDateTime& date, long long nDays);
// (year, month, day) at midnight; not valid for an impossible day.
COleDateTime DateOf(long nYear, long nMonth, long nDay);
}
