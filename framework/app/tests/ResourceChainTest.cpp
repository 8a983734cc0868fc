#include "app/FrameworkResources.h"
#include "app/ResourceChain.h"
#include "core/CRuntimeClass.h"

#include "ProbeResourceIds.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
std::string LoadFromChain(UINT nID)
{
    HINSTANCE hModule = AfxFindStringResourceHandle(nID);
    char szText[256];
    return hModule != NULL && LoadString(hModule, nID, szText, sizeof szText) > 0 ? szText : "(none)";
}

bool DialogIn(HINSTANCE hModule, UINT nID)
{
    return FindResource(hModule, MAKEINTRESOURCE(nID), RT_DIALOG) != NULL;
}

class ResourceChain : public ::testing::Test
{
protected:
    void SetUp() override { AfxSetResourceHandle(GetModuleHandle(NULL)); }
};

TEST_F(ResourceChain, TheProgramComesFirstAndTheFrameworkLast)
{
    EXPECT_EQ(GetModuleHandle(NULL), AfxFindStringResourceHandle(IDS_EXE_AND_PROBES));
    EXPECT_EQ(GetModuleHandle("framework.dll"), AfxFindStringResourceHandle(AFX_IDS_IDLEMESSAGE));
    EXPECT_EQ("Ready", LoadFromChain(AFX_IDS_IDLEMESSAGE));
    // The program has a string in the block of IDS_PROBES_ONLY, but not that one.
    EXPECT_EQ(HINSTANCE(NULL), AfxFindStringResourceHandle(IDS_PROBES_ONLY));
    EXPECT_EQ(HINSTANCE(NULL), AfxFindStringResourceHandle(0x7FF0));
    // A resource no module has: the caller's own lookup then fails in the first link.
    EXPECT_EQ(AfxGetResourceHandle(), AfxFindResourceHandle(MAKEINTRESOURCE(IDD_FIRST_PROBE), RT_DIALOG));
}

TEST_F(ResourceChain, ExtensionDllsJoinInLoadOrderAndLeaveAgain)
{
    HMODULE hFirst = LoadLibrary("app_first_probe.dll");
    ASSERT_NE(HMODULE(NULL), hFirst);
    HMODULE hSecond = LoadLibrary("app_second_probe.dll");
    ASSERT_NE(HMODULE(NULL), hSecond);
    auto leaveChain = reinterpret_cast<void(WINAPI*)()>(GetProcAddress(hFirst, "probe_leave_chain"));
    ASSERT_NE(nullptr, leaveChain);

    EXPECT_EQ("from the program", LoadFromChain(IDS_EXE_AND_PROBES));
    EXPECT_EQ("from the first probe", LoadFromChain(IDS_PROBES_ONLY));
    EXPECT_EQ("only in the second probe", LoadFromChain(IDS_SECOND_PROBE_ONLY));
    EXPECT_EQ("Ready", LoadFromChain(AFX_IDS_IDLEMESSAGE));
    HINSTANCE hDialogModule = AfxFindResourceHandle(MAKEINTRESOURCE(IDD_FIRST_PROBE), RT_DIALOG);
    EXPECT_EQ(hFirst, hDialogModule);
    EXPECT_TRUE(DialogIn(hDialogModule, IDD_FIRST_PROBE));
    EXPECT_NE(nullptr, CRuntimeClass::FromName("CExtensionProbeTarget"));

    // The first probe leaves the chain but stays loaded.
    leaveChain();
    EXPECT_EQ("from the second probe", LoadFromChain(IDS_PROBES_ONLY));
    hDialogModule = AfxFindResourceHandle(MAKEINTRESOURCE(IDD_FIRST_PROBE), RT_DIALOG);
    EXPECT_EQ(AfxGetResourceHandle(), hDialogModule);
    EXPECT_FALSE(DialogIn(hDialogModule, IDD_FIRST_PROBE));
    EXPECT_EQ(nullptr, CRuntimeClass::FromName("CExtensionProbeTarget"));

    // Unloading runs the DllMain's leave as well; a second leave is harmless.
    FreeLibrary(hFirst);
    FreeLibrary(hSecond);
    EXPECT_EQ(HINSTANCE(NULL), AfxFindStringResourceHandle(IDS_SECOND_PROBE_ONLY));
    EXPECT_EQ(HINSTANCE(NULL), AfxFindStringResourceHandle(IDS_PROBES_ONLY));
}

TEST_F(ResourceChain, TheFirstLinkCanBeReplaced)
{
    HMODULE hFramework = GetModuleHandle("framework.dll");
    AfxSetResourceHandle(hFramework);
    EXPECT_EQ(hFramework, AfxGetResourceHandle());
    // The program is no longer searched.
    EXPECT_EQ(HINSTANCE(NULL), AfxFindStringResourceHandle(IDS_EXE_AND_PROBES));
    AfxSetResourceHandle(GetModuleHandle(NULL));
    EXPECT_EQ(GetModuleHandle(NULL), AfxFindStringResourceHandle(IDS_EXE_AND_PROBES));
}
} // namespace
