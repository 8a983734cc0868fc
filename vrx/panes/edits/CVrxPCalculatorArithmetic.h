#pragma once

// The pocket calculator's arithmetic: immediate execution (no precedence),
// doubles, one memory, and a repeated "=" that applies the last operation
// with the same right-hand operand again. It knows nothing of windows: the
// calculator bar feeds it keys and shows its display text.

#include "strings/CString.h"

class CVrxPCalculatorArithmetic
{
public:
    enum Command
    {
        cmdNone = 0,
        cmdClearEntry = 1,
        cmdClear = 2,
        cmdMemoryClear = 3,
        cmdMemoryRecall = 4,
        cmdMemoryAdd = 5,
        cmdAdd = 6,
        cmdSubtract = 7,
        cmdMultiply = 8,
        cmdDivide = 9,
        cmdChangeSign = 10,
        cmdDecimalPoint = 11,
        cmdSquareRoot = 12,
        cmdPercent = 13,
        cmdEquals = 14,
        cmdReciprocal = 15,
        cmdBackspace = 16,
        // Extra command keys count from here.
        cmdFirstExtra = 100
    };
    // Beyond this the display switches to exponent form.
    static constexpr double largeValue = 1e22;
    static constexpr const char errorText[] = "Error";

    explicit CVrxPCalculatorArithmetic(double dValue = 0);

    void PressDigit(int nDigit);
    // An extra key (cmdFirstExtra and above) only settles the pending
    // operation; what it does is the owner's.
    void Press(int nCommand);

    // "Error" while in error, else the number as typed or formatted.
    CString DisplayText() const { return m_bError ? CString(errorText) : m_displayText; }
    // The number as formatted for writing back (the last good text in error).
    const CString& NumberText() const { return m_displayText; }
    double Value() const { return m_dValue; }
    double Memory() const { return m_dMemory; }
    BOOL IsError() const { return m_bError; }
    BOOL MemoryShown() const { return m_dMemory != 0; }
    int PendingOperation() const { return m_nPendingOp; }

private:
    void Evaluate();
    // A result that is not finite is an error rather than a text.
    void FormatValue();
    void ParseDisplay();

    double m_dValue;
    double m_dOperand;
    double m_dMemory;
    CString m_displayText;
    int m_nPendingOp;
    BOOL m_bNewEntry;
    BOOL m_bError;
    BOOL m_bAfterEquals;
};
