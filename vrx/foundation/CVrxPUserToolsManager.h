#pragma once

// The user tools and the range of command ids they take. The list is saved as
// the value "Tools" (an archived object list of the tools) under the
// profile.

#include "collections/CObList.h"
#include "core/CObject.h"
#include "strings/CString.h"

class CVrxPUserTool;

class CVrxPUserToolsManager : public CObject
{
public:
    // The tools take the ids nFirstId..nLastId; nToolsMenuCommand marks where
    // menus show them; tools are made of pToolClass (CVrxPUserTool or a
    // class derived from it).
    CVrxPUserToolsManager(UINT nToolsMenuCommand, UINT nFirstId, UINT nLastId, CRuntimeClass* pToolClass = nullptr,
                          UINT nArgumentsMenuId = 0, UINT nDirectoryMenuId = 0);
    ~CVrxPUserToolsManager() override;

    // The manager, or NULL when none exists.
    static CVrxPUserToolsManager* Instance();

    BOOL IsToolCommandId(UINT nId) const;
    // A new tool with the lowest free id, or NULL when every id is taken.
    CVrxPUserTool* AppendTool();
    // The tool's buttons leave every toolbar too.
    BOOL DeleteTool(CVrxPUserTool* pTool);
    BOOL ShiftToolUp(CVrxPUserTool* pTool);
    BOOL ShiftToolDown(CVrxPUserTool* pTool);
    CVrxPUserTool* LookupTool(UINT nId) const;
    BOOL LaunchTool(UINT nId) const;
    const CObList& GetTools() const { return m_tools; }

    BOOL StoreState(LPCTSTR lpszProfile);
    // Replaces the tools by the saved ones; the list is empty when they
    // cannot be read, or when the value holds anything but tools with
    // distinct ids of the range.
    BOOL RestoreState(LPCTSTR lpszProfile);

    UINT toolsMenuCommand;
    UINT firstId;
    UINT lastId;
    CRuntimeClass* toolClass;
    // What the customise dialog's Tools page offers for choosing a program.
    CString fileDialogFilter;
    CString defaultExtension;
    UINT argumentsMenuId;
    UINT directoryMenuId;

private:
    void DeleteAllTools();
    void RemoveToolButtons(UINT nCommand);

    CObList m_tools;
};
