#include "DynamicControls.h"
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

// A parent with a font of its own, so taking "the parent's font" is visible.
class DynamicControlsTest : public ::testing::Test {
protected:
  void SetUp() override
  {
    ASSERT_TRUE(parent_.CreateEx(0, "STATIC", "parent", WS_POPUP | WS_VISIBLE, 0, 0, 600, 300, nullptr, nullptr));
    font_ = CreateFontA(-13, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
    parent_.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  }
  void TearDown() override
  {
    parent_.DestroyWindow();
    DeleteObject(font_);
  }

  void expect_child(CWnd* control, UINT id, DWORD style, const RECT& rect)
  {
    ASSERT_NE(nullptr, control);
    HWND window = control->GetSafeHwnd();
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(parent_.GetSafeHwnd(), GetParent(window));
    EXPECT_EQ(static_cast<int>(id), GetDlgCtrlID(window));
    EXPECT_EQ(style, static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)) & style);
    EXPECT_EQ(reinterpret_cast<LRESULT>(font_), SendMessageA(window, WM_GETFONT, 0, 0));
    RECT placed;
    GetWindowRect(window, &placed);
    MapWindowPoints(nullptr, parent_.GetSafeHwnd(), reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_EQ(rect.left, placed.left);
    EXPECT_EQ(rect.top, placed.top);
    EXPECT_EQ(rect.right, placed.right);
    EXPECT_EQ(rect.bottom, placed.bottom);
  }

  static std::string text_of(CWnd* control)
  {
    char text[64] = {};
    GetWindowTextA(control->GetSafeHwnd(), text, sizeof text);
    return text;
  }

  CWnd parent_;
  HFONT font_ = nullptr;
};

TEST_F(DynamicControlsTest, ButtonIsAVisibleChildWithTextAndParentFont)
{
  RECT rect = {410, 10, 500, 32};
  std::unique_ptr<CButton> button(create_dynamic_button(&parent_, 20300, "....", rect));
  expect_child(button.get(), 20300, 0x50000000, rect);
  EXPECT_EQ("....", text_of(button.get()));
}

TEST_F(DynamicControlsTest, StaticIsSunkenAndCentredAndKeepsExtraStyle)
{
  RECT rect = {40, 32, 140, 54};
  std::unique_ptr<CStatic> label(create_dynamic_static(&parent_, 20101, "boot(05)", rect, SS_NOPREFIX));
  expect_child(label.get(), 20101, 0x50001001 | SS_NOPREFIX, rect);
  EXPECT_EQ("boot(05)", text_of(label.get()));
}

TEST_F(DynamicControlsTest, EditHasStaticEdgeAndStartsEmpty)
{
  RECT rect = {150, 10, 400, 32};
  std::unique_ptr<CEdit> edit(create_dynamic_edit(&parent_, 20200, rect, ES_READONLY));
  expect_child(edit.get(), 20200, 0x50001080 | ES_READONLY, rect);
  EXPECT_NE(0, GetWindowLongA(edit->GetSafeHwnd(), GWL_EXSTYLE) & WS_EX_STATICEDGE);
  EXPECT_EQ("", text_of(edit.get()));
}

TEST_F(DynamicControlsTest, DeletingTheControlDestroysItsWindow)
{
  CButton* button = create_dynamic_button(&parent_, 20301, "x", RECT{0, 0, 10, 10});
  ASSERT_NE(nullptr, button);
  HWND window = button->GetSafeHwnd();
  delete button;
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(nullptr, GetDlgItem(parent_.GetSafeHwnd(), 20301));
}

}  // namespace
