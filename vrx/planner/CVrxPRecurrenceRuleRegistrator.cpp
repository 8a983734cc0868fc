#include "CVrxPRecurrenceRuleRegistrator.h"

#include "CVrxPRecurrenceBaseRule.h"

int CVrxPRecurrenceRuleRegistrator::Register(CRuntimeClass* pClass)
{
    if (pClass == nullptr || !pClass->IsDerivedFrom(RUNTIME_CLASS(CVrxPRecurrenceBaseRule)))
        return 0;
    m_classes.push_back(pClass);
    return 1;
}

CVrxPRecurrenceRuleRegistrator& CVrxPRecurrenceRuleRegistrator::Instance()
{
    static CVrxPRecurrenceRuleRegistrator registrator;
    return registrator;
}
