#include "core/CDumpContext.h"
#include "core/CException.h"
#include "core/CObject.h"
#include "files/CArchive.h"
#include "files/CMemFile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

class CTestShape : public CObject
{
    DECLARE_DYNAMIC(CTestShape)
};
IMPLEMENT_DYNAMIC(CTestShape, CObject)

class CTestCircle : public CTestShape
{
    DECLARE_DYNCREATE(CTestCircle)
public:
    int m_nRadius = 7;
};
IMPLEMENT_DYNCREATE(CTestCircle, CTestShape)

// Creating one by name must fail cleanly.
class CTestRefusing : public CObject
{
    DECLARE_DYNCREATE(CTestRefusing)
public:
    CTestRefusing() { AfxThrowResourceException(); }
};
IMPLEMENT_DYNCREATE(CTestRefusing, CObject)

} // namespace

// Outside the anonymous namespace: IMPLEMENT_SERIAL defines an extraction
// operator that these tests do not call.
class CTestSquare : public CTestShape
{
    DECLARE_SERIAL(CTestSquare)
};
IMPLEMENT_SERIAL(CTestSquare, CTestShape, 3 | VERSIONABLE_SCHEMA)

namespace {

class CCapturingDumpContext : public CDumpContext
{
public:
    CString m_strText;

protected:
    void OutputString(LPCTSTR lpsz) override { m_strText += lpsz; }
};

} // namespace

TEST(RuntimeClassTest, IsDerivedFromFollowsTheBaseChain)
{
    struct Case
    {
        CRuntimeClass* pClass;
        CRuntimeClass* pBase;
        BOOL bExpected;
    };
    const Case cases[] = {
        {RUNTIME_CLASS(CTestCircle), RUNTIME_CLASS(CTestCircle), TRUE},
        {RUNTIME_CLASS(CTestCircle), RUNTIME_CLASS(CTestShape), TRUE},
        {RUNTIME_CLASS(CTestCircle), RUNTIME_CLASS(CObject), TRUE},
        {RUNTIME_CLASS(CTestShape), RUNTIME_CLASS(CTestCircle), FALSE},
        {RUNTIME_CLASS(CTestCircle), RUNTIME_CLASS(CTestSquare), FALSE},
        {RUNTIME_CLASS(CTestCircle), RUNTIME_CLASS(CException), FALSE},
        {RUNTIME_CLASS(CFileException), RUNTIME_CLASS(CException), TRUE},
        {RUNTIME_CLASS(CObject), RUNTIME_CLASS(CTestShape), FALSE},
        {RUNTIME_CLASS(CObject), nullptr, FALSE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.bExpected, c.pClass->IsDerivedFrom(c.pBase)) << c.pClass->m_lpszClassName;
}

TEST(RuntimeClassTest, ObjectsKnowTheirClass)
{
    CTestCircle circle;
    EXPECT_EQ(RUNTIME_CLASS(CTestCircle), circle.GetRuntimeClass());
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CTestShape)));
    EXPECT_FALSE(circle.IsKindOf(RUNTIME_CLASS(CTestSquare)));
    EXPECT_STREQ("CTestCircle", circle.GetRuntimeClass()->m_lpszClassName);
    EXPECT_EQ(static_cast<int>(sizeof(CTestCircle)), RUNTIME_CLASS(CTestCircle)->m_nObjectSize);
}

TEST(RuntimeClassTest, OnlySerialClassesAreSerializable)
{
    CTestCircle circle;
    CTestSquare square;
    EXPECT_FALSE(circle.IsSerializable());
    EXPECT_TRUE(square.IsSerializable());
    EXPECT_EQ(3u | VERSIONABLE_SCHEMA, RUNTIME_CLASS(CTestSquare)->m_wSchema);
}

TEST(RuntimeClassTest, ClassReferenceRoundTripsThroughAnArchive)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        RUNTIME_CLASS(CTestSquare)->Store(ar);
        ar.Close();
    }
    const BYTE expected[] = {3, 0, 11, 0, 'C', 'T', 'e', 's', 't', 'S', 'q', 'u', 'a', 'r', 'e'};
    ASSERT_EQ(sizeof expected, file.GetLength());
    BYTE stored[sizeof expected];
    file.Seek(0, CFile::begin);
    file.Read(stored, sizeof stored);
    EXPECT_EQ(0, memcmp(expected, stored, sizeof expected));

    file.Seek(0, CFile::begin);
    CArchive ar(&file, CArchive::load);
    UINT nSchema = 0;
    EXPECT_EQ(RUNTIME_CLASS(CTestSquare), CRuntimeClass::Load(ar, &nSchema));
    EXPECT_EQ(3u, nSchema);
}

TEST(RuntimeClassTest, DamagedClassReferencesLoadAsNothingOrThrow)
{
    struct Case
    {
        std::vector<BYTE> bytes;
        CRuntimeClass* pExpected;
        bool bThrows;
    };
    const Case cases[] = {
        {{1, 0, 7, 0, 'C', 'O', 'b', 'j', 'e', 'c', 't'}, RUNTIME_CLASS(CObject), false},
        {{1, 0, 7, 0, 'C', 'N', 'o', 'S', 'u', 'c', 'h'}, nullptr, false},
        {{1, 0, 8, 0, 'C', 'O', 'b', 'j', 'e', 'c', 't', 0}, nullptr, false},
        {{1, 0, 0xFF, 0xFF, 'C', 'O'}, nullptr, true},
        {{1, 0, 7}, nullptr, true},
    };
    for (const Case& c : cases)
    {
        CMemFile file(const_cast<BYTE*>(c.bytes.data()), static_cast<UINT>(c.bytes.size()));
        CArchive ar(&file, CArchive::load);
        UINT nSchema = 0;
        try
        {
            CRuntimeClass* pClass = CRuntimeClass::Load(ar, &nSchema);
            EXPECT_FALSE(c.bThrows);
            EXPECT_EQ(c.pExpected, pClass);
        }
        catch (CArchiveException* e)
        {
            EXPECT_TRUE(c.bThrows);
            EXPECT_EQ(CArchiveException::endOfFile, e->m_cause);
            e->Delete();
        }
    }
}

TEST(RuntimeClassTest, CreatesObjectsByName)
{
    std::unique_ptr<CObject> pObject(CRuntimeClass::CreateObject("CTestCircle"));
    ASSERT_NE(nullptr, pObject);
    ASSERT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CTestCircle)));
    EXPECT_EQ(7, static_cast<CTestCircle*>(pObject.get())->m_nRadius);

    std::unique_ptr<CObject> pSquare(RUNTIME_CLASS(CTestSquare)->CreateObject());
    ASSERT_NE(nullptr, pSquare);
    EXPECT_EQ(RUNTIME_CLASS(CTestSquare), pSquare->GetRuntimeClass());
}

TEST(RuntimeClassTest, CreationFailsCleanly)
{
    EXPECT_EQ(nullptr, CRuntimeClass::CreateObject("CTestNoSuchClass"));
    EXPECT_EQ(nullptr, CRuntimeClass::CreateObject(nullptr));
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CTestShape)->CreateObject());
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CTestRefusing)->CreateObject());
}

TEST(RuntimeClassTest, RegistryKnowsEachClassAndItsModule)
{
    CRuntimeClass* pCircle = CRuntimeClass::FromName("CTestCircle");
    ASSERT_EQ(RUNTIME_CLASS(CTestCircle), pCircle);
    EXPECT_EQ(GetModuleHandleA(nullptr), pCircle->m_hModule);

    CRuntimeClass* pException = CRuntimeClass::FromName("CArchiveException");
    ASSERT_EQ(RUNTIME_CLASS(CArchiveException), pException);
    EXPECT_EQ(GetModuleHandleA("framework.dll"), pException->m_hModule);

    EXPECT_EQ(RUNTIME_CLASS(CObject), CRuntimeClass::FromName("CObject"));
    EXPECT_EQ(nullptr, CRuntimeClass::FromName("ctestcircle"));
}

TEST(RuntimeClassTest, UnregisteredClassIsNotFoundUntilRegisteredAgain)
{
    CRuntimeClass* pClass = RUNTIME_CLASS(CTestSquare);
    HMODULE hModule = pClass->m_hModule;
    AfxUnregisterClass(pClass);
    EXPECT_EQ(nullptr, CRuntimeClass::FromName("CTestSquare"));
    EXPECT_EQ(RUNTIME_CLASS(CTestCircle), CRuntimeClass::FromName("CTestCircle"));
    AfxRegisterClass(pClass, hModule);
    AfxRegisterClass(pClass, hModule);
    EXPECT_EQ(pClass, CRuntimeClass::FromName("CTestSquare"));
    AfxUnregisterClass(pClass);
    EXPECT_EQ(nullptr, CRuntimeClass::FromName("CTestSquare"));
    AfxRegisterClass(pClass, hModule);
}

TEST(RuntimeClassTest, DumpNamesTheClass)
{
    CTestCircle circle;
    CCapturingDumpContext dc;
    dc << &circle << static_cast<const CObject*>(nullptr) << 42 << "|";
    EXPECT_EQ(0, dc.m_strText.Find("a CTestCircle at $"));
    EXPECT_NE(-1, dc.m_strText.Find("\nNULL42|"));
}
