#include "CVrxPAppointmentPiece.h"

CVrxPAppointmentPiece::CVrxPAppointmentPiece()
{
    CVrxPAppointmentPiece::Reset();
}

void CVrxPAppointmentPiece::Reset()
{
    SetRectEmpty(&m_rect);
    m_nKind = 0;
    m_bVisible = 0;
}

CVrxPAppointmentScreenPiece::CVrxPAppointmentScreenPiece()
{
    CVrxPAppointmentScreenPiece::Reset();
}

void CVrxPAppointmentScreenPiece::Reset()
{
    CVrxPAppointmentPiece::Reset();
    m_nDrawState = 0;
    SetRectEmpty(&m_rectEdit);
    SetRectEmpty(&m_rectText);
}
