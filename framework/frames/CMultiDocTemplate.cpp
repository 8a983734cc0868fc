#include "frames/CMultiDocTemplate.h"

#include "app/ResourceChain.h"
#include "frames/CDocument.h"

IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)

CMultiDocTemplate::CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                                     CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass), m_hMenuShared(NULL), m_hAccelTable(NULL)
{
    LoadTemplate();
}

CMultiDocTemplate::~CMultiDocTemplate()
{
    // Documents left open outlive the template without it.
    while (!m_docList.IsEmpty())
        RemoveDocument(static_cast<CDocument*>(m_docList.GetHead()));
    if (m_hMenuShared != NULL)
        ::DestroyMenu(m_hMenuShared);
}

void CMultiDocTemplate::LoadTemplate()
{
    CDocTemplate::LoadTemplate();
    LPCTSTR lpszName = MAKEINTRESOURCE(m_nIDResource);
    HINSTANCE hInst = AfxFindResourceHandle(lpszName, RT_MENU);
    if (m_hMenuShared == NULL && ::FindResource(hInst, lpszName, RT_MENU) != NULL)
        m_hMenuShared = ::LoadMenu(hInst, lpszName);
    hInst = AfxFindResourceHandle(lpszName, RT_ACCELERATOR);
    if (m_hAccelTable == NULL && ::FindResource(hInst, lpszName, RT_ACCELERATOR) != NULL)
        m_hAccelTable = ::LoadAccelerators(hInst, lpszName);
}

POSITION CMultiDocTemplate::GetFirstDocPosition() const
{
    return m_docList.GetHeadPosition();
}

CDocument* CMultiDocTemplate::GetNextDoc(POSITION& rPos) const
{
    return static_cast<CDocument*>(m_docList.GetNext(rPos));
}

void CMultiDocTemplate::AddDocument(CDocument* pDoc)
{
    CDocTemplate::AddDocument(pDoc);
    m_docList.AddTail(pDoc);
}

void CMultiDocTemplate::RemoveDocument(CDocument* pDoc)
{
    CDocTemplate::RemoveDocument(pDoc);
    POSITION pos = m_docList.Find(pDoc);
    if (pos != NULL)
        m_docList.RemoveAt(pos);
}
