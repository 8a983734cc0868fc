#include "ole/COleException.h"
#include "ole/COleVariant.h"

#include <gtest/gtest.h>

namespace {

TEST(COleVariantTest, TypedConstructors)
{
    struct Case
    {
        COleVariant value;
        VARTYPE vt;
        LONGLONG expected;
    };
    const Case cases[] = {
        {COleVariant(), VT_EMPTY, 0},
        {COleVariant(static_cast<BYTE>(200)), VT_UI1, 200},
        {COleVariant(static_cast<short>(-3)), VT_I2, -3},
        {COleVariant(static_cast<short>(5), VT_BOOL), VT_BOOL, VARIANT_TRUE},
        {COleVariant(70000L), VT_I4, 70000},
        {COleVariant(0L, VT_BOOL), VT_BOOL, VARIANT_FALSE},
        {COleVariant(static_cast<long>(DISP_E_PARAMNOTFOUND), VT_ERROR), VT_ERROR, DISP_E_PARAMNOTFOUND},
        {COleVariant(12), VT_I4, 12},
        {COleVariant(-1099511627776LL), VT_I8, -1099511627776LL},
        {COleVariant(static_cast<ULONGLONG>(1) << 63), VT_UI8, static_cast<LONGLONG>(static_cast<ULONGLONG>(1) << 63)},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(c.vt, c.value.vt);
        LONGLONG actual = 0;
        switch (c.vt)
        {
        case VT_UI1: actual = c.value.bVal; break;
        case VT_I2: actual = c.value.iVal; break;
        case VT_BOOL: actual = c.value.boolVal; break;
        case VT_I4: actual = c.value.lVal; break;
        case VT_ERROR: actual = c.value.scode; break;
        case VT_I8: actual = c.value.llVal; break;
        case VT_UI8: actual = static_cast<LONGLONG>(c.value.ullVal); break;
        default: break;
        }
        EXPECT_EQ(c.expected, actual) << "type " << c.vt;
    }

    COleVariant real(2.5);
    EXPECT_EQ(VT_R8, real.vt);
    EXPECT_EQ(2.5, real.dblVal);
    COleVariant date(36526.0, VT_DATE);
    EXPECT_EQ(VT_DATE, date.vt);
    EXPECT_EQ(36526.0, date.date);
    COleVariant single(1.25f);
    EXPECT_EQ(VT_R4, single.vt);
    EXPECT_EQ(1.25f, single.fltVal);

    COleVariant text("Sys_Config");
    ASSERT_EQ(VT_BSTR, text.vt);
    EXPECT_STREQ(L"Sys_Config", text.bstrVal);
    COleVariant fromString(CString("File_Path"));
    EXPECT_STREQ(L"File_Path", fromString.bstrVal);
}

TEST(COleVariantTest, CopiesAreDeep)
{
    COleVariant original("Program");
    COleVariant copy(original);
    EXPECT_NE(original.bstrVal, copy.bstrVal);
    EXPECT_TRUE(copy == original);

    COleVariant assigned;
    assigned = original;
    EXPECT_NE(original.bstrVal, assigned.bstrVal);
    original = "changed";
    EXPECT_STREQ(L"Program", assigned.bstrVal);
    EXPECT_STREQ(L"Program", copy.bstrVal);

    VARIANT plain;
    ::VariantInit(&plain);
    plain.vt = VT_BSTR;
    plain.bstrVal = ::SysAllocString(L"plain");
    COleVariant fromPlain(plain);
    EXPECT_NE(plain.bstrVal, fromPlain.bstrVal);
    ::VariantClear(&plain);
    EXPECT_STREQ(L"plain", fromPlain.bstrVal);

    assigned = assigned;
    EXPECT_STREQ(L"Program", assigned.bstrVal);
}

TEST(COleVariantTest, MovesAttachAndDetachHandOverTheValue)
{
    COleVariant source("moved");
    BSTR bstr = source.bstrVal;
    COleVariant target(std::move(source));
    EXPECT_EQ(bstr, target.bstrVal);
    EXPECT_EQ(VT_EMPTY, source.vt);

    VARIANT detached = target.Detach();
    EXPECT_EQ(VT_EMPTY, target.vt);
    EXPECT_EQ(bstr, detached.bstrVal);

    COleVariant attached(5L);
    attached.Attach(detached);
    EXPECT_EQ(VT_EMPTY, detached.vt);
    EXPECT_EQ(bstr, attached.bstrVal);
}

TEST(COleVariantTest, Equality)
{
    EXPECT_TRUE(COleVariant(5L) == COleVariant(5L));
    EXPECT_FALSE(COleVariant(5L) == COleVariant(6L));
    EXPECT_FALSE(COleVariant(5L) == COleVariant(static_cast<short>(5)));
    EXPECT_TRUE(COleVariant("abc") == COleVariant("abc"));
    EXPECT_TRUE(COleVariant("abc") != COleVariant("abd"));
    EXPECT_TRUE(COleVariant("abc") != COleVariant("ab"));
    EXPECT_TRUE(COleVariant() == COleVariant());
    EXPECT_TRUE(COleVariant(2.0) == COleVariant(2.0));
    EXPECT_FALSE(COleVariant(2.0) == COleVariant(2.0, VT_DATE));
}

TEST(COleVariantTest, ChangeTypeConvertsOrThrows)
{
    COleVariant number(42L);
    number.ChangeType(VT_BSTR);
    ASSERT_EQ(VT_BSTR, number.vt);
    EXPECT_STREQ(L"42", number.bstrVal);

    COleVariant converted;
    COleVariant source("17");
    converted.ChangeType(VT_I4, &source);
    EXPECT_EQ(VT_I4, converted.vt);
    EXPECT_EQ(17, converted.lVal);
    EXPECT_EQ(VT_BSTR, source.vt);

    COleVariant text("not a number");
    SCODE sc = S_OK;
    try
    {
        text.ChangeType(VT_I4);
    }
    catch (COleException* e)
    {
        sc = e->m_sc;
        e->Delete();
    }
    EXPECT_EQ(DISP_E_TYPEMISMATCH, sc);
    EXPECT_EQ(VT_BSTR, text.vt);
}

TEST(COleVariantTest, ClearEmpties)
{
    COleVariant value("text");
    value.Clear();
    EXPECT_EQ(VT_EMPTY, value.vt);
    value = 3;
    EXPECT_EQ(VT_I4, value.vt);
    value = 2.5;
    EXPECT_EQ(VT_R8, value.vt);
}

} // namespace
