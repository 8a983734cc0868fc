#include "ole/COleVariant.h"

#include "core/CException.h"
#include "files/CArchive.h"
#include "files/CMemFile.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<BYTE> Store(const COleVariant& value)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << value;
        ar.Close();
    }
    std::vector<BYTE> bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

COleVariant Load(std::vector<BYTE> bytes)
{
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    COleVariant value;
    ar >> value;
    return value;
}

TEST(COleVariantArchive, ValuesRoundTrip)
{
    const COleVariant values[] = {
        COleVariant(),
        COleVariant(-123456L),
        COleVariant(3.25),
        COleVariant(45000.5, VT_DATE),
        COleVariant(static_cast<short>(1), VT_BOOL),
        COleVariant(0L, VT_BOOL),
        COleVariant("appointment text"),
        COleVariant(""),
        COleVariant(static_cast<BYTE>(9)),
        COleVariant(static_cast<short>(-2)),
        COleVariant(1.5f),
        COleVariant(-7LL),
        COleVariant(static_cast<long>(DISP_E_PARAMNOTFOUND), VT_ERROR),
    };
    for (const COleVariant& value : values)
    {
        COleVariant loaded = Load(Store(value));
        EXPECT_TRUE(loaded == value) << "type " << value.vt;
    }
}

TEST(COleVariantArchive, TheTypeWordComesFirstThenTheValue)
{
    struct Case
    {
        COleVariant value;
        std::vector<BYTE> bytes;
    };
    const Case cases[] = {
        {COleVariant(0x01020304L), {VT_I4, 0, 4, 3, 2, 1}},
        {COleVariant(static_cast<short>(1), VT_BOOL), {VT_BOOL, 0, 0xFF, 0xFF}},
        {COleVariant("ab"), {VT_BSTR, 0, 2, 'a', 'b'}},
        {COleVariant(1.0), {VT_R8, 0, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F}},
        {COleVariant(), {VT_EMPTY, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.bytes, Store(c.value)) << "type " << c.value.vt;
}

TEST(COleVariantArchive, DamagedDataThrowsArchiveExceptions)
{
    struct Case
    {
        std::vector<BYTE> bytes;
        int cause;
    };
    const Case cases[] = {
        {{VT_I4, 0, 1, 2}, CArchiveException::endOfFile},
        {{VT_R8, 0}, CArchiveException::endOfFile},
        {{VT_DISPATCH, 0}, CArchiveException::badIndex},
        {{0xFF, 0x7F}, CArchiveException::badIndex},
    };
    for (const Case& c : cases)
    {
        int cause = -1;
        try
        {
            Load(c.bytes);
        }
        catch (CArchiveException* e)
        {
            cause = e->m_cause;
            e->Delete();
        }
        EXPECT_EQ(c.cause, cause) << "type word " << static_cast<int>(c.bytes[0]);
    }
}

TEST(COleVariantArchive, ObjectsCannotBeStored)
{
    COleVariant array;
    array.vt = VT_ARRAY | VT_I4;
    SAFEARRAYBOUND bound = {1, 0};
    array.parray = ::SafeArrayCreate(VT_I4, 1, &bound);
    bool refused = false;
    try
    {
        Store(array);
    }
    catch (CNotSupportedException* e)
    {
        refused = true;
        e->Delete();
    }
    EXPECT_TRUE(refused);
}

} // namespace
