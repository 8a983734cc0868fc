#include "foundation/CVrxPAccelFormatter.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
struct NameCase
{
    const char* layoutName;
    const char* shown;
};

class KeyNames : public ::testing::TestWithParam<NameCase>
{
};

TEST_P(KeyNames, AreLowerCaseWithACapitalFirstLetter)
{
    EXPECT_STREQ(GetParam().shown, CVrxPAccelFormatter::CapitaliseKeyName(GetParam().layoutName));
}

INSTANTIATE_TEST_SUITE_P(CVrxPAccelFormatter, KeyNames,
                         ::testing::Values(NameCase{"CTRL", "Ctrl"}, NameCase{"PAGE UP", "Page up"},
                                           NameCase{"Num 7", "Num 7"}, NameCase{"F5", "F5"},
                                           NameCase{"1", "1"}, NameCase{"<00>", "<00>"},
                                           NameCase{"  space", "  Space"}, NameCase{"", ""}));

// The names come from the keyboard layout; what the formatter adds is the
// order of the modifiers and the plus signs.
struct ShortcutCase
{
    BYTE fVirt;
    WORD key;
    std::vector<UINT> namedKeys;
    const char* character;
};

class ShortcutText : public ::testing::TestWithParam<ShortcutCase>
{
};

TEST_P(ShortcutText, JoinsModifiersAndKeyInOrder)
{
    const ACCEL entry = {GetParam().fVirt, GetParam().key, 1};
    CString expected;
    for (size_t i = 0; i < GetParam().namedKeys.size(); i++)
    {
        if (i > 0)
            expected += "+";
        expected += CVrxPAccelFormatter::KeyName(GetParam().namedKeys[i]);
    }
    if (GetParam().character != nullptr)
        expected += CString(GetParam().namedKeys.empty() ? "" : "+") + GetParam().character;
    CString text;
    CVrxPAccelFormatter(&entry).BuildText(text);
    EXPECT_STREQ(expected, text);
}

INSTANTIATE_TEST_SUITE_P(
    CVrxPAccelFormatter, ShortcutText,
    ::testing::Values(ShortcutCase{FVIRTKEY | FCONTROL | FSHIFT, VK_F5, {VK_CONTROL, VK_SHIFT, VK_F5}, nullptr},
                      ShortcutCase{FVIRTKEY | FALT, VK_HOME, {VK_MENU, VK_HOME}, nullptr},
                      ShortcutCase{FVIRTKEY | FSHIFT | FALT | FCONTROL, VK_INSERT,
                                   {VK_CONTROL, VK_SHIFT, VK_MENU, VK_INSERT}, nullptr},
                      ShortcutCase{FCONTROL, 'A', {VK_CONTROL}, "A"}, ShortcutCase{0, 'x', {}, "x"}));

TEST(CVrxPAccelFormatter, PauseAndEscape)
{
    EXPECT_STREQ("Pause", CVrxPAccelFormatter::KeyName(VK_PAUSE));
    const ACCEL escape = {FCONTROL, 27, 1};
    CString text;
    CVrxPAccelFormatter(&escape).BuildText(text);
    EXPECT_STREQ(CVrxPAccelFormatter::KeyName(VK_CONTROL) + "+", text);
}

TEST(CVrxPAccelFormatter, LayoutNamesOfCommonKeys)
{
    EXPECT_STREQ("F5", CVrxPAccelFormatter::KeyName(VK_F5));
    EXPECT_STREQ("Shift", CVrxPAccelFormatter::KeyName(VK_SHIFT));
    EXPECT_STREQ("Alt", CVrxPAccelFormatter::KeyName(VK_MENU));
}

TEST(CVrxPAccelFormatter, NoEntryGivesNoText)
{
    CString text("old");
    CVrxPAccelFormatter(nullptr).BuildText(text);
    EXPECT_TRUE(text.IsEmpty());
}

TEST(CVrxPAccelFormatter, ExtendedKeysAreNotTheirNumberPadTwins)
{
    EXPECT_STRNE(CVrxPAccelFormatter::KeyName(VK_HOME), CVrxPAccelFormatter::KeyName(VK_NUMPAD7));
    EXPECT_STRNE(CVrxPAccelFormatter::KeyName(VK_NEXT), CVrxPAccelFormatter::KeyName(VK_NUMPAD3));
}
} // namespace
