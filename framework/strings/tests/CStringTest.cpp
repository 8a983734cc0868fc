#include "core/CException.h"
#include "core/tests/ThrowsInvalidArg.h"
#include "strings/CString.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

TEST(CStringTest, ConstructsFromEverySource)
{
    EXPECT_EQ("", CString());
    EXPECT_EQ("", CString(static_cast<LPCSTR>(nullptr)));
    EXPECT_EQ("abc", CString("abc"));
    EXPECT_EQ("ab", CString("abcdef", 2));
    EXPECT_EQ("xxxx", CString('x', 4));
    EXPECT_EQ("", CString('x', 0));
    EXPECT_EQ("wide", CString(L"wide"));
    EXPECT_EQ("wi", CString(L"wide", 2));
    const unsigned char bytes[] = "bytes";
    EXPECT_EQ("bytes", CString(bytes));
    EXPECT_TRUE(ThrowsInvalidArg([] { CString("abc", -1); }));
}

TEST(CStringTest, WideTextGoesThroughTheAnsiCodePage)
{
    const wchar_t wide[] = L"caf\u00e9 \u00fc";
    char expected[32];
    int n = WideCharToMultiByte(CP_ACP, 0, wide, -1, expected, sizeof expected, nullptr, nullptr);
    ASSERT_GT(n, 0);
    CString s(wide);
    EXPECT_STREQ(expected, s);
    EXPECT_EQ(n - 1, s.GetLength());

    s = L"";
    EXPECT_TRUE(s.IsEmpty());
}

TEST(CStringTest, CopiesAreIndependent)
{
    CString a("first");
    CString b(a);
    CString c;
    c = a;
    b.SetAt(0, 'F');
    c += "!";
    EXPECT_EQ("first", a);
    EXPECT_EQ("First", b);
    EXPECT_EQ("first!", c);
    EXPECT_NE(static_cast<LPCTSTR>(a), static_cast<LPCTSTR>(b));

    CString moved(std::move(c));
    EXPECT_EQ("first!", moved);
    EXPECT_TRUE(c.IsEmpty());

    a = a;
    EXPECT_EQ("first", a);
}

TEST(CStringTest, ConcatenatesInEveryForm)
{
    CString s("ab");
    EXPECT_EQ("abcd", s + "cd");
    EXPECT_EQ("cdab", "cd" + s);
    EXPECT_EQ("abab", s + s);
    EXPECT_EQ("ab!", s + '!');
    EXPECT_EQ("!ab", '!' + s);
    s += s;
    EXPECT_EQ("abab", s);
    s += static_cast<LPCTSTR>(s) + 1;
    EXPECT_EQ("abab" "bab", s);
    s.Empty();
    for (int i = 0; i < 1000; ++i)
        s += 'z';
    EXPECT_EQ(1000, s.GetLength());
    EXPECT_EQ(CString('z', 1000), s);
}

TEST(CStringTest, ComparesBothWays)
{
    CString s("Beta");
    EXPECT_TRUE(s == "Beta");
    EXPECT_TRUE("Beta" == s);
    EXPECT_TRUE(s != "beta");
    EXPECT_TRUE(s < "Gamma");
    EXPECT_TRUE("Alpha" < s);
    EXPECT_TRUE(s > CString("Alpha"));
    EXPECT_TRUE(s <= "Beta" && s >= "Beta");
    EXPECT_EQ(0, s.CompareNoCase("bEtA"));
    EXPECT_LT(s.Compare("Betb"), 0);
    EXPECT_GT(s.CompareNoCase("ALPHA"), 0);
    EXPECT_EQ(0, s.Collate("Beta"));
    EXPECT_EQ(0, s.CollateNoCase("BETA"));
    EXPECT_GT(s.Compare(nullptr), 0);
}

TEST(CStringTest, IndexesAreChecked)
{
    CString s("abc");
    EXPECT_EQ('a', s.GetAt(0));
    EXPECT_EQ('c', s[2]);
    s.SetAt(1, 'X');
    EXPECT_EQ("aXc", s);
    EXPECT_TRUE(ThrowsInvalidArg([&] { s.GetAt(3); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { s.GetAt(-1); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { s.SetAt(3, 'x'); }));
    EXPECT_TRUE(ThrowsInvalidArg([] { CString().GetAt(0); }));
}

TEST(CStringTest, ExtractsSubstringsWithClamping)
{
    const CString s("Hello, world");
    const struct
    {
        CString actual;
        const char* expected;
    } cases[] = {
        {s.Mid(7), "world"},
        {s.Mid(7, 3), "wor"},
        {s.Mid(-5, 5), "Hello"},
        {s.Mid(10, 99), "ld"},
        {s.Mid(99), ""},
        {s.Mid(3, -1), ""},
        {s.Left(5), "Hello"},
        {s.Left(99), "Hello, world"},
        {s.Left(-1), ""},
        {s.Right(5), "world"},
        {s.Right(99), "Hello, world"},
        {s.Right(0), ""},
        {s.SpanIncluding("HeloH"), "Hello"},
        {s.SpanIncluding("xyz"), ""},
        {s.SpanExcluding(",;"), "Hello"},
        {s.SpanExcluding("#"), "Hello, world"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, c.actual);
}

TEST(CStringTest, FindsCharactersAndSubstrings)
{
    const CString s("abcabc");
    const struct
    {
        int actual;
        int expected;
    } cases[] = {
        {s.Find('b'), 1},
        {s.Find('b', 2), 4},
        {s.Find('b', 5), -1},
        {s.Find('b', 6), -1},
        {s.Find('b', -1), -1},
        {s.Find('z'), -1},
        {s.Find('\0'), -1},
        {s.Find("ca"), 2},
        {s.Find("abc", 1), 3},
        {s.Find("abc", 4), -1},
        {s.Find(""), 0},
        {s.Find("", 6), 6},
        {s.Find("c", 7), -1},
        {s.Find(static_cast<LPCTSTR>(nullptr)), -1},
        {s.ReverseFind('a'), 3},
        {s.ReverseFind('z'), -1},
        {CString().ReverseFind('a'), -1},
        {s.FindOneOf("xc"), 2},
        {s.FindOneOf("xyz"), -1},
        {s.FindOneOf(""), -1},
    };
    int i = 0;
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, c.actual) << "case " << i++;
}

TEST(CStringTest, ReplacesRemovesInsertsDeletes)
{
    struct Case
    {
        const char* input;
        std::function<int(CString&)> edit;
        int result;
        const char* expected;
    };
    const Case cases[] = {
        {"a.b.c", [](CString& s) { return s.Replace('.', '/'); }, 2, "a/b/c"},
        {"a.b.c", [](CString& s) { return s.Replace('.', '.'); }, 0, "a.b.c"},
        {"aaa", [](CString& s) { return s.Replace("a", "bb"); }, 3, "bbbbbb"},
        {"aaaa", [](CString& s) { return s.Replace("aa", "a"); }, 2, "aa"},
        {"abcabc", [](CString& s) { return s.Replace("bc", ""); }, 2, "aa"},
        {"abcabc", [](CString& s) { return s.Replace("bc", nullptr); }, 2, "aa"},
        {"abc", [](CString& s) { return s.Replace("", "x"); }, 0, "abc"},
        {"abc", [](CString& s) { return s.Replace("zz", "x"); }, 0, "abc"},
        {"a b  c", [](CString& s) { return s.Remove(' '); }, 3, "abc"},
        {"abc", [](CString& s) { return s.Remove('z'); }, 0, "abc"},
        {"ac", [](CString& s) { return s.Insert(1, 'b'); }, 3, "abc"},
        {"ac", [](CString& s) { return s.Insert(-4, "__"); }, 4, "__ac"},
        {"ac", [](CString& s) { return s.Insert(99, "__"); }, 4, "ac__"},
        {"ac", [](CString& s) { return s.Insert(1, ""); }, 2, "ac"},
        {"abcdef", [](CString& s) { return s.Delete(1, 2); }, 4, "adef"},
        {"abcdef", [](CString& s) { return s.Delete(4, 99); }, 4, "abcd"},
        {"abcdef", [](CString& s) { return s.Delete(-3); }, 5, "bcdef"},
        {"abcdef", [](CString& s) { return s.Delete(6); }, 6, "abcdef"},
        {"abcdef", [](CString& s) { return s.Delete(2, 0); }, 6, "abcdef"},
    };
    for (const Case& c : cases)
    {
        CString s(c.input);
        EXPECT_EQ(c.result, c.edit(s)) << c.input << " -> " << c.expected;
        EXPECT_EQ(c.expected, s);
    }
}

TEST(CStringTest, EditsWithItsOwnTextAsArgument)
{
    CString s("abc");
    s.Replace("b", s);
    EXPECT_EQ("aabcc", s);
    s.Insert(2, static_cast<LPCTSTR>(s) + 3);
    EXPECT_EQ("aacc" "bcc", s);
    s = static_cast<LPCTSTR>(s) + 2;
    EXPECT_EQ("ccbcc", s);
}

TEST(CStringTest, TrimsWhiteSpaceCharactersAndSets)
{
    struct Case
    {
        const char* input;
        std::function<void(CString&)> trim;
        const char* expected;
    };
    const Case cases[] = {
        {" \t\r\n text \n", [](CString& s) { s.Trim(); }, "text"},
        {" \t text ", [](CString& s) { s.TrimLeft(); }, "text "},
        {" text \t\r\n", [](CString& s) { s.TrimRight(); }, " text"},
        {"   ", [](CString& s) { s.Trim(); }, ""},
        {"", [](CString& s) { s.Trim(); }, ""},
        {"xxtextxx", [](CString& s) { s.Trim('x'); }, "text"},
        {"xxtextxx", [](CString& s) { s.TrimLeft('x'); }, "textxx"},
        {"xxtextxx", [](CString& s) { s.TrimRight('x'); }, "xxtext"},
        {"xxxx", [](CString& s) { s.TrimRight('x'); }, ""},
        {"-=text=-", [](CString& s) { s.Trim("=-"); }, "text"},
        {"-=text=-", [](CString& s) { s.TrimLeft("=-"); }, "text=-"},
        {"-=text=-", [](CString& s) { s.TrimRight("=-"); }, "-=text"},
        {"-text-", [](CString& s) { s.Trim(""); }, "-text-"},
        {"-text-", [](CString& s) { s.Trim(static_cast<LPCTSTR>(nullptr)); }, "-text-"},
        {"text\r\n", [](CString& s) { s.TrimRight("\r\n"); }, "text"},
    };
    for (const Case& c : cases)
    {
        CString s(c.input);
        c.trim(s);
        EXPECT_EQ(c.expected, s) << '"' << c.input << '"';
    }
}

TEST(CStringTest, ChangesCaseAndOrder)
{
    CString s("MiXeD 123");
    EXPECT_EQ("MIXED 123", s.MakeUpper());
    EXPECT_EQ("mixed 123", s.MakeLower());
    EXPECT_EQ("321 dexim", s.MakeReverse());
    CString empty;
    EXPECT_EQ("", empty.MakeUpper().MakeReverse());
}

TEST(CStringTest, TokenizesLikeAScanner)
{
    const CString s("  alpha, beta,,gamma ");
    CString tokens;
    int pos = 0;
    for (CString token = s.Tokenize(" ,", pos); pos != -1; token = s.Tokenize(" ,", pos))
        tokens += "[" + token + "]";
    EXPECT_EQ("[alpha][beta][gamma]", tokens);

    pos = 0;
    EXPECT_EQ("", CString(",,,").Tokenize(",", pos));
    EXPECT_EQ(-1, pos);
    pos = -3;
    EXPECT_EQ("", s.Tokenize(",", pos));
    EXPECT_EQ(-1, pos);
    pos = 2;
    EXPECT_EQ("alpha, beta,,gamma ", s.Tokenize("", pos));
}

TEST(CStringTest, FormatsLikePrintf)
{
    const CString name("port");
    struct Case
    {
        std::function<CString()> format;
        const char* expected;
    };
    const Case cases[] = {
        {[&] { CString s; s.Format("%s=%d", (LPCTSTR)name, 42); return s; }, "port=42"},
        {[] { CString s; s.Format("%08X|%-4s|%5.2f", 0xBEEFu, "ab", 3.14159); return s; }, "0000BEEF|ab  | 3.14"},
        {[] { CString s; s.Format("%I64d", static_cast<LONGLONG>(-9000000000LL)); return s; }, "-9000000000"},
        {[] { CString s; s.Format("%lld %llu", -5LL, 18446744073709551615ULL); return s; }, "-5 18446744073709551615"},
        {[] { CString s; s.Format("%ls", L"wide"); return s; }, "wide"},
        {[] { CString s; s.Format("%c%c%%", 'o', 'k'); return s; }, "ok%"},
        {[] { CString s; s.Format(""); return s; }, ""},
        {[] { CString s("a"); s.AppendFormat("%d", 1); s.AppendFormat("-%s", "b"); return s; }, "a1-b"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, c.format());
}

TEST(CStringTest, FormatsPastAnyFixedBuffer)
{
    std::string big(100000, 'q');
    CString s;
    s.Format("<%s>%d", big.c_str(), 7);
    EXPECT_EQ(100003, s.GetLength());
    EXPECT_EQ('<', s[0]);
    EXPECT_EQ("q>7", s.Right(3));
    EXPECT_EQ(100000, s.ReverseFind('q'));
}

TEST(CStringTest, FormatsWithItsOwnTextAsArgument)
{
    CString s("abc");
    s.Format("%s-%s", (LPCTSTR)s, (LPCTSTR)s);
    EXPECT_EQ("abc-abc", s);
    s.AppendFormat("+%s", (LPCTSTR)s);
    EXPECT_EQ("abc-abc+abc-abc", s);
}

TEST(CStringTest, BuffersCanBeWrittenDirectly)
{
    CString s("keep");
    char* p = s.GetBuffer(64);
    EXPECT_STREQ("keep", p);
    EXPECT_GE(s.GetAllocLength(), 64);
    std::strcpy(p, "written");
    s.ReleaseBuffer();
    EXPECT_EQ("written", s);
    EXPECT_EQ(7, s.GetLength());

    p = s.GetBuffer(10);
    std::memcpy(p, "0123456789", 10);
    s.ReleaseBuffer(4);
    EXPECT_EQ("0123", s);

    // An unterminated buffer is measured only up to its capacity.
    CString t;
    p = t.GetBuffer(3);
    std::memset(p, 'x', t.GetAllocLength() + 1);
    t.ReleaseBuffer();
    EXPECT_EQ(t.GetAllocLength(), t.GetLength());

    p = s.GetBufferSetLength(3);
    EXPECT_EQ(3, s.GetLength());
    p[2] = 'Z';
    EXPECT_EQ("01Z", s);

    s.FreeExtra();
    EXPECT_EQ(3, s.GetAllocLength());
    EXPECT_TRUE(ThrowsInvalidArg([&] { s.ReleaseBuffer(s.GetAllocLength() + 1); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { s.GetBuffer(-1); }));

    CString locked("lock");
    char* pLocked = locked.LockBuffer();
    pLocked[0] = 'L';
    locked.UnlockBuffer();
    EXPECT_EQ("Lock", locked);

    CString empty;
    empty.ReleaseBuffer();
    EXPECT_TRUE(empty.IsEmpty());
}

TEST(CStringTest, KeepsEmbeddedNuls)
{
    CString s("a\0b", 3);
    EXPECT_EQ(3, s.GetLength());
    EXPECT_EQ(2, s.Find('b'));
    CString copy(s);
    EXPECT_EQ(3, copy.GetLength());
    EXPECT_EQ('b', copy[2]);
    EXPECT_EQ(1, s.Remove('\0'));
    EXPECT_EQ("ab", s);
}

TEST(CStringTest, ConvertsToSystemStrings)
{
    CString s("sys text");
    BSTR bstr = s.AllocSysString();
    ASSERT_NE(nullptr, bstr);
    EXPECT_EQ(8u, SysStringLen(bstr));
    EXPECT_STREQ(L"sys text", bstr);

    CString("longer replacement").SetSysString(&bstr);
    EXPECT_STREQ(L"longer replacement", bstr);
    CString().SetSysString(&bstr);
    EXPECT_EQ(0u, SysStringLen(bstr));
    SysFreeString(bstr);

    BSTR empty = CString().AllocSysString();
    ASSERT_NE(nullptr, empty);
    EXPECT_EQ(0u, SysStringLen(empty));
    SysFreeString(empty);
}

TEST(CStringTest, HasTheSizeOfOnePointer)
{
    EXPECT_EQ(sizeof(char*), sizeof(CString));
}

TEST(CStringTest, LoadsStringResourcesThroughTheChain)
{
    CString s("unchanged");
    EXPECT_FALSE(s.LoadString(999));
    EXPECT_EQ("unchanged", s);
    EXPECT_FALSE(s.LoadString(100));
    EXPECT_TRUE(s.LoadString(101));
    EXPECT_EQ("Loaded from the exe", s);
    EXPECT_TRUE(s.LoadString(117));
    EXPECT_EQ("In the second block", s);

    EXPECT_EQ("Loaded from the exe", CString(MAKEINTRESOURCEA(101)));
    EXPECT_EQ("", CString(MAKEINTRESOURCEA(999)));

    s.Format(102, "COM1", 115200);
    EXPECT_EQ("Port COM1 at 115200 baud", s);
    CException* e = nullptr;
    try
    {
        s.Format(999u, 1);
    }
    catch (CException* caught)
    {
        e = caught;
    }
    ASSERT_NE(nullptr, e);
    EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CResourceException)));
    e->Delete();
}
