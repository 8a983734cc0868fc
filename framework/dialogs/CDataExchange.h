#pragma once

// Dialog data exchange: DoDataExchange (windows/CWnd.h) lists, control by
// control, which member goes with which control; the DDX_ functions below
// move a value in one direction or the other, the DDV_ functions check the
// value just read. A value that does not parse or fit is refused: the user is
// told why, the control gets the focus, and a CUserException ends the
// exchange (UpdateData returns FALSE).

#include "windows/CWnd.h"

class FRAMEWORK_API CDataExchange
{
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    // TRUE: controls to members, with checks; FALSE: members to controls.
    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    // The control of the last exchange, which the DDV_ functions check and
    // Fail gives the focus.
    HWND m_hWndLastControl;
    BOOL m_bEditLastControl;

    // The control with the id; a missing one throws CNotSupportedException.
    HWND PrepareCtrl(int nIDC);
    // The same for an edit control, whose text Fail selects.
    HWND PrepareEditCtrl(int nIDC);
    // Focuses the last control and throws CUserException; the message comes
    // first, from the caller.
    [[noreturn]] void Fail();
};

// Text of an edit (or any window); numbers in decimal.
FRAMEWORK_API void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
FRAMEWORK_API void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
FRAMEWORK_API void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
FRAMEWORK_API void DDX_Text(CDataExchange* pDX, int nIDC, long& value);
FRAMEWORK_API void DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value);
FRAMEWORK_API void DDX_Text(CDataExchange* pDX, int nIDC, short& value);
FRAMEWORK_API void DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value);
FRAMEWORK_API void DDX_Text(CDataExchange* pDX, int nIDC, double& value);
// The control's object subclasses the control the first time.
FRAMEWORK_API void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// A check box: 0, 1, or 2 (indeterminate).
FRAMEWORK_API void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// The index of the checked radio button of the group that starts at nIDC;
// -1 for none.
FRAMEWORK_API void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
// Combo and list boxes: the selection's index, or its text.
FRAMEWORK_API void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
FRAMEWORK_API void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
FRAMEWORK_API void DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value);
FRAMEWORK_API void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index);
FRAMEWORK_API void DDX_LBString(CDataExchange* pDX, int nIDC, CString& value);

// Range checks of the value the previous DDX_ read; they check only when
// saving.
FRAMEWORK_API void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
FRAMEWORK_API void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal);
FRAMEWORK_API void DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal);
FRAMEWORK_API void DDV_MinMaxDWord(CDataExchange* pDX, DWORD value, DWORD minVal, DWORD maxVal);
FRAMEWORK_API void DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal, double maxVal);
// At most nChars characters; when loading, the edit is limited to that.
FRAMEWORK_API void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);
