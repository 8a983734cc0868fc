#pragma once

// The application's document templates, in the order they were added.

#include "collections/CPtrList.h"
#include "core/CObject.h"

class CDocTemplate;

class FRAMEWORK_API CDocManager : public CObject
{
    DECLARE_DYNAMIC(CDocManager)
public:
    CDocManager();
    // Deletes the templates.
    ~CDocManager() override;

    // The manager owns the template from now on.
    virtual void AddDocTemplate(CDocTemplate* pTemplate);
    POSITION GetFirstDocTemplatePosition() const;
    CDocTemplate* GetNextDocTemplate(POSITION& rPos) const;

protected:
    CPtrList m_templateList;
};
