#pragma once

// The root of every bar and dock site of the library: a child window that
// knows the frame edge it lies on (the alignment bits of its bar style), the
// edges it may dock to, the dock bar and row that hold it, the frame that
// owns it and what the user may do with it (float, auto-hide, close).
//
// Registry: VrxPBuildRegistryPath("VrxPBaseControlBars", profile) +
// "VrxPBaseControlBar-<id>" (or "VrxPBaseControlBar-<id><sub-index in hex>"):
// "IsVisible" (REG_DWORD, 0 or 1).
// Archive (part of the docking state): int32 alignment bits (bar style &
// 0xF000), int32 visible.

#include "docking/CVrxPStoredBarRecord.h"
#include "docking/VrxPBarStyles.h"
#include "strings/CRect.h"
#include "strings/CString.h"
#include "windows/CWnd.h"

class CArchive;
class CCreateContext;
class CDC;
class CFrameWnd;
class CVrxPDockBar;
class CVrxPDockBarRow;
class CVrxPMiniFrameWnd;
class CVrxPRegistry;

class CVrxPBaseControlBar : public CWnd
{
    DECLARE_DYNAMIC(CVrxPBaseControlBar)
public:
    // Border bits beside the alignment bits of the bar style.
    static constexpr DWORD borderLeft = 0x100;
    static constexpr DWORD borderTop = 0x200;
    static constexpr DWORD borderRight = 0x400;
    static constexpr DWORD borderBottom = 0x800;
    static constexpr DWORD borderAny = 0xF00;
    static constexpr DWORD alignmentMask = 0xF000;
    static constexpr DWORD styleFloating = 0x1;
    static constexpr DWORD styleGripper = 0x400000;
    // May share a floating frame with other bars.
    static constexpr DWORD styleFloatMulti = 0x40;
    // Bar flags.
    static constexpr DWORD flagFloat = 0x1;
    static constexpr DWORD flagAutoHide = 0x2;
    static constexpr DWORD flagDockable = 0x4;
    static constexpr DWORD flagClose = 0x8;
    static constexpr DWORD flagRollUp = 0x10;
    // A stretched bar asks for the whole length along its side.
    static constexpr int stretchLength = 32767;

    static constexpr const char baseBarsSection[] = "VrxPBaseControlBars";
    static constexpr const char baseBarKeyFormat[] = "%sVrxPBaseControlBar-%d";
    static constexpr const char baseBarSubKeyFormat[] = "%sVrxPBaseControlBar-%d%x";

    CVrxPBaseControlBar() = default;

    // Where the bar lies and what it holds.
    virtual BOOL IsAlignedHorizontally() const { return (GetAlignment() & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) != 0; }
    virtual BOOL IsDockedInFrame() const;
    virtual BOOL IsFloatingInMiniFrame() const { return !IsDockedInFrame(); }
    virtual BOOL IsTabbedDocument() const { return tabbedDocument; }
    // TRUE: the bar manager docks it at a frame edge itself, not in a dock bar.
    virtual BOOL DocksAtFrameSide() const { return TRUE; }
    virtual BOOL IsBarVisible() const;
    virtual BOOL IsFloatAllowed() const { return CanFloat(); }
    virtual BOOL CanAcceptBar(const CVrxPBaseControlBar* /*pBar*/) const { return FALSE; }
    virtual BOOL CanDockToSite(const CVrxPBaseControlBar* /*pSite*/) const { return FALSE; }
    virtual DWORD GetAlignment() const { return barStyle & alignmentMask; }
    virtual DWORD GetAllowedDocking() const { return allowedDocking; }
    virtual CFrameWnd* GetHostFrame() const;
    virtual CVrxPDockBar* GetDockSite() const { return dockSite; }
    virtual BOOL GetSavedVisibility() const { return savedVisibility; }
    virtual BOOL WasStateRestored() const { return stateRestored; }
    virtual void SetStateRestored(BOOL bRestored) { stateRestored = bRestored; }
    // The bar's own docking style, or the global one when it has none.
    virtual int GetDockingStyle() const;
    virtual DWORD GetBarStyle() const { return barStyle; }
    virtual DWORD GetBarFlags() const { return barFlags; }
    virtual BOOL CanClose() const { return (barFlags & flagClose) != 0; }
    virtual BOOL CanFloat() const { return (barFlags & flagFloat) != 0; }
    virtual BOOL IsDockable() const { return (barFlags & flagDockable) != 0; }
    virtual BOOL CanAutoHide() const { return (barFlags & flagAutoHide) != 0; }
    virtual BOOL IsAutoHidden() const { return FALSE; }
    // The alignment replaces the bar style's alignment bits.
    virtual void SetAlignment(DWORD dwAlignment) { barStyle = (barStyle & ~alignmentMask) | dwAlignment; }
    virtual void SetBarStyle(DWORD dwStyle) { barStyle = dwStyle; }
    virtual void SetBarFlags(DWORD dwFlags) { barFlags = dwFlags; }
    virtual void AllowDocking(DWORD dwAlignment) { allowedDocking = dwAlignment; }

    // Its length along the frame edge when stretched, else what it needs.
    virtual CSize CalcBarSize(BOOL bStretch, BOOL bHorizontal);
    // A bar that lays itself out for a length along its row answers its new
    // size; others nothing.
    virtual CSize CalcSizeForLength(int /*nLength*/, BOOL /*bVertical*/) { return CSize(); }
    virtual void AdjustBarLayout() {}
    virtual void SyncLayoutRect() {}
    // Docking and floating belong to the control bar; the base refuses.
    virtual BOOL DockToTarget(CVrxPBaseControlBar* /*pTarget*/, const CRect* /*pRect*/, int /*nMethod*/)
    {
        return FALSE;
    }
    virtual BOOL FloatBar(const CRect& /*rectScreen*/, int /*nMethod*/, BOOL /*bShow*/) { return FALSE; }
    // Docking straight at a frame side belongs to the panes; the base
    // refuses.
    virtual BOOL DockAtFrameSide(DWORD /*dwAlignment*/, const CRect* /*pRect*/, int /*nReserved1*/,
                                 int /*nReserved2*/, int /*nReserved3*/, BOOL /*bBeforeFloatable*/)
    {
        return FALSE;
    }
    virtual void LeaveCurrentSite(CWnd* /*pNewParent*/, BOOL /*bDelay*/) {}
    // Whether the new parent is a dock bar.
    virtual BOOL OnAfterReparent(CWnd* /*pOldParent*/) { return FALSE; }
    virtual void DetachFromSite(BOOL /*bNoLayout*/) {}
    // Shown or hidden through whatever holds the bar.
    virtual void SetBarShown(BOOL bShow, BOOL bDelay, BOOL bActivate);
    // The first floating frame up the parent chain, or null.
    virtual CVrxPMiniFrameWnd* FindMiniFrameParent() const;

    // nIndex -1: the window's control id; nSubIndex -1: none. TRUE when the
    // value was written (read and accepted).
    virtual BOOL StoreToRegistry(LPCTSTR lpszProfileName, int nIndex, int nSubIndex);
    virtual BOOL RestoreFromRegistry(LPCTSTR lpszProfileName, int nIndex, int nSubIndex);
    void Serialize(CArchive& ar) override;

    // Moves the window to rect (parent client coordinates); with a deferral
    // handle the move joins that batch. Returns the handle to go on with.
    virtual HDWP MoveBarWindow(const CRect& rect, BOOL bRepaint, HDWP hdwp);
    virtual HDWP PositionBar(const CWnd* pInsertAfter, int x, int y, int cx, int cy, UINT nFlags, HDWP hdwp);
    virtual void CopyStateFrom(const CVrxPBaseControlBar& bar);
    virtual BOOL CreateBarWindow(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                                 const CRect& rect, CWnd* pParentWnd, UINT nID, DWORD dwBarFlags,
                                 CCreateContext* pContext);
    virtual void PaintBar(CDC* pDC);
    // Asks the frame (or floating frame) that holds the bar to lay out again.
    virtual void RequestHostLayout(HDWP hdwp);

    CString BuildBaseKeyPath(LPCTSTR lpszProfileName, int nIndex, int nSubIndex) const;
    void SetDockSite(CVrxPDockBar* pSite) { dockSite = pSite; }
    CVrxPDockBarRow* GetDockBarRow() const { return dockRow; }
    void SetDockBarRow(CVrxPDockBarRow* pRow) { dockRow = pRow; }
    void SetHostFrame(CFrameWnd* pFrame) { hostFrame = pFrame; }
    void SetDockingStyle(int nStyle) { dockingStyle = nStyle; }

    // Every bit of it but 0x10000000 is cleared at creation.
    DWORD extraStyle = 0;
    DWORD allowedDocking = 0;
    DWORD barStyle = 0;
    DWORD barFlags = 0;
    BOOL savedVisibility = FALSE;
    BOOL stateRestored = FALSE;
    // The dock-bar row's scratch rectangle while it fits its bars.
    CRect rect;
    // The bar sits in a dialog: it draws in the button colours.
    BOOL dialogParent = FALSE;
    // The bar lives as an MDI tabbed document.
    BOOL tabbedDocument = FALSE;

    // Set while the bar manager applies a loaded docking state: bars then
    // answer their saved visibility.
    static BOOL applyingState;
    // Set when a bar without a frame sits in a dialog: forwarding to a
    // missing frame is then normal.
    static BOOL barsOutsideFrame;

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()

    // The value of the current key as it stands, whatever its type; FALSE
    // when it is there but cannot be read.
    static BOOL ReadStoredValue(CVrxPRegistry& registry, LPCTSTR lpszName, CVrxPStoredBarRecord::Stored& value);
    // A value of 4 bytes as a number, any other as binary bytes.
    static BOOL WriteStoredValue(CVrxPRegistry& registry, LPCTSTR lpszName, const std::vector<BYTE>& bytes);

    CVrxPDockBar* dockSite = nullptr;
    CVrxPDockBarRow* dockRow = nullptr;
    CFrameWnd* hostFrame = nullptr;
    int dockingStyle = 0;
};
