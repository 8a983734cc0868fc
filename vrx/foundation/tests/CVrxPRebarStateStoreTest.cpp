#include "foundation/CVrxPRebarStateStore.h"
#include "foundation/CVrxPStoredRebarLayout.h"

#include "docking/CVrxPReBar.h"
#include "foundation/VrxPMakeWindowClass.h"
#include "TestFrame.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <memory>
#include <vector>

namespace
{
const char testProfile[] = "Software\\korvo vrx rebar tests\\";
const char testRoot[] = "Software\\korvo vrx rebar tests";
const UINT rebarId = 500;

// The little-endian 32-bit word at offset of a stored record.
UINT StoredWord(const std::vector<BYTE>& bytes, size_t offset)
{
    return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 | static_cast<UINT>(bytes[offset + 3]) << 24;
}

class RebarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SHDeleteKey(HKEY_CURRENT_USER, testRoot);
        INITCOMMONCONTROLSEX init = {sizeof(init), ICC_COOL_CLASSES};
        InitCommonControlsEx(&init);
        ASSERT_TRUE(m_frame.Create(nullptr, "rebars"));
        ASSERT_TRUE(m_rebar.CreateEx(0, REBARCLASSNAME, "", WS_CHILD | WS_VISIBLE | CCS_NOPARENTALIGN,
                                     CRect(0, 0, 400, 60), &m_frame, rebarId));
    }
    void TearDown() override
    {
        m_children.clear();
        m_frame.DestroyWindow();
        SHDeleteKey(HKEY_CURRENT_USER, testRoot);
    }

    void AddBand(UINT nChildId, UINT nStyle = 0, UINT cxMinChild = 20)
    {
        std::unique_ptr<CWnd> pChild(new CWnd);
        ASSERT_TRUE(pChild->CreateEx(0, VrxPMakeWindowClass("VrxPTest"), "", WS_CHILD | WS_VISIBLE,
                                     CRect(0, 0, 50, 20), &m_rebar, nChildId));
        REBARBANDINFOA band = {};
        band.cbSize = sizeof(band);
        band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_STYLE | RBBIM_SIZE | RBBIM_ID;
        band.fStyle = nStyle;
        band.hwndChild = pChild->GetSafeHwnd();
        band.cxMinChild = cxMinChild;
        band.cyMinChild = 20;
        band.cx = 100;
        band.wID = nChildId;
        ASSERT_TRUE(m_rebar.SendMessage(RB_INSERTBANDA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band)));
        m_children.push_back(std::move(pChild));
    }

    std::vector<int> ChildIds()
    {
        std::vector<int> ids;
        const UINT nBands = static_cast<UINT>(m_rebar.SendMessage(RB_GETBANDCOUNT));
        for (UINT i = 0; i < nBands; i++)
        {
            REBARBANDINFOA band = {};
            band.cbSize = sizeof(band);
            band.fMask = RBBIM_CHILD;
            m_rebar.SendMessage(RB_GETBANDINFOA, i, reinterpret_cast<LPARAM>(&band));
            ids.push_back(static_cast<int>(GetWindowLongPtr(band.hwndChild, GWL_ID)));
        }
        return ids;
    }

    std::vector<BYTE> Stored(const char* name)
    {
        std::vector<BYTE> bytes(1024);
        DWORD nSize = static_cast<DWORD>(bytes.size());
        HKEY hKey;
        if (RegOpenKeyEx(HKEY_CURRENT_USER, (std::string(testProfile) + "VrxRebar-500").c_str(), 0, KEY_READ,
                         &hKey) != ERROR_SUCCESS)
            return {};
        if (RegQueryValueEx(hKey, name, NULL, NULL, bytes.data(), &nSize) != ERROR_SUCCESS)
            nSize = 0;
        RegCloseKey(hKey);
        bytes.resize(nSize);
        return bytes;
    }

    TestFrame m_frame;
    CVrxPReBar m_rebar;
    std::vector<std::unique_ptr<CWnd>> m_children;
};

TEST_F(RebarTest, StoredOrderComesBack)
{
    AddBand(200);
    AddBand(100);
    ASSERT_TRUE(CVrxPRebarStateStore::StoreRebars(testProfile, &m_frame));
    EXPECT_EQ(160u, Stored("RBI").size());
    EXPECT_EQ((std::vector<BYTE>{200, 0, 0, 0, 100, 0, 0, 0}), Stored("IDs"));
    m_rebar.SendMessage(RB_MOVEBAND, 0, 1);
    ASSERT_EQ((std::vector<int>{100, 200}), ChildIds());
    CVrxPRebarStateStore::RestoreRebars(testProfile, &m_frame);
    EXPECT_EQ((std::vector<int>{200, 100}), ChildIds());
}

TEST_F(RebarTest, ChangedBandCountKeepsTheLayout)
{
    AddBand(100);
    AddBand(200);
    ASSERT_TRUE(CVrxPRebarStateStore::StoreRebars(testProfile, &m_frame));
    AddBand(300);
    m_rebar.SendMessage(RB_MOVEBAND, 0, 2);
    const std::vector<int> before = ChildIds();
    CVrxPRebarStateStore::RestoreRebars(testProfile, &m_frame);
    EXPECT_EQ(before, ChildIds());
}

TEST_F(RebarTest, FixedSizeBandIsStoredFourWiderWithoutGrowing)
{
    AddBand(100, RBBS_FIXEDSIZE, 30);
    ASSERT_TRUE(CVrxPRebarStateStore::StoreRebars(testProfile, &m_frame));
    // The record as a 32-bit process lays it out, whatever this build is.
    const std::vector<BYTE> first = Stored("RBI");
    ASSERT_EQ(80u, first.size());
    EXPECT_EQ(80u, StoredWord(first, 0));
    EXPECT_EQ(CVrxPStoredRebarLayout::storedMask, StoredWord(first, 4));
    EXPECT_EQ(RBBS_FIXEDSIZE, StoredWord(first, 8) & RBBS_FIXEDSIZE);
    EXPECT_EQ(0u, StoredWord(first, 32)); // the child window
    EXPECT_EQ(34u, StoredWord(first, 36));
    CVrxPRebarStateStore::RestoreRebars(testProfile, &m_frame);
    ASSERT_TRUE(CVrxPRebarStateStore::StoreRebars(testProfile, &m_frame));
    EXPECT_EQ(34u, StoredWord(Stored("RBI"), 36));
}

TEST_F(RebarTest, RecordsThatDoNotMatchTheIdsAreIgnored)
{
    AddBand(100, 0, 20);
    AddBand(200, 0, 20);
    ASSERT_TRUE(CVrxPRebarStateStore::StoreRebars(testProfile, &m_frame));
    HKEY hKey;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyEx(HKEY_CURRENT_USER, (std::string(testProfile) + "VrxRebar-500").c_str(), 0,
                                          KEY_ALL_ACCESS, &hKey));
    const std::vector<BYTE> shortBands(100, 0);
    RegSetValueEx(hKey, "RBI", 0, REG_BINARY, shortBands.data(), static_cast<DWORD>(shortBands.size()));
    const BYTE swapped[] = {200, 0, 0, 0, 100, 0, 0, 0};
    RegSetValueEx(hKey, "IDs", 0, REG_BINARY, swapped, sizeof(swapped));
    RegCloseKey(hKey);
    CVrxPRebarStateStore::RestoreRebars(testProfile, &m_frame);
    EXPECT_EQ((std::vector<int>{100, 200}), ChildIds());
}
} // namespace
