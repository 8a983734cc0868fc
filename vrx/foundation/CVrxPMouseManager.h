#pragma once

// Binds a command to a double click in each kind of view. The bindings are
// saved under "<profile>" in the value "Mouse": a 32-bit count, then for each
// binding the view id (32-bit signed) and the command (32-bit unsigned).

#include "collections/CMap.h"
#include "collections/CStringList.h"
#include "core/CObject.h"
#include "strings/CString.h"

class CVrxPStoredMouseBindings;

class CVrxPMouseManager : public CObject
{
    DECLARE_SERIAL(CVrxPMouseManager)
public:
    CVrxPMouseManager();
    ~CVrxPMouseManager() override;

    // The manager, or NULL when none exists.
    static CVrxPMouseManager* Instance();

    // -1 when no view has the name.
    int LookupViewId(LPCTSTR lpszViewName) const;
    void ListViewNames(CStringList& names) const;
    // 0 when nothing is bound.
    UINT CommandForView(int nViewId) const;
    UINT IconIdForView(int nViewId) const;
    // Command 0 removes the binding.
    void SetDoubleClickCommand(int nViewId, UINT nCommand);

    // Loading a damaged archive throws and leaves no binding.
    void Serialize(CArchive& ar) override;
    // FALSE, with the bindings as they were, when the key or value is
    // missing; FALSE, with no binding, when the value is damaged.
    BOOL RestoreState(LPCTSTR lpszProfile);
    BOOL StoreState(LPCTSTR lpszProfile);

private:
    void Apply(const CVrxPStoredMouseBindings& stored);

    CMap<CString, LPCTSTR, int, int> m_viewIds;
    CMap<int, int, UINT, UINT> m_commands;
    CMap<int, int, UINT, UINT> m_icons;
};
