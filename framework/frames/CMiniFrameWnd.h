#pragma once

// A small top-level frame: a popup or tool window that floats over its
// owner, such as a popup menu or a floating bar. It paints its own
// background (its class has no brush), has no client edge, and, like every
// frame, deletes itself when its window is gone.

#include "frames/CFrameWnd.h"

class FRAMEWORK_API CMiniFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMiniFrameWnd)
public:
    CMiniFrameWnd();

    // lpszClassName NULL: the mini frames' own class. pParentWnd is the
    // owner. On failure the object has already deleted itself.
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd = NULL, UINT nID = 0);

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
};
