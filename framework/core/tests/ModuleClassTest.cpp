#include "core/CException.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const char moduleName[] = "framework_core_testmodule.dll";
const char moduleClassName[] = "CModuleException";

} // namespace

TEST(ModuleClassTest, ClassOfALoadedModuleIsCreatedByName)
{
    ASSERT_EQ(nullptr, CRuntimeClass::FromName(moduleClassName));
    HMODULE hModule = LoadLibraryA(moduleName);
    ASSERT_NE(nullptr, hModule);

    CRuntimeClass* pClass = CRuntimeClass::FromName(moduleClassName);
    ASSERT_NE(nullptr, pClass);
    EXPECT_EQ(hModule, pClass->m_hModule);
    EXPECT_TRUE(pClass->IsDerivedFrom(RUNTIME_CLASS(CException)));

    CObject* pObject = CRuntimeClass::CreateObject(moduleClassName);
    ASSERT_NE(nullptr, pObject);
    ASSERT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CException)));
    auto* e = static_cast<CException*>(pObject);
    char text[64];
    EXPECT_TRUE(e->GetErrorMessage(text, sizeof text));
    EXPECT_STREQ("raised in the test module", text);
    e->Delete();

    AfxUnregisterModuleClasses(hModule);
    EXPECT_EQ(nullptr, CRuntimeClass::FromName(moduleClassName));
    EXPECT_NE(nullptr, CRuntimeClass::FromName("CException"));
    EXPECT_TRUE(FreeLibrary(hModule));
}

TEST(ModuleClassTest, UnloadingAModuleTakesItsClassesAlong)
{
    HMODULE hModule = LoadLibraryA(moduleName);
    ASSERT_NE(nullptr, hModule);
    ASSERT_NE(nullptr, CRuntimeClass::FromName(moduleClassName));
    EXPECT_TRUE(FreeLibrary(hModule));
    EXPECT_EQ(nullptr, CRuntimeClass::FromName(moduleClassName));
    EXPECT_EQ(RUNTIME_CLASS(CFileException), CRuntimeClass::FromName("CFileException"));
}
