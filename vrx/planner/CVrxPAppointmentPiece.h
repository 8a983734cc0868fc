#pragma once

#include "core/Platform.h"

// One piece of an appointment drawn over a run of days: its rectangle,
// whether the appointment starts (bit 1) or ends (bit 2) inside it, and
// whether it shows.
class CVrxPAppointmentPiece
{
public:
    enum Kind { kindStart = 1, kindFinish = 2 };

    CVrxPAppointmentPiece();
    virtual ~CVrxPAppointmentPiece() = default;
    virtual void Reset();

    const RECT& GetRect() const { return m_rect; }
    void SetRect(const RECT& rect) { m_rect = rect; }
    int GetKind() const { return m_nKind; }
    void SetKind(int nKind) { m_nKind = nKind; }
    bool IsVisible() const { return m_bVisible != 0; }
    void SetVisible(bool bVisible) { m_bVisible = bVisible ? 1 : 0; }

private:
    RECT m_rect;
    int m_nKind;
    int m_bVisible;
};

// A screen piece adds what the view's drawing leaves on it.
class CVrxPAppointmentScreenPiece : public CVrxPAppointmentPiece
{
public:
    CVrxPAppointmentScreenPiece();
    void Reset() override;

    int GetDrawState() const { return m_nDrawState; }
    void SetDrawState(int nDrawState) { m_nDrawState = nDrawState; }
    const RECT& GetEditRect() const { return m_rectEdit; }
    void SetEditRect(const RECT& rect) { m_rectEdit = rect; }
    const RECT& GetTextRect() const { return m_rectText; }
    void SetTextRect(const RECT& rect) { m_rectText = rect; }

private:
    int m_nDrawState;
    RECT m_rectEdit;
    RECT m_rectText;
};
