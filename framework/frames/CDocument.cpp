#include "frames/CDocument.h"

#include "frames/CDocTemplate.h"
#include "frames/CView.h"

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

CDocument::CDocument() : m_bAutoDelete(TRUE), m_pDocTemplate(nullptr), m_bModified(FALSE)
{
}

CDocument::~CDocument()
{
    // Views outliving their document forget it.
    POSITION pos = GetFirstViewPosition();
    while (pos != NULL)
        GetNextView(pos)->m_pDocument = nullptr;
    if (m_pDocTemplate != nullptr)
        m_pDocTemplate->RemoveDocument(this);
}

const CString& CDocument::GetTitle() const
{
    return m_strTitle;
}

void CDocument::SetTitle(LPCTSTR lpszTitle)
{
    m_strTitle = lpszTitle;
    UpdateFrameTitles();
}

const CString& CDocument::GetPathName() const
{
    return m_strPathName;
}

void CDocument::SetPathName(LPCTSTR lpszPathName)
{
    m_strPathName = lpszPathName;
    int nName = 0;
    for (int i = 0; i < m_strPathName.GetLength(); ++i)
    {
        if (m_strPathName[i] == '\\' || m_strPathName[i] == '/' || m_strPathName[i] == ':')
            nName = i + 1;
    }
    SetTitle(m_strPathName.Mid(nName));
}

CDocTemplate* CDocument::GetDocTemplate() const
{
    return m_pDocTemplate;
}

BOOL CDocument::IsModified()
{
    return m_bModified;
}

void CDocument::SetModifiedFlag(BOOL bModified)
{
    m_bModified = bModified;
}

void CDocument::AddView(CView* pView)
{
    if (pView->m_pDocument == this)
        return;
    if (pView->m_pDocument != nullptr)
        pView->m_pDocument->RemoveView(pView);
    m_viewList.AddTail(pView);
    pView->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* pView)
{
    POSITION pos = m_viewList.Find(pView);
    if (pos == NULL)
        return;
    m_viewList.RemoveAt(pos);
    pView->m_pDocument = nullptr;
    OnChangedViewList();
}

POSITION CDocument::GetFirstViewPosition() const
{
    return m_viewList.GetHeadPosition();
}

CView* CDocument::GetNextView(POSITION& rPosition) const
{
    return static_cast<CView*>(m_viewList.GetNext(rPosition));
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint)
{
    POSITION pos = GetFirstViewPosition();
    while (pos != NULL)
    {
        CView* pView = GetNextView(pos);
        if (pView != pSender)
            pView->OnUpdate(pSender, lHint, pHint);
    }
}

void CDocument::UpdateFrameTitles()
{
    POSITION pos = GetFirstViewPosition();
    while (pos != NULL)
    {
        if (CFrameWnd* pFrame = GetNextView(pos)->GetParentFrame())
            pFrame->OnUpdateFrameTitle(TRUE);
    }
}

void CDocument::OnChangedViewList()
{
    if (m_viewList.IsEmpty() && m_bAutoDelete)
        OnCloseDocument();
}

void CDocument::OnCloseDocument()
{
    // Destroying a frame removes its views; keep the document until the end.
    BOOL bAutoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    while (!m_viewList.IsEmpty())
    {
        CView* pView = static_cast<CView*>(m_viewList.GetHead());
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame != nullptr)
            pFrame->DestroyWindow();
        else
            pView->DestroyWindow();
        // A view that survived its frame leaves the list all the same.
        RemoveView(pView);
    }
    m_bAutoDelete = bAutoDelete;
    if (m_pDocTemplate != nullptr)
        m_pDocTemplate->RemoveDocument(this);
    if (m_bAutoDelete)
        delete this;
}

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocTemplate != nullptr && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
