#pragma once

// What a frame's creation passes down to the views it makes: the view class
// to create and the document it shows. Frames made without one get no view.

#include "core/Platform.h"

struct CRuntimeClass;
class CDocTemplate;
class CDocument;
class CFrameWnd;
class CView;

class FRAMEWORK_API CCreateContext
{
public:
    CCreateContext();

    CRuntimeClass* m_pNewViewClass;
    CDocument* m_pCurrentDoc;
    CDocTemplate* m_pNewDocTemplate;
    CView* m_pLastView;
    CFrameWnd* m_pCurrentFrame;
};
