#include "dialogs/NumberParsing.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace
{
LPCTSTR SkipBlanks(LPCTSTR p)
{
    while (std::isspace(static_cast<unsigned char>(*p)))
        ++p;
    return p;
}
} // namespace

NumberParse AfxParseInteger(LPCTSTR lpszText, long long minVal, long long maxVal, long long& value)
{
    LPCTSTR p = SkipBlanks(lpszText);
    bool bNegative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    if (!std::isdigit(static_cast<unsigned char>(*p)))
        return NumberParse::notANumber;
    // Past this many digits' worth the value is out of any range; keep
    // reading only to see that the rest is digits.
    const unsigned long long kLimit = 1ULL << 62;
    unsigned long long nMagnitude = 0;
    for (; std::isdigit(static_cast<unsigned char>(*p)); ++p)
    {
        if (nMagnitude < kLimit)
            nMagnitude = nMagnitude * 10 + static_cast<unsigned>(*p - '0');
    }
    if (*SkipBlanks(p) != '\0')
        return NumberParse::notANumber;
    if (nMagnitude >= kLimit)
        return NumberParse::outOfRange;
    long long nValue = bNegative ? -static_cast<long long>(nMagnitude) : static_cast<long long>(nMagnitude);
    if (nValue < minVal || nValue > maxVal)
        return NumberParse::outOfRange;
    value = nValue;
    return NumberParse::ok;
}

NumberParse AfxParseReal(LPCTSTR lpszText, double& value)
{
    LPCTSTR p = SkipBlanks(lpszText);
    if (*p == '\0')
        return NumberParse::notANumber;
    char* pEnd = nullptr;
    errno = 0;
    double dValue = std::strtod(p, &pEnd);
    if (pEnd == p || *SkipBlanks(pEnd) != '\0' || !std::isfinite(dValue))
        return NumberParse::notANumber;
    if (errno == ERANGE && dValue != 0)
        return NumberParse::outOfRange;
    value = dValue;
    return NumberParse::ok;
}
