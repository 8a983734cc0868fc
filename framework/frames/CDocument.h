#pragma once

// A document: the data one or more views show. It knows its views and its
// template, routes commands to the template after itself, and closes (its
// frames and itself, when m_bAutoDelete) once its last view is gone.

#include "app/CCmdTarget.h"
#include "collections/CPtrList.h"
#include "strings/CString.h"

class CDocTemplate;
class CView;

class FRAMEWORK_API CDocument : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument();
    ~CDocument() override;

    // Deleted by OnCloseDocument (its last view closing) when set.
    BOOL m_bAutoDelete;

    const CString& GetTitle() const;
    // Also shown in the titles of the frames of its views.
    virtual void SetTitle(LPCTSTR lpszTitle);
    const CString& GetPathName() const;
    // The title becomes the path's file name.
    virtual void SetPathName(LPCTSTR lpszPathName);
    CDocTemplate* GetDocTemplate() const;

    virtual BOOL IsModified();
    virtual void SetModifiedFlag(BOOL bModified = TRUE);

    void AddView(CView* pView);
    void RemoveView(CView* pView);
    POSITION GetFirstViewPosition() const;
    CView* GetNextView(POSITION& rPosition) const;
    // OnUpdate of every view but pSender.
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0L, CObject* pHint = NULL);
    // The frames of its views are destroyed, then the document leaves its
    // template and, with m_bAutoDelete, deletes itself.
    virtual void OnCloseDocument();

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    CString m_strTitle;
    CString m_strPathName;
    CDocTemplate* m_pDocTemplate;
    CPtrList m_viewList;
    BOOL m_bModified;

    // A view came or went; the last one leaving closes the document.
    virtual void OnChangedViewList();
    void UpdateFrameTitles();

private:
    friend class CDocTemplate;
    friend class CMultiDocTemplate;
};
