#include "foundation/CVrxPToolTipFactory.h"

#include "controls/CToolTipCtrl.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPToolTipCtrl.h"
#include "foundation/VrxPMessages.h"

#include <cstdlib>
#include <cstring>

namespace
{
CVrxPToolTipFactory* s_pFactory = nullptr;
} // namespace

CVrxPToolTipFactory::CVrxPToolTipFactory()
{
    s_pFactory = this;
}

CVrxPToolTipFactory::~CVrxPToolTipFactory()
{
    if (s_pFactory == this)
        s_pFactory = nullptr;
}

CVrxPToolTipFactory* CVrxPToolTipFactory::Instance()
{
    return s_pFactory;
}

int CVrxPToolTipFactory::KindIndex(UINT nKind)
{
    for (int i = 0; i < kindCount; i++)
        if (nKind == (1u << i))
            return i;
    return -1;
}

BOOL CVrxPToolTipFactory::MakeToolTip(CToolTipCtrl*& pTip, CWnd* pParent, UINT nKind)
{
    const int nIndex = KindIndex(nKind);
    if (nIndex < 0)
        return FALSE;
    DestroyToolTip(pTip);
    CVrxPToolTipFactory* pFactory = Instance();
    if (pFactory != nullptr)
    {
        if (!pFactory->CreateTip(pTip, static_cast<UINT>(nIndex)))
            return FALSE;
    }
    else
        pTip = new CToolTipCtrl;
    if (!pTip->Create(pParent, TTS_ALWAYSTIP | TTS_NOPREFIX))
    {
        delete pTip;
        pTip = nullptr;
        return FALSE;
    }
    pTip->Activate(TRUE);
    if (VrxPGlobals().maxTipWidth != -1)
        pTip->SetMaxTipWidth(VrxPGlobals().maxTipWidth);
    const HWND hParent = pParent->GetSafeHwnd();
    if (hParent != NULL && pFactory != nullptr && pFactory->m_owners.Find(hParent) == NULL)
        pFactory->m_owners.AddTail(hParent);
    return TRUE;
}

void CVrxPToolTipFactory::DestroyToolTip(CToolTipCtrl*& pTip)
{
    if (pTip == nullptr)
        return;
    if (pTip->GetSafeHwnd() != NULL)
    {
        CVrxPToolTipFactory* pFactory = Instance();
        const HWND hParent = ::GetParent(pTip->GetSafeHwnd());
        if (pFactory != nullptr)
        {
            POSITION pos = pFactory->m_owners.Find(hParent);
            if (pos != NULL)
                pFactory->m_owners.RemoveAt(pos);
        }
        pTip->DestroyWindow();
    }
    delete pTip;
    pTip = nullptr;
}

void CVrxPToolTipFactory::SetToolText(TOOLINFO* pInfo, CToolTipCtrl* pTip, UINT nKind, const CString& label,
                                      LPCTSTR lpszDescription)
{
    const int nIndex = KindIndex(nKind);
    if (nIndex < 0)
        return;
    const CString description(lpszDescription != nullptr ? lpszDescription : "");
    CString shown = label;
    CVrxPToolTipFactory* pFactory = Instance();
    if (pFactory != nullptr && pFactory->m_options[nIndex].balloon && pTip != nullptr)
    {
        if (description.IsEmpty())
            pTip->SetTitle(TTI_INFO, "");
        else
        {
            pTip->SetTitle(TTI_INFO, label);
            shown = description;
        }
    }
    pInfo->lpszText = static_cast<LPTSTR>(calloc(static_cast<size_t>(shown.GetLength()) + 1, 1));
    if (pInfo->lpszText != nullptr)
        memcpy(pInfo->lpszText, static_cast<LPCTSTR>(shown), static_cast<size_t>(shown.GetLength()));
    if (CVrxPToolTipCtrl* pLibraryTip = dynamic_cast<CVrxPToolTipCtrl*>(pTip))
        pLibraryTip->AssignDescription(description);
}

void CVrxPToolTipFactory::ApplyToolTipParams(UINT nKindMask, CRuntimeClass* pTooltipClass,
                                             const CVrxPToolTipOptions* pOptions)
{
    CVrxPToolTipOptions options;
    if (pTooltipClass != nullptr && pTooltipClass->IsDerivedFrom(RUNTIME_CLASS(CVrxPToolTipCtrl)) && pOptions != nullptr)
        options = *pOptions;
    for (int i = 0; i < kindCount; i++)
        if (nKindMask & (1u << i))
        {
            m_options[i] = options;
            m_classes[i] = pTooltipClass;
        }
    NotifyOwners(nKindMask);
}

void CVrxPToolTipFactory::RefreshAllToolTips()
{
    NotifyOwners(allKinds);
}

// Windows that went away in the meantime are skipped.
void CVrxPToolTipFactory::NotifyOwners(UINT nKindMask)
{
    POSITION pos = m_owners.GetHeadPosition();
    while (pos != NULL)
    {
        const HWND hOwner = m_owners.GetNext(pos);
        if (IsWindow(hOwner))
            SendMessage(hOwner, VrxM_UPDATETOOLTIPS, nKindMask, 0);
    }
}

BOOL CVrxPToolTipFactory::CreateTip(CToolTipCtrl*& pTip, UINT nIndex)
{
    if (nIndex >= static_cast<UINT>(kindCount))
        return FALSE;
    CToolTipCtrl* pCreated = nullptr;
    if (m_classes[nIndex] != nullptr)
    {
        CObject* pObject = m_classes[nIndex]->CreateObject();
        pCreated = dynamic_cast<CToolTipCtrl*>(pObject);
        if (pCreated == nullptr)
            delete pObject;
    }
    else
        pCreated = new CToolTipCtrl;
    if (pCreated == nullptr)
        return FALSE;
    if (CVrxPToolTipCtrl* pLibraryTip = dynamic_cast<CVrxPToolTipCtrl*>(pCreated))
        pLibraryTip->SetParams(&m_options[nIndex]);
    pTip = pCreated;
    return TRUE;
}
