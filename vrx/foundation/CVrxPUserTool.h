#pragma once

// An external program the user added as a command (CVrxPUserToolRecord: what
// it keeps), with its icon.

#include "foundation/CVrxPUserToolRecord.h"
#include "gdi/CDC.h"
#include "strings/CRect.h"
#include "strings/CString.h"

class CVrxPUserTool : public CVrxPUserToolRecord
{
    DECLARE_SERIAL(CVrxPUserTool)
public:
    CVrxPUserTool();
    ~CVrxPUserTool() override;

    void Serialize(CArchive& ar) override;
    // Starts the program; FALSE for an empty command or a failed start.
    virtual BOOL Launch();
    // The program's small icon, or the shared default icon.
    virtual HICON FetchIcon();
    virtual HICON GetDefaultIcon();
    virtual void FreeIcon();

    // A different command (case-sensitive) takes its program's icon.
    void ChangeCommand(LPCTSTR lpszCommand);
    HICON GetIcon() const { return m_hIcon; }
    // Centred, or from the left or top edge of a smaller rectangle.
    void PaintIcon(CDC* pDC, const CRect& rect);
    BOOL PutIconOnClipboard();

private:
    HICON m_hIcon;
};
