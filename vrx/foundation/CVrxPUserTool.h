#pragma once

// An external program the user added as a command: its name, the program, its
// arguments and initial directory, and the command id it runs under.
//
// Archive: name, command, arguments, initial directory (framework strings),
// command id (32 bits).

#include "core/CObject.h"
#include "gdi/CDC.h"
#include "strings/CRect.h"
#include "strings/CString.h"

class CVrxPUserTool : public CObject
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
    const CString& GetCommand() const { return m_strCommand; }
    HICON GetIcon() const { return m_hIcon; }
    // Centred, or from the left or top edge of a smaller rectangle.
    void PaintIcon(CDC* pDC, const CRect& rect);
    BOOL PutIconOnClipboard();

    CString name;
    CString arguments;
    CString initialDirectory;
    UINT commandId;

private:
    CString m_strCommand;
    HICON m_hIcon;
};
