#pragma once
#include "TooltipLayout.h"
#include "windows/CWnd.h"
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

// A colour that means "the system's tooltip colour".
constexpr COLORREF kTooltipSystemColor = 0xFF000000;
// The DrawText flags of the tip's text.
constexpr UINT kTooltipTextFormat = DT_NOPREFIX | DT_EXTERNALLEADING | DT_EXPANDTABS | DT_WORDBREAK;
// The plug-in dialogs' tips: 200 pixels wide, on light green.
constexpr int kControlTipWidth = 200;
constexpr COLORREF kControlTipBackColor = 0xACF7BB;

// A dialog control and the text of its tip.
struct ControlTip {
  int id;
  const char* text;
};

// The balloon tip of the plug-ins' dialogs: a topmost pop-up that shows the
// text of the control under the cursor after a delay, next to the cursor, and
// hides on leaving, after a while, or on a click or key. A carriage return in
// a text makes two pages; a click on the tip turns the page. The owner relays
// its messages through relay_event.
class TooltipWnd : public CWnd {
public:
  static constexpr UINT kShowTimer = 1;
  static constexpr UINT kPollTimer = 2;
  static constexpr UINT kShowDelayMs = 500;
  static constexpr UINT kPollIntervalMs = 500;
  static constexpr UINT kAutoHideMs = 5000;

  TooltipWnd();
  ~TooltipWnd() override;

  bool create(CWnd* owner);
  // Gives a dialog's controls their tips in the plug-ins' look. The tip's
  // window is created at the first mouse move relayed from the dialog: a
  // pop-up window costs a view's start-up dearly, and most never show a tip.
  void explain_controls(CWnd* dialog, const ControlTip* tips, std::size_t count);
  // text: the tool's text, or LPSTR_TEXTCALLBACK to ask the owner
  // (TTN_NEEDTEXT). rect: in the control's client coordinates, or null for
  // the control's whole window.
  bool add_tool(CWnd* control, const char* text, const RECT* rect, int id);
  int set_tip_width(int width);
  void set_back_color(COLORREF color);
  void set_enabled(bool enabled) { enabled_ = enabled; }
  // Called from the owner's PreTranslateMessage for every message.
  void relay_event(const MSG* message);

  bool is_hidden() const { return hidden_; }
  int page() const { return page_; }
  const std::string& shown_text() const { return shown_text_; }

  static bool get_status_font(LOGFONT& font);

protected:
  struct Tool {
    HWND control;
    int id;
    RECT rect;
    bool ask_owner;
    std::string text;
    int width;
    COLORREF text_color;
    COLORREF back_color;
  };

  virtual RECT place_tip(SIZE size, POINT point, const Tool& tool);
  virtual SIZE measure_tip(const std::string& text, int width);

  afx_msg void OnPaint();
  afx_msg void OnTimer(UINT_PTR id);
  afx_msg void OnLButtonDown(UINT flags, CPoint point);
  afx_msg void OnSetFocus(CWnd* old);
  afx_msg void OnDestroy();
  afx_msg void OnSettingChange(UINT flags, LPCTSTR section);
  afx_msg int OnMouseActivate(CWnd* desktop, UINT hit_test, UINT message);
  afx_msg LRESULT OnSetFont(WPARAM font, LPARAM redraw);
  afx_msg LRESULT OnGetFont(WPARAM, LPARAM);
  DECLARE_MESSAGE_MAP()

private:
  void use_font(const LOGFONT& font);
  void take_status_font();
  Tool* tool_at(POINT owner_point) const;
  Tool* tool_under_cursor() const;
  bool cursor_in_tip(POINT screen_point) const;
  std::string tool_text(const Tool& tool) const;
  void show_tip(POINT screen_point, int page);
  void show_at(POINT top_left, bool placed);
  void hide();
  void stop_timers();

  CWnd* owner_ = nullptr;
  RECT margins_ = {2, 2, 3, 3};
  int default_width_ = 0;
  POINT offset_ = {0, 20};
  HFONT font_ = nullptr;
  LOGFONT logfont_ = {};
  bool system_font_ = false;
  Tool* current_ = nullptr;
  UINT shown_ms_ = 0;
  bool enabled_ = true;
  bool hidden_ = true;
  bool two_pages_ = false;
  int page_ = 0;
  std::string shown_text_;
  TooltipPages pages_;
  COLORREF default_back_ = kTooltipSystemColor;
  COLORREF default_text_ = kTooltipSystemColor;
  std::vector<std::unique_ptr<Tool>> tools_;
  HWND lost_focus_ = nullptr;
};
