#pragma once

// A document template: which document, frame and view classes go together,
// under one resource id (its strings, and for multiple documents its shared
// menu and accelerators). It makes documents and the frames that show them.

#include "app/CCmdTarget.h"
#include "collections/Position.h"
#include "strings/CString.h"

class CDocument;
class CFrameWnd;

class FRAMEWORK_API CDocTemplate : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocTemplate)
public:
    ~CDocTemplate() override;

    // The parts of the resource string nIDResource, separated by '\n'.
    enum DocStringIndex
    {
        windowTitle,
        docName,
        fileNewName,
        filterName,
        filterExt,
        regFileTypeId,
        regFileTypeName
    };
    // FALSE, with an empty string, when the part is missing or empty.
    virtual BOOL GetDocString(CString& rString, DocStringIndex index) const;

    // Loads the resources of nIDResource.
    virtual void LoadTemplate();

    virtual POSITION GetFirstDocPosition() const = 0;
    virtual CDocument* GetNextDoc(POSITION& rPos) const = 0;
    virtual void AddDocument(CDocument* pDoc);
    virtual void RemoveDocument(CDocument* pDoc);

    // A new document of the template's class, added to the template; NULL
    // when the class cannot be made.
    virtual CDocument* CreateNewDocument();
    // A new frame showing pDoc in a view of the template's class; NULL on
    // failure. pOther, when given, is a frame already showing it.
    virtual CFrameWnd* CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther);
    virtual void InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible = TRUE);

    UINT m_nIDResource;
    CRuntimeClass* m_pDocClass;
    CRuntimeClass* m_pFrameClass;
    CRuntimeClass* m_pViewClass;
    CString m_strDocStrings;

protected:
    CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                 CRuntimeClass* pViewClass);
};
