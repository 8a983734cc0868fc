#include "ole/COleDispatchException.h"
#include "ole/COleException.h"

#include <gtest/gtest.h>

namespace {

CString MessageOf(const CException& e)
{
    char buffer[256] = {};
    EXPECT_TRUE(e.GetErrorMessage(buffer, sizeof(buffer)));
    return buffer;
}

TEST(COleExceptionTest, ProcessGivesAStatusCodeForAnyException)
{
    COleException ole(DISP_E_BADINDEX, FALSE);
    CMemoryException memory(FALSE);
    CNotSupportedException notSupported(FALSE);
    CInvalidArgException invalidArg(FALSE);
    CUserException user(FALSE);
    struct Case { const CException* pException; SCODE expected; } cases[] = {
        {&ole, DISP_E_BADINDEX},
        {&memory, E_OUTOFMEMORY},
        {&notSupported, E_NOTIMPL},
        {&invalidArg, E_INVALIDARG},
        {&user, E_UNEXPECTED},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, COleException::Process(c.pException))
            << c.pException->GetRuntimeClass()->m_lpszClassName;
}

TEST(COleExceptionTest, MessagesComeFromTheSystemOrShowTheCode)
{
    CString known = MessageOf(COleException(E_OUTOFMEMORY, FALSE));
    EXPECT_FALSE(known.IsEmpty());
    EXPECT_EQ(-1, known.Find("OLE error"));
    EXPECT_NE('\n', known[known.GetLength() - 1]);

    EXPECT_STREQ("OLE error 0x8004ABCD", MessageOf(COleException(static_cast<SCODE>(0x8004ABCD), FALSE)));
}

TEST(COleExceptionTest, DispatchExceptionMessages)
{
    COleDispatchException described("Workbook is locked", 12, 3);
    EXPECT_STREQ("Workbook is locked", MessageOf(described));
    UINT nHelpContext = 0;
    char buffer[8] = {};
    EXPECT_TRUE(described.GetErrorMessage(buffer, sizeof(buffer), &nHelpContext));
    EXPECT_STREQ("Workboo", buffer);
    EXPECT_EQ(12u, nHelpContext);

    COleDispatchException coded(nullptr, 0, 5);
    EXPECT_STREQ("Automation error 5", MessageOf(coded));
    coded.m_scError = static_cast<SCODE>(0x8004ABCD);
    EXPECT_STREQ("OLE error 0x8004ABCD", MessageOf(coded));
}

TEST(COleExceptionTest, ThrowFunctionsThrowPointers)
{
    int caught = 0;
    try
    {
        AfxThrowOleDispatchException(7, "raised");
    }
    catch (COleDispatchException* e)
    {
        caught++;
        EXPECT_EQ(7, e->m_wCode);
        EXPECT_STREQ("raised", e->m_strDescription);
        e->Delete();
    }
    try
    {
        AfxThrowOleException(E_ACCESSDENIED);
    }
    catch (COleException* e)
    {
        caught++;
        EXPECT_EQ(E_ACCESSDENIED, e->m_sc);
        e->Delete();
    }
    EXPECT_EQ(2, caught);
}

} // namespace
