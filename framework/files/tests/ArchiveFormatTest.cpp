#include "ArchiveBytes.h"

#include "core/CException.h"
#include "files/CMemFile.h"
#include "strings/CString.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct ScalarCase
{
    const char* name;
    std::function<void(CArchive&)> store;
    ByteVector expected;
    // Reads the value back and tells whether it is the one stored.
    std::function<bool(CArchive&)> loadsBack;
};

template <typename T>
std::function<bool(CArchive&)> Reads(T expected)
{
    return [expected](CArchive& ar) {
        T value;
        ar >> value;
        return std::memcmp(&value, &expected, sizeof value) == 0;
    };
}

std::string Text(size_t nLength)
{
    std::string text(nLength, 'x');
    for (size_t i = 0; i < nLength; ++i)
        text[i] = static_cast<char>('a' + i % 26);
    return text;
}

} // namespace

TEST(ArchiveFormatTest, ScalarsAreStoredRawLittleEndian)
{
    const ScalarCase cases[] = {
        {"BYTE", [](CArchive& ar) { ar << static_cast<BYTE>(0xAB); }, ByteWriter().u8(0xAB).bytes(),
            Reads<BYTE>(0xAB)},
        {"WORD", [](CArchive& ar) { ar << static_cast<WORD>(0x1234); }, ByteWriter().u16(0x1234).bytes(),
            Reads<WORD>(0x1234)},
        {"short", [](CArchive& ar) { ar << static_cast<short>(-2); }, ByteWriter().u16(0xFFFE).bytes(),
            Reads<short>(-2)},
        {"char", [](CArchive& ar) { ar << 'k'; }, ByteWriter().u8('k').bytes(), Reads<char>('k')},
        {"LONG", [](CArchive& ar) { ar << static_cast<LONG>(-5); }, ByteWriter().u32(0xFFFFFFFB).bytes(),
            Reads<LONG>(-5)},
        {"DWORD", [](CArchive& ar) { ar << static_cast<DWORD>(0x0A0B0C0D); },
            ByteWriter().u32(0x0A0B0C0D).bytes(), Reads<DWORD>(0x0A0B0C0D)},
        {"int", [](CArchive& ar) { ar << 9; }, ByteWriter().u32(9).bytes(), Reads<int>(9)},
        {"BOOL", [](CArchive& ar) { ar << static_cast<BOOL>(TRUE); }, ByteWriter().u32(1).bytes(),
            Reads<BOOL>(TRUE)},
        {"unsigned", [](CArchive& ar) { ar << 0x80000000u; }, ByteWriter().u32(0x80000000).bytes(),
            Reads<unsigned>(0x80000000u)},
        {"bool", [](CArchive& ar) { ar << true; }, ByteWriter().u8(1).bytes(), Reads<bool>(true)},
        {"float", [](CArchive& ar) { ar << 1.0f; }, ByteWriter().u32(0x3F800000).bytes(), Reads<float>(1.0f)},
        {"double", [](CArchive& ar) { ar << -2.5; }, ByteWriter().u32(0).u32(0xC0040000).bytes(),
            Reads<double>(-2.5)},
        {"LONGLONG", [](CArchive& ar) { ar << static_cast<LONGLONG>(-1) * 0x100000000LL; },
            ByteWriter().u32(0).u32(0xFFFFFFFF).bytes(), Reads<LONGLONG>(-0x100000000LL)},
        {"ULONGLONG", [](CArchive& ar) { ar << static_cast<ULONGLONG>(0x0102030405060708ULL); },
            ByteWriter().u32(0x05060708).u32(0x01020304).bytes(), Reads<ULONGLONG>(0x0102030405060708ULL)},
    };
    for (const ScalarCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        const ByteVector bytes = StoreBytes(c.store);
        EXPECT_EQ(c.expected, bytes);
        bool bSame = false;
        LoadBytes(bytes, [&](CArchive& ar) { bSame = c.loadsBack(ar); });
        EXPECT_TRUE(bSame);
    }
}

TEST(ArchiveFormatTest, CountsUseAWordOrTheEscapeAndADword)
{
    struct Case
    {
        DWORD count;
        ByteVector expected;
    };
    const Case cases[] = {
        {0, ByteWriter().u16(0).bytes()},
        {5, ByteWriter().u16(5).bytes()},
        {0xFFFE, ByteWriter().u16(0xFFFE).bytes()},
        {0xFFFF, ByteWriter().u16(0xFFFF).u32(0xFFFF).bytes()},
        {0x10000, ByteWriter().u16(0xFFFF).u32(0x10000).bytes()},
        {0xFFFFFFFF, ByteWriter().u16(0xFFFF).u32(0xFFFFFFFF).bytes()},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.count);
        const ByteVector bytes = StoreBytes([&](CArchive& ar) { ar.WriteCount(c.count); });
        EXPECT_EQ(c.expected, bytes);
        DWORD_PTR nRead = 0;
        LoadBytes(bytes, [&](CArchive& ar) { nRead = ar.ReadCount(); });
        EXPECT_EQ(c.count, nRead);
    }
}

TEST(ArchiveFormatTest, StringLengthPrefixFollowsTheLength)
{
    struct Case
    {
        size_t length;
        ByteVector prefix;
    };
    const Case cases[] = {
        {0, ByteWriter().u8(0).bytes()},
        {3, ByteWriter().u8(3).bytes()},
        {254, ByteWriter().u8(254).bytes()},
        {255, ByteWriter().u8(0xFF).u16(255).bytes()},
        {0xFFFD, ByteWriter().u8(0xFF).u16(0xFFFD).bytes()},
        {0xFFFE, ByteWriter().u8(0xFF).u16(0xFFFF).u32(0xFFFE).bytes()},
        {0xFFFF, ByteWriter().u8(0xFF).u16(0xFFFF).u32(0xFFFF).bytes()},
        {0x12345, ByteWriter().u8(0xFF).u16(0xFFFF).u32(0x12345).bytes()},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.length);
        const std::string text = Text(c.length);
        const CString string(text.data(), static_cast<int>(text.size()));
        ByteVector expected = c.prefix;
        expected.insert(expected.end(), text.begin(), text.end());

        EXPECT_EQ(expected, StoreBytes([&](CArchive& ar) { ar << string; }));
        // A plain character pointer is stored in the same form.
        EXPECT_EQ(expected, StoreBytes([&](CArchive& ar) { ar << static_cast<LPCTSTR>(string); }));

        CString loaded("not yet");
        LoadBytes(expected, [&](CArchive& ar) { ar >> loaded; });
        EXPECT_EQ(string, loaded);
    }
}

TEST(ArchiveFormatTest, StringKeepsEmbeddedZeros)
{
    const CString string("a\0b", 3);
    const ByteVector bytes = StoreBytes([&](CArchive& ar) { ar << string; });
    EXPECT_EQ(ByteWriter().u8(3).u8('a').u8(0).u8('b').bytes(), bytes);
    CString loaded;
    LoadBytes(bytes, [&](CArchive& ar) { ar >> loaded; });
    EXPECT_EQ(3, loaded.GetLength());
    EXPECT_EQ(string, loaded);
}

TEST(ArchiveFormatTest, WideStringsAreReadAndConverted)
{
    struct Case
    {
        const char* name;
        ByteVector bytes;
        const char* expected;
    };
    const std::string longText = Text(300);
    ByteWriter longWide;
    longWide.u8(0xFF).u16(0xFFFE).u8(0xFF).u16(300);
    for (char ch : longText)
        longWide.u16(static_cast<BYTE>(ch));
    const Case cases[] = {
        {"short", ByteWriter().u8(0xFF).u16(0xFFFE).u8(2).u16('h').u16('i').bytes(), "hi"},
        {"empty", ByteWriter().u8(0xFF).u16(0xFFFE).u8(0).bytes(), ""},
        {"word length", longWide.bytes(), longText.c_str()},
        {"dword length", ByteWriter().u8(0xFF).u16(0xFFFE).u8(0xFF).u16(0xFFFF).u32(1).u16('z').bytes(), "z"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CString loaded("before");
        LoadBytes(c.bytes, [&](CArchive& ar) { ar >> loaded; });
        EXPECT_STREQ(c.expected, loaded);
    }
}

TEST(ArchiveFormatTest, DamagedStringsAreRefused)
{
    struct Case
    {
        const char* name;
        ByteVector bytes;
        int cause;
    };
    const Case cases[] = {
        {"no length", ByteVector(), CArchiveException::endOfFile},
        {"short text", ByteWriter().u8(5).chars("abc").bytes(), CArchiveException::endOfFile},
        {"cut word length", ByteWriter().u8(0xFF).u8(1).bytes(), CArchiveException::endOfFile},
        {"cut dword length", ByteWriter().u8(0xFF).u16(0xFFFF).u16(1).bytes(), CArchiveException::endOfFile},
        {"huge length, little text", ByteWriter().u8(0xFF).u16(0xFFFF).u32(0x7FFFFFF0).chars("abc").bytes(),
            CArchiveException::endOfFile},
        {"length beyond any string", ByteWriter().u8(0xFF).u16(0xFFFF).u32(0xFFFFFFFF).bytes(),
            CArchiveException::genericException},
        {"odd wide text", ByteWriter().u8(0xFF).u16(0xFFFE).u8(2).u16('a').u8('b').bytes(),
            CArchiveException::endOfFile},
        {"second wide marker", ByteWriter().u8(0xFF).u16(0xFFFE).u8(0xFF).u16(0xFFFE).u8(0).bytes(),
            CArchiveException::genericException},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CString loaded;
        EXPECT_EQ(c.cause, ArchiveFailure([&] { LoadBytes(c.bytes, [&](CArchive& ar) { ar >> loaded; }); }));
    }
}

TEST(ArchiveFormatTest, ShortScalarsRaiseEndOfFile)
{
    const ByteVector threeBytes = ByteWriter().u8(1).u8(2).u8(3).bytes();
    const std::function<void(CArchive&)> readers[] = {
        [](CArchive& ar) { DWORD dw; ar >> dw; },
        [](CArchive& ar) { double d; ar >> d; },
        [](CArchive& ar) { WORD w; ar >> w >> w; },
        [](CArchive& ar) { ar.ReadCount(); ar.ReadCount(); },
    };
    for (const auto& reader : readers)
        EXPECT_EQ(CArchiveException::endOfFile, ArchiveFailure([&] { LoadBytes(threeBytes, reader); }));
}

TEST(ArchiveFormatTest, WrongDirectionIsRefused)
{
    const std::function<void(CArchive&)> stores[] = {
        [](CArchive& ar) { ar << 1; },
        [](CArchive& ar) { ar << CString("x"); },
        [](CArchive& ar) { ar.WriteCount(1); },
        [](CArchive& ar) { ar.WriteObject(NULL); },
        [](CArchive& ar) { ar.WriteString("line"); },
        [](CArchive& ar) { ar.Write("x", 1); },
    };
    for (const auto& store : stores)
    {
        EXPECT_EQ(CArchiveException::readOnly,
            ArchiveFailure([&] { LoadBytes(ByteWriter().u32(0).bytes(), store); }));
    }

    const std::function<void(CArchive&)> loads[] = {
        [](CArchive& ar) { int i; ar >> i; },
        [](CArchive& ar) { CString s; ar >> s; },
        [](CArchive& ar) { ar.ReadCount(); },
        [](CArchive& ar) { ar.ReadObject(NULL); },
        [](CArchive& ar) { CString s; ar.ReadString(s); },
        [](CArchive& ar) { char ch; ar.Read(&ch, 1); },
    };
    for (const auto& load : loads)
        EXPECT_EQ(CArchiveException::writeOnly, ArchiveFailure([&] { StoreBytes(load); }));
}

TEST(ArchiveFormatTest, StoringBuffersUpToTheBufferSize)
{
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    const ByteVector block(CArchive::defaultBufferSize - 1, 0x5A);
    ar.Write(block.data(), static_cast<UINT>(block.size()));
    EXPECT_EQ(0u, file.GetLength());
    ar << static_cast<BYTE>(1);
    ar << static_cast<BYTE>(2);
    EXPECT_EQ(static_cast<ULONGLONG>(CArchive::defaultBufferSize), file.GetLength());
    ar.Flush();
    EXPECT_EQ(static_cast<ULONGLONG>(CArchive::defaultBufferSize + 1), file.GetLength());
    ar.Close();
}

TEST(ArchiveFormatTest, AnyBufferSizeGivesTheSameBytes)
{
    const auto writer = [](CArchive& ar) {
        for (int i = 0; i < 200; ++i)
            ar << i << CString(Text(static_cast<size_t>(i)).c_str()) << static_cast<BYTE>(i);
    };
    const ByteVector reference = StoreBytes(writer);
    for (int nBufSize : {1, 2, 7, 64, 1000})
    {
        SCOPED_TRACE(nBufSize);
        EXPECT_EQ(reference, StoreBytes(writer, nBufSize));
        LoadBytes(reference, [](CArchive& ar) {
            for (int i = 0; i < 200; ++i)
            {
                int value;
                CString text;
                BYTE by;
                ar >> value >> text >> by;
                ASSERT_EQ(i, value);
                ASSERT_STREQ(Text(static_cast<size_t>(i)).c_str(), text);
                ASSERT_EQ(static_cast<BYTE>(i), by);
            }
        }, nBufSize);
    }
}

TEST(ArchiveFormatTest, ClosingALoadingArchiveLeavesTheFileWhereReadingStopped)
{
    BYTE data[] = {1, 0, 0, 0, 2, 0, 0, 0, 3};
    CMemFile file(data, sizeof data);
    CArchive ar(&file, CArchive::load);
    int first;
    ar >> first;
    ar.Close();
    EXPECT_EQ(1, first);
    EXPECT_EQ(4u, file.GetPosition());
}

TEST(ArchiveFormatTest, TextLinesEndAtLineFeeds)
{
    const ByteVector bytes = StoreBytes([](CArchive& ar) {
        ar.WriteString("first\r\n");
        ar.WriteString("second\n");
        ar.WriteString("last");
    });
    EXPECT_EQ(ByteWriter().chars("first\r\nsecond\nlast").bytes(), bytes);

    LoadBytes(bytes, [](CArchive& ar) {
        CString line;
        EXPECT_TRUE(ar.ReadString(line));
        EXPECT_STREQ("first", line);
        EXPECT_TRUE(ar.ReadString(line));
        EXPECT_STREQ("second", line);
        EXPECT_TRUE(ar.ReadString(line));
        EXPECT_STREQ("last", line);
        EXPECT_FALSE(ar.ReadString(line));
        EXPECT_TRUE(line.IsEmpty());
    });

    LoadBytes(bytes, [](CArchive& ar) {
        char buffer[8];
        EXPECT_STREQ("first\n", ar.ReadString(buffer, sizeof buffer));
        EXPECT_STREQ("second\n", ar.ReadString(buffer, sizeof buffer));
        EXPECT_STREQ("last", ar.ReadString(buffer, 5));
        EXPECT_EQ(NULL, ar.ReadString(buffer, sizeof buffer));
    });
}
