#include "toolbars/CVrxPMenuAnimation.h"

int CVrxPMenuAnimation::TypeForPopup(int nOption, BOOL bSystemAnimation, BOOL bSystemFade, BOOL bRemoteDisplay,
                                     int nBitsPerPixel, BOOL bCustomizeMode)
{
    if (bCustomizeMode || bRemoteDisplay)
        return none;
    int nType = nOption;
    if (nType == systemChoice)
        nType = !bSystemAnimation ? none : (bSystemFade ? fade : slide);
    if (nType == fade && nBitsPerPixel <= 8)
        return none;
    return nType == unfold || nType == slide || nType == fade ? nType : none;
}

void CVrxPMenuAnimation::Start(int nType, SIZE content, int nShade, SIZE button)
{
    type = nType;
    m_content = content;
    m_nShade = nShade;
    m_button = {button.cx > 0 ? button.cx : 1, button.cy > 0 ? button.cy : 1};
    alpha = 0;
    done = type == none;
    animatedSize = {content.cx + nShade, content.cy + nShade};
    if (type == unfold)
        animatedSize = m_button;
    else if (type == slide)
        animatedSize.cy = m_button.cy;
}

BOOL CVrxPMenuAnimation::Step(unsigned nElapsed)
{
    if (done)
        return TRUE;
    const int nSteps = static_cast<int>((nElapsed + stepMilliseconds / 2) / stepMilliseconds);
    switch (type)
    {
    case unfold:
        animatedSize.cx += nSteps * m_button.cx;
        animatedSize.cy += nSteps * m_button.cy;
        break;
    case slide:
        animatedSize.cy += nSteps * m_button.cy;
        break;
    default:
        alpha += fadeStep;
        if (alpha > 100 + fadeStep * nSteps)
            alpha = fadeDone;
        break;
    }
    done = (type != fade && animatedSize.cy - m_nShade >= m_content.cy) ||
           (type == unfold && animatedSize.cx - m_nShade >= m_content.cx) || (type == fade && alpha > 100);
    if (done)
        animatedSize = {m_content.cx + m_nShade, m_content.cy + m_nShade};
    return done;
}
