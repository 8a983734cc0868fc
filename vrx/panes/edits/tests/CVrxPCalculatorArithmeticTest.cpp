#include "panes/edits/CVrxPCalculatorArithmetic.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
using Calc = CVrxPCalculatorArithmetic;

// One character per key: digits, the four operators, "=", "%", "." and
// s square root, n change sign, r reciprocal, b backspace, C clear,
// E clear entry, P memory add, R memory recall, L memory clear.
void Type(Calc& calc, const std::string& keys)
{
    for (char key : keys)
    {
        if (key >= '0' && key <= '9')
        {
            calc.PressDigit(key - '0');
            continue;
        }
        switch (key)
        {
        case '+': calc.Press(Calc::cmdAdd); break;
        case '-': calc.Press(Calc::cmdSubtract); break;
        case '*': calc.Press(Calc::cmdMultiply); break;
        case '/': calc.Press(Calc::cmdDivide); break;
        case '=': calc.Press(Calc::cmdEquals); break;
        case '%': calc.Press(Calc::cmdPercent); break;
        case '.': calc.Press(Calc::cmdDecimalPoint); break;
        case 's': calc.Press(Calc::cmdSquareRoot); break;
        case 'n': calc.Press(Calc::cmdChangeSign); break;
        case 'r': calc.Press(Calc::cmdReciprocal); break;
        case 'b': calc.Press(Calc::cmdBackspace); break;
        case 'C': calc.Press(Calc::cmdClear); break;
        case 'E': calc.Press(Calc::cmdClearEntry); break;
        case 'P': calc.Press(Calc::cmdMemoryAdd); break;
        case 'R': calc.Press(Calc::cmdMemoryRecall); break;
        case 'L': calc.Press(Calc::cmdMemoryClear); break;
        case 'x': calc.Press(Calc::cmdFirstExtra); break;
        default: FAIL() << "no key " << key;
        }
    }
}

struct Case
{
    const char* keys;
    // The display after every "=" in the keys, then at the end.
    std::vector<const char*> shown;
};
} // namespace

TEST(CalculatorArithmetic, KeySequencesShowTheirResults)
{
    const Case cases[] = {
        // Repeated "=" applies the same subtraction again.
        {"7-2===", {"5", "3", "1", "1"}},
        // Strictly left to right.
        {"2+3*4=", {"20", "20"}},
        // A percentage of the left operand, then added.
        {"200+10%", {"20"}},
        {"200+10%=", {"220", "220"}},
        {"8/2==", {"4", "2", "2"}},
        {"3*==", {"9", "27", "27"}},
        {"0.1+0.2=", {"0.3", "0.3"}},
        {"1/3=", {"0.3333333333333333", "0.3333333333333333"}},
        {"16s", {"4"}},
        {"4r", {"0.25"}},
        {"5n", {"-5"}},
        {"0n", {"0"}},
        {"1234bb", {"12"}},
        {"7bb", {"0"}},
        {"12.5.3", {"12.53"}},
        {".5*2=", {"1", "1"}},
        {"9+5E3=", {"12", "12"}},
        {"9+5C3=", {"3", "3"}},
        {"5P3PL", {"3"}},
        {"5P3P", {"3"}},
        {"5P3PCR", {"8"}},
        {"4+6P", {"10"}},
        {"2+3x", {"5"}},
        {"007", {"7"}},
    };
    for (const Case& c : cases)
    {
        Calc calc;
        std::vector<std::string> shown;
        for (const char* p = c.keys; *p != 0; p++)
        {
            Type(calc, std::string(1, *p));
            if (*p == '=')
                shown.push_back(static_cast<LPCTSTR>(calc.DisplayText()));
        }
        shown.push_back(static_cast<LPCTSTR>(calc.DisplayText()));
        ASSERT_EQ(shown.size(), c.shown.size()) << c.keys;
        for (size_t i = 0; i < shown.size(); i++)
            EXPECT_EQ(shown[i], c.shown[i]) << c.keys << " step " << i;
        EXPECT_FALSE(calc.IsError()) << c.keys;
    }
}

TEST(CalculatorArithmetic, ErrorsShowAndOnlyClearingLeavesThem)
{
    const char* errors[] = {"1/0=", "1/0+", "5-5=r", "1ns", "0r", "8/2=0=", "8/0==="};
    for (const char* keys : errors)
    {
        Calc calc;
        Type(calc, keys);
        EXPECT_TRUE(calc.IsError()) << keys;
        EXPECT_EQ(calc.DisplayText(), "Error") << keys;
        // Keys other than C and CE are ignored in error.
        Type(calc, "5+3=snb");
        EXPECT_EQ(calc.DisplayText(), "Error") << keys;
        Type(calc, "E");
        EXPECT_FALSE(calc.IsError()) << keys;
        EXPECT_EQ(calc.DisplayText(), "0") << keys;
        Type(calc, "6=");
        EXPECT_FALSE(calc.IsError()) << keys;
    }
    // A division by zero leaves the value it was dividing.
    Calc calc;
    Type(calc, "9/0=");
    EXPECT_EQ(calc.Value(), 0);
    EXPECT_EQ(calc.NumberText(), "0");
}

TEST(CalculatorArithmetic, OverflowIsAnErrorAndHugeValuesUseExponents)
{
    Calc calc;
    // 10^23 passes the plain-text limit.
    Type(calc, "1");
    for (int i = 0; i < 23; i++)
        Type(calc, "0");
    Type(calc, "*1=");
    EXPECT_EQ(calc.DisplayText(), "1.000000e+23");
    // Squaring again and again passes the largest double: an error, never
    // a text of an infinite value.
    Type(calc, "*=");
    for (int i = 0; i < 20 && !calc.IsError(); i++)
        Type(calc, "=");
    EXPECT_TRUE(calc.IsError());
    EXPECT_EQ(calc.DisplayText(), "Error");
}

TEST(CalculatorArithmetic, StartsFromAGivenValue)
{
    Calc calc(12.5);
    EXPECT_EQ(calc.DisplayText(), "12.5");
    // The next digit starts a new number.
    Type(calc, "3");
    EXPECT_EQ(calc.DisplayText(), "3");
    Calc added(2.5);
    Type(added, "+1=");
    EXPECT_EQ(added.DisplayText(), "3.5");
}
