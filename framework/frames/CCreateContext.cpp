#include "frames/CCreateContext.h"

CCreateContext::CCreateContext()
    : m_pNewViewClass(nullptr), m_pCurrentDoc(nullptr), m_pNewDocTemplate(nullptr), m_pLastView(nullptr),
      m_pCurrentFrame(nullptr)
{
}
