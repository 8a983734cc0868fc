#pragma once

#include "CVrxPRecurrenceBaseRule.h"

// Every N days, or every weekday (Monday to Friday).
class CVrxPRecurrenceRuleDaily : public CVrxPRecurrenceBaseRule
{
    DECLARE_SERIAL(CVrxPRecurrenceRuleDaily)
public:
    enum Type { everyNDays = 0, everyWeekday = 1 };
    enum PropertyId { idType = 106, idInterval = 107 };

    CVrxPRecurrenceRuleDaily();

    int GetType() const { return m_nType; }
    void SetType(int nType) { m_nType = nType; }
    int GetInterval() const { return m_nInterval; }
    void SetInterval(int nInterval) { m_nInterval = nInterval; }

    void CorrectStart() override;
    // An interval of 0 or less ends the series.
    COleDateTime NextOccurrence(const COleDateTime& date) const override;

protected:
    int DefaultRuleId() const override { return ruleDaily; }
    std::vector<int*> ClassFields() override { return {&m_nType, &m_nInterval}; }
    bool AcceptsLoadedFields() const override { return m_nType == everyNDays || m_nType == everyWeekday; }

private:
    int m_nType;
    int m_nInterval;
};
