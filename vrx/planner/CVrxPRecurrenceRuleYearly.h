#pragma once

#include "CVrxPRecurrenceBaseRule.h"

// Every year on a date (mode 0: month and day number) or on an ordinal day
// of a kind in a month (mode 1).
class CVrxPRecurrenceRuleYearly : public CVrxPRecurrenceBaseRule
{
    DECLARE_SERIAL(CVrxPRecurrenceRuleYearly)
public:
    enum PropertyId
    {
        idMode = 106,
        idDayMonth = 107,
        idDayNumber = 108,
        idOrdinal = 109,
        idDayKind = 110,
        idOrdinalMonth = 111
    };

    CVrxPRecurrenceRuleYearly();

    int GetMode() const { return m_nMode; }
    void SetMode(int nMode) { m_nMode = nMode; }
    int GetDayMonth() const { return m_nDayMonth; }
    void SetDayMonth(int nMonth) { m_nDayMonth = nMonth; }
    int GetDayNumber() const { return m_nDayNumber; }
    void SetDayNumber(int nDay) { m_nDayNumber = nDay; }
    int GetOrdinal() const { return m_nOrdinal; }
    void SetOrdinal(int nOrdinal) { m_nOrdinal = nOrdinal; }
    int GetDayKind() const { return m_nDayKind; }
    void SetDayKind(int nDayKind) { m_nDayKind = nDayKind; }
    int GetOrdinalMonth() const { return m_nOrdinalMonth; }
    void SetOrdinalMonth(int nMonth) { m_nOrdinalMonth = nMonth; }

    int DayOfMonth(int nMonth, int nYear) const;

    void CorrectStart() override;
    // A count limit applies in both modes.
    COleDateTime NextOccurrence(const COleDateTime& date) const override;

protected:
    int DefaultRuleId() const override { return ruleYearly; }
    std::vector<int*> ClassFields() override
    {
        return {&m_nMode, &m_nDayMonth, &m_nDayNumber, &m_nOrdinal, &m_nDayKind, &m_nOrdinalMonth};
    }
    bool AcceptsLoadedFields() const override { return m_nMode == 0 || m_nMode == 1; }

private:
    COleDateTime DateIn(int nYear) const;

    int m_nMode;
    int m_nDayMonth;
    int m_nDayNumber;
    int m_nOrdinal;
    int m_nDayKind;
    int m_nOrdinalMonth;
};
