#include "app/CCmdUI.h"
#include "core/CException.h"
#include "windows/CWnd.h"

#include "ModalDriver.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace
{
using Log = std::vector<std::string>;

const UINT kButtonId = 50;
const UINT kCommandId = 40100;
const UINT g_nProbeMessage = ::RegisterWindowMessage("framework windows test probe");

std::string Number(long long n)
{
    return std::to_string(n);
}

class RoutingParent : public CWnd
{
public:
    Log m_log;
    BOOL m_bEnableCommand = TRUE;
    HBRUSH m_hBrush = static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));

protected:
    afx_msg void OnClicked() { m_log.push_back("parent clicked"); }
    afx_msg void OnNotifyRange(UINT nID, NMHDR*, LRESULT* pResult)
    {
        m_log.push_back("parent range " + Number(nID));
        *pResult = 5;
    }
    afx_msg void OnProbeCommand() { m_log.push_back("parent command"); }
    afx_msg void OnUpdateProbeCommand(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bEnableCommand); }
    afx_msg HBRUSH OnCtlColor(CDC*, CWnd*, UINT nCtlColor)
    {
        m_log.push_back("parent ctlcolor " + Number(nCtlColor));
        return m_hBrush;
    }
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT) { m_log.push_back("parent drawitem " + Number(nIDCtl)); }
    afx_msg void OnSize(UINT nType, int cx, int cy)
    {
        m_log.push_back("size " + Number(nType) + " " + Number(cx) + " " + Number(cy));
    }
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point)
    {
        m_log.push_back("lbuttondown " + Number(nFlags) + " " + Number(point.x) + " " + Number(point.y));
    }
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        m_log.push_back("keydown " + Number(nChar) + " " + Number(nRepCnt) + " " + Number(nFlags));
    }
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos)
    {
        m_log.push_back("contextmenu " + Number(pWnd == this) + " " + Number(pos.x) + " " + Number(pos.y));
    }
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
    {
        m_log.push_back("wheel " + Number(nFlags) + " " + Number(zDelta) + " " + Number(pt.x) + " " + Number(pt.y));
        return TRUE;
    }
    afx_msg LRESULT OnProbeMessage(WPARAM wParam, LPARAM lParam) { return wParam + lParam; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RoutingParent, CWnd)
    ON_BN_CLICKED(kButtonId, OnClicked)
    ON_NOTIFY_RANGE(NM_CLICK, 100, 110, OnNotifyRange)
    ON_COMMAND(kCommandId, OnProbeCommand)
    ON_UPDATE_COMMAND_UI(kCommandId, OnUpdateProbeCommand)
    ON_WM_CTLCOLOR()
    ON_WM_DRAWITEM()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_KEYDOWN()
    ON_WM_CONTEXTMENU()
    ON_WM_MOUSEWHEEL()
    ON_REGISTERED_MESSAGE(g_nProbeMessage, OnProbeMessage)
END_MESSAGE_MAP()

// A control that handles its own notifications and keeps its parent out.
class ReflectingChild : public CWnd
{
public:
    explicit ReflectingChild(Log* pLog) : m_pLog(pLog) {}

    HBRUSH m_hBrush = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));

protected:
    afx_msg void OnReflectedClick() { m_pLog->push_back("child clicked"); }
    afx_msg void OnReflectedNotify(NMHDR*, LRESULT* pResult)
    {
        m_pLog->push_back("child notify");
        *pResult = 9;
    }
    afx_msg HBRUSH CtlColor(CDC*, UINT nCtlColor)
    {
        m_pLog->push_back("child ctlcolor " + Number(nCtlColor));
        return m_hBrush;
    }
    afx_msg void DrawItem(LPDRAWITEMSTRUCT) { m_pLog->push_back("child drawitem"); }

    DECLARE_MESSAGE_MAP()

private:
    Log* m_pLog;
};

BEGIN_MESSAGE_MAP(ReflectingChild, CWnd)
    ON_CONTROL_REFLECT(BN_CLICKED, OnReflectedClick)
    ON_NOTIFY_REFLECT(NM_CLICK, OnReflectedNotify)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_DRAWITEM_REFLECT()
END_MESSAGE_MAP()

// A control whose handlers say whether its parent should see the
// notification too.
class DecidingChild : public CWnd
{
public:
    DecidingChild(Log* pLog, BOOL bTake) : m_pLog(pLog), m_bTake(bTake) {}

protected:
    afx_msg BOOL OnReflectedClick()
    {
        m_pLog->push_back("child clicked");
        return m_bTake;
    }
    afx_msg BOOL OnReflectedNotify(NMHDR*, LRESULT* pResult)
    {
        m_pLog->push_back("child notify");
        *pResult = 9;
        return m_bTake;
    }
    // No brush of its own: the parent chooses.
    afx_msg HBRUSH CtlColor(CDC*, UINT nCtlColor)
    {
        m_pLog->push_back("child ctlcolor " + Number(nCtlColor));
        return NULL;
    }

    DECLARE_MESSAGE_MAP()

private:
    Log* m_pLog;
    BOOL m_bTake;
};

BEGIN_MESSAGE_MAP(DecidingChild, CWnd)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnReflectedClick)
    ON_NOTIFY_REFLECT_EX(NM_CLICK, OnReflectedNotify)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

enum ChildKind
{
    plainChild,
    reflectingChild,
    decliningChild,
    takingChild
};

const char* KindName(ChildKind kind)
{
    static const char* const names[] = {"plain", "reflecting", "declining", "taking"};
    return names[kind];
}

class RoutingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, NULL, "parent", WS_POPUP, 0, 0, 200, 200, NULL, NULL));
    }

    void TearDown() override
    {
        m_pChild.reset();
        if (m_hWndPlainChild != NULL)
            ::DestroyWindow(m_hWndPlainChild);
        m_parent.DestroyWindow();
    }

    HWND MakeChild(ChildKind kind, UINT nID)
    {
        if (kind == plainChild)
        {
            m_hWndPlainChild = ::CreateWindow("Button", "plain", WS_CHILD, 0, 0, 10, 10, m_parent.m_hWnd,
                                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), NULL, NULL);
            return m_hWndPlainChild;
        }
        if (kind == reflectingChild)
            m_pChild.reset(new ReflectingChild(&m_parent.m_log));
        else
            m_pChild.reset(new DecidingChild(&m_parent.m_log, kind == takingChild));
        EXPECT_TRUE(m_pChild->Create("Button", "object", 0, CRect(0, 0, 10, 10), &m_parent, nID));
        return m_pChild->m_hWnd;
    }

    LRESULT SendNotify(HWND hWndFrom, UINT nCode)
    {
        NMHDR nmhdr = {hWndFrom, static_cast<UINT_PTR>(::GetDlgCtrlID(hWndFrom)), nCode};
        return m_parent.SendMessage(WM_NOTIFY, nmhdr.idFrom, reinterpret_cast<LPARAM>(&nmhdr));
    }

    RoutingParent m_parent;
    std::unique_ptr<CWnd> m_pChild;
    HWND m_hWndPlainChild = NULL;
};

TEST_F(RoutingTest, AControlNotificationReachesTheControlFirst)
{
    struct Case
    {
        ChildKind kind;
        Log expected;
    } cases[] = {
        {plainChild, {"parent clicked"}},
        {reflectingChild, {"child clicked"}},
        {decliningChild, {"child clicked", "parent clicked"}},
        {takingChild, {"child clicked"}},
    };
    for (const Case& c : cases)
    {
        HWND hWndChild = MakeChild(c.kind, kButtonId);
        m_parent.m_log.clear();
        m_parent.SendMessage(WM_COMMAND, MAKEWPARAM(kButtonId, BN_CLICKED), reinterpret_cast<LPARAM>(hWndChild));
        EXPECT_EQ(c.expected, m_parent.m_log) << KindName(c.kind);
        TearDown();
        SetUp();
    }
}

TEST_F(RoutingTest, NotificationsReachTheControlThenTheParentsRangeHandler)
{
    struct Case
    {
        ChildKind kind;
        UINT nID;
        Log expected;
        LRESULT lResult;
    } cases[] = {
        {plainChild, 105, {"parent range 105"}, 5},
        {plainChild, 100, {"parent range 100"}, 5},
        {plainChild, 111, {}, 0},
        {reflectingChild, 105, {"child notify"}, 9},
        {decliningChild, 105, {"child notify", "parent range 105"}, 5},
        {takingChild, 105, {"child notify"}, 9},
    };
    for (const Case& c : cases)
    {
        HWND hWndChild = MakeChild(c.kind, c.nID);
        m_parent.m_log.clear();
        EXPECT_EQ(c.lResult, SendNotify(hWndChild, NM_CLICK)) << KindName(c.kind) << " " << c.nID;
        EXPECT_EQ(c.expected, m_parent.m_log) << KindName(c.kind) << " " << c.nID;
        TearDown();
        SetUp();
    }
}

TEST_F(RoutingTest, ControlColoursAndOwnerDrawingGoToTheControlFirst)
{
    struct Case
    {
        ChildKind kind;
        Log expectedColour;
        Log expectedDraw;
    } cases[] = {
        {plainChild, {"parent ctlcolor 3"}, {"parent drawitem 60"}},
        {reflectingChild, {"child ctlcolor 3"}, {"child drawitem"}},
        {decliningChild, {"child ctlcolor 3", "parent ctlcolor 3"}, {"parent drawitem 60"}},
    };
    for (const Case& c : cases)
    {
        HWND hWndChild = MakeChild(c.kind, 60);
        HDC hDC = ::GetDC(hWndChild);
        m_parent.m_log.clear();
        LRESULT lBrush = m_parent.SendMessage(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(hDC),
                                              reinterpret_cast<LPARAM>(hWndChild));
        EXPECT_EQ(c.expectedColour, m_parent.m_log) << KindName(c.kind);
        HBRUSH hExpected = c.kind == reflectingChild ? static_cast<ReflectingChild*>(m_pChild.get())->m_hBrush
                                                     : m_parent.m_hBrush;
        EXPECT_EQ(reinterpret_cast<LRESULT>(hExpected), lBrush) << KindName(c.kind);

        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_BUTTON;
        dis.CtlID = 60;
        dis.hwndItem = hWndChild;
        dis.hDC = hDC;
        m_parent.m_log.clear();
        EXPECT_EQ(TRUE, m_parent.SendMessage(WM_DRAWITEM, 60, reinterpret_cast<LPARAM>(&dis)));
        EXPECT_EQ(c.expectedDraw, m_parent.m_log) << KindName(c.kind);
        ::ReleaseDC(hWndChild, hDC);
        TearDown();
        SetUp();
    }
}

TEST_F(RoutingTest, AMenuOrAcceleratorCommandRunsOnlyWhileEnabled)
{
    for (BOOL bEnable : {TRUE, FALSE})
    {
        m_parent.m_bEnableCommand = bEnable;
        m_parent.m_log.clear();
        // High word 1: from an accelerator.
        m_parent.SendMessage(WM_COMMAND, MAKEWPARAM(kCommandId, 1), 0);
        EXPECT_EQ(bEnable ? Log{"parent command"} : Log{}, m_parent.m_log) << bEnable;
    }
}

TEST_F(RoutingTest, WindowMessagesArriveUnpackedAsTheirHandlersTakeThem)
{
    POINT ptScreen = {-3, 4};
    struct Case
    {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        std::string expected;
    } cases[] = {
        {WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(30, 40), "size 2 30 40"},
        {WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(static_cast<WORD>(-5), 7), "lbuttondown 5 -5 7"},
        {WM_KEYDOWN, VK_RETURN, MAKELPARAM(3, 0x1C), "keydown 13 3 28"},
        {WM_CONTEXTMENU, 0, MAKELPARAM(static_cast<WORD>(-1), static_cast<WORD>(-1)), "contextmenu 1 -1 -1"},
        {WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, static_cast<WORD>(-120)),
         MAKELPARAM(static_cast<WORD>(ptScreen.x), ptScreen.y), "wheel 8 -120 -3 4"},
    };
    for (const Case& c : cases)
    {
        WPARAM wParam = c.message == WM_CONTEXTMENU ? reinterpret_cast<WPARAM>(m_parent.m_hWnd) : c.wParam;
        m_parent.m_log.clear();
        m_parent.SendMessage(c.message, wParam, c.lParam);
        EXPECT_EQ(Log{c.expected}, m_parent.m_log) << c.message;
    }
    EXPECT_EQ(7, m_parent.SendMessage(g_nProbeMessage, 3, 4));
}

// Handlers that fail in the ways a handler can.
class FailingWnd : public CWnd
{
public:
    enum Failure
    {
        none,
        userException,
        frameworkException,
        standardException,
        unknownException
    };
    Failure m_failure = none;
    Failure m_createFailure = none;

    static void Fail(Failure failure)
    {
        switch (failure)
        {
        case userException:
            AfxThrowUserException();
        case frameworkException:
            AfxThrowNotSupportedException();
        case standardException:
            throw std::runtime_error("the disk is on fire");
        case unknownException:
            throw 17;
        case none:
            break;
        }
    }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        Fail(m_createFailure);
        return CWnd::OnCreate(lpCreateStruct);
    }
    afx_msg LRESULT OnFail(WPARAM, LPARAM)
    {
        Fail(m_failure);
        return 42;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(FailingWnd, CWnd)
    ON_WM_CREATE()
    ON_MESSAGE(WM_APP, OnFail)
END_MESSAGE_MAP()

TEST(DispatchBoundary, NoExceptionLeavesTheWindowProcedure)
{
    CString strNotSupported;
    {
        TCHAR szMessage[256];
        CNotSupportedException e(FALSE);
        e.GetErrorMessage(szMessage, 256);
        strNotSupported = szMessage;
    }
    struct Case
    {
        FailingWnd::Failure failure;
        bool bMessageBox;
        const char* pszInText;
    } cases[] = {
        {FailingWnd::none, false, ""},
        {FailingWnd::userException, false, ""},
        {FailingWnd::frameworkException, true, strNotSupported},
        {FailingWnd::standardException, true, "the disk is on fire"},
        {FailingWnd::unknownException, true, ""},
    };
    FailingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, NULL, "failing", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    for (const Case& c : cases)
    {
        CString strShown;
        bool bShown = false;
        ModalDriver driver({[&] {
            HWND hWndBox = FindMessageBox();
            if (hWndBox == NULL)
                return false;
            bShown = true;
            strShown = MessageBoxText(hWndBox);
            PressButton(hWndBox, IDOK);
            return true;
        }});
        wnd.m_failure = c.failure;
        LRESULT lResult = wnd.SendMessage(WM_APP);
        EXPECT_EQ(c.failure == FailingWnd::none ? 42 : 0, lResult) << c.failure;
        EXPECT_EQ(c.bMessageBox, bShown) << c.failure;
        if (c.bMessageBox)
        {
            EXPECT_FALSE(strShown.IsEmpty()) << c.failure;
            EXPECT_NE(-1, strShown.Find(c.pszInText)) << c.failure << ": " << static_cast<LPCTSTR>(strShown);
        }
    }
    wnd.DestroyWindow();

    FailingWnd refused;
    refused.m_createFailure = FailingWnd::userException;
    EXPECT_FALSE(refused.CreateEx(0, NULL, "refused", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    EXPECT_EQ(NULL, refused.m_hWnd);
}
} // namespace
