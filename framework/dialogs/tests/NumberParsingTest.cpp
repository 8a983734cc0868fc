#include "dialogs/NumberParsing.h"

#include <gtest/gtest.h>

namespace
{
TEST(NumberParsing, ReadsDecimalWholeNumbersWithinARange)
{
    struct Case
    {
        const char* pszText;
        long long minVal;
        long long maxVal;
        NumberParse expected;
        long long value;
    } cases[] = {
        {"42", 0, 100, NumberParse::ok, 42},
        {"  -17\t", -100, 100, NumberParse::ok, -17},
        {"+8", 0, 100, NumberParse::ok, 8},
        {"-0", 0, 100, NumberParse::ok, 0},
        {"0009", 0, 100, NumberParse::ok, 9},
        {"2147483647", -2147483648LL, 2147483647, NumberParse::ok, 2147483647},
        {"-2147483648", -2147483648LL, 2147483647, NumberParse::ok, -2147483648LL},
        {"2147483648", -2147483648LL, 2147483647, NumberParse::outOfRange, 0},
        {"-1", 0, 4294967295LL, NumberParse::outOfRange, 0},
        {"99999999999999999999999999", 0, 100, NumberParse::outOfRange, 0},
        {"", 0, 100, NumberParse::notANumber, 0},
        {"   ", 0, 100, NumberParse::notANumber, 0},
        {"-", 0, 100, NumberParse::notANumber, 0},
        {"4 2", 0, 100, NumberParse::notANumber, 0},
        {"12x", 0, 100, NumberParse::notANumber, 0},
        {"0x10", 0, 100, NumberParse::notANumber, 0},
        {"1.5", 0, 100, NumberParse::notANumber, 0},
        {"--1", -100, 100, NumberParse::notANumber, 0},
        {"99999999999999999999999x", 0, 100, NumberParse::notANumber, 0},
    };
    for (const Case& c : cases)
    {
        long long value = 0;
        EXPECT_EQ(c.expected, AfxParseInteger(c.pszText, c.minVal, c.maxVal, value)) << "\"" << c.pszText << "\"";
        if (c.expected == NumberParse::ok)
        {
            EXPECT_EQ(c.value, value) << "\"" << c.pszText << "\"";
        }
    }
}

TEST(NumberParsing, ReadsFiniteRealNumbers)
{
    struct Case
    {
        const char* pszText;
        NumberParse expected;
        double value;
    } cases[] = {
        {"2.5", NumberParse::ok, 2.5},
        {" -1e3 ", NumberParse::ok, -1000.0},
        {".5", NumberParse::ok, 0.5},
        {"7", NumberParse::ok, 7.0},
        {"", NumberParse::notANumber, 0},
        {"1.5.2", NumberParse::notANumber, 0},
        {"abc", NumberParse::notANumber, 0},
        {"inf", NumberParse::notANumber, 0},
        {"nan", NumberParse::notANumber, 0},
        {"1e999", NumberParse::notANumber, 0},
    };
    for (const Case& c : cases)
    {
        double value = 0;
        EXPECT_EQ(c.expected, AfxParseReal(c.pszText, value)) << "\"" << c.pszText << "\"";
        if (c.expected == NumberParse::ok)
        {
            EXPECT_DOUBLE_EQ(c.value, value) << "\"" << c.pszText << "\"";
        }
    }
}
} // namespace
