// The menu sounds' requests and their thread: the last request before the
// thread polls wins, a failed thread start leaves the sounds silent and is
// tried again, and the real thread plays what is asked.

#include "toolbars/CVrxPMenuSound.h"

#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

namespace
{
std::mutex g_playedLock;
std::vector<std::string> g_played;
int g_starts = 0;

void RecordPlayed(const char* lpszAlias)
{
    std::lock_guard<std::mutex> lock(g_playedLock);
    g_played.push_back(lpszAlias != nullptr ? lpszAlias : "<stop>");
}

std::vector<std::string> Played()
{
    std::lock_guard<std::mutex> lock(g_playedLock);
    return g_played;
}

// A thread that never runs: the test polls in its place.
uintptr_t PretendStart(void (*)(void*), void*)
{
    g_starts++;
    return 1234;
}

uintptr_t FailStart(void (*)(void*), void*)
{
    g_starts++;
    return static_cast<uintptr_t>(-1);
}

class CVrxPMenuSoundTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_played.clear();
        g_starts = 0;
        sounds.player = RecordPlayed;
        sounds.threadStarter = PretendStart;
    }
    CVrxPMenuSound sounds;
};
} // namespace

TEST_F(CVrxPMenuSoundTest, TheLastRequestBeforeThePollIsTheOnePlayed)
{
    sounds.RequestSound(CVrxPMenuSound::command);
    sounds.RequestSound(CVrxPMenuSound::popup);
    EXPECT_EQ(1, g_starts) << "one thread for both";
    EXPECT_TRUE(sounds.PlayPending());
    EXPECT_TRUE(sounds.PlayPending()) << "idle: nothing more";
    EXPECT_EQ(std::vector<std::string>{"MenuPopup"}, Played());
    EXPECT_EQ(CVrxPMenuSound::idle, sounds.GetState());
    sounds.RequestSound(CVrxPMenuSound::command);
    EXPECT_TRUE(sounds.PlayPending());
    EXPECT_EQ((std::vector<std::string>{"MenuPopup", "MenuCommand"}), Played());
}

TEST_F(CVrxPMenuSoundTest, StopEndsTheThreadAfterSilencingTheOutput)
{
    sounds.RequestSound(CVrxPMenuSound::stop);
    EXPECT_EQ(0, g_starts) << "no thread is started to stop";
    EXPECT_EQ(CVrxPMenuSound::noThread, sounds.GetState());
    sounds.RequestSound(CVrxPMenuSound::popup);
    EXPECT_EQ(uintptr_t(1234), sounds.GetThread());
    sounds.RequestSound(CVrxPMenuSound::stop);
    EXPECT_EQ(uintptr_t(0), sounds.GetThread());
    EXPECT_FALSE(sounds.PlayPending());
    EXPECT_EQ(std::vector<std::string>{"<stop>"}, Played());
}

TEST_F(CVrxPMenuSoundTest, AFailedStartStaysSilentAndIsTriedAgain)
{
    sounds.threadStarter = FailStart;
    sounds.RequestSound(CVrxPMenuSound::command);
    sounds.RequestSound(CVrxPMenuSound::popup);
    EXPECT_EQ(2, g_starts);
    EXPECT_EQ(CVrxPMenuSound::noThread, sounds.GetState());
    EXPECT_EQ(uintptr_t(0), sounds.GetThread());
    sounds.threadStarter = PretendStart;
    sounds.RequestSound(CVrxPMenuSound::popup);
    EXPECT_EQ(CVrxPMenuSound::popup, sounds.GetState());
}

TEST_F(CVrxPMenuSoundTest, SoundsSwitchedOffRequestNothing)
{
    sounds.soundsOn = FALSE;
    sounds.RequestSound(CVrxPMenuSound::popup);
    EXPECT_EQ(0, g_starts);
    EXPECT_EQ(CVrxPMenuSound::noThread, sounds.GetState());
}

TEST(CVrxPMenuSoundThreadTest, TheThreadPlaysARequestAndStops)
{
    g_played.clear();
    static CVrxPMenuSound sounds;
    sounds.player = RecordPlayed;
    sounds.RequestSound(CVrxPMenuSound::command);
    ASSERT_NE(uintptr_t(0), sounds.GetThread());
    HANDLE hThread = reinterpret_cast<HANDLE>(sounds.GetThread());
    EXPECT_EQ(THREAD_PRIORITY_BELOW_NORMAL, ::GetThreadPriority(hThread));
    for (int i = 0; i < 400 && Played().empty(); i++)
        ::Sleep(5);
    EXPECT_EQ(std::vector<std::string>{"MenuCommand"}, Played());
    sounds.RequestSound(CVrxPMenuSound::stop);
    for (int i = 0; i < 400 && Played().size() < 2; i++)
        ::Sleep(5);
    EXPECT_EQ((std::vector<std::string>{"MenuCommand", "<stop>"}), Played());
}
