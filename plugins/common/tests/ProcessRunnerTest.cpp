#include "ProcessRunner.h"
#include <gtest/gtest.h>
#include <mutex>
#include <string>

namespace {

constexpr DWORD kGenerousWaitMs = 20000;

// Keeps what the program wrote and counts the ends.
class RecordingRunner : public ProcessRunner {
public:
  using ProcessRunner::ProcessRunner;
  ~RecordingRunner() override { stop(); }

  std::string output()
  {
    std::lock_guard<std::mutex> lock(mutex_);
    return output_;
  }
  int finished() const { return finished_; }

protected:
  void on_stdout(const char* text) override
  {
    std::lock_guard<std::mutex> lock(mutex_);
    output_ += text;
  }
  void on_finished() override { ++finished_; }

private:
  std::mutex mutex_;
  std::string output_;
  std::atomic<int> finished_{0};
};

TEST(ProcessRunnerTest, AMissingProgramIsNotStartedAndSaysSo)
{
  RecordingRunner runner;
  EXPECT_FALSE(runner.start("no-such-program-here.exe -d", false));
  EXPECT_FALSE(runner.is_running());
  EXPECT_EQ("Unable to start no-such-program-here.exe -d\n", runner.output());
  EXPECT_EQ(0, runner.finished());
}

TEST(ProcessRunnerTest, AProgramThatEndsIsNoLongerRunningAndItsOutputIsReadToTheEnd)
{
  RecordingRunner runner;
  ASSERT_TRUE(runner.start("cmd.exe /c echo seeded& exit 3", false));
  // The readers end by themselves once the program has ended.
  ASSERT_TRUE(runner.wait(kGenerousWaitMs));
  EXPECT_FALSE(runner.is_running());
  EXPECT_EQ(3u, runner.exit_code());
  EXPECT_NE(std::string::npos, runner.output().find("seeded"));
}

TEST(ProcessRunnerTest, TheWaiterReportsTheEndOnce)
{
  RecordingRunner runner;
  ASSERT_TRUE(runner.start("cmd.exe /c exit 0", false));
  ASSERT_TRUE(runner.wait(kGenerousWaitMs));
  runner.stop();
  EXPECT_EQ(1, runner.finished());
}

TEST(ProcessRunnerTest, StopEndsAProgramThatWouldRunOn)
{
  RecordingRunner runner;
  // Waits for a key on its input, which the runner holds open.
  ASSERT_TRUE(runner.start("cmd.exe /c pause", false));
  EXPECT_FALSE(runner.wait(300));
  EXPECT_TRUE(runner.is_running());
  runner.stop();
  EXPECT_FALSE(runner.is_running());
  EXPECT_EQ(1, runner.finished());
}

TEST(ProcessRunnerTest, ASecondStartStopsTheFirstProgram)
{
  RecordingRunner runner;
  ASSERT_TRUE(runner.start("cmd.exe /c pause", false));
  ASSERT_TRUE(runner.start("cmd.exe /c echo again", false));
  ASSERT_TRUE(runner.wait(kGenerousWaitMs));
  EXPECT_NE(std::string::npos, runner.output().find("again"));
  runner.stop();
  // The stopped program and the one that ended.
  EXPECT_EQ(2, runner.finished());
}

TEST(ProcessRunnerTest, TheNotifyWindowHearsTheStartAndTheEnd)
{
  HWND window = CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  ASSERT_NE(nullptr, window);
  static std::vector<std::pair<ULONG_PTR, std::string>> heard;
  heard.clear();
  auto procedure = [](HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) -> LRESULT {
    if (message == WM_COPYDATA) {
      auto* copy = reinterpret_cast<COPYDATASTRUCT*>(lparam);
      heard.emplace_back(copy->dwData, copy->cbData ? std::string(static_cast<char*>(copy->lpData)) : "");
      return 1;
    }
    return DefWindowProcA(hwnd, message, wparam, lparam);
  };
  SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+procedure));
  {
    ProcessRunner runner(window);
    ASSERT_TRUE(runner.start("cmd.exe /c exit 0", false));
    // The end arrives as a sent message, handled while this thread waits for messages.
    for (int polls = 0; polls < 200 && heard.size() < 2; ++polls) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
      MSG message;
      while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
    }
  }
  DestroyWindow(window);
  ASSERT_EQ(2u, heard.size());
  EXPECT_EQ(kCopyDataProgramStarted, heard[0].first);
  EXPECT_EQ("cmd.exe /c exit 0", heard[0].second);
  EXPECT_EQ(kCopyDataProgramFinished, heard[1].first);
}

}
