#pragma once

#include "CVrxPRecurrenceBaseRule.h"

// Every N weeks on the days of a mask: 1 Monday, 2 Tuesday, 4 Wednesday,
// 8 Thursday, 16 Friday, 32 Saturday, 64 Sunday.
class CVrxPRecurrenceRuleWeekly : public CVrxPRecurrenceBaseRule
{
    DECLARE_SERIAL(CVrxPRecurrenceRuleWeekly)
public:
    enum PropertyId { idInterval = 106, idDays = 107 };

    CVrxPRecurrenceRuleWeekly();

    int GetInterval() const { return m_nInterval; }
    void SetInterval(int nInterval) { m_nInterval = nInterval; }
    int GetDays() const { return m_nDays; }
    // Ignores 0 and the present mask.
    void SetDays(int nDays);
    int GetFirstDayBit() const { return m_nFirstDayBit; }
    int GetLastDayBit() const { return m_nLastDayBit; }
    int GetDaysPerWeek() const { return m_nDaysPerWeek; }

    void CorrectStart() override;
    // An interval of 0 or less, or a mask without a day, ends the series.
    COleDateTime NextOccurrence(const COleDateTime& date) const override;

protected:
    int DefaultRuleId() const override { return ruleWeekly; }
    std::vector<int*> ClassFields() override { return {&m_nInterval, &m_nDays}; }
    // The day mask goes through SetDays.
    void SetClassField(int* pField, int nValue) override;

private:
    int m_nInterval;
    int m_nDays;
    int m_nFirstDayBit;
    int m_nLastDayBit;
    int m_nDaysPerWeek;
};
