#pragma once

// The template of documents shown in MDI child frames: any number of open
// documents, and the menu and accelerators the children share.

#include "collections/CPtrList.h"
#include "frames/CDocTemplate.h"

class FRAMEWORK_API CMultiDocTemplate : public CDocTemplate
{
    DECLARE_DYNAMIC(CMultiDocTemplate)
public:
    CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                      CRuntimeClass* pViewClass);
    ~CMultiDocTemplate() override;

    // Owned by the template.
    HMENU m_hMenuShared;
    HACCEL m_hAccelTable;

    void LoadTemplate() override;
    POSITION GetFirstDocPosition() const override;
    CDocument* GetNextDoc(POSITION& rPos) const override;
    void AddDocument(CDocument* pDoc) override;
    void RemoveDocument(CDocument* pDoc) override;

protected:
    CPtrList m_docList;
};
