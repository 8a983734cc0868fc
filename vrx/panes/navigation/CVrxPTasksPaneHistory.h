#pragma once

// The pages a tasks pane has shown, newest last, and the entry the pane
// shows now. Positions and pages are checked where they come in (a menu's
// chosen index, a stored page): one outside the history or the pages is
// ignored, so no message handler ever meets a bad index.

#include <cstddef>
#include <vector>

class CVrxPTasksPaneHistory
{
public:
    static constexpr int defaultLimit = 10;

    CVrxPTasksPaneHistory() = default;

    int CurrentPage() const { return m_entries[static_cast<std::size_t>(m_nPosition)]; }
    int Position() const { return m_nPosition; }
    int Length() const { return static_cast<int>(m_entries.size()); }
    const std::vector<int>& Entries() const { return m_entries; }
    bool CanGoBack() const { return m_nPosition > 0; }
    bool CanGoForward() const { return m_nPosition < Length() - 1; }

    // Makes page nPage (0 .. nPages - 1) current as a new entry; entries
    // after the position go, and the oldest when the limit is reached.
    // false, changing nothing, for the current page or a page outside.
    bool ShowPage(int nPage, int nPages);
    // Move the position only.
    bool GoBack() { return MoveTo(m_nPosition - 1); }
    bool GoForward() { return MoveTo(m_nPosition + 1); }
    // The i-th entry before the position, newest first (0: one step back),
    // and the i-th after it; an i outside those entries is ignored.
    bool GoBackBy(int i) { return i >= 0 && MoveTo(m_nPosition - i - 1); }
    bool GoForwardBy(int i) { return i >= 0 && MoveTo(m_nPosition + i + 1); }
    // The pages of the entries before the position, newest first, and after
    // it, oldest first: the orders of the back and forward menus.
    std::vector<int> BackPages() const;
    std::vector<int> ForwardPages() const;

private:
    bool MoveTo(int nPosition);

    std::vector<int> m_entries{0};
    int m_nPosition = 0;
};
