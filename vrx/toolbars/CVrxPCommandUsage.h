#pragma once

// How often each command was chosen, with the total, for the whole process.
// Shortened menus hide what this calls rarely used. No window is touched
// here, so the counter and its archive also build natively.
//
// Archive ("CommandsUsage" among the toolbar parameters): uint32 total, then
// the counts as a map: its entry count (16-bit, or 0xFFFF and a 32-bit
// count), then per entry uint32 command id and uint32 count.

#include "collections/CList.h"
#include "collections/CMap.h"
#include "core/CObject.h"

class CVrxPCommandUsage : public CObject
{
public:
    static constexpr UINT defaultUsagePercent = 5;
    // Task-pane commands that stay in every menu.
    static constexpr UINT backCommand = 17020;
    static constexpr UINT forwardCommand = 17021;
    static constexpr UINT otherTaskPanesCommand = 17024;

    CVrxPCommandUsage();

    static CVrxPCommandUsage& Global();

    // What decides whether a command is counted or may be hidden, besides
    // the counts: the library's customise mode and the application's list
    // of basic commands (empty: nothing is ever hidden).
    struct Context
    {
        BOOL customizeMode = FALSE;
        const CList<UINT, UINT>* basicCommands = nullptr;
    };

    // Ids the library never counts nor customises: recent files, system
    // commands, window-list ids and OLE verbs.
    static BOOL IsReservedCommandId(UINT nID);

    void AddCommandUsage(UINT nID, const Context& context);
    BOOL IsFrequentlyUsed(UINT nID) const;
    // The counts are trusted once the total reaches the minimum total.
    BOOL HasEnoughUses() const { return m_nTotal >= minimumTotal; }
    BOOL IsRarelyUsed(UINT nID, const Context& context) const;
    void Reset();

    UINT GetTotal() const { return m_nTotal; }
    UINT GetCount(UINT nID) const;
    INT_PTR GetEntryCount() const { return m_counts.GetCount(); }

    // Loading keeps entries the archive does not name.
    void Serialize(CArchive& ar) override;

    static UINT minimumTotal;
    // A command is frequently used above this share of all uses, in whole
    // percent; 0 means used at least once.
    static UINT usagePercent;

private:
    static BOOL IsBasic(UINT nID, const Context& context);

    CMap<UINT, UINT, UINT, UINT> m_counts;
    UINT m_nTotal;
};
