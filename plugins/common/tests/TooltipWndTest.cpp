#include "TooltipWnd.h"
#include <gtest/gtest.h>
#include <iterator>

namespace {

constexpr int kFirstId = 11;
constexpr int kSecondId = 12;

// Runs the thread's messages (the tip's timers) until the tip's window
// shows, or for the given time.
void pump_until_shown(const TooltipWnd& tip, DWORD limit_ms)
{
  const DWORD start = GetTickCount();
  while (!IsWindowVisible(tip.GetSafeHwnd()) && GetTickCount() - start < limit_ms) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
      DispatchMessageA(&message);
    Sleep(10);
  }
}

// A dialog with two buttons, each with its tip; the cursor rests on the
// second button and the dialog relays the move as it would: the tip's window
// comes with that first move and shows the second button's text.
TEST(TooltipWnd, AControlsTipShowsItsTextOnceTheCursorRests)
{
  CWnd dialog;
  ASSERT_TRUE(dialog.CreateEx(0, "STATIC", "dialog", WS_POPUP | WS_VISIBLE, 100, 100, 400, 200, nullptr, nullptr));
  HWND first = CreateWindowA("BUTTON", "one", WS_CHILD | WS_VISIBLE, 10, 10, 100, 30, dialog.GetSafeHwnd(),
                             reinterpret_cast<HMENU>(kFirstId), nullptr, nullptr);
  HWND second = CreateWindowA("BUTTON", "two", WS_CHILD | WS_VISIBLE, 10, 100, 100, 30, dialog.GetSafeHwnd(),
                              reinterpret_cast<HMENU>(kSecondId), nullptr, nullptr);
  ASSERT_NE(nullptr, first);
  ASSERT_NE(nullptr, second);
  const ControlTip tips[] = {{kFirstId, "the first button"}, {kSecondId, "the second button"}};
  TooltipWnd tip;
  tip.explain_controls(&dialog, tips, std::size(tips));
  // No window until the dialog relays a mouse move: a key or a click alone
  // makes none.
  EXPECT_EQ(nullptr, tip.GetSafeHwnd());
  MSG key = {second, WM_KEYDOWN, VK_SPACE, 0, GetTickCount(), {0, 0}};
  tip.relay_event(&key);
  MSG click = {second, WM_RBUTTONDOWN, 0, MAKELPARAM(20, 15), GetTickCount(), {0, 0}};
  tip.relay_event(&click);
  EXPECT_EQ(nullptr, tip.GetSafeHwnd());

  POINT rest = {20, 15};
  ClientToScreen(second, &rest);
  SetCursorPos(rest.x, rest.y);
  MSG move = {second, WM_MOUSEMOVE, 0, MAKELPARAM(20, 15), GetTickCount(), rest};
  tip.relay_event(&move);
  ASSERT_NE(nullptr, tip.GetSafeHwnd());
  pump_until_shown(tip, 3000);
  EXPECT_TRUE(IsWindowVisible(tip.GetSafeHwnd()));
  EXPECT_EQ("the second button", tip.shown_text());
  tip.DestroyWindow();
  dialog.DestroyWindow();
}

}  // namespace
