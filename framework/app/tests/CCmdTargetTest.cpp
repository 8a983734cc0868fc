#include "LoggingTarget.h"

#include <gtest/gtest.h>

namespace
{
struct CommandCase
{
    UINT nID;
    int nCode;
    BOOL bExResult;
    BOOL bHandled;
    std::vector<std::string> log;
};

class CommandDispatch : public ::testing::TestWithParam<CommandCase>
{
};

TEST_P(CommandDispatch, CallsTheMostDerivedMatchingHandler)
{
    const CommandCase& c = GetParam();
    LoggingTarget target;
    target.m_bExResult = c.bExResult;

    EXPECT_EQ(c.bHandled, target.OnCmdMsg(c.nID, c.nCode, nullptr, nullptr));
    EXPECT_EQ(c.log, target.m_log);
}

INSTANTIATE_TEST_SUITE_P(
    CCmdTarget, CommandDispatch,
    ::testing::Values(
        // The derived class's entry hides the base class's for the same id.
        CommandCase{100, CN_COMMAND, TRUE, TRUE, {"derived 100"}},
        CommandCase{101, CN_COMMAND, TRUE, TRUE, {"base 101"}},
        // ON_COMMAND_EX: FALSE from the handler leaves the command unhandled,
        // so routing goes on to the next target.
        CommandCase{102, CN_COMMAND, TRUE, TRUE, {"ex 102"}},
        CommandCase{102, CN_COMMAND, FALSE, FALSE, {"ex 102"}},
        // Both ends of a range, and just outside it.
        CommandCase{200, CN_COMMAND, TRUE, TRUE, {"range 200"}},
        CommandCase{209, CN_COMMAND, TRUE, TRUE, {"range 209"}},
        CommandCase{199, CN_COMMAND, TRUE, FALSE, {}},
        CommandCase{210, CN_COMMAND, TRUE, FALSE, {}},
        // A control notification matches its code only (a button's click
        // has code 0 and is a command).
        CommandCase{400, EN_CHANGE, TRUE, TRUE, {"changed 400"}},
        CommandCase{400, CN_COMMAND, TRUE, FALSE, {}},
        CommandCase{400, EN_KILLFOCUS, TRUE, FALSE, {}},
        // A control notification that shares the update code (CBN_ERRSPACE)
        // brings no CCmdUI: the update handler of 101 must not run.
        CommandCase{101, 0xFFFF, TRUE, FALSE, {}}));

TEST(CCmdTarget, HandlerProbeFindsWithoutCalling)
{
    LoggingTarget target;
    AFX_CMDHANDLERINFO info = {nullptr, nullptr};

    ASSERT_TRUE(target.OnCmdMsg(205, CN_COMMAND, nullptr, &info));
    EXPECT_EQ(&target, info.pTarget);
    EXPECT_TRUE(info.pmf == AfxStoreHandler(static_cast<void (CCmdTarget::*)(UINT)>(&LoggingTarget::OnCommandRange)));
    EXPECT_TRUE(target.m_log.empty());

    // The probe reports the handler that would run: the derived one.
    ASSERT_TRUE(target.OnCmdMsg(100, CN_COMMAND, nullptr, &info));
    EXPECT_TRUE(info.pmf == AfxStoreHandler(static_cast<void (CCmdTarget::*)()>(&LoggingTarget::OnDerivedCommand)));

    info = {nullptr, nullptr};
    EXPECT_FALSE(target.OnCmdMsg(600, CN_COMMAND, nullptr, &info));
    EXPECT_EQ(nullptr, info.pTarget);
    EXPECT_TRUE(target.m_log.empty());
}

TEST(CCmdTarget, NotificationsReachTheirHandlersWithTheResult)
{
    LoggingTarget target;
    NMHDR header = {NULL, 500, NM_CLICK};
    LRESULT result = 0;
    AFX_NOTIFY notify = {&result, &header};

    EXPECT_TRUE(target.OnCmdMsg(500, MAKELONG(NM_CLICK, WM_NOTIFY), &notify, nullptr));
    EXPECT_EQ(11, result);

    header = {NULL, 507, NM_DBLCLK};
    EXPECT_TRUE(target.OnCmdMsg(507, MAKELONG(NM_DBLCLK, WM_NOTIFY), &notify, nullptr));
    EXPECT_EQ(22, result);

    header = {NULL, 510, NM_RCLICK};
    EXPECT_TRUE(target.OnCmdMsg(510, MAKELONG(NM_RCLICK, WM_NOTIFY), &notify, nullptr));
    EXPECT_EQ(33, result);

    // NM_CLICK has a handler for control 500 only; NM_RETURN has none.
    EXPECT_FALSE(target.OnCmdMsg(501, MAKELONG(NM_CLICK, WM_NOTIFY), &notify, nullptr));
    EXPECT_FALSE(target.OnCmdMsg(500, MAKELONG(NM_RETURN, WM_NOTIFY), &notify, nullptr));

    std::vector<std::string> expected = {"notify 500",
                                         "notify-ex 507 code " + std::to_string(static_cast<int>(NM_DBLCLK)),
                                         "notify-range 510 from 510"};
    EXPECT_EQ(expected, target.m_log);
}

TEST(CCmdTarget, NotificationsAndCommandsDoNotMix)
{
    LoggingTarget target;
    NMHDR header = {NULL, 100, NM_CLICK};
    LRESULT result = 0;
    AFX_NOTIFY notify = {&result, &header};

    // Command 100 has a handler, but a WM_NOTIFY from control 100 is no command.
    EXPECT_FALSE(target.OnCmdMsg(100, MAKELONG(NM_CLICK, WM_NOTIFY), &notify, nullptr));
    EXPECT_TRUE(target.m_log.empty());
}

TEST(AfxFindMessageEntry, MatchesMessageCodeAndIdRange)
{
    static const AFX_MSGMAP_ENTRY entries[] = {
        {WM_COMMAND, 0, 10, 19, AfxSig_commandRange, nullptr},
        {WM_NOTIFY, static_cast<UINT>(NM_CLICK), 10, 10, AfxSig_notify, nullptr},
        {WM_SIZE, 0, 0, 0, AfxSig_firstWindowForm, nullptr},
        {0, 0, 0, 0, AfxSig_end, nullptr}};

    EXPECT_EQ(&entries[0], AfxFindMessageEntry(entries, WM_COMMAND, 0, 15));
    EXPECT_EQ(nullptr, AfxFindMessageEntry(entries, WM_COMMAND, 0, 20));
    // Notification codes compare in their 16 bits, however they were widened.
    EXPECT_EQ(&entries[1], AfxFindMessageEntry(entries, WM_NOTIFY, LOWORD(NM_CLICK), 10));
    EXPECT_EQ(&entries[1], AfxFindMessageEntry(entries, WM_NOTIFY, static_cast<UINT>(NM_CLICK), 10));
    EXPECT_EQ(&entries[2], AfxFindMessageEntry(entries, WM_SIZE, 0, 0));
    EXPECT_EQ(nullptr, AfxFindMessageEntry(entries, WM_MOVE, 0, 0));
}
} // namespace
