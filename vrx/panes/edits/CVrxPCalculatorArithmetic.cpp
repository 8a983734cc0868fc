#include "panes/edits/CVrxPCalculatorArithmetic.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

CVrxPCalculatorArithmetic::CVrxPCalculatorArithmetic(double dValue)
    : m_dValue(dValue), m_dOperand(0), m_dMemory(0), m_nPendingOp(cmdNone), m_bNewEntry(TRUE), m_bError(FALSE),
      m_bAfterEquals(FALSE)
{
    FormatValue();
}

void CVrxPCalculatorArithmetic::ParseDisplay()
{
    m_dValue = std::strtod(m_displayText, nullptr);
}

void CVrxPCalculatorArithmetic::FormatValue()
{
    if (!std::isfinite(m_dValue))
    {
        m_bError = TRUE;
        return;
    }
    // A negated zero shows as zero.
    const double dShown = m_dValue == 0 ? 0.0 : m_dValue;
    char text[400];
    if (std::fabs(dShown) > largeValue)
    {
        std::snprintf(text, sizeof(text), "%le", dShown);
        m_displayText = text;
        return;
    }
    std::snprintf(text, sizeof(text), "%.16lf", dShown);
    m_displayText = text;
    m_displayText.TrimRight('0');
    m_displayText.TrimRight('.');
}

void CVrxPCalculatorArithmetic::PressDigit(int nDigit)
{
    if (m_bError || nDigit < 0 || nDigit > 9)
        return;
    m_bAfterEquals = FALSE;
    if (m_bNewEntry)
    {
        m_dValue = 0;
        m_displayText = "0";
        m_bNewEntry = FALSE;
    }
    if (m_displayText == "0")
        m_displayText.Empty();
    m_displayText += static_cast<char>('0' + nDigit);
    ParseDisplay();
}

void CVrxPCalculatorArithmetic::Evaluate()
{
    switch (m_nPendingOp)
    {
    case cmdAdd:
        m_dValue = m_dOperand + m_dValue;
        break;
    case cmdSubtract:
        m_dValue = m_bAfterEquals ? m_dValue - m_dOperand : m_dOperand - m_dValue;
        break;
    case cmdMultiply:
        m_dValue = m_dOperand * m_dValue;
        break;
    case cmdDivide:
    {
        const double dDivisor = m_bAfterEquals ? m_dOperand : m_dValue;
        if (dDivisor == 0)
        {
            m_bError = TRUE;
            return;
        }
        m_dValue = m_bAfterEquals ? m_dValue / m_dOperand : m_dOperand / m_dValue;
        break;
    }
    default:
        break;
    }
}

void CVrxPCalculatorArithmetic::Press(int nCommand)
{
    if (m_bError && nCommand != cmdClearEntry && nCommand != cmdClear)
        return;
    if (nCommand < cmdFirstExtra && nCommand != cmdEquals)
        m_bAfterEquals = FALSE;
    switch (nCommand)
    {
    case cmdClear:
        m_nPendingOp = cmdNone;
        m_dOperand = 0;
        [[fallthrough]];
    case cmdClearEntry:
        m_dValue = 0;
        m_displayText = "0";
        m_bError = FALSE;
        m_bAfterEquals = FALSE;
        m_bNewEntry = TRUE;
        return;
    case cmdMemoryClear:
        m_dMemory = 0;
        return;
    case cmdMemoryRecall:
        m_dValue = m_dMemory;
        break;
    case cmdMemoryAdd:
        Evaluate();
        m_dMemory += m_dValue;
        m_bNewEntry = TRUE;
        break;
    case cmdChangeSign:
        m_dValue = -m_dValue;
        m_bNewEntry = TRUE;
        break;
    case cmdDecimalPoint:
        if (m_bNewEntry)
        {
            m_dValue = 0;
            m_displayText = "0.";
            m_bNewEntry = FALSE;
        }
        if (m_displayText.Find('.') < 0)
            m_displayText += '.';
        return;
    case cmdSquareRoot:
        if (m_dValue < 0)
        {
            m_bError = TRUE;
            return;
        }
        m_dValue = std::sqrt(m_dValue);
        m_bNewEntry = TRUE;
        break;
    case cmdPercent:
        m_dValue = m_dValue * m_dOperand * 0.01;
        m_bNewEntry = TRUE;
        break;
    case cmdEquals:
    {
        const double dTyped = m_dValue;
        Evaluate();
        if (!m_bNewEntry)
            m_dOperand = dTyped;
        m_bNewEntry = TRUE;
        m_bAfterEquals = TRUE;
        break;
    }
    case cmdReciprocal:
        if (m_dValue == 0)
        {
            m_bError = TRUE;
            return;
        }
        m_dValue = 1 / m_dValue;
        m_bNewEntry = TRUE;
        break;
    case cmdBackspace:
        if (m_bNewEntry)
            return;
        if (m_displayText.GetLength() < 2)
            m_displayText = "0";
        else
            m_displayText = m_displayText.Left(m_displayText.GetLength() - 1);
        ParseDisplay();
        return;
    case cmdAdd:
    case cmdSubtract:
    case cmdMultiply:
    case cmdDivide:
        if (!m_bNewEntry)
        {
            Evaluate();
            if (m_bError)
                return;
            FormatValue();
        }
        m_dOperand = m_dValue;
        m_nPendingOp = nCommand;
        m_bNewEntry = TRUE;
        return;
    default:
        if (nCommand < cmdFirstExtra)
            return;
        Evaluate();
        m_bNewEntry = TRUE;
        break;
    }
    if (!m_bError)
        FormatValue();
}
