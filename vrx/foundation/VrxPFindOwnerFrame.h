#pragma once

class CFrameWnd;
class CWnd;

// The nearest frame window above a window, or NULL.
CFrameWnd* VrxPFindOwnerFrame(CWnd* pWnd);
