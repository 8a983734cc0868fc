#include "panes/navigation/CVrxPTasksPaneHistory.h"

bool CVrxPTasksPaneHistory::ShowPage(int nPage, int nPages)
{
    if (nPage < 0 || nPage >= nPages || nPage == CurrentPage())
        return false;
    m_entries.resize(static_cast<std::size_t>(m_nPosition) + 1);
    if (Length() >= defaultLimit)
        m_entries.erase(m_entries.begin());
    m_entries.push_back(nPage);
    m_nPosition = Length() - 1;
    return true;
}

bool CVrxPTasksPaneHistory::MoveTo(int nPosition)
{
    if (nPosition < 0 || nPosition >= Length() || nPosition == m_nPosition)
        return false;
    m_nPosition = nPosition;
    return true;
}

std::vector<int> CVrxPTasksPaneHistory::BackPages() const
{
    return std::vector<int>(m_entries.rend() - m_nPosition, m_entries.rend());
}

std::vector<int> CVrxPTasksPaneHistory::ForwardPages() const
{
    return std::vector<int>(m_entries.begin() + m_nPosition + 1, m_entries.end());
}
