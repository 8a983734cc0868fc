#pragma once

// A frame: the window around one pane (a view, or the MDI client area) with
// its control bars, the menu, accelerators, icon and title loaded for it, and
// the active view. Commands go to the active view (and its document), then
// to the frame, then to the application. A frame lives on the heap and
// deletes itself when its window is gone; when it is the thread's main
// window, its end also ends the message loop.

#include "frames/CCreateContext.h"
#include "frames/FrameIds.h"
#include "windows/CWnd.h"

class CDockState;
class CDocument;
class CView;

// lParam of WM_SIZEPARENT. Each bar takes its strip from rect and leaves the
// rest in it; it moves itself with DeferWindowPos on hDWP, or only measures
// when hDWP is NULL (a frame asking how much room the bars leave).
struct AFX_SIZEPARENTPARAMS
{
    HDWP hDWP;
    RECT rect;
    SIZE sizeTotal;
    BOOL bStretch;
};

class FRAMEWORK_API CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)
public:
    CFrameWnd();
    ~CFrameWnd() override;

    // CW_USEDEFAULT for position and size.
    static const CRect rectDefault;

    // The menu shown while nothing else supplies one; the frame owns it.
    HMENU m_hMenuDefault;
    HACCEL m_hAccelTable;
    // A menu item without a command handler is disabled when its popup opens.
    BOOL m_bAutoMenuEnable;
    // Room kept free around the pane on each side.
    CRect m_rectBorder;
    // Set while RecalcLayout runs; a nested call returns at once.
    BOOL m_bInRecalcLayout;

    // Menu (when the resource has one), accelerators, icon and title from
    // the resources of id nIDResource, found through the resource chain. The
    // window class is registered under the application's instance.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL);
    // On failure the object has already deleted itself.
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                        const RECT& rect = rectDefault, CWnd* pParentWnd = NULL, LPCTSTR lpszMenuName = NULL,
                        DWORD dwExStyle = 0, CCreateContext* pContext = NULL);

    // Lays out the bars (WM_SIZEPARENT to every child but the pane), then
    // gives the pane the rest less m_rectBorder.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    // The same at the next idle moment.
    void DelayRecalcLayout(BOOL bNotify = TRUE);

    // The bars are the frame's own child windows of the framework whose ids
    // lie in the control-bar range. Get lists them, shown or hidden; Set
    // shows or hides those it names (bars it does not find are skipped) and
    // lays the frame out again. A frame without a window has no bars.
    void GetDockState(CDockState& state) const;
    void SetDockState(const CDockState& state);

    enum BorderCmd
    {
        borderGet = 1,
        borderRequest = 2,
        borderSet = 3
    };
    // borderGet: the room the bars leave; borderRequest: whether the
    // requested border fits in it; borderSet: the new m_rectBorder (NULL for
    // none), laid out at once.
    virtual BOOL NegotiateBorderSpace(UINT nBorderCmd, LPRECT lpRectBorder);

    // The title: the frame's own, joined with the active document's name
    // when the style has FWS_ADDTOTITLE.
    CString GetTitle() const;
    void SetTitle(LPCTSTR lpszTitle);
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    void UpdateFrameTitleForDocument(LPCTSTR lpszDocName);
    void DelayUpdateFrameTitle();
    // Shows hMenuAlt, or the frame's default menu when it is NULL.
    virtual void OnUpdateFrameMenu(HMENU hMenuAlt);

    virtual HACCEL GetDefaultAccelerator();

    // The status prompt of a command: its string resource up to the '\n'.
    virtual void GetMessageString(UINT nID, CString& rMessage) const;
    // The status bar (child AFX_IDW_STATUS_BAR), or NULL.
    virtual CWnd* GetMessageBar();
    void SetMessageText(LPCTSTR lpszText);
    void SetMessageText(UINT nID);

    CView* GetActiveView() const;
    // With bNotify, the old view is told it lost activation and the new one
    // that it has it (it takes the focus then).
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    virtual CDocument* GetActiveDocument();
    // The frame whose view is active: this one, or the active MDI child.
    virtual CFrameWnd* GetActiveFrame();

    // Shows the frame (-1: as it was, restored from an icon) and brings it
    // to the top.
    virtual void ActivateFrame(int nCmdShow = -1);
    // The first pane becomes the active view when none is; with
    // bMakeVisible the descendants get WM_INITIALUPDATE and the frame is
    // activated.
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    // Creates the view class of the context as child nID.
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL IsFrameWnd() const override;

protected:
    // Work left for the next WM_IDLEUPDATECMDUI.
    enum IdleFlags
    {
        idleTitle = 1,
        idleNotify = 2,
        idleLayout = 4
    };
    UINT m_nIdleFlags;
    CView* m_pViewActive;
    CString m_strTitle;
    // The prompt shown now.
    UINT m_nIDLastMessage;

    // Creates the client area: the context's view, when it names one.
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    int OnCreateHelper(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    // The title: the first line of string nIDResource.
    void LoadTitleString(UINT nIDResource);
    // The class to create the frame with: one with the icon nIDResource when
    // the resources have it, else NULL (PreCreateWindow's default).
    LPCTSTR GetIconWndClass(UINT nIDResource);
    // The active view's, then the frame's own handlers; the application is
    // left to the caller.
    BOOL RouteCmdToViewAndFrame(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);
    void PostNcDestroy() override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnNcDestroy();
    afx_msg void OnClose();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    afx_msg void OnSysColorChange();
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    friend class CMDIFrameWnd;
    friend class CView;

    // Sends the bars WM_SIZEPARENT over rectClient; with bMove they move
    // there and the pane takes the room they leave less m_rectBorder.
    // Returns that room.
    CRect LayoutBars(const CRect& rectClient, BOOL bMove);
    void SendInitialUpdate(WPARAM wParam);

    // WM_INITIALUPDATE has gone to the descendants: views made later send
    // it to themselves.
    BOOL m_bInitialUpdateDone;
};
