#pragma once

// Keeps the keyboard shortcuts customisable: saves and reloads the
// accelerator tables of the main frame and of the multi-document templates,
// installs a table the customise dialog built, and answers whether a key is
// bound and which shortcut a command has.
//
// Registry: one key per table, "<profile>VrxKeyboard-<number>" (0 for the
// main frame, the template's resource id for a template), with the value
// "Accelerators": the table's ACCEL entries, 6 bytes each.

#include "core/CObject.h"
#include "strings/CString.h"

#include <vector>

class CFrameWnd;
class CMultiDocTemplate;

class CVrxPKeyboardManager : public CObject
{
public:
    static constexpr const char keyFormat[] = "%sVrxKeyboard-%d";
    static constexpr const char valueAccelerators[] = "Accelerators";
    static constexpr int mainFrameTable = 0;

    CVrxPKeyboardManager();
    ~CVrxPKeyboardManager() override;

    // The manager, or NULL when none exists.
    static CVrxPKeyboardManager* Instance();

    // The tables of the multi-document templates (numbered by their
    // resource id), then the frame's. pFrame NULL: the application's main
    // window when it is a frame.
    BOOL StoreState(LPCTSTR lpszProfile, CFrameWnd* pFrame);
    BOOL RestoreState(LPCTSTR lpszProfile, CFrameWnd* pFrame);
    // FALSE for an empty table or a key that cannot be made.
    BOOL SaveTable(LPCTSTR lpszPath, int nNumber, HACCEL hAccel);
    // A forbidden command stays in the table as command 0. A value that is
    // not whole entries is refused.
    BOOL LoadTable(LPCTSTR lpszPath, int nNumber, HACCEL& hAccel);
    BOOL InstallAccelTable(CMultiDocTemplate* pTemplate, const ACCEL* pEntries, int nCount, CFrameWnd* pFrame);
    // Installs the table for the template (and the frames of its documents
    // that used its old table) or for the frame, and destroys the old table.
    // FALSE, installing nothing, when there is neither.
    BOOL SetAccelTable(CMultiDocTemplate* pTemplate, HACCEL hAccel, CFrameWnd* pFrame);
    // The templates' and the main frame's tables loaded anew from their
    // resources (the main frame's: its default menu id).
    void RestoreDefaultAccelerators();

    // Through a copy of the frame's default table, kept while the frame uses
    // the same table; bOtherCache picks the second of two copies.
    static BOOL IsKeyBound(WORD key, BYTE fVirt, CFrameWnd* pFrame, BOOL bOtherCache);
    // The text of the command's first shortcut.
    static BOOL LookupShortcutText(UINT nCommand, CString& text, CFrameWnd* pFrame, BOOL bOtherCache);
    static BOOL ProducesCharacter(UINT nVirtualKey);
    static UINT UpperCaseKey(UINT nCode);
    // Frees the two table copies.
    static void ReleaseTables();

private:
    static CFrameWnd* FrameOrMainWindow(CFrameWnd* pFrame);
    static std::vector<CMultiDocTemplate*> TemplatesWithTables();
    // NULL for id 0 or a resource that does not load.
    static HACCEL LoadAcceleratorResource(UINT nId);
    CString TablePath(LPCTSTR lpszProfile, int nNumber) const;
};
