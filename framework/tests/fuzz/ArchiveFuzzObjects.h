#pragma once

// The classes the archive harness and its seed writer share. Every object
// they create, and every collection the archive creates by class name, is
// known while it lives, so one input's objects are freed together however
// they refer to each other and wherever loading stopped.

#include "collections/CObList.h"
#include "collections/CStringArray.h"
#include "core/CObject.h"
#include "strings/CString.h"

#include <set>

std::set<CObject*>& AliveArchiveObjects();
// Makes the serializable collections, when loaded by class name, known too.
void TrackCollectionCreation();
void DeleteAliveArchiveObjects();

// A number, a text, a reference to any object (not owned) and a list of
// child objects (not owned either).
class CFuzzNode : public CObject
{
    DECLARE_SERIAL(CFuzzNode)
public:
    CFuzzNode();
    ~CFuzzNode() override;
    void Serialize(CArchive& ar) override;

    int m_nValue = 0;
    CString m_strText;
    CObject* m_pLink = nullptr;
    CObList m_children;
};

// Versionable: schema 1 held the number only, schema 2 adds the names.
class CFuzzVersioned : public CObject
{
    DECLARE_SERIAL(CFuzzVersioned)
public:
    CFuzzVersioned();
    ~CFuzzVersioned() override;
    void Serialize(CArchive& ar) override;

    double m_dValue = 0;
    CStringArray m_names;
};
