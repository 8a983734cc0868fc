#pragma once

// Every library window creates its tooltip here: per kind of owner, the
// tooltip class and its look. The factory keeps the windows that own a
// library tooltip and tells them to rebuild it when the look changes
// (VrxM_UPDATETOOLTIPS, wParam: the kinds concerned).

#include "collections/CList.h"
#include "core/CObject.h"
#include "foundation/CVrxPToolTipOptions.h"
#include "strings/CString.h"

#include <commctrl.h>

class CToolTipCtrl;
class CWnd;

class CVrxPToolTipFactory : public CObject
{
public:
    // Kinds of tooltip owners: one bit each.
    enum Kind : UINT
    {
        kindReserved0 = 0x1,
        kindToolBar = 0x2,
        kindTab = 0x4,
        kindMiniFrameCaption = 0x8,
        kindDockingPane = 0x10,
        kindReserved5 = 0x20,
        kindButton = 0x40,
        kindToolBox = 0x80,
        kindPlanner = 0x100,
        kindRibbon = 0x200,
    };
    static constexpr int kindCount = 10;
    static constexpr UINT allKinds = 0xFFFF;

    CVrxPToolTipFactory();
    ~CVrxPToolTipFactory() override;

    // The factory, or NULL when none exists.
    static CVrxPToolTipFactory* Instance();

    // These three also work without a factory (plain framework tooltips).
    // Replaces pTip by a new tooltip of the kind for the parent.
    static BOOL MakeToolTip(CToolTipCtrl*& pTip, CWnd* pParent, UINT nKind);
    static void DestroyToolTip(CToolTipCtrl*& pTip);
    // The tool's text (a calloc copy of the label, which the framework's
    // tool hit test frees) and, for a library tooltip, its description.
    static void SetToolText(TOOLINFO* pInfo, CToolTipCtrl* pTip, UINT nKind, const CString& label,
                            LPCTSTR lpszDescription);

    // A class that is not a CVrxPToolTipCtrl gets the default options.
    void ApplyToolTipParams(UINT nKindMask, CRuntimeClass* pTooltipClass, const CVrxPToolTipOptions* pOptions);
    void RefreshAllToolTips();
    BOOL CreateTip(CToolTipCtrl*& pTip, UINT nIndex);
    const CVrxPToolTipOptions& OptionsOf(UINT nIndex) const { return m_options[nIndex]; }
    const CList<HWND, HWND>& Owners() const { return m_owners; }

private:
    static int KindIndex(UINT nKind);
    void NotifyOwners(UINT nKindMask);

    CVrxPToolTipOptions m_options[kindCount];
    CRuntimeClass* m_classes[kindCount] = {};
    CList<HWND, HWND> m_owners;
};
