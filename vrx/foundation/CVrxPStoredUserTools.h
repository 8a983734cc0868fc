#pragma once

// The user tools as the manager keeps them ("Tools"): the framework's archive
// of an object list of tools, each written with its class. Read without the
// registry; a value is taken whole or not at all. Only new objects of the
// tool class are made while reading, so a value that names another class
// never has one built; a tool listed twice, a command id outside the tools'
// range or one that two tools share, and bytes after the list are refused.

#include "collections/CObList.h"
#include "core/CRuntimeClass.h"

#include <vector>

class CVrxPUserToolRecord;

class CVrxPStoredUserTools
{
public:
    CVrxPStoredUserTools() = default;
    ~CVrxPStoredUserTools();
    CVrxPStoredUserTools(const CVrxPStoredUserTools&) = delete;
    CVrxPStoredUserTools& operator=(const CVrxPStoredUserTools&) = delete;

    static BOOL Store(std::vector<BYTE>& bytes, CObList& tools);
    // pToolClass is a class derived from CVrxPUserToolRecord. FALSE, keeping
    // no tool, unless every tool is one of it with an id in nFirstId..nLastId.
    BOOL Read(const BYTE* pData, UINT nSize, const CRuntimeClass* pToolClass, UINT nFirstId, UINT nLastId);

    const CObList& GetTools() const { return m_tools; }
    // Hands the tools read to the end of the list, which owns them from then.
    void MoveTools(CObList& tools);

private:
    void DeleteTools();

    CObList m_tools;
};
