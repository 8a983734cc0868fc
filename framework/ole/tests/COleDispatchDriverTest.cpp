#include "TestAutomationObject.h"

#include "ole/COleDispatchDriver.h"
#include "ole/COleDispatchException.h"
#include "ole/COleException.h"
#include "ole/COleVariant.h"

#include <gtest/gtest.h>

namespace {

class COleDispatchDriverTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
        m_pObject = new TestAutomationObject;
        m_driver.AttachDispatch(m_pObject);
    }

    void TearDown() override
    {
        m_driver.ReleaseDispatch();
        ::OleUninitialize();
    }

    // Runs call and gives the status code of the COleException it throws.
    template <class Call>
    static SCODE OleFailureOf(Call call)
    {
        try
        {
            call();
        }
        catch (COleException* e)
        {
            SCODE sc = e->m_sc;
            e->Delete();
            return sc;
        }
        return S_OK;
    }

    TestAutomationObject* m_pObject = nullptr;
    COleDispatchDriver m_driver;
};

TEST_F(COleDispatchDriverTest, CallsAMethodWithArgumentsInOrder)
{
    static const BYTE params[] = VTS_I4 VTS_I4;
    long sum = 0;
    m_driver.InvokeHelper(TestAutomationObject::dispidAdd, DISPATCH_METHOD, VT_I4, &sum, params, 40L, 2L);
    EXPECT_EQ(42, sum);

    // The result is converted to the type asked for.
    CString text;
    m_driver.InvokeHelper(TestAutomationObject::dispidAdd, DISPATCH_METHOD, VT_BSTR, &text, params, 1L, 2L);
    EXPECT_STREQ("3", text);
}

TEST_F(COleDispatchDriverTest, PassesEachArgumentKind)
{
    static const BYTE params[] = VTS_BSTR VTS_WBSTR VTS_I2 VTS_BOOL VTS_R8 VTS_UI4 VTS_I8 VTS_UI8;
    m_driver.InvokeHelper(TestAutomationObject::dispidRecord, DISPATCH_METHOD, VT_EMPTY, nullptr, params,
                          "sheet1", L"wide", 7, TRUE, 2.5, 4000000000UL, -5LL, 18446744073709551615ULL);

    const std::vector<VARIANT>& args = m_pObject->recordedArgs;
    ASSERT_EQ(8u, args.size());
    EXPECT_EQ(VT_BSTR, args[0].vt);
    EXPECT_STREQ(L"sheet1", args[0].bstrVal);
    EXPECT_EQ(VT_BSTR, args[1].vt);
    EXPECT_STREQ(L"wide", args[1].bstrVal);
    EXPECT_EQ(VT_I2, args[2].vt);
    EXPECT_EQ(7, args[2].iVal);
    EXPECT_EQ(VT_BOOL, args[3].vt);
    EXPECT_EQ(VARIANT_TRUE, args[3].boolVal);
    EXPECT_EQ(VT_R8, args[4].vt);
    EXPECT_EQ(2.5, args[4].dblVal);
    EXPECT_EQ(VT_UI4, args[5].vt);
    EXPECT_EQ(4000000000UL, args[5].ulVal);
    EXPECT_EQ(VT_I8, args[6].vt);
    EXPECT_EQ(-5LL, args[6].llVal);
    EXPECT_EQ(VT_UI8, args[7].vt);
    EXPECT_EQ(18446744073709551615ULL, args[7].ullVal);
    EXPECT_TRUE(m_pObject->recordedNamedArgs.empty());
    EXPECT_EQ(DISPATCH_METHOD, m_pObject->recordedFlags);
}

TEST_F(COleDispatchDriverTest, OmittedArgumentsArriveAsParamNotFound)
{
    COleVariant missing(static_cast<long>(DISP_E_PARAMNOTFOUND), VT_ERROR);
    COleVariant fileName("C:\\preset.xls");
    static const BYTE params[] = VTS_VARIANT VTS_VARIANT VTS_VARIANT;
    m_driver.InvokeHelper(TestAutomationObject::dispidRecord, DISPATCH_METHOD, VT_EMPTY, nullptr, params,
                          static_cast<const VARIANT*>(fileName), static_cast<const VARIANT*>(missing),
                          static_cast<const VARIANT*>(nullptr));

    const std::vector<VARIANT>& args = m_pObject->recordedArgs;
    ASSERT_EQ(3u, args.size());
    EXPECT_EQ(VT_BSTR, args[0].vt);
    EXPECT_STREQ(L"C:\\preset.xls", args[0].bstrVal);
    for (int i = 1; i < 3; i++)
    {
        EXPECT_EQ(VT_ERROR, args[i].vt) << i;
        EXPECT_EQ(DISP_E_PARAMNOTFOUND, args[i].scode) << i;
    }
}

TEST_F(COleDispatchDriverTest, PropertyGetAndPut)
{
    CString name;
    m_driver.GetProperty(TestAutomationObject::dispidName, VT_BSTR, &name);
    EXPECT_STREQ("first", name);

    m_driver.SetProperty(TestAutomationObject::dispidName, VT_BSTR, "IR_FP_Key");
    EXPECT_EQ(DISPATCH_PROPERTYPUT, m_pObject->recordedFlags);
    ASSERT_EQ(1u, m_pObject->recordedNamedArgs.size());
    EXPECT_EQ(DISPID_PROPERTYPUT, m_pObject->recordedNamedArgs[0]);

    m_driver.GetProperty(TestAutomationObject::dispidName, VT_BSTR, &name);
    EXPECT_STREQ("IR_FP_Key", name);
}

TEST_F(COleDispatchDriverTest, PutWithIndexArgumentsNamesOnlyTheValue)
{
    static const BYTE params[] = VTS_I4 VTS_I4 VTS_BSTR;
    m_driver.InvokeHelper(TestAutomationObject::dispidRecord, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, params,
                          3L, 2L, "value");
    ASSERT_EQ(1u, m_pObject->recordedNamedArgs.size());
    EXPECT_EQ(DISPID_PROPERTYPUT, m_pObject->recordedNamedArgs[0]);
    // The value is the last argument in call order.
    ASSERT_EQ(3u, m_pObject->recordedArgs.size());
    EXPECT_EQ(VT_BSTR, m_pObject->recordedArgs[2].vt);
    EXPECT_EQ(3, m_pObject->recordedArgs[0].lVal);
}

TEST_F(COleDispatchDriverTest, ArrayResultsComeInAVariant)
{
    COleVariant values;
    m_driver.InvokeHelper(TestAutomationObject::dispidValues, DISPATCH_PROPERTYGET, VT_VARIANT, &values, nullptr);
    ASSERT_EQ(VT_ARRAY | VT_VARIANT, values.vt);
    SAFEARRAY* pArray = values.parray;
    ASSERT_EQ(2u, ::SafeArrayGetDim(pArray));
    LONG lower = 0, upper = 0;
    ::SafeArrayGetLBound(pArray, 1, &lower);
    ::SafeArrayGetUBound(pArray, 1, &upper);
    EXPECT_EQ(1, lower);
    EXPECT_EQ(2, upper);

    LONG indexes[2] = {1, 2};
    COleVariant cell;
    ASSERT_TRUE(SUCCEEDED(::SafeArrayGetElement(pArray, indexes, static_cast<VARIANT*>(&cell))));
    EXPECT_EQ(VT_R8, cell.vt);
    EXPECT_EQ(42.0, cell.dblVal);
    indexes[0] = 2;
    indexes[1] = 1;
    cell.Clear();
    ASSERT_TRUE(SUCCEEDED(::SafeArrayGetElement(pArray, indexes, static_cast<VARIANT*>(&cell))));
    EXPECT_EQ(VT_BSTR, cell.vt);
    EXPECT_STREQ(L"field", cell.bstrVal);
}

TEST_F(COleDispatchDriverTest, AnErrorRaisedByTheObjectBecomesADispatchException)
{
    COleDispatchException* pCaught = nullptr;
    try
    {
        m_driver.InvokeHelper(TestAutomationObject::dispidFail, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr);
    }
    catch (COleDispatchException* e)
    {
        pCaught = e;
    }
    ASSERT_NE(nullptr, pCaught);
    EXPECT_EQ(1004, pCaught->m_wCode);
    EXPECT_EQ(E_FAIL, pCaught->m_scError);
    EXPECT_STREQ("TestAutomationObject", pCaught->m_strSource);
    EXPECT_STREQ("Sheet \"Program\" not found", pCaught->m_strDescription);
    char message[100] = {};
    EXPECT_TRUE(pCaught->GetErrorMessage(message, sizeof(message)));
    EXPECT_STREQ("Sheet \"Program\" not found", message);
    pCaught->Delete();
}

TEST_F(COleDispatchDriverTest, OtherFailuresBecomeOleExceptions)
{
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, OleFailureOf([this] {
                  m_driver.InvokeHelper(99, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr);
              }));

    static const BYTE params[] = VTS_I4;
    EXPECT_EQ(DISP_E_BADPARAMCOUNT, OleFailureOf([this] {
                  m_driver.InvokeHelper(TestAutomationObject::dispidAdd, DISPATCH_METHOD, VT_EMPTY, nullptr,
                                        params, 1L);
              }));

    // A result that does not convert to the type asked for.
    EXPECT_EQ(DISP_E_TYPEMISMATCH, OleFailureOf([this] {
                  long number = 0;
                  m_driver.GetProperty(TestAutomationObject::dispidName, VT_I4, &number);
              }));

    static const BYTE unknownType[] = {0x3F, 0};
    EXPECT_EQ(DISP_E_BADVARTYPE, OleFailureOf([this] {
                  m_driver.InvokeHelper(TestAutomationObject::dispidRecord, DISPATCH_METHOD, VT_EMPTY, nullptr,
                                        unknownType, 1L);
              }));

    COleDispatchDriver empty;
    EXPECT_EQ(E_POINTER, OleFailureOf([&empty] {
                  empty.InvokeHelper(1, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr);
              }));
}

TEST_F(COleDispatchDriverTest, ReferencesFollowTheDriversLifetime)
{
    EXPECT_EQ(1, m_pObject->RefCount());
    {
        COleDispatchDriver copy(m_driver);
        EXPECT_EQ(2, m_pObject->RefCount());
        COleDispatchDriver assigned;
        assigned = copy;
        EXPECT_EQ(3, m_pObject->RefCount());
    }
    EXPECT_EQ(1, m_pObject->RefCount());

    LPDISPATCH lpDispatch = m_driver.DetachDispatch();
    EXPECT_EQ(nullptr, m_driver.m_lpDispatch);
    EXPECT_EQ(1, m_pObject->RefCount());
    {
        COleDispatchDriver borrowed(lpDispatch, FALSE);
    }
    EXPECT_EQ(1, m_pObject->RefCount());
    m_driver.AttachDispatch(lpDispatch);
}

TEST_F(COleDispatchDriverTest, CreateDispatchOfAnUnknownProgIdFails)
{
    COleDispatchDriver driver;
    COleException error;
    EXPECT_FALSE(driver.CreateDispatch("Korvo.NoSuchServer.1", &error));
    EXPECT_TRUE(FAILED(error.m_sc));
    EXPECT_EQ(nullptr, driver.m_lpDispatch);
    char message[200] = {};
    EXPECT_TRUE(error.GetErrorMessage(message, sizeof(message)));
    EXPECT_NE('\0', message[0]);

    EXPECT_FALSE(driver.CreateDispatch("Korvo.NoSuchServer.1"));
}

// Hands out TestAutomationObjects, registered for this process only.
class TestClassFactory : public IClassFactory
{
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (riid == IID_IUnknown || riid == IID_IClassFactory)
        {
            *ppv = static_cast<IClassFactory*>(this);
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* pOuter, REFIID riid, void** ppv) override
    {
        if (pOuter != nullptr)
            return CLASS_E_NOAGGREGATION;
        TestAutomationObject* pObject = new TestAutomationObject;
        HRESULT hr = pObject->QueryInterface(riid, ppv);
        pObject->Release();
        return hr;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

// {6D0B5C0E-3A1F-4E51-9C1B-2F7E0A5D8C41}
const CLSID CLSID_TestAutomationObject = {0x6d0b5c0e, 0x3a1f, 0x4e51, {0x9c, 0x1b, 0x2f, 0x7e, 0x0a, 0x5d, 0x8c, 0x41}};

TEST_F(COleDispatchDriverTest, CreateDispatchStartsARegisteredClass)
{
    TestClassFactory factory;
    DWORD cookie = 0;
    ASSERT_TRUE(SUCCEEDED(::CoRegisterClassObject(CLSID_TestAutomationObject, &factory, CLSCTX_INPROC_SERVER,
                                                  REGCLS_MULTIPLEUSE, &cookie)));
    {
        COleDispatchDriver driver;
        COleException error;
        ASSERT_TRUE(driver.CreateDispatch(CLSID_TestAutomationObject, &error)) << std::hex << error.m_sc;
        static const BYTE params[] = VTS_I4 VTS_I4;
        long sum = 0;
        driver.InvokeHelper(TestAutomationObject::dispidAdd, DISPATCH_METHOD, VT_I4, &sum, params, 5L, 6L);
        EXPECT_EQ(11, sum);
    }
    ::CoRevokeClassObject(cookie);
}

} // namespace
