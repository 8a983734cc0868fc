#include "app/CCommandLineInfo.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
struct Argument
{
    const char* text;
    BOOL bFlag;
};

struct CommandLineCase
{
    std::vector<Argument> arguments;
    BOOL bRunEmbedded;
    BOOL bRunAutomated;
    CCommandLineInfo::ShellCommand nShellCommand;
    const char* fileName;
};

class CommandLineParsing : public ::testing::TestWithParam<CommandLineCase>
{
};

TEST_P(CommandLineParsing, ArgumentsSetTheRequests)
{
    const CommandLineCase& c = GetParam();
    CCommandLineInfo info;
    for (size_t i = 0; i < c.arguments.size(); ++i)
        info.ParseParam(c.arguments[i].text, c.arguments[i].bFlag, i + 1 == c.arguments.size());

    EXPECT_EQ(c.bRunEmbedded, info.m_bRunEmbedded);
    EXPECT_EQ(c.bRunAutomated, info.m_bRunAutomated);
    EXPECT_EQ(c.nShellCommand, info.m_nShellCommand);
    EXPECT_STREQ(c.fileName, info.m_strFileName);
}

INSTANTIATE_TEST_SUITE_P(
    CCommandLineInfo, CommandLineParsing,
    ::testing::Values(CommandLineCase{{}, FALSE, FALSE, CCommandLineInfo::FileNew, ""},
                      CommandLineCase{{{"Embedding", TRUE}}, TRUE, FALSE, CCommandLineInfo::FileNew, ""},
                      CommandLineCase{{{"AUTOMATION", TRUE}}, FALSE, TRUE, CCommandLineInfo::FileNew, ""},
                      // Without its flag mark, the word is a file name.
                      CommandLineCase{{{"Embedding", FALSE}}, FALSE, FALSE, CCommandLineInfo::FileOpen, "Embedding"},
                      CommandLineCase{{{"a.txt", FALSE}, {"b.txt", FALSE}, {"unknown", TRUE}},
                                      FALSE, FALSE, CCommandLineInfo::FileOpen, "a.txt"}));
} // namespace
