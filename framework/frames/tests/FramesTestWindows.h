#pragma once

// The windows, documents and application the frames tests drive. Each
// command target on a route takes the routed commands that carry its bit
// and writes what it did to the test log.

#include "app/CWinApp.h"
#include "frames/CDocument.h"
#include "frames/CMDIChildWnd.h"
#include "frames/CMDIFrameWnd.h"
#include "frames/CView.h"

#include "FramesTestResources.h"

#include <string>
#include <vector>

enum RouteBit : UINT
{
    kRouteView = 1,
    kRouteDocument = 2,
    kRouteChild = 4,
    kRouteFrame = 8,
    kRouteApp = 16
};

std::vector<std::string>& TestLog();
// Handles what is queued for this thread (posted messages).
void PumpMessages();

class TestApp : public CWinApp
{
protected:
    afx_msg BOOL OnRouted(UINT nID);
    DECLARE_MESSAGE_MAP()
};

class TestDocument : public CDocument
{
    DECLARE_DYNCREATE(TestDocument)
public:
    ~TestDocument() override;
    static int s_nDestroyed;

protected:
    afx_msg BOOL OnRouted(UINT nID);
    DECLARE_MESSAGE_MAP()
};

class TestView : public CView
{
    DECLARE_DYNCREATE(TestView)
public:
    int m_nInitialUpdates = 0;
    int m_nUpdates = 0;

protected:
    void OnDraw(CDC*) override {}
    void OnInitialUpdate() override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
    afx_msg BOOL OnRouted(UINT nID);
    DECLARE_MESSAGE_MAP()
};

class TestFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(TestFrame)
public:
    ~TestFrame() override;
    static int s_nDestroyed;
    // OnCreate fails when set.
    static BOOL s_bFailCreate;
    BOOL m_bEnableDisabled = FALSE;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg BOOL OnRouted(UINT nID);
    afx_msg void OnHandled();
    afx_msg void OnAccelerator();
    afx_msg void OnUpdateChecked(CCmdUI* pCmdUI);
    afx_msg void OnUpdateDisabled(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};

class TestMDIFrame : public CMDIFrameWnd
{
protected:
    afx_msg BOOL OnRouted(UINT nID);
    afx_msg void OnAccelerator();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};

class TestChild : public CMDIChildWnd
{
    DECLARE_DYNCREATE(TestChild)
protected:
    afx_msg BOOL OnRouted(UINT nID);
    afx_msg void OnChildAccelerator();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};
