#pragma once

#include "core/CObject.h"

#include <vector>

// The process's list of recurrence rule classes.
class CVrxPRecurrenceRuleRegistrator
{
public:
    // 0 for a null class or one that is not a rule; otherwise the class is
    // appended (again, when it is listed already) and the answer is 1.
    int Register(CRuntimeClass* pClass);
    const std::vector<CRuntimeClass*>& GetClasses() const { return m_classes; }

    static CVrxPRecurrenceRuleRegistrator& Instance();

private:
    std::vector<CRuntimeClass*> m_classes;
};
