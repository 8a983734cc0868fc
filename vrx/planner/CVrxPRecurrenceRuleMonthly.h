#pragma once

#include "CVrxPRecurrenceBaseRule.h"

// Every N months on a day number (mode 0) or on an ordinal day of a kind
// (mode 1), each mode with its own interval.
class CVrxPRecurrenceRuleMonthly : public CVrxPRecurrenceBaseRule
{
    DECLARE_SERIAL(CVrxPRecurrenceRuleMonthly)
public:
    enum PropertyId
    {
        idMode = 106,
        idDayNumber = 107,
        idDayInterval = 108,
        idOrdinal = 109,
        idDayKind = 110,
        idOrdinalInterval = 111
    };

    CVrxPRecurrenceRuleMonthly();

    int GetMode() const { return m_nMode; }
    void SetMode(int nMode) { m_nMode = nMode; }
    int GetDayNumber() const { return m_nDayNumber; }
    void SetDayNumber(int nDay) { m_nDayNumber = nDay; }
    int GetDayInterval() const { return m_nDayInterval; }
    void SetDayInterval(int nInterval) { m_nDayInterval = nInterval; }
    int GetOrdinal() const { return m_nOrdinal; }
    void SetOrdinal(int nOrdinal) { m_nOrdinal = nOrdinal; }
    int GetDayKind() const { return m_nDayKind; }
    void SetDayKind(int nDayKind) { m_nDayKind = nDayKind; }
    int GetOrdinalInterval() const { return m_nOrdinalInterval; }
    void SetOrdinalInterval(int nInterval) { m_nOrdinalInterval = nInterval; }

    int DayOfMonth(int nMonth, int nYear) const;

    void CorrectStart() override;
    // An interval of 0 or less ends the series; a count limit applies in
    // both modes.
    COleDateTime NextOccurrence(const COleDateTime& date) const override;

protected:
    int DefaultRuleId() const override { return ruleMonthly; }
    std::vector<int*> ClassFields() override
    {
        return {&m_nMode, &m_nDayNumber, &m_nDayInterval, &m_nOrdinal, &m_nDayKind, &m_nOrdinalInterval};
    }
    bool AcceptsLoadedFields() const override { return m_nMode == 0 || m_nMode == 1; }

private:
    int m_nMode;
    int m_nDayNumber;
    int m_nDayInterval;
    int m_nOrdinal;
    int m_nDayKind;
    int m_nOrdinalInterval;
};
